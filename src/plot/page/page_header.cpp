// The page-header line (paghdr): its text and its place in a page corner,
// drawn with the stroke font at 0.6 times the character height.
#include "plot/page/page_header.h"

#include <algorithm>
#include <cstdio>

#include "plot/core/clock.h"
#include "plot/core/levels.h"
#include "plot/page/library_version.h"
#include "plot/text/text_draw.h"

namespace plotix {

std::string compose_page_header(std::string_view cstr1, std::string_view cstr2,
                                std::string_view date, std::string_view time) {
  char version[16];
  std::snprintf(version, sizeof version, "PLOTIX %3.1f ", static_cast<double>(kVersion));
  std::string text(cstr1.substr(0, std::min(cstr1.size(), kMaxHeaderFirst)));
  text.append(" ").append(date).append(", ").append(time).append(", ").append(version);
  if (text.size() < kMaxHeaderLength) {
    text.append(cstr2.substr(0, std::min(cstr2.size(), kMaxHeaderLength - text.size())));
  }
  return text;
}

void paghdr(std::string_view cstr1, std::string_view cstr2, int iopt, int idir) {
  PlotState* found = jqqlev(1, 3, "paghdr");
  if (found == nullptr) return;
  PlotState& st = *found;
  if (jqqval(st, iopt, 1, 4) != 0) iopt = 1;
  if (jqqval(st, idir, 0, 1) != 0) idir = 1;
  const std::string date = dddate();
  const std::string text = compose_page_header(cstr1, cstr2, date, ddtime());

  const int direction = idir == 0 ? 0 : (iopt == 1 || iopt == 4 ? 90 : 270);
  const int g = static_cast<int>(0.6f * static_cast<float>(st.text.nhchar));
  const TemporaryTextSettings settings(st, direction, g);
  const int length = nlmess(st, text);
  const int w = st.page.nxpage;
  const int h = st.page.nypage;
  int x = 0;
  int y = 0;
  switch (iopt) {
    case 1:
      x = idir == 0 ? 100 : 15;
      y = idir == 0 ? h - 15 - g : h - 100;
      break;
    case 2:
      x = idir == 0 ? w - 100 - length : w - 15;
      y = idir == 0 ? h - 15 - g : h - length - 100;
      break;
    case 3:
      x = idir == 0 ? w - 100 - length : w - 15;
      y = idir == 0 ? 15 : 100;
      break;
    default:
      x = idir == 0 ? 100 : 15;
      y = idir == 0 ? 15 : length + 100;
      break;
  }
  qqmess(st, text, x, y);
}

}  // namespace plotix

// Text parameter routines: character height, text angle and the title lines.
#include <algorithm>
#include <cstdlib>

#include "plot/core/levels.h"
#include "plot/text/text_settings.h"
#include "plot/text/text_draw.h"
#include "plot/core/warnings.h"

namespace plotix {

void height(int h) {
  PlotState* st = jqqlev(1, 3, "height");
  if (st == nullptr || jqqval(*st, h, 1, 10000) != 0) return;
  st->text.nhchar = h;
}

void angle(int degrees) {
  PlotState* found = chkini("angle");
  if (found == nullptr) return;
  PlotState& st = *found;
  set_text_angle(st, degrees);
}

void titlin(std::string_view text, int n) {
  PlotState* found = chkini("titlin");
  if (found == nullptr) return;
  PlotState& st = *found;
  const int line = std::abs(n);
  if (line < 1 || line > kTitleLines) {
    warni1(st, 2, n);
    return;
  }
  st.text.ctitle[line - 1] = text.substr(0, std::min<std::size_t>(text.size(), kMaxTitleLength));
  st.text.iundl[line - 1] = n < 0 ? '1' : '0';
}

}  // namespace plotix

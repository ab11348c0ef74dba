// pagera: the page border as one closed line in the current line attributes.
#include "plot/core/levels.h"
#include "plot/lines/polyline.h"
#include "plot/page/page_border.h"

namespace plotix {

void pagera() {
  PlotState* found = jqqlev(1, 3, "pagera");
  if (found == nullptr) return;
  PlotState& st = *found;
  const float w = static_cast<float>(st.page.nxpage);
  const float h = static_cast<float>(st.page.nypage);
  strtqq(st, 0.0f, 0.0f);
  connqq(st, 0.0f, h);
  connqq(st, w, h);
  connqq(st, w, 0.0f);
  connqq(st, 0.0f, 0.0f);
}

}  // namespace plotix

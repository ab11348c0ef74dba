// The title lines above the axis system (title).
#include "plot/core/levels.h"
#include "plot/lines/polyline.h"
#include "plot/text/title.h"
#include "plot/text/text_draw.h"

namespace plotix {

void title() {
  PlotState* found = jqqlev(2, 3, "title");
  if (found == nullptr) return;
  PlotState& st = *found;
  const int h = st.text.nthgt != 0 ? st.text.nthgt : st.text.nhchar;
  const TemporaryTextSettings settings(st, 0, h);
  for (int i = 1; i <= kTitleLines; ++i) {
    const std::string& text = st.text.ctitle[i - 1];
    const int length = nlmess(st, text);
    if (length == 0) continue;  // empty or blank lines keep their space free
    int x = st.core.nxa;
    if (st.text.ntitpos == 0) {
      x += (st.core.nxl - length) / 2;
    } else if (st.text.ntitpos == 2) {
      x += st.core.nxl - length;
    }
    // Line 4 is the lowest; the block ends 3 h above the top of the axis area.
    const int y = static_cast<int>(
        static_cast<float>(st.core.nya - st.core.nyl - st.text.ntitoff) -
        st.text.xtitsp * static_cast<float>(kTitleLines - i) * static_cast<float>(h) -
        3.0f * static_cast<float>(h));
    qqmess(st, text, x, y);
    if (st.text.iundl[i - 1] == '1') {
      const int yu = static_cast<int>(static_cast<float>(y) + 1.2f * static_cast<float>(h));
      strtqq(st, static_cast<float>(x - h / 2), static_cast<float>(yu));
      connqq(st, static_cast<float>(x + length + h / 2), static_cast<float>(yu));
    }
  }
}

}  // namespace plotix

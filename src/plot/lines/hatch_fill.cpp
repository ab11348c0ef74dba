// The line fill of the solid fill pattern: the fallback of dareaf for polygons a
// device cannot fill natively. The outline is drawn, then horizontal hatch lines
// below one plot unit apart, so the result looks solid on every device; each
// hatch line is cut at the outline's crossings and the pieces between the first
// and second, third and fourth … crossings go through the line pipeline, clipped
// like any line, in the current colour.
#include <algorithm>
#include <vector>

#include "plot/lines/hatch_fill.h"
#include "plot/lines/polyline.h"
#include "plot/core/output_format.h"

namespace plotix {

void hatch_fill(PlotState& st, const float* xs, const float* ys, int n) {
  qqmove(st, xs[0], ys[0]);
  for (int i = 1; i < n; ++i) qqdraw(st, xs[i], ys[i]);
  qqdraw(st, xs[0], ys[0]);

  const float spacing = (is_wmf(st.page.idev) ? 0.3999f : 0.9999f) / st.page.xunit;
  const float top = *std::min_element(ys, ys + n);
  const float bottom = *std::max_element(ys, ys + n);
  std::vector<float> crossings;
  crossings.reserve(static_cast<std::size_t>(n));
  for (float y = top; y <= bottom; y += spacing) {
    crossings.clear();
    for (int i = 0; i < n; ++i) {
      const int j = (i + 1) % n;
      const float y1 = ys[i];
      const float y2 = ys[j];
      // Half-open in y, so a vertex shared by two edges is crossed once.
      if ((y1 <= y && y < y2) || (y2 <= y && y < y1)) {
        crossings.push_back(xs[i] + (xs[j] - xs[i]) * (y - y1) / (y2 - y1));
      }
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
      qqmove(st, crossings[k], y);
      qqdraw(st, crossings[k + 1], y);
    }
  }
  qqstrk(st);
}

}  // namespace plotix

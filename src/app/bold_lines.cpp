// Bold curves and lines, native or under a brush.
#include "app/bold_lines.h"

#include "plot/plotix.h"

namespace app {

void bold_curves(int width, bool brush) {
  if (brush) {
    plotix::thkcrv(width);
  } else {
    plotix::linwid(width);
  }
}

void thin_lines() {
  plotix::thkcrv(1);
  plotix::linwid(1);
}

void bold_rline(float x1, float y1, float x2, float y2, int width, bool brush) {
  if (!brush) {
    plotix::linwid(width);
    plotix::rline(x1, y1, x2, y2);
    plotix::linwid(1);
    return;
  }
  // The same brush as the curves': width x width copies a plot unit apart.
  for (int i = 0; i < width; ++i) {
    for (int j = 0; j < width; ++j) {
      const float dx = static_cast<float>(i - width / 2), dy = static_cast<float>(j - width / 2);
      plotix::rline(x1 + dx, y1 + dy, x2 + dx, y2 + dy);
    }
  }
}

}  // namespace app

// The anti-aliased lines of the screen's canvas, checked against what a line of one
// pixel's width must leave: along its longer axis every step gives out exactly one
// pixel's worth of colour, shared between two neighbours whose weighted middle is the
// exact line; lines along the axes and index canvases stay as without the switch.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "devices/raster_canvas.h"

namespace {

using devices::RasterCanvas;

void open_white_on_black(RasterCanvas& canvas, bool true_colour, bool smooth) {
  ASSERT_EQ(canvas.open(64, 48, true, 2, devices::Background::dark, true_colour), 0);
  std::vector<int> table(256, 0xFFFFFF);
  table[0] = 0;
  canvas.load_colour_table(1, table.data());
  canvas.set_colour(1);
  canvas.set_antialiased(smooth);
}

int grey(const RasterCanvas& canvas, int x, int y) { return canvas.row(y)[4 * x]; }

TEST(ScreenSmoothLine, EachStepSharesOnePixelAroundTheExactLine) {
  const int lines[][4] = {{3, 4, 60, 21}, {60, 40, 2, 1}, {10, 2, 17, 45}, {5, 5, 40, 40}, {50, 3, 8, 30}};
  for (const auto& l : lines) {
    RasterCanvas canvas;
    open_white_on_black(canvas, true, true);
    canvas.draw_line(l[0], l[1], l[2], l[3]);
    const bool x_major = std::abs(l[2] - l[0]) >= std::abs(l[3] - l[1]);
    const int from = x_major ? std::min(l[0], l[2]) : std::min(l[1], l[3]);
    const int to = x_major ? std::max(l[0], l[2]) : std::max(l[1], l[3]);
    for (int m = from; m <= to; ++m) {
      // The exact line's position across the step m.
      const double t = x_major ? double(m - l[0]) / (l[2] - l[0]) : double(m - l[1]) / (l[3] - l[1]);
      const double exact = x_major ? l[1] + t * (l[3] - l[1]) : l[0] + t * (l[2] - l[0]);
      int sum = 0;
      double moment = 0;
      for (int k = 0; k < (x_major ? 48 : 64); ++k) {
        const int v = x_major ? grey(canvas, m, k) : grey(canvas, k, m);
        sum += v;
        moment += static_cast<double>(v) * k;
      }
      ASSERT_NEAR(sum, 255, 1) << "step " << m;
      EXPECT_NEAR(moment / sum, exact, 1.0 / 255 + 1e-9) << "step " << m;
    }
    // The same line drawn the other way round leaves the same pixels.
    RasterCanvas reverse;
    open_white_on_black(reverse, true, true);
    reverse.draw_line(l[2], l[3], l[0], l[1]);
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 64; ++x) ASSERT_EQ(grey(reverse, x, y), grey(canvas, x, y)) << x << "," << y;
  }
}

TEST(ScreenSmoothLine, AxisLinesFillsAndIndexCanvasesAsWithoutTheSwitch) {
  for (bool true_colour : {true, false}) {
    RasterCanvas plain, smooth;
    open_white_on_black(plain, true_colour, false);
    open_white_on_black(smooth, true_colour, true);
    EXPECT_EQ(smooth.antialiased(), true_colour);
    for (RasterCanvas* c : {&plain, &smooth}) {
      c->draw_line(2, 3, 50, 3);
      c->draw_line(7, 40, 7, 5);
      const int xs[3] = {10, 40, 25}, ys[3] = {10, 15, 44};
      c->fill_triangle(xs, ys, 1);
      if (!true_colour) c->draw_line(1, 1, 60, 30);  // a slanted line: index canvases ignore the switch
    }
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < plain.row_bytes(); ++x)
        ASSERT_EQ(plain.row(y)[x], smooth.row(y)[x]) << x << "," << y << (true_colour ? " rgb" : " index");
  }
}

}  // namespace

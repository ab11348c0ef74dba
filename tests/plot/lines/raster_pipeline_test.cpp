// The line fill of clipped triangles and emulated line widths, through the real
// raster device into a BMP file read back by ImageMagick: the fill must look
// solid and stop at the page border, a wide line must be wide.
#include <cmath>
#include <filesystem>

#include "devices/outside_readers.h"
#include "plot/lines/fills.h"
#include "plot/core/global_state.h"
#include "plot/lines/polyline.h"
#include "plot/plotix.h"
#include "plot/plot_fixture.h"

namespace plotix::test {
namespace {

using devices::testing::Picture;
using devices::testing::Rgb;

using RasterPipelineTest = RealDeviceTest;

TEST_F(RasterPipelineTest, ClippedTriangleIsFilledSolidAndWideLinesAreWide) {
  if (!devices::testing::tool_available("convert")) GTEST_SKIP() << "ImageMagick missing";
  const auto dir = fresh_folder("raster_pipeline");
  const auto file = dir / "fill.bmp";
  setfil(file.string());
  metafl("BMP");
  winsiz(1600, 1200);
  ::testing::internal::CaptureStdout();
  disini();
  PlotState& st = *qqgglb();
  const float s = st.page.xdevfac;  // 1599/2969 pixels per plot unit
  // A triangle crossing the left border: its visible part is the hatch fill.
  const float xs[3] = {-600.0f, 600.0f, -600.0f};
  const float ys[3] = {200.0f, 800.0f, 1400.0f};
  qqftri(st, xs, ys, 0x010000FF);  // red
  // A horizontal line 9 plot units wide (about 5 pixels) in green.
  color("GREEN");
  linwid(9);
  strtqq(st, 1500.0f, 1800.0f);
  connqq(st, 2500.0f, 1800.0f);
  disfin();
  ::testing::internal::GetCapturedStdout();

  Picture picture = devices::testing::read_picture(file);
  ASSERT_EQ(picture.width, 1600);
  ASSERT_EQ(picture.height, 1200);
  auto px = [&](float x, float y) {
    return picture.at(static_cast<int>(x * s + 0.5f), static_cast<int>(y * s + 0.5f));
  };
  const Rgb red{255, 0, 0};
  const Rgb black{0, 0, 0};
  // Every pixel well inside the visible part of the triangle is red.
  int holes = 0;
  for (float y = 450.0f; y <= 1150.0f; y += 1.0f) {
    const float right = 600.0f - 2.0f * std::fabs(y - 800.0f);  // the edges meet at (600, 800)
    for (float x = 5.0f; x < right - 5.0f; x += 3.0f) holes += !(px(x, y) == red);
  }
  EXPECT_EQ(holes, 0);
  // Nothing beyond its edges.
  EXPECT_EQ(px(620.0f, 800.0f), black);
  EXPECT_EQ(px(300.0f, 300.0f), black);
  // The wide line covers about two pixels either side of its centre row, and
  // the outline runs round its ends.
  const Rgb line = px(2000.0f, 1800.0f);
  EXPECT_GT(line.g, 200);
  EXPECT_EQ(px(2000.0f, 1800.0f - 3.5f), line);
  EXPECT_EQ(px(2000.0f, 1800.0f + 3.5f), line);
  EXPECT_EQ(px(2000.0f, 1800.0f - 12.0f), black);
  EXPECT_EQ(px(1496.0f, 1800.0f), line);  // extended end cap
}

}  // namespace
}  // namespace plotix::test

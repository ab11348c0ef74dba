// The whole way from the public routines through the line pipeline into the real
// PostScript writer, rendered by Ghostscript: the page border and lines in known
// colours must show up where the page mapping puts them.
#include <cmath>
#include <filesystem>

#include "devices/outside_readers.h"
#include "plot/core/global_state.h"
#include "plot/lines/polyline.h"
#include "plot/plotix.h"
#include "plot/plot_fixture.h"

namespace plotix::test {
namespace {

using devices::testing::Picture;
using devices::testing::Rgb;

// Page point in Ghostscript pixels at 72 dpi on the A4 sheet (595 x 842 points):
// the landscape page is turned (sheet x from the page y), placed 150 and 200
// units of 1/20 mm from the lower left corner, 72/508 points per unit.
struct SheetPixel {
  double column, row;
};
SheetPixel sheet_pixel(float x, float y, float s) {
  const double k = 72.0 / 508.0;
  return {(150.0 + y * s) * k, 842.0 - (200.0 + x * s) * k};
}

// True when some pixel within `radius` of the point has the colour test.
template <typename Test>
bool near(const Picture& picture, SheetPixel p, int radius, Test test) {
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      int x = static_cast<int>(std::lround(p.column)) + dx;
      int y = static_cast<int>(std::lround(p.row)) + dy;
      if (x >= 0 && y >= 0 && x < picture.width && y < picture.height && test(picture.at(x, y)))
        return true;
    }
  }
  return false;
}

using PostScriptPipelineTest = RealDeviceTest;

TEST_F(PostScriptPipelineTest, BorderAndColouredLinesAppearWhereThePageMapsThem) {
  if (!devices::testing::tool_available("gs")) GTEST_SKIP() << "Ghostscript missing";
  const auto dir = fresh_folder("ps_pipeline");
  const auto file = dir / "lines.ps";
  setfil(file.string() + " ");  // the trailing blank never reaches the disk
  metafl("ps");
  ::testing::internal::CaptureStdout();
  disini();
  PlotState& st = *qqgglb();
  const float s = st.page.xdevfac;
  pagera();
  color("RED");
  strtqq(st, 500.0f, 1000.0f);
  connqq(st, 2500.0f, 1000.0f);
  color("BLUE");
  dash();
  strtqq(st, 500.0f, 1500.0f);
  connqq(st, 2500.0f, 1500.0f);
  disfin();
  ::testing::internal::GetCapturedStdout();
  ASSERT_TRUE(std::filesystem::exists(file));

  const std::string text = devices::testing::read_file(file);
  for (const std::string& line : devices::testing::split_lines(text)) {
    EXPECT_LE(line.size(), 80u) << line;
  }
  EXPECT_NE(text.find("%%BoundingBox: 20 27 575 811"), std::string::npos);

  const auto png = dir / "lines.png";
  auto gs = devices::testing::run_command("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r72 "
                                          "-g595x842 -o '" + png.string() + "' '" +
                                          file.string() + "'");
  ASSERT_EQ(gs.status, 0) << gs.output;
  EXPECT_EQ(gs.output, "");
  Picture picture = devices::testing::read_picture(png);
  ASSERT_EQ(picture.width, 595);

  auto red = [](Rgb c) { return c.r > 200 && c.g < 80 && c.b < 80; };
  auto blue = [](Rgb c) { return c.b > 200 && c.r < 80 && c.g < 80; };
  auto black = [](Rgb c) { return c.r < 60 && c.g < 60 && c.b < 60; };
  auto white = [](Rgb c) { return c.r == 255 && c.g == 255 && c.b == 255; };

  // The red line along the page's x direction runs down the sheet.
  EXPECT_TRUE(near(picture, sheet_pixel(1500.0f, 1000.0f, s), 1, red));
  EXPECT_TRUE(near(picture, sheet_pixel(600.0f, 1000.0f, s), 1, red));
  EXPECT_FALSE(near(picture, sheet_pixel(2700.0f, 1000.0f, s), 2, red));  // beyond its end
  // The blue dashed line: drawn 10 units, skipped 10; at this scale a dash is
  // about 2.6 points, so along 40 units some pixels are blue and some white.
  int blue_pixels = 0;
  int white_pixels = 0;
  for (float x = 1000.0f; x < 1040.0f; x += 1.0f) {
    SheetPixel p = sheet_pixel(x, 1500.0f, s);
    Rgb c = picture.at(static_cast<int>(std::lround(p.column)), static_cast<int>(p.row));
    blue_pixels += blue(c);
    white_pixels += white(c);
  }
  EXPECT_GT(blue_pixels, 0);
  EXPECT_GT(white_pixels, 0);
  // The page border in FORE, black on the white page, on all four sides.
  EXPECT_TRUE(near(picture, sheet_pixel(1500.0f, 0.0f, s), 1, black));
  EXPECT_TRUE(near(picture, sheet_pixel(1500.0f, 2099.0f, s), 1, black));
  EXPECT_TRUE(near(picture, sheet_pixel(0.0f, 1000.0f, s), 1, black));
  EXPECT_TRUE(near(picture, sheet_pixel(2969.0f, 1000.0f, s), 1, black));
  // Paper elsewhere.
  EXPECT_TRUE(white(picture.at(300, 300)));
  // Outside the bounding box nothing is drawn.
  EXPECT_TRUE(white(picture.at(10, 421)));
}

}  // namespace
}  // namespace plotix::test

// Stroke-font text through the real raster device into a BMP file, read back by
// ImageMagick: the strokes of large characters land on the pixels the font and
// the device scale say, upright and turned.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "devices/outside_readers.h"
#include "plot/core/global_state.h"
#include "plot/plotix.h"
#include "plot/text/text_draw.h"
#include "plot/plot_fixture.h"
#include "test_support/temp_dir.h"

namespace plotix {
namespace {

namespace fs = std::filesystem;
using devices::testing::Picture;
using devices::testing::read_picture;
using devices::testing::Rgb;

class TextBmpOutput : public test::RealDeviceTest {
 protected:
  // Draws with `draw` on a 1200 x 849 BMP (white strokes on black) and reads it back.
  template <class Draw>
  Picture render(Draw draw) {
    setfil((dir_ / "text.bmp").string());
    metafl("BMP");
    winsiz(1200, 849);
    ::testing::internal::CaptureStdout();
    disini();
    PlotState& st = *qqgglb();
    scale_ = st.page.xdevfac;
    draw(st);
    disfin();
    ::testing::internal::GetCapturedStdout();
    return read_picture(dir_ / "text.bmp");
  }

  // Whether the pixel of plot point (x, y), or one next to it, carries ink.
  bool ink_near(const Picture& p, double x, double y) const {
    const int px = static_cast<int>(x * scale_ + 0.5);
    const int py = static_cast<int>(y * scale_ + 0.5);
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (p.at(px + dx, py + dy) != Rgb{0, 0, 0}) return true;
      }
    }
    return false;
  }

  test_support::TempDir folder_;
  const fs::path& dir_ = folder_.path();
  float scale_ = 0;
};

// "H" at h = 701: 700/6 plot units per font unit across, 100 upward; the pen
// starts 700 below the upper edge at (500, 300).
TEST_F(TextBmpOutput, UprightCharacterLandsOnItsPixels) {
  const Picture p = render([](PlotState& st) { dtext(st, "H", 500, 300, 0, 701); });
  ASSERT_EQ(p.width, 1200);
  const double left = 500 + 700.0 / 6, right = 500 + 5 * 700.0 / 6, middle = 500 + 3 * 700.0 / 6;
  EXPECT_TRUE(ink_near(p, left, 350));    // stems from y 300 to 1000
  EXPECT_TRUE(ink_near(p, left, 950));
  EXPECT_TRUE(ink_near(p, right, 650));
  EXPECT_TRUE(ink_near(p, middle, 600));  // the bar at font y = 4
  EXPECT_FALSE(ink_near(p, middle, 450)); // open above and below the bar
  EXPECT_FALSE(ink_near(p, middle, 850));
  EXPECT_FALSE(ink_near(p, left - 60, 650));
}

// "L" turned by 90 degrees: it reads upwards, its stem lies along the text
// direction at font x = 1 and its foot points up the page, away from the stem.
TEST_F(TextBmpOutput, TurnedCharacterReadsUpwards) {
  const Picture p = render([](PlotState& st) { dtext(st, "L", 500, 1200, 90, 701); });
  // Font point (x, y) lands at (1200 - 100 y, 1200 - 700 x / 6).
  const double stem_y = 1200 - 700.0 / 6;
  EXPECT_TRUE(ink_near(p, 600, stem_y));             // stem from x 500 to 1200
  EXPECT_TRUE(ink_near(p, 1100, stem_y));
  EXPECT_TRUE(ink_near(p, 1200, 1200 - 3 * 700.0 / 6));  // foot along the baseline
  EXPECT_FALSE(ink_near(p, 600, 1200 - 3 * 700.0 / 6));
  EXPECT_FALSE(ink_near(p, 850, 1200 + 100));         // nothing below the start
}

}  // namespace
}  // namespace plotix

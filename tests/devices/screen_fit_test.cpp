// The page scaled into a resized window: inside it, centred, as large as fits, with
// the page's proportions.
#include <gtest/gtest.h>

#include <cmath>

#include "devices/fit_rect.h"

namespace {

TEST(ScreenFit, LargestCentredRectangleWithThePagesAspect) {
  const int pages[][2] = {{800, 600}, {853, 603}, {603, 853}, {1, 1}};
  for (const auto& page : pages) {
    for (int w : {1, 7, 400, 800, 1279, 2000}) {
      for (int h : {1, 5, 300, 600, 1023}) {
        const devices::FitRect r = devices::fit_inside(w, h, page[0], page[1]);
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + " page " +
                     std::to_string(page[0]) + "x" + std::to_string(page[1]));
        ASSERT_GE(r.x, 0);
        ASSERT_GE(r.y, 0);
        ASSERT_LE(r.x + r.w, w);
        ASSERT_LE(r.y + r.h, h);
        ASSERT_GE(r.w, 1);
        ASSERT_GE(r.h, 1);
        // One side fills the window, and the margins on either side differ by a pixel at most.
        EXPECT_TRUE(r.w == w || r.h == h);
        EXPECT_LE(std::abs((w - r.w - r.x) - r.x), 1);
        EXPECT_LE(std::abs((h - r.h - r.y) - r.y), 1);
        // Proportions kept to the rounding of one side.
        if (r.w > 1 && r.h > 1) {
          EXPECT_NEAR(static_cast<double>(r.w) / r.h, static_cast<double>(page[0]) / page[1],
                      static_cast<double>(page[0]) / page[1] * (1.0 / r.w + 1.0 / r.h));
        }
      }
    }
  }
  const devices::FitRect none = devices::fit_inside(0, 600, 800, 600);
  EXPECT_EQ(none.w, 0);
}

}  // namespace

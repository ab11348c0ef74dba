// The page-header line: its text, and its place in each corner of the page in
// both directions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "plot/text.h"
#include "plot/text/text_draw.h"
#include "plot/page/page_header.h"
#include "plot/text/text_recording.h"

namespace plotix {
namespace {

TEST(PageHeaderText, DateTimeAndVersionBetweenTheTwoTexts) {
  EXPECT_EQ(compose_page_header("SKYTRAK3D (", ")", "06.12.2026", "12:34:56"),
            "SKYTRAK3D ( 06.12.2026, 12:34:56, PLOTIX 9.3 )");
  // 100 characters of the first text leave 134 and no room for the second.
  const std::string long_first(120, 'a');
  const std::string h1 = compose_page_header(long_first, "XYZ", "06.12.2026", "12:34:56");
  EXPECT_EQ(h1.size(), 134u);
  EXPECT_EQ(h1.substr(95), "aaaaa 06.12.2026, 12:34:56, PLOTIX 9.3 ");
  // 90 characters leave room for 8 of the second.
  const std::string h2 =
      compose_page_header(std::string(90, 'b'), "0123456789", "06.12.2026", "12:34:56");
  EXPECT_EQ(h2.size(), 132u);
  EXPECT_EQ(h2.substr(124), "01234567");
}

class PageHeader : public test::TextPlot {
 protected:
  void SetUp() override {
    setenv("SOURCE_DATE_EPOCH", "1796560496", 1);  // 6 December 2026, 12:34:56 UTC
    TextPlot::SetUp();
  }
  void TearDown() override {
    TextPlot::TearDown();
    unsetenv("SOURCE_DATE_EPOCH");
  }
};

// The header of the main program: 46 characters; at the default height 36 the
// header height is 21, so each character advances 20 and the text is 920 long.
// Its capitals reach the upper edge; the brackets and the comma reach one font
// unit (20/7) below the baseline, which lies 20 below the upper edge.
constexpr double kLength = 920;
constexpr double kSx = 20.0 / 6;
constexpr double kDepth = 20 + 20.0 / 7;

TEST_F(PageHeader, HorizontalInEachCorner) {
  struct Case {
    int iopt;
    double x, y;
  } cases[] = {{1, 100, 2099 - 15 - 21}, {2, 2969 - 100 - kLength, 2063}, {3, 1949, 15}, {4, 100, 15}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.iopt);
    paghdr("SKYTRAK3D (", ")", c.iopt, 0);
    const test::Box b = bounds(take_strokes());
    EXPECT_NEAR(b.y1, c.y, 1e-3);
    EXPECT_NEAR(b.y2, c.y + kDepth, 1e-3);
    EXPECT_NEAR(b.x1, c.x + kSx, 1e-3);             // "S" starts at x = 1
    EXPECT_NEAR(b.x2, c.x + kLength - 20 + 4 * kSx, 1e-3);  // ")" ends at x = 4
  }
  EXPECT_EQ(st_->core.nwarn, 0);
}

TEST_F(PageHeader, VerticalInEachCorner) {
  // Corners 1 and 4 read upwards with the upper edge on the left; 2 and 3
  // read downwards with the upper edge on the right.
  struct Case {
    int iopt;
    double edge;       // x of the upper edge
    double start, end;  // y where the text starts and ends
  } cases[] = {{1, 15, 1999, 1999 - kLength},
               {2, 2954, 2099 - kLength - 100, 1999},
               {3, 2954, 100, 100 + kLength},
               {4, 15, kLength + 100, 100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.iopt);
    paghdr("SKYTRAK3D (", ")", c.iopt, 1);
    const auto strokes = take_strokes();
    const test::Box b = bounds(strokes);
    const bool upwards = c.start > c.end;
    EXPECT_NEAR(upwards ? b.x1 : b.x2, c.edge, 1e-3);
    EXPECT_NEAR(upwards ? b.x2 : b.x1, upwards ? c.edge + kDepth : c.edge - kDepth, 1e-3);
    const double first = upwards ? c.start - kSx : c.start + kSx;
    const double last = upwards ? c.end + 20 - 4 * kSx : c.end - 20 + 4 * kSx;
    EXPECT_NEAR(upwards ? b.y2 : b.y1, first, 1e-3);
    EXPECT_NEAR(upwards ? b.y1 : b.y2, last, 1e-3);
  }
}

TEST_F(PageHeader, RestoresHeightAndAngleAndCorrectsBadOptions) {
  angle(30);
  height(50);
  paghdr("A", "B", 5, 0);  // corner 5 becomes the lower left
  EXPECT_EQ(st_->text.nangle, 30);
  EXPECT_EQ(st_->text.nhchar, 50);
  EXPECT_EQ(take_messages(), " <<<< Warning   2: Incorrect parameter in paghdr!   (   5)\n");
  // Header height 30: upper edge at 2099 - 15 - 30.
  EXPECT_NEAR(bounds(take_strokes()).y1, 2054, 1e-3);

  angle(0);
  paghdr("A", "B", 4, 7);  // direction 7 becomes vertical
  EXPECT_EQ(take_messages(), " <<<< Warning   2: Incorrect parameter in paghdr!   (   7)\n");
  EXPECT_NEAR(bounds(take_strokes()).x1, 15, 1e-3);
}

}  // namespace
}  // namespace plotix

// Title lines (titlin, title) and the parameter routines height and angle.
#include <gtest/gtest.h>

#include <string>

#include "plot/text.h"
#include "plot/text/text_draw.h"
#include "plot/text/text_recording.h"

namespace plotix {
namespace {

using test::TextPlot;

class TitlePlot : public TextPlot {
 protected:
  void SetUp() override {
    TextPlot::SetUp();
    st_->core.level = 3;  // as inside graf3d ... endgrf
  }
};

// With h = 26 and the default axis area (nya 1799, nyl 1400) the block of four
// lines ends 78 above the axis area's top (y 399) and the lines are 39 apart.
TEST_F(TitlePlot, LinesHaveTheirUpperEdgesAtTheGivenRows) {
  height(26);
  const int want[4] = {204, 243, 282, 321};
  for (int line = 1; line <= 4; ++line) {
    for (int other = 1; other <= 4; ++other) titlin("", other);
    titlin("ABC", line);
    title();
    const test::Box b = bounds(take_strokes());
    // The capitals reach the cap height: their top is the upper edge. "ABC" is
    // 75 long and centred in the axis area: it starts at 494 + (1980 - 75)/2.
    EXPECT_NEAR(b.y1, want[line - 1], 1e-3) << "line " << line;
    EXPECT_NEAR(b.y2, want[line - 1] + 25, 1e-3) << "line " << line;
    EXPECT_NEAR(b.x1, 1446 + 25.0 / 6, 1e-3);
    EXPECT_NEAR(b.x2, 1446 + 50 + 5 * 25.0 / 6, 1e-3);
  }
}

TEST_F(TitlePlot, PlacementSpacingOffsetAndTitleHeight) {
  height(26);
  titlin("ABC", 4);
  st_->text.ntitpos = 1;
  title();
  EXPECT_NEAR(bounds(take_strokes()).x1, 494 + 25.0 / 6, 1e-3);
  st_->text.ntitpos = 2;
  title();
  EXPECT_NEAR(bounds(take_strokes()).x2, 494 + 1980 - 75 + 50 + 5 * 25.0 / 6, 1e-3);
  st_->text.ntitpos = 0;
  st_->text.ntitoff = 50;
  st_->text.nthgt = 40;  // the title height replaces the character height
  title();
  // y = 1799 - 1400 - 50 - 0 - 120 = 229; "ABC" at h 40 is 117 long.
  const test::Box b = bounds(take_strokes());
  EXPECT_NEAR(b.y1, 229, 1e-3);
  EXPECT_NEAR(b.x1, 494 + (1980 - 117) / 2 + 39.0 / 6, 1e-3);
  EXPECT_EQ(st_->text.nhchar, 26);
}

TEST_F(TitlePlot, NegativeLineNumberUnderlines) {
  height(26);
  titlin("ABC", -2);
  EXPECT_EQ(st_->text.ctitle[1], "ABC");
  EXPECT_EQ(st_->text.iundl[1], '1');
  title();
  const auto strokes = take_strokes();
  // The underline runs h/2 = 13 beyond the text at y = trunc(243 + 31.2).
  const test::Stroke& line = strokes.back();
  ASSERT_EQ(line.size(), 2u);
  EXPECT_DOUBLE_EQ(line[0].x, 1446 - 13);
  EXPECT_DOUBLE_EQ(line[0].y, 274);
  EXPECT_DOUBLE_EQ(line[1].x, 1446 + 75 + 13);
  EXPECT_DOUBLE_EQ(line[1].y, 274);
  titlin("ABC", 2);
  EXPECT_EQ(st_->text.iundl[1], '0');
}

TEST_F(TitlePlot, BadLineNumbersWarnAndStoreNothing) {
  titlin("ABC", 5);
  titlin("ABC", 0);
  titlin("ABC", -5);
  EXPECT_EQ(st_->core.nwarn, 3);
  EXPECT_EQ(take_messages(),
            " <<<< Warning   2: Incorrect parameter in titlin!   (   5)\n"
            " <<<< Warning   2: Incorrect parameter in titlin!   (   0)\n"
            " <<<< Warning   2: Incorrect parameter in titlin!   (  -5)\n");
  for (const std::string& line : st_->text.ctitle) EXPECT_TRUE(line.empty());
}

TEST_F(TitlePlot, LongLinesAreCutAndBlankLinesSkipped) {
  titlin(std::string(140, 'W'), 1);
  EXPECT_EQ(st_->text.ctitle[0].size(), 132u);
  titlin("      ", 1);
  title();
  EXPECT_TRUE(take_strokes().empty());
}

TEST_F(TitlePlot, TitleOutsideAnAxisSystemWarns) {
  titlin("ABC", 1);
  st_->core.level = 1;
  title();
  EXPECT_TRUE(take_strokes().empty());
  EXPECT_EQ(take_messages(), " <<<< Warning   3: Incorrect level in title!   (   1)\n");
}

TEST_F(TextPlot, HeightAcceptsOneToTenThousand) {
  height(1);
  EXPECT_EQ(st_->text.nhchar, 1);
  height(10000);
  EXPECT_EQ(st_->text.nhchar, 10000);
  height(0);
  height(10001);
  EXPECT_EQ(st_->text.nhchar, 10000);
  EXPECT_EQ(st_->core.nwarn, 2);
  EXPECT_EQ(take_messages(),
            " <<<< Warning   2: Incorrect parameter in height!   (   0)\n"
            " <<<< Warning   2: Incorrect parameter in height!   (10001)\n");
}

TEST_F(TextPlot, AngleTurnsLaterTexts) {
  angle(90);
  EXPECT_EQ(st_->text.nangle, 90);
  st_->text.nhchar = 43;
  qqmess(*st_, "1", 300, 400);
  const auto s = take_strokes();
  ASSERT_FALSE(s.empty());
  EXPECT_NEAR(s[0][0].x, 306, 1e-3);
  EXPECT_NEAR(s[0][0].y, 386, 1e-3);
}

TEST_F(TextPlot, EveryPlotStartsWithTheDefaultTextSettings) {
  height(50);
  angle(30);
  titlin("ABC", -3);
  disfin();
  disini();
  st_ = qqgglb();
  EXPECT_EQ(st_->text.nhchar, 36);
  EXPECT_EQ(st_->text.nangle, 0);
  EXPECT_EQ(st_->text.xsin, 0.0f);
  EXPECT_EQ(st_->text.ctitle[2], "");
  EXPECT_EQ(st_->text.iundl[2], '0');
}

}  // namespace
}  // namespace plotix

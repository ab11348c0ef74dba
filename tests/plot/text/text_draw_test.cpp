// Drawing and measuring stroke-font texts: character placement and turning,
// the fixed pitch, blanks, the start-point warning and the pen continuation.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "plot/text/text_draw.h"
#include "plot/text/text_recording.h"

namespace plotix {
namespace {

using test::Stroke;
using test::TextPlot;

void expect_stroke(const Stroke& got, std::initializer_list<test::PagePoint> want) {
  ASSERT_EQ(got.size(), want.size());
  std::size_t i = 0;
  for (const test::PagePoint& p : want) {
    EXPECT_NEAR(got[i].x, p.x, 1e-3) << "point " << i;
    EXPECT_NEAR(got[i].y, p.y, 1e-3) << "point " << i;
    ++i;
  }
}

// h = 43 makes the scales whole: 42/6 = 7 plot units per font unit across,
// 42/7 = 6 upward; the pen starts 42 below the upper edge and advances 42.
TEST_F(TextPlot, CharactersSitOnTheBaselineBelowTheUpperEdge) {
  dtext(*st_, "XA", 100, 200, 0, 43);
  const auto s = take_strokes();
  ASSERT_EQ(s.size(), 4u);
  expect_stroke(s[0], {{107, 242}, {135, 200}});
  expect_stroke(s[1], {{107, 200}, {135, 242}});
  expect_stroke(s[2], {{149, 242}, {149, 206}, {156, 200}, {170, 200}, {177, 206}, {177, 242}});
  expect_stroke(s[3], {{149, 218}, {177, 218}});
}

TEST_F(TextPlot, TurnedTextReadsUpwardsWithItsTopToTheLeft) {
  dtext(*st_, "1", 300, 400, 90, 43);
  const auto s = take_strokes();
  ASSERT_EQ(s.size(), 2u);
  // Font point (x, y) lands at (342 - 6 y, 400 - 7 x).
  expect_stroke(s[0], {{306, 386}, {300, 379}, {342, 379}});
  expect_stroke(s[1], {{342, 386}, {342, 372}});
  dtext(*st_, "1", 300, 400, 270, 43);
  const auto t = take_strokes();
  ASSERT_EQ(t.size(), 2u);
  // Reading downwards: (258 + 6 y, 400 + 7 x).
  expect_stroke(t[0], {{294, 414}, {300, 421}, {258, 421}});
}

TEST_F(TextPlot, DtextRestoresAngleAndHeight) {
  set_text_angle(*st_, 30);
  st_->text.nhchar = 40;
  dtext(*st_, "AB", 500, 500, 90, 26);
  EXPECT_EQ(st_->text.nangle, 30);
  EXPECT_EQ(st_->text.nhchar, 40);
  EXPECT_FLOAT_EQ(st_->text.xsin, 0.5f);
  EXPECT_NEAR(st_->text.xcos, std::sqrt(3.0) / 2, 1e-6);
}

TEST_F(TextPlot, EveryCharacterAdvancesTheSamePitch) {
  st_->text.nhchar = 26;
  EXPECT_EQ(nlmess(*st_, "0123456789"), 250);
  EXPECT_EQ(nlmess(*st_, "iiiiiiiiii"), 250);
  EXPECT_EQ(nlmess(*st_, "WWWWWWWWWW   "), 250);  // trailing blanks do not count
  EXPECT_EQ(nlmess(*st_, "  AB"), 100);           // leading ones do
  // A control character and a code beyond the alphabet count as blanks.
  EXPECT_EQ(nlmess(*st_, std::string("A\x01\xC8", 3) + "B"), 100);
  set_text_angle(*st_, 90);
  EXPECT_EQ(nlmess(*st_, "0123456789"), 250);
  set_text_angle(*st_, 0);
  st_->text.nhchar = 36;
  EXPECT_EQ(nlmess(*st_, "ABC"), 105);
}

TEST_F(TextPlot, BlanksOnlyTextsDrawAndMeasureNothing) {
  for (const char* text : {"", " ", "          "}) {
    qqmess(*st_, text, 100, 100);
    EXPECT_EQ(nlmess(*st_, text), 0) << '"' << text << '"';
  }
  EXPECT_TRUE(take_strokes().empty());
  EXPECT_EQ(st_->core.nvec, 0);
}

TEST_F(TextPlot, UndrawableCodesLeaveAGapOfOnePitch) {
  dtext(*st_, std::string("A\x01\xC8", 3) + "A", 100, 200, 0, 43);
  const auto s = take_strokes();
  ASSERT_EQ(s.size(), 4u);
  EXPECT_NEAR(s[2][0].x - s[0][0].x, 3 * 42, 1e-3);
}

TEST_F(TextPlot, TextContinuesAtThePen) {
  st_->text.nhchar = 43;
  qqmess(*st_, "A", 100, 200);
  qqmess(*st_, "X", kContinueAtPen, kContinueAtPen);
  const auto s = take_strokes();
  ASSERT_EQ(s.size(), 4u);
  expect_stroke(s[2], {{149, 242}, {177, 200}});
}

TEST_F(TextPlot, PageOffsetsMoveTheStartPen) {
  st_->line.nxorg = 10;
  st_->line.nyorg = -20;
  dtext(*st_, "X", 100, 200, 0, 43);
  const auto s = take_strokes();
  ASSERT_EQ(s.size(), 2u);
  expect_stroke(s[0], {{117, 222}, {145, 180}});
}

TEST_F(TextPlot, StartOffThePageWarnsAndStillDraws) {
  // h = 36: the pen starts 35 below the upper edge.
  qqmess(*st_, "OUTSIDE-PAGE", -50, 100);
  EXPECT_EQ(st_->core.nwarn, 1);
  EXPECT_EQ(take_messages(),
            " <<<< Warning: Startpoint (  -50/  135) in MESSAG out of page - (OUTSIDE-).\n");
  EXPECT_FALSE(take_strokes().empty());

  qqmess(*st_, "BELOW", 100, 2070);  // pen at y = 2105, below the page
  EXPECT_EQ(st_->core.nwarn, 2);
  EXPECT_EQ(take_messages(), " <<<< Warning: Startpoint (  100/ 2105) in MESSAG out of page - (BELOW).\n");

  qqmess(*st_, "CORNER", 0, 2064);   // pen exactly on the lower page edge: inside
  qqmess(*st_, "AT", kContinueAtPen, kContinueAtPen);
  EXPECT_EQ(st_->core.nwarn, 2);

  st_->core.imsgmode = 0;             // messages off: counted, not printed
  qqmess(*st_, "X", 3000, 100);
  EXPECT_EQ(st_->core.nwarn, 3);
  EXPECT_EQ(take_messages(), "");
}

}  // namespace
}  // namespace plotix

// Colours against the recording device: named colours on each device class, the
// colour tables, the light-background swap, line widths and filled shapes.
#include <cmath>
#include <cstdio>

#include "plot/lines/colour_tables.h"
#include "plot/lines/colours.h"
#include "plot/lines/fills.h"
#include "plot/lines/polyline.h"
#include "plot/plot_fixture.h"

namespace plotix::test {
namespace {

using devices::CallKind;
using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

class ColourTest : public PlotTest {
 protected:
  // Opens a file format with its file in a fresh folder.
  PlotState& open_file(const char* format, const char* name) {
    auto dir = fresh_folder(std::string("colour_") + name);
    setfil((dir / name).string());
    return open(format);
  }

  devices::RecordedCall last(CallKind kind) const {
    auto all = calls(kind);
    EXPECT_FALSE(all.empty());
    return all.empty() ? devices::RecordedCall{kind, {}} : all.back();
  }
};

TEST_F(ColourTest, NamesAreMatchedOnFourLettersInAnyCase) {
  PlotState& st = open("CONS");
  color("MAGENTA");
  const int magenta = st.line.ncolor;
  EXPECT_EQ(magenta, 0x01FF00FF);
  color("WHITE");
  color("mage");
  EXPECT_EQ(st.line.ncolor, magenta);
  EXPECT_EQ(last(CallKind::kColourValue).v[0], 0x01FF00FF);
  CaptureStdout();
  color("PINK");
  EXPECT_EQ(GetCapturedStdout(), " <<<< Warning   2: Incorrect parameter in color!   (PINK)\n");
  EXPECT_EQ(st.line.ncolor, magenta);
  color("orange");
  EXPECT_EQ(st.line.ncolor, 0x010080FF);  // r 255, g 128, b 0
  finish();
}

TEST_F(ColourTest, ScreenDefaultsAreWhiteOnBlack) {
  PlotState& st = open("CONS");
  EXPECT_EQ(st.line.ipaltyp, 1);
  EXPECT_EQ(st.line.nfore, 255);
  EXPECT_EQ(st.line.nback, 0);
  EXPECT_EQ(st.line.ncolor, 255);  // FORE after the reset
  ASSERT_EQ(log_->colour_table.size(), 256u);
  EXPECT_EQ(log_->colour_table[0], 0x000000);
  EXPECT_EQ(log_->colour_table[255], 0xFFFFFF);
  color("WHITE");
  EXPECT_EQ(st.line.ncolor, 0x01FFFFFF);
  color("BLACK");
  EXPECT_EQ(st.line.ncolor, 0x01000000);
  finish();
}

TEST_F(ColourTest, PaperFormatsDrawWhiteAsBlack) {
  open_file("PDF", "c.pdf");
  // FORE at the reset: black on the white page.
  auto fore = last(CallKind::kColourRgb);
  EXPECT_EQ(fore.v[0] + fore.v[1] + fore.v[2], 0.0);
  color("WHITE");
  auto white = last(CallKind::kColourRgb);
  EXPECT_EQ(white.v[0] + white.v[1] + white.v[2], 0.0);
  color("BLACK");
  auto black = last(CallKind::kColourRgb);
  EXPECT_EQ(black.v[0], 255.0);
  EXPECT_EQ(black.v[1], 255.0);
  EXPECT_EQ(black.v[2], 255.0);
  color("YELLOW");
  auto yellow = last(CallKind::kColourRgb);
  EXPECT_EQ(yellow.v[0], 255.0);
  EXPECT_EQ(yellow.v[1], 255.0);
  EXPECT_EQ(yellow.v[2], 0.0);
  finish();

  PlotState& ps = open_file("PS", "c.ps");
  EXPECT_EQ(ps.line.npal[0], 0xFFFFFF);  // the table ends exchanged
  EXPECT_EQ(ps.line.npal[255], 0x000000);
  EXPECT_EQ(ps.line.nfore, 255);
  color("FORE");
  auto ps_fore = last(CallKind::kColourRgb);
  EXPECT_EQ(ps_fore.v[0] + ps_fore.v[1] + ps_fore.v[2], 0.0);
  finish();

  PlotState& wmf = open_file("WMF", "c.wmf");
  EXPECT_EQ(wmf.line.nfore, 0);
  EXPECT_EQ(wmf.line.nback, 255);
  color("WHITE");
  auto wmf_white = last(CallKind::kColourRgb);
  EXPECT_EQ(wmf_white.v[0] + wmf_white.v[1] + wmf_white.v[2], 0.0);
  finish();
}

TEST_F(ColourTest, RainbowPassesThroughItsSampleRows) {
  int npal[256];
  fill_colour_table(kRain, npal);
  EXPECT_EQ(npal[0], 0x000000);
  EXPECT_EQ(npal[1], 0x220044);
  EXPECT_EQ(npal[16], 0x2900BE);
  EXPECT_EQ(npal[96], 0x00FFFF);
  EXPECT_EQ(npal[192], 0xFFFF00);
  EXPECT_EQ(npal[254], 0xFF0000);
  EXPECT_EQ(npal[255], 0xFFFFFF);
  // Index 8 lies 7/15 of the way from row 1 to row 16: red 34 + 7*7/15 = 37.3,
  // blue 68 + 122*7/15 = 124.9.
  EXPECT_EQ(npal[8], (37 << 16) | (0 << 8) | 125);
  int reversed[256];
  fill_colour_table(kRrai, reversed);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(reversed[i], npal[255 - i]) << i;
}

TEST_F(ColourTest, SpectrumGreyTemperatureSmallAndVga) {
  int npal[256];
  fill_colour_table(kSpec, npal);
  EXPECT_EQ(npal[0], 0x000000);
  EXPECT_EQ(npal[1], 0xFF00FF);
  EXPECT_EQ(npal[254], 0xFF0000);
  EXPECT_EQ(npal[255], 0xFFFFFF);
  fill_colour_table(kGrey, npal);
  EXPECT_EQ(npal[128], 0x808080);
  fill_colour_table(kRgre, npal);
  EXPECT_EQ(npal[0], 0xFFFFFF);
  fill_colour_table(kTemp, npal);
  EXPECT_EQ(npal[100], 170 << 16);                      // int(170.5)
  EXPECT_EQ(npal[200], (255 << 16) | (151 << 8) | 39);  // int(151.6), int(39.7)
  fill_colour_table(kSmal, npal);
  EXPECT_EQ(npal[6], 0xFF8000);
  fill_colour_table(kVga, npal);
  EXPECT_EQ(npal[6], 0xAA5500);
  EXPECT_EQ(npal[15], 0xFFFFFF);
}

TEST_F(ColourTest, TableChoiceAndItsAdjustments) {
  PlotState& st = open("CONS");
  setvlt("GREY");
  EXPECT_EQ(st.line.ipaltyp, 3);
  EXPECT_EQ(st.line.nclrnam[1], 0x01E6E6E6);  // RED as a grey
  color("BLACK");
  EXPECT_EQ(st.line.ncolor, 0x01FFFFFF);  // BLAC takes WHIT's value with grey tables
  setvlt("vga");
  EXPECT_EQ(st.line.nfore, 15);
  EXPECT_EQ(st.line.npalmax, 15);
  setvlt("small");
  EXPECT_EQ(st.line.nfore, 1);
  EXPECT_EQ(st.line.npalmax, 9);
  CaptureStdout();
  setvlt("PINK");
  EXPECT_EQ(GetCapturedStdout(), " <<<< Warning   2: Incorrect parameter in setvlt!   (PINK)\n");
  EXPECT_EQ(st.line.ipaltyp, 0);
  finish();
}

TEST_F(ColourTest, PostDeviceGetsReverseGreyWithBlackDrawing) {
  PlotState& st = open_file("POST", "c.psc");
  EXPECT_EQ(st.line.ipaltyp, 6);
  EXPECT_EQ(st.line.nclrnam[0], 0x01000000);  // WHIT black on paper
  EXPECT_EQ(st.line.nclrnam[8], 0x01000000);
  finish();
}

TEST_F(ColourTest, IndexValuesAreReducedIntoTheTable) {
  PlotState& st = open("CONS");
  EXPECT_EQ(colour_index(300), 44);
  EXPECT_EQ(colour_index(-1), 255);
  int r = 0, g = 0, b = 0;
  colour_rgb(st, 255 + 256, r, g, b);
  EXPECT_EQ(r + g + b, 3 * 255);
  colour_rgb(st, 0x010080FF, r, g, b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 128);
  EXPECT_EQ(b, 0);
  finish();
}

TEST_F(ColourTest, NativeWidthsOnPostScript) {
  open_file("PS", "w.ps");
  penwid(0.2f);
  auto w = last(CallKind::kLineWidth);
  char text[16];
  std::snprintf(text, sizeof text, "%8.2f", w.v[0]);
  EXPECT_STREQ(text, "    1.00");
  EXPECT_EQ(w.v[1], 0.0);  // real form
  linwid(1);
  w = last(CallKind::kLineWidth);
  EXPECT_EQ(w.v[0], 5.0);
  EXPECT_EQ(w.v[1], 1.0);  // integer form
  linwid(4);
  EXPECT_EQ(last(CallKind::kLineWidth).v[0], 8.0);
  penwid(3.0f);
  EXPECT_FLOAT_EQ(static_cast<float>(last(CallKind::kLineWidth).v[0]), 6.0f);
  EXPECT_EQ(qqgglb()->line.nlinwid, -3);
  finish();
}

TEST_F(ColourTest, NativeWidthsOnPdfInPoints) {
  open_file("PDF", "w.pdf");
  penwid(0.2f);
  char text[16];
  std::snprintf(text, sizeof text, "%.3f", last(CallKind::kLineWidth).v[0]);
  EXPECT_STREQ(text, "0.142");
  linwid(1);
  std::snprintf(text, sizeof text, "%.3f", last(CallKind::kLineWidth).v[0]);
  EXPECT_STREQ(text, "0.709");
  finish();
}

TEST_F(ColourTest, BadWidthsWarnAndChangeNothing) {
  PlotState& st = open("CONS");
  linwid(3);
  CaptureStdout();
  linwid(0);
  penwid(-1.0f);
  EXPECT_EQ(GetCapturedStdout(),
            " <<<< Warning   2: Incorrect parameter in linwid!   (   0)\n"
            " <<<< Warning   2: Incorrect parameter in penwid!   (  -1)\n");
  EXPECT_EQ(st.line.nlinwid, 3);
  penwid(0.2f);
  EXPECT_EQ(st.line.nlinwid, 1);  // the thinnest line on the screen
  penwid(2.5f);
  EXPECT_EQ(st.line.nlinwid, 3);  // halves away from zero
  EXPECT_EQ(log_->count(CallKind::kLineWidth), 0);
  finish();
}

TEST_F(ColourTest, EmulatedWidthDrawsClosedOutlinesAroundTheLine) {
  PlotState& st = open_unit_screen();
  linwid(5);  // one outline at 1.5 and one at 2.5 plot units
  log_->calls.clear();
  strtqq(st, 100.0f, 100.0f);
  connqq(st, 200.0f, 100.0f);
  qqstrk(st);
  std::vector<DevicePoint> p = points();
  // The line itself, then two closed outlines: left side, end cap, right side,
  // start cap, each extended by its half-width at the ends.
  ASSERT_EQ(p.size(), 2u + 2u * 5u);
  EXPECT_EQ(p[2].code, 3);
  EXPECT_EQ(p[2].x, std::floor(100.0 - 1.5 + 0.5));
  EXPECT_EQ(p[2].y, std::floor(100.0 + 1.5 + 0.5));
  EXPECT_EQ(p[7].code, 3);
  EXPECT_EQ(p[8].x, std::floor(200.0 + 2.5 + 0.5));
  EXPECT_EQ(p[11].x, p[7].x);  // closed
  EXPECT_EQ(p[11].y, p[7].y);
  finish();
}

TEST_F(ColourTest, TrianglesInsideGoStraightToTheDevice) {
  PlotState& st = open_file("PS", "t.ps");
  const float xs[3] = {100.0f, 200.0f, 150.0f};
  const float ys[3] = {100.0f, 100.0f, 200.0f};
  log_->calls.clear();
  qqftri(st, xs, ys, 0x010000FF);
  ASSERT_EQ(log_->calls.size(), 2u);
  EXPECT_EQ(log_->calls[0].kind, CallKind::kColourRgb);
  EXPECT_EQ(log_->calls[0].v[0], 255.0);
  EXPECT_EQ(log_->calls[1].kind, CallKind::kFillTriangle);
  const double s = st.page.xdevfac;
  EXPECT_NEAR(log_->calls[1].v[0], 100.0 * s, 1e-3);  // landscape turn: X = y s
  EXPECT_NEAR(log_->calls[1].v[5], 150.0 * s, 1e-3);
  finish();
}

TEST_F(ColourTest, TrianglesBeyondOneSideAreDroppedAndCrossingOnesHatched) {
  PlotState& st = open_unit_screen();
  const float left[3] = {-30.0f, -20.0f, -10.0f};
  const float ys[3] = {10.0f, 50.0f, 10.0f};
  log_->calls.clear();
  qqftri(st, left, ys, 0x010000FF);
  EXPECT_TRUE(log_->calls.empty());
  const float crossing[3] = {-20.0f, 20.0f, 0.0f};
  const float ys2[3] = {10.0f, 10.0f, 30.0f};
  qqftri(st, crossing, ys2, 0x010000FF);
  EXPECT_EQ(log_->count(CallKind::kFillTriangle), 0);
  EXPECT_EQ(st.line.ncolor, 0x010000FF);
  // Hatch lines at most one plot unit apart cover the visible part: every row
  // from 10 to 30 gets drawn pixels, none left of the window.
  std::vector<DevicePoint> p = points();
  std::vector<bool> row(31, false);
  for (std::size_t i = 1; i < p.size(); ++i) {
    EXPECT_GE(p[i].x, 0.0);
    if (p[i].code == 2 && p[i - 1].y == p[i].y) row[static_cast<int>(p[i].y)] = true;
  }
  for (int y = 10; y < 30; ++y) EXPECT_TRUE(row[y]) << y;
  finish();
}

// A shape with a corner that is NaN or infinite reaches no device, on any device class
// and whatever its other corners; finite shapes beside it still do.
TEST_F(ColourTest, ShapesWithANonFiniteCornerAreDropped) {
  const float nan = std::nanf("");
  const float inf = HUGE_VALF;
  for (const char* format : {"PS", "WMF", "BMP", "PDF"}) {
    PlotState& st = open_file(format, "n.out");
    log_->calls.clear();
    const float xs[4] = {100.0f, nan, 300.0f, 100.0f};
    const float ys[4] = {100.0f, 100.0f, -inf, 200.0f};
    const float good_y[4] = {100.0f, 100.0f, 200.0f, 200.0f};
    qqftri(st, xs, good_y, 0x010000FF);
    dareaf(st, good_y, ys, 4);
    dbox(st, 100.0f, 100.0f, inf, 200.0f, 0x010000FF);
    dbox(st, 100.0f, nan, 200.0f, 200.0f, 0x010000FF);
    EXPECT_TRUE(points().empty()) << format;
    EXPECT_EQ(log_->count(CallKind::kFillTriangle) + log_->count(CallKind::kBeginPolygon) +
                  log_->count(CallKind::kFillRectangle),
              0)
        << format;
    dbox(st, 100.0f, 100.0f, 200.0f, 200.0f, 0x010000FF);
    EXPECT_EQ(log_->count(CallKind::kFillRectangle), 1) << format;
    finish();
  }
}

TEST_F(ColourTest, PolygonsUseTheDevicesNativePaths) {
  PlotState& wmf = open_file("WMF", "p.wmf");
  const float xs[4] = {100.0f, 300.0f, 300.0f, 100.0f};
  const float ys[4] = {100.0f, 100.0f, 200.0f, 200.0f};
  log_->calls.clear();
  dareaf(wmf, xs, ys, 4);
  ASSERT_EQ(log_->calls.size(), 6u);
  EXPECT_EQ(log_->calls[0].kind, CallKind::kBeginPolygon);
  EXPECT_EQ(log_->calls[0].v[0], 4.0);
  EXPECT_EQ(log_->calls[1].v[0], static_cast<int>(100.0f * 5.6692915f + 0.5f));
  EXPECT_EQ(log_->calls[5].kind, CallKind::kEndPolygon);
  finish();

  PlotState& pdf = open_file("PDF", "p.pdf");
  log_->calls.clear();
  dareaf(pdf, xs, ys, 4);
  std::vector<DevicePoint> p = points();
  ASSERT_EQ(p.size(), 5u);
  EXPECT_EQ(p[0].code, 3);
  EXPECT_EQ(p[1].code, 2);
  EXPECT_EQ(p[3].code, 2);
  EXPECT_EQ(p[4].code, 5);
  finish();
}

TEST_F(ColourTest, RasterFormatsReceiveColourValues) {
  open_file("BMP", "v.bmp");
  color("MAGENTA");
  EXPECT_EQ(last(CallKind::kColourValue).v[0], 0x01FF00FF);
  EXPECT_EQ(log_->count(CallKind::kColourRgb), 0);
  EXPECT_EQ(log_->count(CallKind::kLoadColourTable), 1);
  finish();
}

TEST_F(ColourTest, OwnDashPatternsAndStyleNumbers) {
  PlotState& st = open_unit_screen();
  const int pattern[3] = {5, 2, 8};
  myline(pattern, 3);
  EXPECT_EQ(st.line.ndash, 3);
  EXPECT_EQ(st.line.idash[2], 8);
  EXPECT_FLOAT_EQ(st.line.xdashrem, 5.0f);
  const int bad[3] = {5, 0, 8};
  CaptureStdout();
  myline(bad, 3);
  myline(pattern, 11);
  lintyp(8);
  EXPECT_EQ(GetCapturedStdout(),
            " <<<< Warning   2: Incorrect parameter in myline!   (   0)\n"
            " <<<< Warning   2: Incorrect parameter in myline!   (  11)\n"
            " <<<< Warning   2: Incorrect parameter in lintyp!   (   8)\n");
  EXPECT_EQ(st.line.idash[1], 2);  // the rejected patterns changed nothing
  lintyp(7);  // dashm: 30, 20
  EXPECT_EQ(st.line.ltyp, 7);
  EXPECT_EQ(st.line.ndash, 2);
  EXPECT_EQ(st.line.idash[0], 30);
  EXPECT_EQ(st.line.idash[1], 20);
  st.page.xunit = 4.0f;  // pattern values shrink with the unit, never below 1
  dot();
  EXPECT_EQ(st.line.idash[0], 1);   // 1/4 + 0.5 truncates to 0, taken as 1
  EXPECT_EQ(st.line.idash[1], 3);   // 10/4 + 0.5
  st.page.xunit = 1.0f;
  finish();
}

TEST_F(ColourTest, RectanglesGoToTheDeviceWithTheirColourCutToThePage) {
  PlotState& st = open_unit_screen();
  log_->calls.clear();
  dbox(st, 10.0f, 20.0f, 30.0f, 40.0f, 0x0100FF00);
  ASSERT_EQ(log_->calls.size(), 1u);
  const auto& c = log_->calls[0];
  EXPECT_EQ(c.kind, CallKind::kFillRectangle);
  EXPECT_EQ(c.v[0], 10.0);
  EXPECT_EQ(c.v[3], 40.0);
  EXPECT_EQ(c.v[6], 255.0);  // green
  // Corners in any order; the part off the page is cut away; wholly off: nothing.
  log_->calls.clear();
  dbox(st, 3000.0f, 2000.0f, 2900.0f, 1e30f, 0x0100FF00);
  dbox(st, -50.0f, -40.0f, -10.0f, -5.0f, 0x0100FF00);
  ASSERT_EQ(log_->calls.size(), 1u);
  EXPECT_EQ(log_->calls[0].v[0], 2900.0);
  EXPECT_EQ(log_->calls[0].v[1], 2000.0);
  EXPECT_EQ(log_->calls[0].v[2], 2969.0);
  EXPECT_EQ(log_->calls[0].v[3], 2099.0);
  finish();
}

}  // namespace
}  // namespace plotix::test

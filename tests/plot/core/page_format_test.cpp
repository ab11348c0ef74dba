// Page and output format: the format keywords, file names and versions, window
// size, device scale per format, background mode and the default axis area.
#include <algorithm>
#include <string>

#include "plot/core/output_format.h"
#include "plot/plot_fixture.h"

namespace plotix::test {
namespace {

using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

TEST_F(PlotTest, FormatKeywordsInAnyCaseAndTheScreenCodes) {
  metafl("cons");
  EXPECT_EQ(qqgglb()->page.idev, 80);
  EXPECT_STREQ(qqgglb()->page.cfmt, "CONS");
  metafl("ps");
  EXPECT_EQ(qqgglb()->page.idev, 504);
  EXPECT_STREQ(qqgglb()->page.cfmt, "PS  ");
  metafl("MET5");
  EXPECT_EQ(qqgglb()->page.idev, 80);
  metafl("Xwi3");
  EXPECT_EQ(qqgglb()->page.idev, 74);
  metafl("wmf");
  EXPECT_EQ(qqgglb()->page.idev, 221);
  metafl("PDF document");  // only four characters count
  EXPECT_EQ(qqgglb()->page.idev, 511);
}

TEST_F(PlotTest, UnknownKeywordWarnsAndKeepsTheFormat) {
  metafl("BMP");
  CaptureStdout();
  metafl("PSCX");
  metafl("MET0");
  EXPECT_EQ(GetCapturedStdout(),
            " <<<< Warning   2: Incorrect parameter in metafl!   (PSCX)\n"
            " <<<< Warning   2: Incorrect parameter in metafl!   (MET0)\n");
  EXPECT_EQ(qqgglb()->page.idev, 606);
}

TEST_F(PlotTest, KeywordTableCodesAndExtensions) {
  EXPECT_EQ(format_code("GKSL"), 201);
  EXPECT_EQ(format_code("CONS"), 101);
  EXPECT_EQ(format_code("XWND"), 80);
  EXPECT_EQ(format_code("VIRT"), 603);
  EXPECT_EQ(format_code("EPS "), 503);
  EXPECT_EQ(format_code("GIF "), 607);
  EXPECT_EQ(format_code("MET9"), 80);
  EXPECT_EQ(format_code("PS"), 0);  // the table holds padded keywords
  EXPECT_STREQ(format_extension(504), "ps");
  EXPECT_STREQ(format_extension(701), "java");
  EXPECT_STREQ(format_extension(80), "   ");
}

TEST_F(PlotTest, NoFormatChosenMeansTheDefaultMetafile) {
  disini();  // the recording device stands in for every code
  PlotState& st = *qqgglb();
  EXPECT_EQ(st.page.idev, 201);
  EXPECT_STREQ(st.page.cfmt, "GKSL");
  EXPECT_EQ(log_->open_params.file_name.substr(0, 7), "plotix.");
  finish();
}

TEST_F(PlotTest, WindowSizeRequestAndItsRefusal) {
  winsiz(1600, 1200);
  CaptureStdout();
  winsiz(0, 600);
  winsiz(800, -3);
  EXPECT_EQ(GetCapturedStdout(),
            " <<<< Warning   2: Incorrect parameter in winsiz!   (   0)\n"
            " <<<< Warning   2: Incorrect parameter in winsiz!   (  -3)\n");
  auto dir = fresh_folder("winsiz");
  setfil((dir / "w.bmp").string());
  PlotState& st = open("BMP");
  EXPECT_EQ(log_->open_params.width, 1600);
  EXPECT_EQ(log_->open_params.height, 1200);
  // min(1599/2969, 1199/2099), within the limit 1599/2969.
  EXPECT_FLOAT_EQ(st.page.xdevfac, 1599.0f / 2969.0f);
  finish();
}

TEST_F(PlotTest, DefaultWindowSizeFollowsThePageShape) {
  PlotState& st = open("CONS");
  EXPECT_EQ(log_->open_params.width, 853);
  EXPECT_EQ(log_->open_params.height, 603);
  EXPECT_EQ(log_->open_params.window_number, 1);
  // The screen reported no area of its own: the scale uses the requested size.
  EXPECT_FLOAT_EQ(st.page.xdevfac, 602.0f / 2099.0f);
  finish();
}

TEST_F(PlotTest, ScreenScaleUsesTheDrawingAreaTheWindowReports) {
  log_->open_result.area_width = 800;
  log_->open_result.area_height = 600;
  log_->open_result.colour_depth = 24;
  winsiz(800, 600);
  PlotState& st = open("CONS");
  EXPECT_FLOAT_EQ(st.page.xdevfac, 799.0f / 2969.0f);  // below 599/2099
  EXPECT_EQ(st.line.ncdepth, 24);
  finish();
}

TEST_F(PlotTest, ScreenOpensWithTheScaleOfItsOwnWindowNotThePreviousPlots) {
  auto dir = fresh_folder("screen_scale");
  setfil((dir / "before.ps").string());
  open("PS");  // leaves the paper scale 3900/2099 behind
  finish();
  winsiz(800, 600);
  PlotState& st = open("CONS");
  const double own = std::min(799.0 / 2969.0, 599.0 / 2099.0);
  EXPECT_NEAR(log_->open_params.xdevfac, own, 1e-6);
  EXPECT_FLOAT_EQ(st.page.xdevfac, static_cast<float>(own));
  finish();
}

TEST_F(PlotTest, PaperScalesOfPostScriptPdfAndWmf) {
  auto dir = fresh_folder("scales");
  setfil((dir / "a.ps").string());
  PlotState& ps = open("PS");
  EXPECT_FLOAT_EQ(ps.page.xdevfac, 3900.0f / 2099.0f);  // 1.85803, below 5600/2969
  EXPECT_TRUE(log_->open_params.landscape);
  EXPECT_FLOAT_EQ(static_cast<float>(log_->open_params.xdevfac), 3900.0f / 2099.0f);
  finish();
  setfil((dir / "a.pdf").string());
  PlotState& pdf = open("PDF");
  EXPECT_NEAR(pdf.page.xdevfac, 552.7559f / 2099.0f, 1e-6);  // 0.263342
  finish();
  setfil((dir / "a.wmf").string());
  PlotState& wmf = open("WMF");
  EXPECT_FLOAT_EQ(wmf.page.xdevfac, 5.6692915f);
  finish();
}

TEST_F(PlotTest, BackgroundIsLightOnPaperFormatsOnly) {
  auto dir = fresh_folder("background");
  setfil((dir / "b.ps").string());
  EXPECT_EQ(open("PS").page.iscrmode, devices::Background::light);
  EXPECT_EQ(log_->open_params.background_mode, devices::Background::light);
  finish();
  setfil((dir / "b.pdf").string());
  EXPECT_EQ(open("PDF").page.iscrmode, devices::Background::light);
  finish();
  EXPECT_EQ(open("CONS").page.iscrmode, devices::Background::dark);
  finish();
  setfil((dir / "b.bmp").string());
  EXPECT_EQ(open("BMP").page.iscrmode, devices::Background::dark);
  finish();
}

TEST_F(PlotTest, ScreenWithTrueColourIsErasedWhenTheBackgroundModeChanges) {
  log_->open_result.colour_depth = 24;
  open("CONS");
  finish();
  EXPECT_EQ(log_->count(devices::CallKind::kErase), 0);
  qqgglb()->page.iscrset = 2;  // a light screen background from now on
  log_->calls.clear();
  open("CONS");
  EXPECT_EQ(log_->count(devices::CallKind::kErase), 1);
  finish();
}

TEST_F(PlotTest, DefaultAxisAreaAndPageSize) {
  PlotState& st = open("CONS");
  EXPECT_EQ(st.page.nxpage, 2969);
  EXPECT_EQ(st.page.nypage, 2099);
  EXPECT_EQ(st.core.nxl, 1980);
  EXPECT_EQ(st.core.nyl, 1400);
  EXPECT_EQ(st.core.nxa, 494);
  EXPECT_EQ(st.core.nya, 1799);
  finish();
}

TEST_F(PlotTest, TrailingBlanksOfTheFileNameNeverReachTheDisk) {
  auto dir = fresh_folder("blanks");
  setfil((dir / "00433  .ps ").string());
  open("PS");
  EXPECT_EQ(log_->open_params.file_name, (dir / "00433  .ps").string());
  finish();
}

TEST_F(PlotTest, ExistingFilesGetVersionNames) {
  auto dir = fresh_folder("versions");
  touch(dir / "plot.ps");
  setfil((dir / "plot.ps").string());
  open("PS");
  EXPECT_EQ(log_->open_params.file_name, (dir / "plot_1.ps").string());
  finish();
  touch(dir / "ABCDEFGH.ps");
  setfil((dir / "ABCDEFGH.ps").string());
  open("PS");
  EXPECT_EQ(log_->open_params.file_name, (dir / "ABCDEF_1.ps").string());
  finish();
}

TEST_F(PlotTest, RepeatedPdfPlotsWithOneNameCountUpTheirVersions) {
  auto dir = fresh_folder("pdf_versions");
  touch(dir / "A1B2C3D.pdf");
  setfil((dir / "A1B2C3D.pdf").string());
  open("PDF");
  EXPECT_EQ(log_->open_params.file_name, (dir / "A1B2C3_1.pdf").string());
  finish();
  touch(log_->open_params.file_name);  // what the real writer leaves behind
  open("PDF");  // the name given once is used again
  EXPECT_EQ(log_->open_params.file_name, (dir / "A1B2C3_2.pdf").string());
  EXPECT_EQ(std::string(qqgglb()->page.cfilsav), (dir / "A1B2C3D.pdf").string());
  finish();
  for (int n = 2; n <= 9; ++n) touch(dir / ("A1B2C3_" + std::to_string(n) + ".pdf"));
  open("PDF");
  EXPECT_EQ(log_->open_params.file_name, (dir / "A1B2C_10.pdf").string());
  finish();
}

TEST_F(PlotTest, ScreenAndMemoryCanvasWriteNoFile) {
  open("CONS");
  EXPECT_TRUE(log_->open_params.file_name.empty());
  EXPECT_FALSE(qqgglb()->page.file_output);
  finish();
  open("VIRT");
  EXPECT_TRUE(log_->open_params.file_name.empty());
  finish();
}

}  // namespace
}  // namespace plotix::test

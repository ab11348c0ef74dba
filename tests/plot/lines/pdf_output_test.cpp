// The whole path from disini to the PDF file: the page scaled and turned, FORE black on
// white paper, widths from penwid and linwid, named colours, the page border, version
// names, the creation date from the library's clock; qpdf and poppler read the result.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "devices/pdf_test_support.h"
#include "plot/pdf_plot_fixture.h"
#include "plot/core/global_state.h"
#include "plot/lines/polyline.h"
#include "plot/plotix.h"
#include "plot/axis3d/projection3d.h"

namespace plotix {
namespace {

using namespace pdf_test;

using PdfOutput = PdfPlotTest;

// "%.2f %.2f <op>\n" of plot point (x, y) on the turned landscape sheet.
std::string point(float x, float y, const char* op) {
  const float s = default_scale();
  char line[64];
  std::snprintf(line, sizeof line, "%.2f %.2f %s\n", static_cast<double>(y * s), static_cast<double>(x * s), op);
  return line;
}

TEST_F(PdfOutput, DrawingFromDisiniToTheFile) {
  PlotState& st = open("plot.pdf");
  EXPECT_EQ(st.line.ncdepth, 24);
  EXPECT_FLOAT_EQ(st.page.xdevfac, default_scale());
  penwid(0.2f);  // the 3D box's width: 1/20 mm, 0.142 pt
  pagera();
  color("RED");
  linwid(3);  // 6 units of 1/20 mm: 0.850 pt
  strtqq(st, 100, 200);
  connqq(st, 1000, 200);
  color("WHITE");  // on white paper the name WHITE draws black
  strtqq(st, 100, 400);
  connqq(st, 1000, 400);
  const std::string protocol = finish();
  EXPECT_NE(protocol.find("Fileformat: PDF "), std::string::npos) << protocol;

  const fs::path file = dir_ / "plot.pdf";
  expect_qpdf_accepts(file);
  PdfReader pdf(read_file(file));
  ASSERT_TRUE(pdf.errors.empty()) << pdf.errors.front();
  const std::string expected = "0.709 w\n2 J\n2 j\n0 0 0 RG\n0 0 0 rg\n0.142 w\n" + point(0, 0, "m") +
                               point(0, 2099, "l") + point(2969, 2099, "l") + point(2969, 0, "l") +
                               point(0, 0, "l") + "S\n1 0 0 RG\n1 0 0 rg\n0.850 w\n" + point(100, 200, "m") +
                               point(1000, 200, "l") + "S\n0 0 0 RG\n0 0 0 rg\n" + point(100, 400, "m") +
                               point(1000, 400, "l") + "S\n";
  EXPECT_EQ(pdf.page_content(), expected);
  const std::string page = pdf.dictionary(pdf.page_object());
  EXPECT_NE(page.find("/MediaBox [0 0 553 782]\n/Parent 2 0 R\n/Rotate 90\n"), std::string::npos) << page;
  EXPECT_EQ(pdf.dictionary(5), "<< /CreationDate (D:20261206123456)\n/Producer (PLOTIX 9.2)\n>>\n");

  const Rendering rendering = render(file);
  EXPECT_EQ(rendering.run.output, "");
  const Picture& pic = rendering.picture;
  ASSERT_EQ(pic.width, 782);
  const float s = default_scale();
  auto px = [&](float x, float y) { return pic.at(static_cast<int>(x * s), static_cast<int>(y * s)); };
  EXPECT_EQ(px(550, 200), (Rgb{255, 0, 0}));
  EXPECT_EQ(px(550, 400), (Rgb{0, 0, 0}));
  EXPECT_EQ(px(550, 300), (Rgb{255, 255, 255}));
  EXPECT_EQ(px(1500, 1000), (Rgb{255, 255, 255}));
}

TEST_F(PdfOutput, BlackDrawsWhiteAndASecondSaveGetsAVersionName) {
  PlotState& first = open("A1B2C3D.pdf");
  color("BLACK");
  strtqq(first, 100, 200);
  connqq(first, 1000, 200);
  finish();
  PlotState& second = open("A1B2C3D.pdf");
  strtqq(second, 100, 200);
  connqq(second, 1000, 200);
  const std::string protocol = finish();
  EXPECT_NE(protocol.find("A1B2C3_1.pdf"), std::string::npos) << protocol;

  expect_qpdf_accepts(dir_ / "A1B2C3D.pdf");
  expect_qpdf_accepts(dir_ / "A1B2C3_1.pdf");
  PdfReader pdf(read_file(dir_ / "A1B2C3D.pdf"));
  EXPECT_NE(pdf.page_content().find("1 1 1 RG\n1 1 1 rg\n"), std::string::npos) << pdf.page_content();
}

}  // namespace
}  // namespace plotix

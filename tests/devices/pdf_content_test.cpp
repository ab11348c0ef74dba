// PDF writer, content operators: colours, lazy moves and strokes, fills, widths, the
// dark page. Each case reads the decoded content stream back with our own reader and
// has qpdf check the file.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "devices/pdf_device.h"
#include "pdf_test_support.h"

namespace {

using namespace pdf_test;

const std::string kOpening = "0.709 w\n2 J\n2 j\n";

// The drawing the calls produce, after the opening lines.
std::string drawing_of(const std::string& name, const std::function<void(devices::PdfWriter&)>& draw,
                       devices::DeviceOpenParams params = {}) {
  const fs::path file = fresh_folder(name) / (name + ".pdf");
  if (params.file_name.empty()) params = default_params(file);
  params.file_name = file.string();
  devices::PdfWriter writer;
  EXPECT_EQ(writer.open(params).status, 0);
  draw(writer);
  EXPECT_EQ(writer.close(), 0);
  expect_qpdf_accepts(file);
  PdfReader pdf(read_file(file));
  EXPECT_TRUE(pdf.errors.empty()) << pdf.errors.front();
  const std::string content = pdf.page_content();
  EXPECT_EQ(content.substr(0, kOpening.size()), kOpening);
  return content.substr(kOpening.size());
}

TEST(PdfContent, ColourComponentsAsWords) {
  EXPECT_EQ(drawing_of("orange", [](devices::PdfWriter& p) { p.set_colour_rgb(255, 128, 0); }),
            "1 0.502 0 RG\n1 0.502 0 rg\n");
  // 1/255 = 0.0039, 2/255 = 0.0078, 254/255 = 0.9961: never written as 0 or 1.
  EXPECT_EQ(drawing_of("near", [](devices::PdfWriter& p) { p.set_colour_rgb(1, 2, 254); }),
            "0.004 0.008 0.996 RG\n0.004 0.008 0.996 rg\n");
  EXPECT_EQ(drawing_of("white", [](devices::PdfWriter& p) { p.set_colour_rgb(255, 255, 255); }),
            "1 1 1 RG\n1 1 1 rg\n");
}

TEST(PdfContent, MovesAreWrittenOnlyWhenADrawFollows) {
  EXPECT_EQ(drawing_of("moves",
                       [](devices::PdfWriter& p) {
                         p.move_draw(10, 20, devices::kMove);
                         p.move_draw(30.125, 40.5, devices::kMove);
                         p.move_draw(50, 60.004, devices::kDraw);
                         p.move_draw(70, 80, devices::kDraw);
                         p.move_draw(90, 100, devices::kMove);  // last move: never drawn from
                       }),
            "30.12 40.50 m\n50.00 60.00 l\n70.00 80.00 l\nS\n");
}

TEST(PdfContent, AttributeChangeStrokesAndTheLineGoesOnFromTheCurrentPoint) {
  EXPECT_EQ(drawing_of("restart",
                       [](devices::PdfWriter& p) {
                         p.move_draw(1, 2, devices::kMove);
                         p.move_draw(3, 4, devices::kDraw);
                         p.set_colour_rgb(255, 0, 0);
                         p.move_draw(5, 6, devices::kDraw);
                         p.set_line_width(1.0 * 0.5 * 72 / 254, false);  // penwid(0.2)
                         p.move_draw(7, 8, devices::kDraw);
                       }),
            "1.00 2.00 m\n3.00 4.00 l\nS\n1 0 0 RG\n1 0 0 rg\n"
            "3.00 4.00 m\n5.00 6.00 l\nS\n0.142 w\n5.00 6.00 m\n7.00 8.00 l\nS\n");
}

TEST(PdfContent, WidthsJoinsCapsAndMiter) {
  EXPECT_EQ(drawing_of("widths",
                       [](devices::PdfWriter& p) {
                         p.move_draw(5 * 0.5 * 72 / 254, 0, devices::PdfWriter::kLineWidth);  // linwid(1)
                         p.move_draw(0.6, 0, devices::PdfWriter::kLineJoin);
                         p.move_draw(0.4, 0, devices::PdfWriter::kLineCap);
                         p.move_draw(2, 0, devices::PdfWriter::kMiterLimit);
                       }),
            "0.709 w\n1 j\n0 J\n2.000 M\n");
}

TEST(PdfContent, TriangleIsAFilledPathInItsOwnColour) {
  const double xs[3] = {10, 20.5, 15}, ys[3] = {10, 10, 30.25};
  EXPECT_EQ(drawing_of("triangle",
                       [&](devices::PdfWriter& p) {
                         p.set_colour_rgb(0, 0, 0);
                         p.move_draw(0, 0, devices::kMove);
                         p.move_draw(5, 5, devices::kDraw);
                         p.fill_triangle(xs, ys, 0x010000FF, 255, 0, 0);
                         p.move_draw(6, 6, devices::kDraw);
                       }),
            "0 0 0 RG\n0 0 0 rg\n0.00 0.00 m\n5.00 5.00 l\nS\n1 0 0 rg\n"
            "10.00 10.00 m\n20.50 10.00 l\n15.00 30.25 l\nh\nf*\n15.00 30.25 m\n6.00 6.00 l\nS\n");
}

TEST(PdfContent, PolygonFillsInTheCurrentColourAfterATriangleInAnother) {
  const double xs[3] = {10, 20, 15}, ys[3] = {10, 10, 30};
  EXPECT_EQ(drawing_of("polygon",
                       [&](devices::PdfWriter& p) {
                         p.set_colour_rgb(0, 0, 255);
                         p.fill_triangle(xs, ys, 0x010000FF, 255, 0, 0);
                         p.begin_polygon(4);
                         p.polygon_point(1, 1);
                         p.polygon_point(9, 1);
                         p.polygon_point(9, 9);
                         p.polygon_point(1, 9);
                         p.end_polygon();
                         p.begin_polygon(1);  // one point: nothing to fill
                         p.polygon_point(4, 4);
                         p.end_polygon();
                         // The same as path codes, the way the library hands PDF a polygon.
                         p.fill_triangle(xs, ys, 0x010000FF, 255, 0, 0);
                         p.move_draw(1, 1, devices::kMove);
                         p.move_draw(9, 1, devices::kDraw);
                         p.move_draw(5, 9, devices::kDraw);
                         p.move_draw(1, 1, devices::kCloseFill);
                       }),
            "0 0 1 RG\n0 0 1 rg\n1 0 0 rg\n10.00 10.00 m\n20.00 10.00 l\n15.00 30.00 l\nh\nf*\n"
            "0 0 1 rg\n1.00 1.00 m\n9.00 1.00 l\n9.00 9.00 l\n1.00 9.00 l\nh\nf*\n"
            "1 0 0 rg\n10.00 10.00 m\n20.00 10.00 l\n15.00 30.00 l\nh\nf*\n"
            "0 0 1 rg\n1.00 1.00 m\n9.00 1.00 l\n5.00 9.00 l\nh\nf*\n");
}

TEST(PdfContent, RectangleInTheFillColour) {
  EXPECT_EQ(drawing_of("rect",
                       [](devices::PdfWriter& p) {
                         p.fill_rectangle(100, 50.5, 20, 10, 0x0100FF00, 0, 255, 0);
                       }),
            "0 1 0 rg\n20.00 10.00 80.00 40.50 re\nf\n");
}

TEST(PdfContent, DarkBackgroundFillsTheTurnedPageBlack) {
  devices::DeviceOpenParams params = default_params("dark.pdf");
  params.background_mode = devices::Background::dark;
  const float s = default_scale();
  char rect[128];
  std::snprintf(rect, sizeof rect, "0.00 0.00 %.2f %.2f re\nf\n", 2099 * s, 2969 * s);
  // The page's short side fills the sheet's width of 195 mm = 552.76 pt.
  EXPECT_EQ(std::string(rect).substr(0, 17), "0.00 0.00 552.76 ");
  EXPECT_EQ(drawing_of("dark", [](devices::PdfWriter& p) { p.set_colour_rgb(255, 255, 255); }, params),
            std::string("0 0 0 rg\n") + rect + "1 1 1 RG\n1 1 1 rg\n");
}

}  // namespace

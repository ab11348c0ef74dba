// PDF writer, rendered by poppler: lines, a filled triangle and a rectangle drawn on
// the default landscape page show up at the expected pixels, with nothing on stderr.
#include <gtest/gtest.h>

#include "devices/pdf_device.h"
#include "pdf_test_support.h"

namespace {

using namespace pdf_test;

// The library's mapping of plot units onto the PDF sheet for a landscape page: the
// page is turned, so plot x runs up the sheet and plot y to the right.
struct Turned {
  float s = default_scale();
  double X(double, double y) const { return y * s; }
  double Y(double x, double) const { return x * s; }
};

const Rgb kWhite{255, 255, 255}, kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kOrange{255, 128, 0};

TEST(PdfRender, DrawingLandsWherePlotUnitsSay) {
  const fs::path dir = fresh_folder("render");
  const fs::path file = dir / "render.pdf";
  const Turned m;
  {
    devices::PdfWriter pdf;
    ASSERT_EQ(pdf.open(default_params(file)).status, 0);
    pdf.set_colour_rgb(0, 0, 0);
    pdf.move_draw(2.0, 0, devices::PdfWriter::kLineWidth);
    // A red line across the page at plot y = 500, a green one down it at plot x = 2000.
    pdf.set_colour_rgb(255, 0, 0);
    pdf.move_draw(m.X(300, 500), m.Y(300, 500), devices::kMove);
    pdf.move_draw(m.X(2600, 500), m.Y(2600, 500), devices::kDraw);
    pdf.set_colour_rgb(0, 255, 0);
    pdf.move_draw(m.X(2000, 300), m.Y(2000, 300), devices::kMove);
    pdf.move_draw(m.X(2000, 1800), m.Y(2000, 1800), devices::kDraw);
    // A blue triangle pointing down the page around plot (800, 1366).
    const double xs[3] = {m.X(700, 1300), m.X(900, 1300), m.X(800, 1500)};
    const double ys[3] = {m.Y(700, 1300), m.Y(900, 1300), m.Y(800, 1500)};
    pdf.fill_triangle(xs, ys, 0x01FF0000, 0, 0, 255);
    // An orange box from plot (2400, 1500) to (2700, 1800).
    pdf.fill_rectangle(m.X(2400, 1500), m.Y(2400, 1500), m.X(2700, 1800), m.Y(2700, 1800), 0x010080FF, 255, 128, 0);
    ASSERT_EQ(pdf.close(), 0);
  }
  expect_qpdf_accepts(file);

  const CommandResult png = run_command("pdftoppm -png -r 72 -singlefile '" + file.string() + "' '" +
                                        (dir / "render_png").string() + "'");
  EXPECT_EQ(png.status, 0);
  EXPECT_EQ(png.output, "");  // nothing on stderr
  EXPECT_TRUE(fs::exists(dir / "render_png.png"));

  const Rendering rendering = render(file);
  EXPECT_EQ(rendering.run.output, "");
  const Picture& pic = rendering.picture;
  // Shown turned back: 782 x 553 pixels, plot (x, y) at pixel (x s, y s).
  ASSERT_EQ(pic.width, 782);
  ASSERT_EQ(pic.height, 553);
  auto px = [&](double x, double y) { return pic.at(static_cast<int>(x * m.s), static_cast<int>(y * m.s)); };
  EXPECT_EQ(px(1500, 500), kRed);
  EXPECT_EQ(px(400, 500), kRed);
  EXPECT_EQ(px(1500, 540), kWhite);  // 2 pt = 7.6 plot units wide: 40 units off is paper
  EXPECT_EQ(px(200, 500), kWhite);   // before the line starts
  EXPECT_EQ(px(2000, 1000), kGreen);
  EXPECT_EQ(px(2040, 1000), kWhite);
  EXPECT_EQ(px(800, 1366), kBlue);
  EXPECT_EQ(px(800, 1280), kWhite);  // above the triangle's top edge
  EXPECT_EQ(px(2550, 1650), kOrange);
  EXPECT_EQ(px(2550, 1450), kWhite);
  EXPECT_EQ(px(1484, 1050), kWhite);
}

TEST(PdfRender, DarkBackgroundCoversTheWholePage) {
  const fs::path file = fresh_folder("dark_render") / "dark.pdf";
  devices::DeviceOpenParams params = default_params(file);
  params.background_mode = devices::Background::dark;
  devices::PdfWriter pdf;
  ASSERT_EQ(pdf.open(params).status, 0);
  pdf.set_colour_rgb(255, 255, 255);
  ASSERT_EQ(pdf.close(), 0);
  const Rendering rendering = render(file);
  EXPECT_EQ(rendering.run.output, "");
  const Picture& pic = rendering.picture;
  ASSERT_EQ(pic.width, 782);
  for (auto [x, y] : {std::pair{0, 0}, {781, 0}, {0, 551}, {780, 551}, {391, 276}})
    EXPECT_EQ(pic.at(x, y), (Rgb{0, 0, 0})) << x << "," << y;
}

}  // namespace

// The program's picture saved as PDF renders like its PostScript twin: poppler and
// Ghostscript put the path, the box, the spheres and the text in the same places.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/program_picture.h"
#include "devices/pdf_test_support.h"
#include "plot/pdf_plot_fixture.h"
#include "plot/axis3d/projection3d.h"
#include "plot/core/global_state.h"
#include "plot/plotix.h"

namespace plotix {
namespace {

using namespace pdf_test;

using ProgramPicturePdf = PdfPlotTest;

// A rendered page and where the page border (drawn black) lies in it: the pixel of
// a page point follows from the border by proportion.
struct PageImage {
  Picture picture;
  bool turned = false;  // page x runs up the image (PostScript sheet) instead of across
  int left = 0, right = -1, top = 0, bottom = -1;

  PageImage(Picture p, bool is_turned) : picture(std::move(p)), turned(is_turned) {
    left = picture.width;
    top = picture.height;
    for (int y = 0; y < picture.height; ++y)
      for (int x = 0; x < picture.width; ++x)
        if (picture.at(x, y) == Rgb{0, 0, 0}) {
          left = std::min(left, x), right = std::max(right, x);
          top = std::min(top, y), bottom = std::max(bottom, y);
        }
  }
  std::pair<int, int> pixel(float x, float y) const {
    if (turned)
      return {static_cast<int>(left + y / 2099.0 * (right - left) + 0.5),
              static_cast<int>(bottom - x / 2969.0 * (bottom - top) + 0.5)};
    return {static_cast<int>(left + x / 2969.0 * (right - left) + 0.5),
            static_cast<int>(top + y / 2099.0 * (bottom - top) + 0.5)};
  }
  Rgb at(float x, float y) const {
    const auto [col, row] = pixel(x, y);
    return picture.at(col, row);
  }
  // Whether any pixel of the colour lies in the page rectangle [x0, x1) x [y0, y1).
  bool shows(const Rgb& colour, float x0, float y0, float x1, float y1) const {
    const auto [ca, ra] = pixel(x0, y0);
    const auto [cb, rb] = pixel(x1, y1);
    for (int row = std::min(ra, rb); row < std::max(ra, rb); ++row)
      for (int col = std::min(ca, cb); col < std::max(ca, cb); ++col)
        if (picture.at(col, row) == colour) return true;
    return false;
  }
};

TEST_F(ProgramPicturePdf, ProgramPictureRendersLikeItsPostScriptTwin) {
  test::ProgramPicture picture(2001);
  picture.sphere_scale = 10;  // big enough for their colours to be checked
  PagePoint sun{}, planet{};
  for (const char* format : {"PDF", "PS"}) {
    PlotState& st = open(std::string("picture.") + (format[1] == 'D' ? "pdf" : "ps"), format);
    picture.settings();
    picture.frame(2001);
    EXPECT_EQ(st.core.nwarn, 0);
    sun = qqrel3(st, -1, 0, 0);
    planet = qqrel3(st, 0, 0, 0);
    finish();
  }
  expect_qpdf_accepts(dir_ / "picture.pdf");
  const Rendering rendering = render(dir_ / "picture.pdf");
  EXPECT_EQ(rendering.run.output, "");  // poppler had nothing to complain about
  const CommandResult gs = run_command("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r72 -o '" +
                                       (dir_ / "picture_ps.png").string() + "' '" +
                                       (dir_ / "picture.ps").string() + "'");
  ASSERT_EQ(gs.status, 0) << gs.output;
  const PageImage pdf(rendering.picture, false);
  const PageImage ps(devices::testing::read_picture(dir_ / "picture_ps.png"), true);
  ASSERT_EQ(pdf.picture.width, 782);
  ASSERT_LT(pdf.left, pdf.right);
  ASSERT_LT(ps.left, ps.right);

  EXPECT_EQ(pdf.at(sun.x, sun.y), (Rgb{255, 255, 0}));
  EXPECT_EQ(pdf.at(planet.x, planet.y), (Rgb{255, 0, 0}));

  // Cell by cell over the page, the path (green), the box (magenta), the spheres and
  // the black text show up in the same places in both renderings. The outer ring of
  // cells is left out: the border lies on its edges, and the border fixed the mapping.
  const Rgb colours[] = {{0, 255, 0}, {255, 0, 255}, {255, 255, 0}, {255, 0, 0}, {0, 0, 0}};
  constexpr int kCols = 40, kRows = 28;
  for (const Rgb& colour : colours) {
    int in_pdf = 0, differing = 0;
    for (int i = 1; i < kCols - 1; ++i) {
      for (int j = 1; j < kRows - 1; ++j) {
        const float x0 = 2969.0f * i / kCols, x1 = 2969.0f * (i + 1) / kCols;
        const float y0 = 2099.0f * j / kRows, y1 = 2099.0f * (j + 1) / kRows;
        const bool a = pdf.shows(colour, x0, y0, x1, y1), b = ps.shows(colour, x0, y0, x1, y1);
        in_pdf += a;
        differing += a != b;
      }
    }
    EXPECT_GT(in_pdf, 0) << colour;
    // Lines lying on a cell edge may fall on either side of it in the two renderers.
    EXPECT_LE(differing, in_pdf / 10 + 2) << colour << " in " << in_pdf << " cells";
  }
}

}  // namespace
}  // namespace plotix

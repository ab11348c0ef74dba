// The PostScript writer: header, prolog, path groups, word assembly, commands and
// trailer read back as text; every file rendered by Ghostscript and its pixels checked.
#include "devices/ps_device.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "devices/pdf_device.h"
#include "devices/wmf_device.h"
#include "outside_readers.h"
#include "test_support/temp_dir.h"

namespace devices {
namespace {

using testing::read_file;
using testing::run_command;
using testing::split_lines;

namespace fs = std::filesystem;

// The default page DA4L on PS: 2969 x 2099 plot units turned onto the portrait sheet,
// scale min(5600/2969, 3900/2099) = 3900/2099.
DeviceOpenParams default_page(const std::string& file, int idev = 504) {
  DeviceOpenParams p;
  p.idev = idev;
  p.file_name = file;
  p.nxpage = 2969;
  p.nypage = 2099;
  p.xdevfac = 3900.0 / 2099.0;
  p.landscape = true;
  p.background_mode = devices::Background::light;
  p.date = "06.12.2026";
  p.time = "12:34:56";
  return p;
}

class PsDeviceTest : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return folder_.path(name); }

  // Every file a test writes: no line over 80 characters, and Ghostscript renders it
  // silently. Returns the path of the PNG.
  fs::path check_and_render(const std::string& file, int resolution = 72) {
    const std::string text = read_file(file);
    for (const std::string& line : split_lines(text)) EXPECT_LE(line.size(), 80u) << line;
    const fs::path png = fs::path(file).replace_extension(".png");
    const auto gs = run_command("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r" +
                                std::to_string(resolution) + " -g" +
                                std::to_string(595 * resolution / 72) + "x" +
                                std::to_string(842 * resolution / 72) + " -o '" + png.string() +
                                "' '" + file + "'");
    EXPECT_EQ(gs.status, 0) << gs.output;
    EXPECT_EQ(gs.output, "");
    EXPECT_TRUE(fs::exists(png));
    return png;
  }

  test_support::TempDir folder_{"skytrak_ps_"};
  const fs::path& dir_ = folder_.path();
};

// The words of the drawing part: everything after the header line that sets the caps.
std::vector<std::string> body_words(const std::string& text) {
  const std::string marker = "2 setlinecap 2 setlinejoin 5 cm setlinewidth\n";
  std::istringstream in(text.substr(text.find(marker) + marker.size()));
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

TEST_F(PsDeviceTest, HeaderOfTheDefaultPage) {
  PsDevice ps;
  const auto result = ps.open(default_page(path("plot.ps")));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.colour_depth, 24);
  EXPECT_EQ(ps.close(), 0);

  const auto lines = split_lines(read_file(path("plot.ps")));
  ASSERT_GT(lines.size(), 12u);
  EXPECT_EQ(lines[0], "%!PS-Adobe-3.0");
  EXPECT_EQ(lines[1], "%%BoundingBox: 20 27 575 811");
  EXPECT_EQ(lines[2], "%%Creator: PLOTIX   9.3 L");
  EXPECT_EQ(lines[3], "%%CreationDate: 06.12.2026 , 12:34:56");
  EXPECT_EQ(lines[4], "%%Orientation: Landscape");
  EXPECT_EQ(lines[5], "%%DocumentMedia: A4 595 842 0 () ()");
  EXPECT_EQ(lines[6], "%%Pages: (atend)");
  EXPECT_EQ(lines[7], "%%EndComments");
  EXPECT_EQ(lines[8], "%%BeginProlog");
  const auto end_prolog = std::find(lines.begin(), lines.end(), "%%EndProlog");
  ASSERT_NE(end_prolog, lines.end());
  EXPECT_EQ(*(end_prolog - 1), "  150 cm   200 cm translate   1.000000  1.000000 scale");
  EXPECT_EQ(*(end_prolog + 1), "%%Page: 1 1");
  EXPECT_EQ(*(end_prolog + 2), "%%PageOrientation: Landscape");
  EXPECT_EQ(*(end_prolog + 3), "erasepage");  // white paper by default
  EXPECT_EQ(*(end_prolog + 4), "2 setlinecap 2 setlinejoin 5 cm setlinewidth");
  // An empty plot: the trailer follows at once.
  const std::vector<std::string> trailer(end_prolog + 5, lines.end());
  const std::vector<std::string> expected = {"gsave showpage grestore ", "%%Trailer ",
                                             "%%Pages: 1 ", "%%EOF "};
  EXPECT_EQ(trailer, expected);

  // Every procedure of the prolog is defined.
  const std::string prolog = read_file(path("plot.ps"));
  for (const char* name : {"/cm ", "/rgb ", "/lc ", "/u ", "/d ", "/p ", "/e ", "/f ", "/text ",
                           "/font ", "/c ", "/sec ", "/tri ", "/ReEncodeSmall ", "/GermanVec "})
    EXPECT_NE(prolog.find(std::string("\n") + name), std::string::npos) << name;
  check_and_render(path("plot.ps"));
}

TEST_F(PsDeviceTest, GermanVecNamesOneCodeEach) {
  PsDevice ps;
  ps.open(default_page(path("vec.ps")));
  ps.close();
  const std::string text = read_file(path("vec.ps"));
  const auto start = text.find("/GermanVec [");
  const auto end = text.find("] def", start);
  ASSERT_NE(end, std::string::npos);
  std::istringstream in(text.substr(start + 12, end - start - 12));
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  // 8#177 Adieresis, then codes 8#200 to 8#272 (59 codes) with one name each.
  ASSERT_EQ(words.size(), 2u + 1u + 59u);
  EXPECT_EQ(words[0], "8#177");
  EXPECT_EQ(words[1], "/Adieresis");
  EXPECT_EQ(words[2], "8#200");
  EXPECT_EQ(words[3], "/Odieresis");
  EXPECT_EQ(words[8], "/germandbls");
  EXPECT_EQ(words[25], "/Iacute");       // 8#200 + 22 = 8#226
  EXPECT_EQ(words.back(), "/questiondown");  // 8#272

  // The re-encoding really works in an interpreter: the prolog with a text using it.
  const std::string prolog_end = "%%EndProlog\n";
  const std::string program = text.substr(0, text.find(prolog_end) + prolog_end.size()) +
                              "GermanVec /Helvetica-German /Helvetica ReEncodeSmall\n"
                              "/Helvetica-German 100 font (\\200\\201) 1000 1000 30 1 text\n"
                              "65 1000 2000 0 c 0 255 0 f\n"
                              "1000 3000 100 300 0 90 255 0 0 sec showpage\n";
  std::ofstream(path("prolog_use.ps")) << program;
  check_and_render(path("prolog_use.ps"));
}

TEST_F(PsDeviceTest, PathsAreWrittenInGroupsOfFiftyPoints) {
  PsDevice ps;
  ps.open(default_page(path("groups.ps")));
  ps.move_draw(12, 340, kMove);
  for (int i = 1; i < 120; ++i) ps.move_draw(12 + i, 340 + 2 * i, kDraw);
  ps.close();
  const auto words = body_words(read_file(path("groups.ps")));

  // Walk the groups: "x y u", then "x y d" pairs, then "p".
  std::vector<std::vector<std::pair<int, int>>> groups;
  for (std::size_t i = 0; i + 2 < words.size();) {
    if (words[i] == "p") { ++i; continue; }
    if (words[i + 2] == "u") groups.emplace_back();
    if (words[i + 2] != "u" && words[i + 2] != "d") break;
    ASSERT_FALSE(groups.empty());
    groups.back().emplace_back(std::stoi(words[i]), std::stoi(words[i + 1]));
    i += 3;
  }
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups[0].size(), 50u);
  EXPECT_EQ(groups[1].size(), 50u);
  EXPECT_EQ(groups[2].size(), 22u);
  EXPECT_EQ(groups[0].front(), std::make_pair(12, 340));
  EXPECT_EQ(groups[1].front(), groups[0].back());  // each group starts where the last ended
  EXPECT_EQ(groups[2].front(), groups[1].back());
  EXPECT_EQ(groups[2].back(), std::make_pair(12 + 119, 340 + 238));
  // The numeric padding is gone: single blanks between the words.
  const std::string text = read_file(path("groups.ps"));
  EXPECT_NE(text.find("\n12 340 u 13 342 d "), std::string::npos);
  EXPECT_EQ(text.find("  ", text.find("%%Page: 1 1")), std::string::npos);
  check_and_render(path("groups.ps"));
}

TEST_F(PsDeviceTest, CoordinatesAreRoundedAndFinishedPathsContinue) {
  PsDevice ps;
  ps.open(default_page(path("round.ps")));
  ps.move_draw(10.49, 20.5, kMove);     // 10 21
  ps.move_draw(30.2, 40.7, kDraw);      // 30 41
  ps.set_colour_rgb(255, 0, 0);         // finishes the path first
  ps.move_draw(50, 60, kDraw);          // continues from the last written point
  ps.close();
  const std::string text = read_file(path("round.ps"));
  EXPECT_NE(text.find("\n10 21 u 30 41 d p 255 0 0 f 30 41 u 50 60 d p gsave showpage "
                      "grestore \n%%Trailer \n%%Pages: 1 \n%%EOF \n"),
            std::string::npos)
      << text.substr(text.find("%%Page: 1 1"));
}

TEST_F(PsDeviceTest, WidthColourAndFillCommands) {
  PsDevice ps;
  ps.open(default_page(path("cmds.ps")));
  ps.set_line_width(1.0, false);   // penwid(0.2): 5 x 0.2 = 1.00
  ps.set_line_width(12, true);     // linwid(6): 2 x 6
  ps.move_draw(100, 100, kMove);
  ps.move_draw(200, 100, kDraw);
  const double xs[3] = {300, 400, 350.6};
  const double ys[3] = {300, 300, 400.4};
  ps.set_colour_rgb(0, 128, 255);
  ps.fill_triangle(xs, ys, 0x01FF8000, 0, 128, 255);
  ps.move_draw(500, 500, kMove);
  ps.move_draw(600, 500, kDraw);
  ps.begin_polygon(3);             // a fill finishes the pending path first
  ps.polygon_point(700, 700);
  ps.polygon_point(800, 700);
  ps.polygon_point(750, 800);
  ps.end_polygon();
  ps.fill_rectangle(1000, 1000, 1200, 1100, 0x0100FF00, 0, 255, 0);
  ps.fill_triangle(xs, ys, 0x010000FF, 255, 0, 0);  // not the current colour: set first
  ps.close();
  const std::string text = read_file(path("cmds.ps"));
  // Joined over the line ends, which fall where the 80 characters run out.
  std::string body;
  for (const auto& line : split_lines(text.substr(text.find("2 setlinecap")))) body += line;
  EXPECT_NE(body.find("setlinewidth1.00 cm setlinewidth 12 cm setlinewidth 100 100 u 200 100 d p "
                      "0 128 255 f 300 300 400 300 351 400 tri 500 500 u 600 500 d p "
                      "700 700 u 800 700 d 750 800 d 700 700 d eofill "
                      "1000 1000 1200 1100 0 255 0 e 255 0 0 f 300 300 400 300 351 400 tri gsave"),
            std::string::npos)
      << body;
  check_and_render(path("cmds.ps"));
}

TEST_F(PsDeviceTest, LongOutputBreaksLinesBeforeEightyCharacters) {
  PsDevice ps;
  ps.open(default_page(path("long.ps")));
  ps.move_draw(0, 0, kMove);
  for (int i = 1; i <= 2000; ++i) ps.move_draw(i % 3900, (i * 7) % 5500, kDraw);
  ps.close();
  const auto lines = split_lines(read_file(path("long.ps")));
  std::size_t longest = 0, filled = 0;
  for (const auto& line : lines) {
    longest = std::max(longest, line.size());
    if (line.size() >= 70) ++filled;
  }
  EXPECT_LE(longest, 80u);
  EXPECT_GT(filled, 100u);  // lines are really filled up, not one word per line
  check_and_render(path("long.ps"));
}

TEST_F(PsDeviceTest, EpsHasNoTrailerComments) {
  PsDevice ps;
  ps.open(default_page(path("plot.eps"), 503));
  ps.move_draw(10, 10, kMove);
  ps.move_draw(20, 20, kDraw);
  ps.close();
  const std::string text = read_file(path("plot.eps"));
  EXPECT_EQ(text.rfind("%!PS-Adobe-3.0 EPSF-3.0\n", 0), 0u);
  EXPECT_EQ(text.find("%%Pages"), std::string::npos);
  EXPECT_EQ(text.find("%%Trailer"), std::string::npos);
  EXPECT_EQ(text.find("%%EOF"), std::string::npos);
  // Placed in another document, an EPS must not wipe the page it lands on.
  EXPECT_EQ(text.find("erasepage"), std::string::npos);
  const std::string tail = "gsave showpage grestore \n";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  check_and_render(path("plot.eps"));
}

TEST_F(PsDeviceTest, DarkBackgroundPaintsTheWholePageBlack) {
  // Landscape: width along the sheet = 2099 s = 3900, height = 2969 s = 5516.47 -> 5516.
  PsDevice landscape;
  auto params = default_page(path("dark.ps"));
  params.background_mode = devices::Background::dark;
  landscape.open(params);
  landscape.close();
  const std::string text = read_file(path("dark.ps"));
  EXPECT_NE(text.find("\n%%PageOrientation: Landscape\n0 0 3900 5516 0 0 0 e \n2 setlinecap"), std::string::npos);
  const auto picture = testing::read_picture(check_and_render(path("dark.ps")));
  ASSERT_EQ(picture.width, 595);
  // Inside the page black, in the margin white: page spans 21..574 x 31..813 from below.
  EXPECT_EQ(picture.at(300, 400), (testing::Rgb{0, 0, 0}));
  EXPECT_EQ(picture.at(10, 400), (testing::Rgb{255, 255, 255}));
  EXPECT_EQ(picture.at(300, 835), (testing::Rgb{255, 255, 255}));

  // Portrait page 2099 x 2969: scale min(3900/2099, 5600/2969) = 3900/2099 again,
  // corners (0, 5516) and (3900, 0).
  PsDevice portrait;
  params = default_page(path("dark_portrait.ps"));
  params.background_mode = devices::Background::dark;
  params.nxpage = 2099;
  params.nypage = 2969;
  params.landscape = false;
  portrait.open(params);
  portrait.close();
  const std::string portrait_text = read_file(path("dark_portrait.ps"));
  EXPECT_NE(portrait_text.find("\n0 5516 3900 0 0 0 0 e \n"), std::string::npos);
  EXPECT_NE(portrait_text.find("%%Creator: PLOTIX   9.3 P\n"), std::string::npos);
  EXPECT_NE(portrait_text.find("%%BoundingBox: 20 27 575 811\n"), std::string::npos);
  EXPECT_NE(portrait_text.find("%%Orientation: Portrait\n"), std::string::npos);
  check_and_render(path("dark_portrait.ps"));
}

// The page border drawn along the page's edges, as the library draws it: Ghostscript's
// bounding-box device must find the drawing inside the declared box, touching each side
// (within a point); and its PDF writer, told to turn pages by their orientation comments,
// turns the landscape page upright and leaves the portrait one.
TEST_F(PsDeviceTest, BoundingBoxHoldsTheBorderAndViewersTurnTheLandscapePage) {
  for (bool landscape : {true, false}) {
    SCOPED_TRACE(landscape ? "landscape" : "portrait");
    const std::string file = path(landscape ? "border_l.ps" : "border_p.ps");
    auto params = default_page(file);
    if (!landscape) std::swap(params.nxpage, params.nypage);
    params.landscape = landscape;
    PsDevice ps;
    ps.open(params);
    const double s = params.xdevfac;
    const double w = (landscape ? params.nypage : params.nxpage) * s;
    const double h = (landscape ? params.nxpage : params.nypage) * s;
    ps.move_draw(0, 0, kMove);
    ps.move_draw(w, 0, kDraw);
    ps.move_draw(w, h, kDraw);
    ps.move_draw(0, h, kDraw);
    ps.move_draw(0, 0, kDraw);
    ps.close();
    const std::string text = read_file(file);
    int declared[4];
    ASSERT_EQ(std::sscanf(text.c_str() + text.find("%%BoundingBox:"), "%%%%BoundingBox: %d %d %d %d",
                          &declared[0], &declared[1], &declared[2], &declared[3]), 4);
    const auto bbox = run_command("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bbox '" + file + "'");
    double drawn[4];
    ASSERT_EQ(std::sscanf(bbox.output.c_str() + bbox.output.find("%%HiResBoundingBox:"),
                          "%%%%HiResBoundingBox: %lf %lf %lf %lf", &drawn[0], &drawn[1], &drawn[2],
                          &drawn[3]), 4) << bbox.output;
    for (int i = 0; i < 2; ++i) {
      EXPECT_LE(declared[i], drawn[i]) << i;
      EXPECT_GT(declared[i], drawn[i] - 1.0) << i;
      EXPECT_GE(declared[i + 2], drawn[i + 2]) << i + 2;
      EXPECT_LT(declared[i + 2], drawn[i + 2] + 1.0) << i + 2;
    }
    const std::string pdf = file + ".pdf";
    const auto gs = run_command("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite "
                                "-dAutoRotatePages=/PageByPage -o '" + pdf + "' '" + file + "'");
    ASSERT_EQ(gs.status, 0) << gs.output;
    const std::string info = run_command("pdfinfo '" + pdf + "'").output;
    EXPECT_NE(info.find(landscape ? "Page rot:        90" : "Page rot:        0"), std::string::npos) << info;
    EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;
  }
}

// Plot units to rendered pixels (72 dpi, A4 sheet of 842 rows) through the turned
// page: sheet x = y s, sheet y = x s, then the 150/200 margin and 72/508 points per unit.
struct Pixel {
  int col, row;
};
Pixel to_pixel(double page_x, double page_y) {
  const double s = 3900.0 / 2099.0;
  const double k = 72.0 / 508.0;
  return {static_cast<int>((150 + page_y * s) * k), static_cast<int>(842 - (200 + page_x * s) * k)};
}

TEST_F(PsDeviceTest, RenderedBorderAndColouredLinesLandWhereExpected) {
  PsDevice ps;
  ps.open(default_page(path("picture.ps")));
  // Page points through the turned mapping X = y s, Y = x s.
  const double s = 3900.0 / 2099.0;
  const auto page = [&](double x, double y, int code) { ps.move_draw(y * s, x * s, code); };
  ps.set_line_width(40, true);  // 40/20 mm: wide enough to hit whole pixels
  page(0, 0, kMove);
  page(0, 2099, kDraw);
  page(2969, 2099, kDraw);
  page(2969, 0, kDraw);
  page(0, 0, kDraw);
  ps.set_colour_rgb(255, 0, 0);  // red across the top part of the page
  page(300, 500, kMove);
  page(2600, 500, kDraw);
  ps.set_colour_rgb(0, 0, 255);  // blue down the left part
  page(800, 300, kMove);
  page(800, 1800, kDraw);
  ps.set_colour_rgb(0, 255, 0);  // a green triangle pointing down, lower right
  const double xs[3] = {1500 * s, 1500 * s, 1900 * s};
  const double ys[3] = {1500 * s, 2500 * s, 2000 * s};
  ps.fill_triangle(xs, ys, 0, 0, 255, 0);
  ASSERT_EQ(ps.close(), 0);

  const auto picture = testing::read_picture(check_and_render(path("picture.ps")));
  ASSERT_EQ(picture.width, 595);
  ASSERT_EQ(picture.height, 842);
  const auto at = [&](double x, double y) {
    const Pixel p = to_pixel(x, y);
    return picture.at(p.col, p.row);
  };
  const testing::Rgb black{0, 0, 0}, red{255, 0, 0}, blue{0, 0, 255}, green{0, 255, 0},
      white{255, 255, 255};
  // Border: the middle of each side, and just inside it is white.
  EXPECT_EQ(at(0, 1000), black);
  EXPECT_EQ(at(2969, 1000), black);
  EXPECT_EQ(at(1500, 0), black);
  EXPECT_EQ(at(1500, 2099), black);
  EXPECT_EQ(at(1500, 60), white);
  EXPECT_EQ(at(1500, 500), red);
  EXPECT_EQ(at(1500, 540), white);
  EXPECT_EQ(at(200, 500), white);    // the red line starts at x = 300
  EXPECT_EQ(at(800, 1000), blue);
  EXPECT_EQ(at(800, 1900), white);   // and the blue one ends at y = 1800
  EXPECT_EQ(at(2000, 1650), green);  // triangle (1500,1500) (2500,1500) (2000,1900)
  EXPECT_EQ(at(1550, 1650), white);
  EXPECT_EQ(at(2000, 1950), white);
}

TEST_F(PsDeviceTest, FileErrorsAreReported) {
  PsDevice unopenable;
  EXPECT_EQ(unopenable.open(default_page("/nonexistent-dir-skytrak/plot.ps")).status, 36);
  unopenable.move_draw(1, 1, kDraw);  // ignored, no crash
  EXPECT_EQ(unopenable.close(), 0);

  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  PsDevice full;
  ASSERT_EQ(full.open(default_page("/dev/full")).status, 0);
  full.move_draw(1, 1, kMove);
  full.move_draw(2, 2, kDraw);
  EXPECT_EQ(full.close(), 36);  // a cut file is never reported as written
}

// The reason of a failure is the system's own error text, and a later good open
// forgets it.
TEST_F(PsDeviceTest, FileDevicesSayWhyTheyFailed) {
  const std::string missing = "/nonexistent-dir-skytrak/plot";
  PsDevice ps;
  PdfWriter pdf;
  WmfDevice wmf;
  for (Device* device : std::initializer_list<Device*>{&ps, &pdf, &wmf}) {
    EXPECT_EQ(device->open(default_page(missing)).status, kStatusFileError);
    EXPECT_EQ(device->error(), "cannot open " + missing + ": " + std::strerror(ENOENT));
    ASSERT_EQ(device->open(default_page(path("good"))).status, kStatusOk);
    EXPECT_EQ(device->error(), "");
    EXPECT_EQ(device->close(), kStatusOk);
  }

  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  ASSERT_EQ(ps.open(default_page("/dev/full")).status, kStatusOk);
  EXPECT_EQ(ps.close(), kStatusFileError);
  EXPECT_EQ(ps.error(), std::string("write error on /dev/full: ") + std::strerror(ENOSPC));
}

}  // namespace
}  // namespace devices

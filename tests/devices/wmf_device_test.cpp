// The WMF writer: every file read back by our structural reader (header, record sizes,
// object table), the records the plot calls produce, and libwmf's rendering.
#include "devices/wmf_device.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "outside_readers.h"
#include "test_support/temp_dir.h"
#include "wmf_reader.h"

namespace devices {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::read_wmf;
using testing::run_command;
using testing::WmfFile;

// The default page DA4L: 2969 x 2099 plot units at 1440/254 logical units per unit
// gives int(16832.13 + 0.5) x int(11899.84 + 0.5) = 16832 x 11900.
DeviceOpenParams default_page(const std::string& file) {
  DeviceOpenParams p;
  p.idev = 221;
  p.file_name = file;
  p.nxpage = 2969;
  p.nypage = 2099;
  p.xdevfac = 5.6692915;
  return p;
}

class WmfDeviceTest : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return folder_.path(name); }

  // Reads a written file back: every structural rule must hold, and libwmf must
  // accept it too (libwmf sizes its picture by what is drawn, so it refuses files
  // with no drawing at all: those only get our own reader).
  WmfFile check(const std::string& file, bool drawn = true) {
    const WmfFile wmf = read_wmf(read_file(file));
    for (const auto& p : wmf.problems) ADD_FAILURE() << file << ": " << p;
    if (!drawn) return wmf;
    const auto svg = run_command("wmf2svg -o '" + file + ".svg' '" + file + "'");
    EXPECT_EQ(svg.status, 0) << svg.output;
    EXPECT_EQ(svg.output, "");
    return wmf;
  }

  test_support::TempDir folder_{"skytrak_wmf_"};
  const fs::path& dir_ = folder_.path();
};

std::vector<testing::WmfRecord> records_of(const WmfFile& wmf, std::uint16_t function) {
  std::vector<testing::WmfRecord> found;
  for (const auto& r : wmf.records)
    if (r.function == function) found.push_back(r);
  return found;
}

TEST_F(WmfDeviceTest, DefaultPageHeaderAndWindow) {
  WmfDevice wmf;
  const auto result = wmf.open(default_page(path("empty.wmf")));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.colour_depth, 24);
  ASSERT_EQ(wmf.close(), 0);

  const WmfFile f = check(path("empty.wmf"), false);
  EXPECT_EQ(f.type, 1);
  EXPECT_EQ(f.header_size, 9);
  EXPECT_EQ(f.version, 0x0300);
  // Header 9 words, map mode 4, origin 5, extent 5, EOF 3.
  EXPECT_EQ(f.size_words, 9u + 4u + 5u + 5u + 3u);
  EXPECT_EQ(f.max_record, 5u);
  EXPECT_EQ(f.number_of_objects, 0);
  ASSERT_EQ(f.records.size(), 4u);
  EXPECT_EQ(f.records[0].function, kMetaSetMapMode);
  EXPECT_EQ(f.records[0].param(0), 8);
  EXPECT_EQ(f.records[1].function, kMetaSetWindowOrg);
  EXPECT_EQ(f.records[1].param(0), 0);
  EXPECT_EQ(f.records[1].param(1), 0);
  EXPECT_EQ(f.records[2].function, kMetaSetWindowExt);
  EXPECT_EQ(f.records[2].param(0), 11920);  // y extent first
  EXPECT_EQ(f.records[2].param(1), 16852);
  EXPECT_EQ(f.records[3].function, kMetaEof);
  // The placeable header boxes the same window, in twips.
  EXPECT_EQ(f.box_left, 0);
  EXPECT_EQ(f.box_top, 0);
  EXPECT_EQ(f.box_right, 16852);
  EXPECT_EQ(f.box_bottom, 11920);
  EXPECT_EQ(f.units_per_inch, 1440);

  // Width and height exchanged when the page is turned.
  WmfDevice turned;
  auto params = default_page(path("turned.wmf"));
  params.iorient = 1;
  turned.open(params);
  turned.close();
  const WmfFile t = check(path("turned.wmf"), false);
  EXPECT_EQ(t.records[2].param(0), 16852);
  EXPECT_EQ(t.records[2].param(1), 11920);
  EXPECT_EQ(t.box_right, 11920);
  EXPECT_EQ(t.box_bottom, 16852);
}

TEST_F(WmfDeviceTest, OneRecordPerSegmentWithYBeforeX) {
  WmfDevice wmf;
  wmf.open(default_page(path("line.wmf")));
  wmf.set_colour_rgb(0, 0, 0);
  wmf.move_draw(100, 2000, kMove);
  for (int i = 1; i < 100; ++i) wmf.move_draw(100 + 150 * i, 2000 + (i % 2) * 3000, kDraw);
  ASSERT_EQ(wmf.close(), 0);

  const WmfFile f = check(path("line.wmf"));
  EXPECT_EQ(f.count(kMetaMoveTo), 1);
  EXPECT_EQ(f.count(kMetaLineTo), 99);
  const auto moves = records_of(f, kMetaMoveTo);
  EXPECT_EQ(moves[0].size_words, 5u);
  EXPECT_EQ(moves[0].param(0), 2000);  // y
  EXPECT_EQ(moves[0].param(1), 100);   // x
  const auto lines = records_of(f, kMetaLineTo);
  EXPECT_EQ(lines.back().param(0), 2000 + 3000);
  EXPECT_EQ(lines.back().param(1), 100 + 150 * 99);
  EXPECT_EQ(f.size_words, 9u + 14u + (8u + 5u + 4u) + 100u * 5u + 3u);
}

TEST_F(WmfDeviceTest, OnePenPerColourChangeAndTheReplacedPenDeleted) {
  WmfDevice wmf;
  wmf.open(default_page(path("pens.wmf")));
  wmf.set_colour_rgb(255, 128, 0);
  wmf.move_draw(10, 10, kMove);
  wmf.move_draw(500, 500, kDraw);
  wmf.set_colour_rgb(0, 0, 255);
  wmf.move_draw(500, 10, kDraw);
  ASSERT_EQ(wmf.close(), 0);

  const WmfFile two = check(path("pens.wmf"));
  EXPECT_EQ(two.count(kMetaCreatePenIndirect), 2);
  EXPECT_EQ(two.count(kMetaSelectObject), 2);
  EXPECT_EQ(two.count(kMetaDeleteObject), 1);
  EXPECT_EQ(two.number_of_objects, 2);
  const auto pens = records_of(two, kMetaCreatePenIndirect);
  EXPECT_EQ(pens[0].size_words, 8u);
  EXPECT_EQ(pens[0].params[0], 0);       // solid
  EXPECT_EQ(pens[0].params[1], 1);       // width 1
  EXPECT_EQ(pens[0].params[3], 0x80FF);  // COLORREF bytes r = 255, g = 128
  EXPECT_EQ(pens[0].params[4], 0x0000);  // b = 0, reserved
  EXPECT_EQ(pens[1].params[3], 0x0000);
  EXPECT_EQ(pens[1].params[4], 0x00FF);
  // A wider line: a new pen of the current colour, 17 twips (0.3 mm) wide.
  WmfDevice wide;
  wide.open(default_page(path("wide.wmf")));
  wide.set_colour_rgb(255, 128, 0);
  wide.set_line_width(17.0, true);
  wide.set_line_width(17.0, true);
  wide.move_draw(10, 10, kMove);
  wide.move_draw(500, 500, kDraw);
  ASSERT_EQ(wide.close(), 0);
  const auto wide_pens = records_of(check(path("wide.wmf")), kMetaCreatePenIndirect);
  ASSERT_EQ(wide_pens.size(), 2u);
  EXPECT_EQ(wide_pens[1].params[1], 17);
  EXPECT_EQ(wide_pens[1].params[3], 0x80FF);
  const auto text = records_of(two, kMetaSetTextColor);
  ASSERT_EQ(text.size(), 2u);
  EXPECT_EQ(text[1].params[0], 0x0000);
  EXPECT_EQ(text[1].params[1], 0x00FF);
  // The order: create, text colour, select the new pen, delete the one it replaced.
  std::vector<std::uint16_t> sequence;
  for (const auto& r : two.records)
    if (r.function != kMetaMoveTo && r.function != kMetaLineTo) sequence.push_back(r.function);
  const std::vector<std::uint16_t> expected = {
      kMetaSetMapMode, kMetaSetWindowOrg,      kMetaSetWindowExt, kMetaCreatePenIndirect,
      kMetaSetTextColor, kMetaSelectObject,    kMetaCreatePenIndirect, kMetaSetTextColor,
      kMetaSelectObject, kMetaDeleteObject,    kMetaEof};
  EXPECT_EQ(sequence, expected);
  EXPECT_EQ(records_of(two, kMetaSelectObject)[1].params[0], 1);
  EXPECT_EQ(records_of(two, kMetaDeleteObject)[0].params[0], 0);

  // A third colour reuses slot 0 and deletes slot 1: still two objects at most.
  WmfDevice three;
  three.open(default_page(path("three.wmf")));
  three.set_colour_rgb(1, 2, 3);
  three.set_colour_rgb(4, 5, 6);
  three.set_colour_rgb(7, 8, 9);
  three.close();
  const WmfFile t = check(path("three.wmf"), false);
  EXPECT_EQ(t.number_of_objects, 2);
  const auto selects = records_of(t, kMetaSelectObject);
  const auto deletes = records_of(t, kMetaDeleteObject);
  ASSERT_EQ(selects.size(), 3u);
  ASSERT_EQ(deletes.size(), 2u);
  EXPECT_EQ(selects[2].params[0], 0);
  EXPECT_EQ(deletes[1].params[0], 1);
}

TEST_F(WmfDeviceTest, PolygonAndRectangleBrushesLiveForOneFill) {
  WmfDevice wmf;
  wmf.open(default_page(path("fills.wmf")));
  wmf.set_colour_rgb(0, 255, 0);
  wmf.begin_polygon(3);
  wmf.polygon_point(1000, 1000);
  wmf.polygon_point(3000, 1000);
  wmf.polygon_point(2000, 2500);
  wmf.end_polygon();
  wmf.fill_rectangle(5000, 6000, 4000, 5000, 0x01FF0000, 0, 0, 255);
  wmf.begin_polygon(2);  // not a polygon: nothing written
  wmf.polygon_point(1, 1);
  wmf.polygon_point(2, 2);
  wmf.end_polygon();
  ASSERT_EQ(wmf.close(), 0);

  const WmfFile f = check(path("fills.wmf"));
  EXPECT_EQ(f.number_of_objects, 2);  // the pen and one brush at a time
  const auto polygons = records_of(f, kMetaPolygon);
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_EQ(polygons[0].size_words, 4u + 2u * 3u);
  const std::vector<std::int16_t> points = {3, 1000, 1000, 3000, 1000, 2000, 2500};
  for (std::size_t i = 0; i < points.size(); ++i) EXPECT_EQ(polygons[0].param(i), points[i]);
  const auto brushes = records_of(f, kMetaCreateBrushIndirect);
  ASSERT_EQ(brushes.size(), 2u);
  EXPECT_EQ(brushes[0].params[1], 0xFF00);  // green in the current colour
  EXPECT_EQ(brushes[1].params[2], 0x00FF);  // blue rectangle
  EXPECT_EQ(f.count(kMetaDeleteObject), 2);  // both brushes, never the first pen
  const auto blits = records_of(f, kMetaPatBlt);
  ASSERT_EQ(blits.size(), 1u);
  EXPECT_EQ(blits[0].params[0], 0x0021);   // PATCOPY, low word first
  EXPECT_EQ(blits[0].params[1], 0x00F0);
  EXPECT_EQ(blits[0].param(2), 1001);      // height, both corners included
  EXPECT_EQ(blits[0].param(3), 1001);      // width
  EXPECT_EQ(blits[0].param(4), 5000);      // top
  EXPECT_EQ(blits[0].param(5), 4000);      // left
  EXPECT_EQ(f.max_record, 10u);            // the polygon
}

// libwmf's picture: a non-placeable file is scaled to the drawn extent, so the checks
// are relative: colours present where the lines run, in the right order.
TEST_F(WmfDeviceTest, LibwmfRendersTheLinesAndFills) {
  WmfDevice wmf;
  wmf.open(default_page(path("picture.wmf")));
  wmf.set_colour_rgb(0, 0, 0);  // page border
  wmf.move_draw(0, 0, kMove);
  wmf.move_draw(16832, 0, kDraw);
  wmf.move_draw(16832, 11900, kDraw);
  wmf.move_draw(0, 11900, kDraw);
  wmf.move_draw(0, 0, kDraw);
  wmf.set_colour_rgb(255, 0, 0);  // red cross near the upper left
  for (int d = -20; d <= 20; d += 10) {
    wmf.move_draw(2000, 3000 + d, kMove);
    wmf.move_draw(6000, 3000 + d, kDraw);
  }
  wmf.set_colour_rgb(0, 0, 255);  // blue triangle in the lower right
  wmf.begin_polygon(3);
  wmf.polygon_point(10000, 6000);
  wmf.polygon_point(16000, 6000);
  wmf.polygon_point(13000, 11000);
  wmf.end_polygon();
  ASSERT_EQ(wmf.close(), 0);
  check(path("picture.wmf"));

  const fs::path png = dir_ / "picture.png";
  const auto gd = run_command("wmf2gd -t png -o '" + png.string() + "' '" + path("picture.wmf") + "'");
  ASSERT_EQ(gd.status, 0) << gd.output;
  const auto picture = testing::read_picture(png);
  ASSERT_GT(picture.width, 100);
  ASSERT_GT(picture.height, 50);
  // The readers keep the page's aspect (16852 : 11920), no longer a square.
  EXPECT_NEAR(static_cast<double>(picture.width) / picture.height, 16852.0 / 11920.0, 0.005);
  const fs::path svg = dir_ / "picture.svg";
  const auto to_svg = run_command("wmf2svg --maxwidth=800 --maxheight=800 --maxpect -o '" +
                                  svg.string() + "' '" + path("picture.wmf") + "'");
  ASSERT_EQ(to_svg.status, 0) << to_svg.output;
  const std::string svg_text = testing::read_file(svg);
  int svg_width = 0, svg_height = 0;
  ASSERT_EQ(std::sscanf(svg_text.c_str() + svg_text.find("<svg width="), "<svg width=\"%d\" height=\"%d\"",
                        &svg_width, &svg_height), 2) << svg_text.substr(0, 300);
  EXPECT_EQ(svg_width, 800);
  EXPECT_NEAR(svg_height, 800.0 * 11920.0 / 16852.0, 1.0);
  // Logical point to pixel, the border filling the picture.
  const auto at = [&](double x, double y) {
    return picture.at(static_cast<int>(x / 16832.0 * (picture.width - 1)),
                      static_cast<int>(y / 11900.0 * (picture.height - 1)));
  };
  const testing::Rgb red{255, 0, 0}, blue{0, 0, 255}, white{255, 255, 255};
  EXPECT_EQ(at(4000, 3000), red);
  EXPECT_EQ(at(4000, 4000), white);
  EXPECT_EQ(at(13000, 7500), blue);
  EXPECT_EQ(at(11000, 10000), white);
  int dark_left = 0;  // the border's left side
  for (int y = picture.height / 4; y < picture.height * 3 / 4; ++y)
    dark_left += picture.at(0, y) == testing::Rgb{0, 0, 0} || picture.at(1, y) == testing::Rgb{0, 0, 0};
  EXPECT_GT(dark_left, picture.height / 3);
}

TEST_F(WmfDeviceTest, AnExistingFileGetsAVersionName) {
  std::ofstream(path("plot.wmf")) << "an older picture";
  WmfDevice wmf;
  const auto result = wmf.open(default_page(path("plot.wmf ")));  // blank-padded name
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.file_name, path("plot_1.wmf"));
  wmf.set_colour_rgb(0, 0, 0);
  wmf.move_draw(0, 0, kMove);
  wmf.move_draw(10, 10, kDraw);
  ASSERT_EQ(wmf.close(), 0);
  EXPECT_EQ(read_file(path("plot.wmf")), "an older picture");
  check(path("plot_1.wmf"));
}

TEST_F(WmfDeviceTest, FileErrorsAreReported) {
  WmfDevice unopenable;
  EXPECT_EQ(unopenable.open(default_page("/nonexistent-dir-skytrak/plot.wmf")).status, 36);
  unopenable.move_draw(1, 1, kDraw);
  EXPECT_EQ(unopenable.close(), 0);

  // A disk that fills up under the writer: a file-size limit makes the writes fail
  // (with the limit's signal ignored, as a full disk would).
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  WmfDevice full;
  const int open_status = full.open(default_page(path("full.wmf"))).status;
  full.set_colour_rgb(0, 0, 0);
  full.move_draw(2, 2, kDraw);
  const int close_status = full.close();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(open_status, 0);
  EXPECT_EQ(close_status, 36);
  EXPECT_FALSE(fs::exists(path("full.wmf")));  // a cut file is never left under the name
}

}  // namespace
}  // namespace devices

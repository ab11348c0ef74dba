// The whole path from disini to the picture file for the PostScript and WMF writers:
// the library's calls arrive in the file as the writers' commands and records, and
// the files render in Ghostscript and libwmf.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "devices/outside_readers.h"
#include "devices/wmf_reader.h"
#include "devices/wmf_device.h"
#include "plot/core/global_state.h"
#include "plot/lines/polyline.h"
#include "plot/plotix.h"
#include "plot/plot_fixture.h"
#include "test_support/temp_dir.h"

namespace plotix {
namespace {

namespace fs = std::filesystem;
using devices::testing::read_file;
using devices::testing::run_command;
using devices::testing::split_lines;

class FileDevicesOutput : public test::RealDeviceTest {
 protected:
  std::string path(const std::string& name) const { return folder_.path(name); }

  // Opens a plot of the given format into the test's folder (the protocol on stdout
  // dropped).
  PlotState& open(const char* format, const std::string& name) {
    setfil(path(name));
    metafl(format);
    ::testing::internal::CaptureStdout();
    disini();
    ::testing::internal::GetCapturedStdout();
    return *qqgglb();
  }
  void finish() {
    ::testing::internal::CaptureStdout();
    disfin();
    ::testing::internal::GetCapturedStdout();
  }

  test_support::TempDir folder_{"skytrak_out_"};
  const fs::path& dir_ = folder_.path();
};

// The drawing part of a PS file, joined over its line ends.
std::string ps_body(const std::string& text) {
  std::string body;
  const std::string start = "2 setlinecap 2 setlinejoin 5 cm setlinewidth\n";
  for (const auto& line : split_lines(text.substr(text.find(start) + start.size()))) body += line;
  return body;
}

TEST_F(FileDevicesOutput, PostScriptFromDisiniToTheFile) {
  PlotState& st = open("PS", "plot.ps");
  EXPECT_EQ(st.line.ncdepth, 24);
  penwid(0.2f);    // the 3D box's width: 5 x 0.2 = 1.00 units of 1/20 mm
  pagera();
  color("RED");
  linwid(3);       // 2 x 3 = 6 units
  strtqq(st, 100, 200);
  connqq(st, 1000, 200);
  color("WHITE");  // on white paper the name WHITE draws black
  strtqq(st, 100, 400);
  connqq(st, 1000, 400);
  finish();

  const std::string text = read_file(path("plot.ps"));
  for (const auto& line : split_lines(text)) EXPECT_LE(line.size(), 80u) << line;
  EXPECT_NE(text.find("\n%%BoundingBox: 20 27 575 811\n"), std::string::npos);
  EXPECT_EQ(text.find("    1.00"), std::string::npos);  // the "%8.2f" padding is dropped
  const std::string body = ps_body(text);
  // The border in page corners (0,0) (0,2099) (2969,2099) (2969,0) turned onto the
  // sheet with s = 3900/2099: X = y s, Y = x s.
  EXPECT_NE(body.find("1.00 cm setlinewidth 0 0 u 3900 0 d 3900 5516 d 0 5516 d 0 0 d p "
                      "255 0 0 f 6 cm setlinewidth "),
            std::string::npos)
      << body;
  // The red line from (100, 200) to (1000, 200): X = 200 s = 371.6, Y = 185.8 .. 1858.0.
  EXPECT_NE(body.find("372 186 u 372 1858 d p 0 0 0 f 743 186 u 743 1858 d p gsave showpage"),
            std::string::npos)
      << body;

  const fs::path png = dir_ / "plot.png";
  const auto gs = run_command("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r72 -g595x842 -o '" +
                              png.string() + "' '" + path("plot.ps") + "'");
  EXPECT_EQ(gs.status, 0) << gs.output;
  EXPECT_EQ(gs.output, "");
  const auto picture = devices::testing::read_picture(png);
  ASSERT_EQ(picture.width, 595);
  // A thin line hits the pixel of its centre or a neighbour, by the renderer's rules.
  const auto near = [&](int col, int row, devices::testing::Rgb colour) {
    return picture.at(col - 1, row) == colour || picture.at(col, row) == colour ||
           picture.at(col + 1, row) == colour;
  };
  // Red line at sheet x = (150 + 372) 72/508 = 73.98 pt, from y = (200 + 186) k to
  // (200 + 1858) k = 54.7 to 291.7 pt; the black one at (150 + 743) k = 126.6 pt.
  EXPECT_TRUE(near(74, 842 - 150, {255, 0, 0}));
  EXPECT_TRUE(near(74, 842 - 280, {255, 0, 0}));
  EXPECT_FALSE(near(74, 842 - 300, {255, 0, 0}));
  EXPECT_TRUE(near(126, 842 - 150, {0, 0, 0}));
  EXPECT_EQ(picture.at(100, 842 - 150), (devices::testing::Rgb{255, 255, 255}));
}

TEST_F(FileDevicesOutput, WmfFromDisiniToTheFile) {
  PlotState& st = open("WMF", "plot.wmf");
  EXPECT_EQ(st.line.ncdepth, 24);
  pagera();
  color("RED");
  strtqq(st, 100, 200);
  for (int i = 1; i < 99; ++i) connqq(st, 100 + 10 * i, 200 + (i % 2) * 50);  // 99 points
  color("WHITE");  // WHITE draws black on WMF
  strtqq(st, 100, 1000);
  connqq(st, 2000, 1000);
  finish();

  const auto wmf = devices::testing::read_wmf(read_file(path("plot.wmf")));
  for (const auto& p : wmf.problems) ADD_FAILURE() << p;
  ASSERT_GE(wmf.records.size(), 3u);
  EXPECT_EQ(wmf.records[2].param(0), 11920);  // window extent: the page + 20
  EXPECT_EQ(wmf.records[2].param(1), 16852);
  // resall's FORE, then RED and WHITE: three pens, the first never deleted.
  EXPECT_EQ(wmf.count(devices::kMetaCreatePenIndirect), 3);
  EXPECT_EQ(wmf.count(devices::kMetaDeleteObject), 2);
  std::vector<std::uint16_t> pen_colours;  // low word of each COLORREF: r + 256 g
  for (const auto& r : wmf.records)
    if (r.function == devices::kMetaCreatePenIndirect) pen_colours.push_back(r.params[3]);
  const std::vector<std::uint16_t> expected_colours = {0x0000, 0x00FF, 0x0000};
  EXPECT_EQ(pen_colours, expected_colours);
  // Border: 1 move + 4 lines; the 99-point polyline: 1 move + 98 lines; the last
  // line: 1 move + 1 line.
  EXPECT_EQ(wmf.count(devices::kMetaMoveTo), 3);
  EXPECT_EQ(wmf.count(devices::kMetaLineTo), 4 + 98 + 1);
  // The second point of the red line: (110, 250) x 5.6692915 -> (624, 1417), y first.
  int found = 0;
  for (std::size_t i = 0; i + 1 < wmf.records.size(); ++i) {
    const auto& r = wmf.records[i];
    // (100, 200) -> (567, 1134)
    if (r.function != devices::kMetaMoveTo || r.param(0) != 1134 || r.param(1) != 567) continue;
    ++found;
    EXPECT_EQ(wmf.records[i + 1].param(0), 1417);
    EXPECT_EQ(wmf.records[i + 1].param(1), 624);
  }
  EXPECT_EQ(found, 1);
  const auto gd = run_command("wmf2gd -t png -o '" + path("plot.png") + "' '" + path("plot.wmf") + "'");
  EXPECT_EQ(gd.status, 0) << gd.output;
  const auto picture = devices::testing::read_picture(path("plot.png"));
  int red = 0;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) red += picture.at(x, y) == devices::testing::Rgb{255, 0, 0};
  EXPECT_GT(red, 20);
}

}  // namespace
}  // namespace plotix

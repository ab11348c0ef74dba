// The program's 3D picture written as PostScript, rasterised by Ghostscript and
// compared with the reference picture kept beside this test (a per-pixel
// tolerance), plus exact colours where the Sun and the planet must be.
// SKYTRAK_UPDATE_REFERENCE=1 rewrites the reference instead (look at it!).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>


#include "devices/ps_device.h"
#include "plot/core/device_factory.h"
#include "plot/core/global_state.h"
#include "plot/axis3d/projection3d.h"
#include "plot/plot_fixture.h"
#include "app/program_picture.h"

namespace plotix {
namespace {

namespace fs = std::filesystem;

struct Image {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
  const unsigned char* at(int x, int y) const { return &rgb[3 * (static_cast<size_t>(y) * width + x)]; }
  bool is(int x, int y, int r, int g, int b) const {
    const unsigned char* p = at(x, y);
    return p[0] == r && p[1] == g && p[2] == b;
  }
};

// Next header field of a PPM, skipping comment lines.
std::string ppm_field(std::ifstream& in) {
  std::string field;
  while (in >> field && field[0] == '#') {
    std::string rest;
    std::getline(in, rest);
  }
  return field;
}

// Reads a binary PPM (P6, maxval 255).
Image read_ppm(const fs::path& file) {
  Image img;
  std::ifstream in(file, std::ios::binary);
  const std::string magic = ppm_field(in);
  img.width = std::atoi(ppm_field(in).c_str());
  img.height = std::atoi(ppm_field(in).c_str());
  const int maxval = std::atoi(ppm_field(in).c_str());
  in.get();
  if (magic != "P6" || maxval != 255) return {};
  img.rgb.resize(static_cast<size_t>(img.width) * img.height * 3);
  in.read(reinterpret_cast<char*>(img.rgb.data()), static_cast<std::streamsize>(img.rgb.size()));
  return in ? img : Image{};
}

int run(const std::string& command) { return std::system(command.c_str()); }

class Picture3d : public ::testing::Test {
 protected:
  void SetUp() override {
    free_global_state();
    set_device_maker([](int) { return std::make_unique<devices::PsDevice>(); });
    setenv("SOURCE_DATE_EPOCH", "1796560496", 1);  // 6 December 2026, 12:34:56 UTC
  }
  void TearDown() override {
    unsetenv("SOURCE_DATE_EPOCH");
    set_device_maker({});
    free_global_state();
  }
};

TEST_F(Picture3d, PostScriptMatchesTheReference) {
  const fs::path dir = test::fresh_folder("picture3d");
  const fs::path ps = dir / "picture.ps";
  test::ProgramPicture picture(2001);
  picture.sphere_scale = 10;  // big enough for their colours to be checked

  setfil(ps.string());
  metafl("PS");
  ::testing::internal::CaptureStdout();
  disini();
  picture.settings();
  picture.frame(2001);
  PlotState& s = *qqgglb();
  EXPECT_EQ(s.core.nwarn, 0);
  const PagePoint sun = qqrel3(s, -1, 0, 0);
  const PagePoint planet = qqrel3(s, 0, 0, 0);
  disfin();
  ::testing::internal::GetCapturedStdout();

  const fs::path ppm = dir / "picture.ppm";
  ASSERT_EQ(run("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r72 -o " + ppm.string() + " " +
                ps.string()),
            0);
  const Image got = read_ppm(ppm);
  ASSERT_EQ(got.width, 595);
  ASSERT_EQ(got.height, 842);

  // The landscape page lies turned on the sheet: page x runs up the sheet and
  // page y to the right. The page border gives the mapping.
  int left = got.width, right = -1, top = got.height, bottom = -1;
  for (int y = 0; y < got.height; ++y) {
    for (int x = 0; x < got.width; ++x) {
      if (got.is(x, y, 0, 0, 0)) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  ASSERT_LT(left, right);
  auto pixel_of = [&](const PagePoint& p) {
    const int col = static_cast<int>(left + p.y / 2099.0 * (right - left) + 0.5);
    const int row = static_cast<int>(bottom - p.x / 2969.0 * (bottom - top) + 0.5);
    return std::pair<int, int>(col, row);
  };
  const auto [sx, sy] = pixel_of(sun);
  const auto [px, py] = pixel_of(planet);
  // The planet is the focus, at the line of sight's page point (moved towards the
  // middle of the drawing region where the box and labels needed it).
  EXPECT_NEAR(planet.x, s.axis3d.xcen3, 0.01);
  EXPECT_NEAR(planet.y, s.axis3d.ycen3, 0.01);
  EXPECT_TRUE(got.is(sx, sy, 255, 255, 0)) << sx << "," << sy;
  EXPECT_TRUE(got.is(px, py, 255, 0, 0)) << px << "," << py;
  EXPECT_TRUE(got.is(left + 5, top + 5, 255, 255, 255));  // paper inside the border corner

  const fs::path reference = fs::path(SKYTRAK_SOURCE_DIR) / "tests/app/data/picture3d.png";
  if (std::getenv("SKYTRAK_UPDATE_REFERENCE") != nullptr) {
    ASSERT_EQ(run("convert " + ppm.string() + " " + reference.string()), 0);
    GTEST_SKIP() << "reference rewritten: " << reference;
  }
  const fs::path ref_ppm = dir / "reference.ppm";
  ASSERT_EQ(run("convert " + reference.string() + " " + ref_ppm.string()), 0);
  const Image want = read_ppm(ref_ppm);
  ASSERT_EQ(want.width, got.width);
  ASSERT_EQ(want.height, got.height);
  int differing = 0;
  for (size_t i = 0; i < got.rgb.size(); i += 3) {
    int worst = 0;
    for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(got.rgb[i + c] - want.rgb[i + c]));
    if (worst > 48) ++differing;
  }
  // A few pixels may move with rounding; a moved label or a lost sphere would not fit.
  EXPECT_LE(differing, 40) << "pixels differing from the reference";
  fs::remove_all(dir);
}

}  // namespace
}  // namespace plotix

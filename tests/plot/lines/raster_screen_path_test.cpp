// From disini to the picture: the BMP file and the memory canvas through the real
// raster device, and a screen plot without a display that returns at disfin.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "plot/core/global_state.h"
#include "plot/plotix.h"
#include "plot/plot_fixture.h"
#include "devices/raster_test_support.h"
#include "test_support/temp_dir.h"

namespace {

// The colour-table index stored at (x, y) of an 8-bit BMP of the given size.
int bmp_index(const std::vector<std::uint8_t>& bmp, int width, int height, int x, int y) {
  const int row_size = (width + 3) / 4 * 4;
  return bmp.at(1078 + static_cast<std::size_t>(height - 1 - y) * row_size + x);
}

class RasterScreenPath : public plotix::test::RealDeviceTest {
 protected:

  // A plot of the page border in magenta, the protocol on stdout swallowed.
  void plot_border() {
    testing::internal::CaptureStdout();
    plotix::disini();
    plotix::color("MAGENTA");
    plotix::pagera();
    plotix::disfin();
    testing::internal::GetCapturedStdout();
  }
};

TEST_F(RasterScreenPath, BmpFromDisiniToTheFile) {
  const test_support::TempDir folder;
  const std::string dir = folder.path().string();
  const std::string name = dir + "/border.bmp";
  plotix::setfil(name);
  plotix::metafl("BMP");
  plotix::winsiz(1600, 1200);
  plot_border();
  ASSERT_TRUE(std::filesystem::exists(name));
  EXPECT_EQ(raster_test::run_command("identify -format '%m %wx%h %z %[type]' " + name), "BMP3 1600x1200 8 Palette");

  const std::vector<std::uint8_t> bmp = raster_test::read_file(name);
  ASSERT_EQ(bmp.size(), 1921078u);
  // The page of 2969 x 2099 plot units scaled by min(1599/2969, 1199/2099): its
  // border runs along x = 0, x = 1599, y = 0 and y = int(2099 * 1599/2969 + 0.5) = 1130.
  const int border = bmp_index(bmp, 1600, 1200, 800, 0);
  EXPECT_NE(border, 0);
  EXPECT_EQ(bmp_index(bmp, 1600, 1200, 0, 500), border);
  EXPECT_EQ(bmp_index(bmp, 1600, 1200, 1599, 500), border);
  EXPECT_EQ(bmp_index(bmp, 1600, 1200, 800, 1130), border);
  EXPECT_EQ(bmp_index(bmp, 1600, 1200, 800, 1131), 0);
  EXPECT_EQ(bmp_index(bmp, 1600, 1200, 800, 500), 0);
  // Index 0 of the table is black: the background.
  EXPECT_EQ(bmp[54] + bmp[55] + bmp[56], 0);

  // The same name again: a version name, the first picture kept.
  plot_border();
  EXPECT_TRUE(std::filesystem::exists(dir + "/border_1.bmp"));
  EXPECT_EQ(std::filesystem::file_size(name), 1921078u);
}

TEST_F(RasterScreenPath, MemoryCanvasWritesNothing) {
  // In a folder of its own, so that files of other tests running beside it don't count.
  const test_support::TempDir folder;
  const auto home = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  plotix::metafl("VIRT");
  plot_border();
  EXPECT_TRUE(std::filesystem::is_empty("."));
  std::filesystem::current_path(home);
}

TEST_F(RasterScreenPath, ScreenWithoutDisplayReturnsAtDisfin) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  plotix::metafl("CONS");
  plotix::winsiz(800, 600);
  testing::internal::CaptureStderr();
  plot_border();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("cannot be shown"), std::string::npos) << err;
  EXPECT_NE(err.find("save answers still work"), std::string::npos) << err;
}

}  // namespace

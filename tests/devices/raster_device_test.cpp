// Tests of the raster device: opening, drawing through the device calls, the BMP
// file written at close, the memory-only canvas, and file errors reported.
#include "devices/raster_device.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "devices/le_bytes.h"
#include "raster_test_support.h"

namespace {

using devices::DeviceOpenParams;
using devices::RasterDevice;

DeviceOpenParams bmp_params(const std::string& file) {
  DeviceOpenParams p;
  p.idev = devices::kFormatBmp;
  p.file_name = file;
  p.window_mode = 2;
  p.width = 1600;
  p.height = 1200;
  return p;
}

TEST(RasterDevice, DrawsThroughTheInterfaceAndWritesTheBmpAtClose) {
  const std::string dir = raster_test::fresh_folder("device_bmp").string();
  RasterDevice device;
  const auto opened = device.open(bmp_params(dir + "/plot.bmp"));
  ASSERT_EQ(opened.status, 0);
  EXPECT_EQ(opened.colour_depth, 8);
  const auto table = raster_test::sample_rainbow();
  device.load_colour_table(1, table.data());
  device.set_colour_value(0x010000FF);
  device.move_draw(10, 10, devices::kMove);
  device.move_draw(13, 11, devices::kDraw);
  device.move_draw(100, 100, devices::kMove);  // a move alone sets nothing
  const double xs[3] = {200, 260, 230}, ys[3] = {50, 50, 50};
  device.fill_triangle(xs, ys, 96, 0, 255, 255);
  device.move_draw(300, 300, devices::kMove);
  device.move_draw(300, 302, devices::kDraw);  // still red after the fill
  const auto& canvas = device.canvas();
  EXPECT_EQ(raster_test::index_at(canvas, 11, 10), 254);
  EXPECT_EQ(raster_test::index_at(canvas, 12, 11), 254);
  EXPECT_EQ(raster_test::index_at(canvas, 100, 100), 0);
  EXPECT_EQ(raster_test::index_at(canvas, 245, 50), 96);
  EXPECT_EQ(raster_test::index_at(canvas, 300, 301), 254);
  EXPECT_EQ(raster_test::set_pixels(canvas).size(), 4u + 61u + 3u);
  ASSERT_EQ(device.close(), 0);

  const auto bytes = raster_test::read_file(dir + "/plot.bmp");
  ASSERT_EQ(bytes.size(), 1921078u);
  // (12, 11) sits in stored row 1199 - 11 = 1188.
  EXPECT_EQ(bytes[1078 + 1188 * 1600 + 12], 254);
  EXPECT_EQ(bytes[1078], 0);
  EXPECT_EQ(devices::get_u32le(bytes.data() + 54), 0u);  // index 0 is black
}

TEST(RasterDevice, DefaultSizeTrueColourAndMemoryCanvas) {
  RasterDevice device;
  DeviceOpenParams p;
  p.idev = devices::kFormatMemoryCanvas;
  p.true_colour = true;
  p.background_mode = devices::Background::light;
  const auto opened = device.open(p);
  ASSERT_EQ(opened.status, 0);
  EXPECT_EQ(opened.colour_depth, 24);
  EXPECT_EQ(device.canvas().width(), 853);
  EXPECT_EQ(device.canvas().height(), 603);
  EXPECT_EQ(raster_test::rgb_at(device.canvas(), 852, 602), 0xFFFFFF);
  device.fill_rectangle(1, 1, 2, 3, 0x0100FF00, 0, 255, 0);
  EXPECT_EQ(raster_test::rgb_at(device.canvas(), 2, 3), 0x00FF00);
  device.erase();
  EXPECT_EQ(raster_test::rgb_at(device.canvas(), 2, 3), 0xFFFFFF);
  EXPECT_EQ(device.close(), 0);
  EXPECT_FALSE(device.canvas().is_open());
}

TEST(RasterDevice, FileAndMemoryErrorsAreReported) {
  RasterDevice unopened;
  const auto result = unopened.open(bmp_params("no_such_folder/x/plot.bmp"));
  EXPECT_EQ(result.status, 36);
  EXPECT_NE(unopened.error().find("plot.bmp"), std::string::npos);

  const std::string dir = raster_test::fresh_folder("device_no_memory").string();
  RasterDevice too_big;
  auto p = bmp_params(dir + "/huge.bmp");
  p.width = 1 << 20;
  p.height = 1 << 20;
  EXPECT_EQ(too_big.open(p).status, 53);
  EXPECT_FALSE(std::filesystem::exists(dir + "/huge.bmp"));

  // A full disk: the picture cannot be written completely, and close says so.
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  RasterDevice full;
  ASSERT_EQ(full.open(bmp_params("/dev/full")).status, 0);
  EXPECT_EQ(full.close(), 36);
  EXPECT_NE(full.error().find("No space left"), std::string::npos);
}

}  // namespace

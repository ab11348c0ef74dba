// Tests of the screen device without a display: one message, the plot drawn
// off-screen through the line batching, and close returning at once.
#include "devices/screen_device.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

#include "raster_test_support.h"

namespace {

using devices::DeviceOpenParams;
using devices::ScreenDevice;

DeviceOpenParams screen_params() {
  DeviceOpenParams p;
  p.idev = devices::kFormatScreen;
  p.window_mode = 2;
  p.width = 800;
  p.height = 600;
  return p;
}

int count_lines_with(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// Opens without a display under the given video driver and display settings; returns
// the device's notice as a line. The device itself prints nothing.
std::string open_without_display(ScreenDevice& device, const char* driver, const char* display) {
  setenv("SDL_VIDEODRIVER", driver, 1);
  if (display != nullptr) {
    setenv("DISPLAY", display, 1);
  } else {
    unsetenv("DISPLAY");
  }
  testing::internal::CaptureStderr();
  const auto opened = device.open(screen_params());
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(opened.status, 0);
  EXPECT_EQ(opened.area_width, 800);
  EXPECT_EQ(opened.area_height, 600);
  EXPECT_EQ(opened.colour_depth, 24);
  EXPECT_FALSE(device.has_window());
  EXPECT_EQ(err, "");
  return device.notice() + "\n";
}

TEST(ScreenDeviceNoDisplay, SaysSoOnceAndDrawsOffScreen) {
  for (const auto& [driver, display] :
       {std::pair<const char*, const char*>{"dummy", nullptr}, {"offscreen", nullptr},
        {"x11", ":97"}}) {
    SCOPED_TRACE(driver);
    ScreenDevice device;
    const std::string err = open_without_display(device, driver, display);
    EXPECT_EQ(count_lines_with(err, "cannot be shown"), 1) << err;
    EXPECT_EQ(count_lines_with(err, "save answers still work"), 1) << err;
    EXPECT_EQ(count_lines_with(err, "\n"), 1) << err;

    const auto table = raster_test::sample_rainbow();
    device.load_colour_table(1, table.data());
    device.set_colour_value(0x01FF00FF);  // magenta: its own r, g, b on a true-colour canvas
    device.move_draw(10, 10, devices::kMove);
    device.move_draw(13, 11, devices::kDraw);
    device.move_draw(13, 11, devices::kDraw);
    device.move_draw(20, 11, devices::kDraw);
    device.move_draw(40, 40, devices::kMove);
    device.move_draw(40, 40, devices::kDraw);  // a single draw to a point sets that pixel
    device.set_colour_value(96);                // flushes the pending line in magenta first
    device.move_draw(100, 100, devices::kMove);
    device.move_draw(100, 150, devices::kDraw);
    device.update();
    const auto& c = device.canvas();
    // Lines on the screen are smooth: the exact line (10, 10)-(13, 11) passes a third
    // of the way from row 10 to row 11 at x = 11 and two thirds at x = 12, so those
    // pixels get 2/3 and 1/3 of magenta (170 and 85 of 255).
    EXPECT_EQ(raster_test::rgb_at(c, 10, 10), 0xFF00FF);
    EXPECT_EQ(raster_test::rgb_at(c, 11, 10), 0xAA00AA);
    EXPECT_EQ(raster_test::rgb_at(c, 11, 11), 0x550055);
    EXPECT_EQ(raster_test::rgb_at(c, 12, 10), 0x550055);
    EXPECT_EQ(raster_test::rgb_at(c, 12, 11), 0xAA00AA);
    EXPECT_EQ(raster_test::rgb_at(c, 20, 11), 0xFF00FF);
    EXPECT_EQ(raster_test::rgb_at(c, 40, 40), 0xFF00FF);
    EXPECT_EQ(raster_test::rgb_at(c, 41, 40), 0x000000);
    EXPECT_EQ(raster_test::rgb_at(c, 100, 150), 0x00FFFF);  // end point of the last line

    const double xs[3] = {200, 260, 230}, ys[3] = {300, 300, 340};
    device.fill_triangle(xs, ys, 0x0100FF00, 0, 255, 0);
    device.fill_rectangle(500, 500, 510, 505, 254, 255, 0, 0);
    device.begin_polygon(4);
    device.polygon_point(600, 100);
    device.polygon_point(650, 100);
    device.polygon_point(650, 140);
    device.polygon_point(600, 140);
    device.end_polygon();
    EXPECT_EQ(raster_test::rgb_at(c, 230, 320), 0x00FF00);
    EXPECT_EQ(raster_test::rgb_at(c, 510, 505), 0xFF0000);
    EXPECT_EQ(raster_test::rgb_at(c, 625, 120), 0x00FFFF);  // polygon in the current colour
    device.erase();
    EXPECT_EQ(raster_test::rgb_at(c, 625, 120), 0x000000);
    EXPECT_EQ(device.close(), 0);  // returns at once: there is nobody to click
  }
}

TEST(ScreenDeviceNoDisplay, LightBackgroundAndDefaultSize) {
  ScreenDevice device;
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  DeviceOpenParams p = screen_params();
  p.window_mode = 0;
  p.background_mode = devices::Background::light;
  testing::internal::CaptureStderr();
  const auto opened = device.open(p);
  testing::internal::GetCapturedStderr();
  ASSERT_EQ(opened.status, 0);
  EXPECT_EQ(opened.area_width, 853);
  EXPECT_EQ(opened.area_height, 603);
  EXPECT_EQ(raster_test::rgb_at(device.canvas(), 0, 0), 0xFFFFFF);
  device.fill_rectangle(0, 0, 9, 9, 0x01000000, 0, 0, 0);
  EXPECT_EQ(raster_test::rgb_at(device.canvas(), 9, 9), 0x000000);
  device.erase();
  EXPECT_EQ(raster_test::rgb_at(device.canvas(), 9, 9), 0xFFFFFF);
  std::array<int, 256> table{};
  table[0] = 0x123456;  // erasing shows colour value 0 of the table now loaded
  device.load_colour_table(1, table.data());
  device.erase();
  EXPECT_EQ(raster_test::rgb_at(device.canvas(), 852, 602), 0x123456);
  EXPECT_EQ(device.close(), 0);
}

}  // namespace

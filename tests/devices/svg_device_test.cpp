// Tests of the SVG writer: xmllint accepts the document, rsvg-convert draws the lines,
// the fill and the rectangle where they were sent, in their colours, on white paper,
// and the page has its size in millimetres.
#include "devices/svg_device.h"

#include <gtest/gtest.h>

#include "raster_test_support.h"

namespace {

using raster_test::run_command;

// A 100 x 80 page (10 x 8 mm) with an asymmetric picture: a red L from (10, 10) down to
// (10, 70) and right to (60, 70), continued in blue up to (60, 40) after a colour change,
// a green triangle in the upper right and a black square in the lower right.
std::string write_picture(const std::string& dir) {
  devices::SvgDevice svg;
  devices::DeviceOpenParams params;
  params.file_name = dir + "/pic.svg";
  params.nxpage = 100;
  params.nypage = 80;
  params.background_mode = devices::Background::light;
  const devices::DeviceOpenResult opened = svg.open(params);
  EXPECT_EQ(opened.status, 0);
  svg.set_colour_rgb(255, 0, 0);
  svg.move_draw(10, 10, devices::kMove);
  svg.move_draw(10, 70, devices::kDraw);
  svg.move_draw(60, 70, devices::kDraw);
  svg.set_colour_rgb(0, 0, 255);
  svg.move_draw(60, 40, devices::kDraw);
  svg.set_colour_rgb(0, 255, 0);
  svg.begin_polygon(3);
  svg.polygon_point(70, 5);
  svg.polygon_point(95, 5);
  svg.polygon_point(95, 30);
  svg.end_polygon();
  svg.fill_rectangle(80, 60, 89, 69, 0, 0, 0, 0);
  EXPECT_EQ(svg.close(), 0);
  return opened.file_name;
}

TEST(SvgDevice, ReadersAcceptItAndDrawEveryElementInPlace) {
  const std::string dir = raster_test::fresh_folder("svg_picture").string();
  const std::string file = write_picture(dir);
  EXPECT_EQ(run_command("xmllint --noout " + file), "");
  const std::string text = run_command("cat " + file);
  EXPECT_NE(text.find("width=\"10.0mm\" height=\"8.0mm\" viewBox=\"0 0 100 80\""), std::string::npos) << text;

  // One pixel per page unit.
  const std::string png = dir + "/pic.png";
  ASSERT_EQ(run_command("rsvg-convert -w 100 -h 80 -b none -o " + png + " " + file), "");
  EXPECT_EQ(run_command("identify -format '%wx%h' " + png), "100x80");
  EXPECT_EQ(raster_test::pixel_colour(png, 10, 40), "#FF0000");  // the stem of the L
  EXPECT_EQ(raster_test::pixel_colour(png, 35, 70), "#FF0000");  // its foot
  EXPECT_EQ(raster_test::pixel_colour(png, 60, 55), "#0000FF");  // the line goes on from the foot in blue
  EXPECT_EQ(raster_test::pixel_colour(png, 60, 20), "#FFFFFF");  // ... up to y 40 only
  EXPECT_EQ(raster_test::pixel_colour(png, 90, 12), "#00FF00");  // inside the triangle
  EXPECT_EQ(raster_test::pixel_colour(png, 75, 25), "#FFFFFF");  // below its diagonal
  EXPECT_EQ(raster_test::pixel_colour(png, 84, 64), "#000000");  // the square
  EXPECT_EQ(raster_test::pixel_colour(png, 30, 30), "#FFFFFF");  // paper
}

TEST(SvgDevice, AnExistingFileGetsAVersionName) {
  const std::string dir = raster_test::fresh_folder("svg_version").string();
  const std::string first = write_picture(dir);
  const std::string second = write_picture(dir);
  EXPECT_EQ(first, dir + "/pic.svg");
  EXPECT_NE(second, first);
  EXPECT_EQ(run_command("xmllint --noout " + second), "");
}

}  // namespace

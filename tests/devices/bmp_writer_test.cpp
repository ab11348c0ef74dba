// Tests of the BMP writer: header fields at their offsets, row padding, bottom-up
// row order, 8- and 24-bit pixels, and ImageMagick reading the files back.
#include "devices/bmp_writer.h"

#include <gtest/gtest.h>

#include "devices/le_bytes.h"
#include "raster_test_support.h"

namespace {

using devices::get_u16le;
using devices::get_u32le;
using devices::RasterCanvas;
using raster_test::read_file;
using raster_test::pixel_colour;
using raster_test::run_command;

std::vector<std::uint8_t> write_bmp(const RasterCanvas& canvas, const std::string& path) {
  devices::ByteSink sink;
  EXPECT_TRUE(sink.open(path));
  EXPECT_EQ(devices::write_bmp(canvas, sink), 0);
  EXPECT_TRUE(sink.close());
  return read_file(path);
}

RasterCanvas rainbow_canvas(int w, int h, bool true_colour) {
  RasterCanvas c;
  EXPECT_EQ(c.open(w, h, true, 2, devices::Background::dark, true_colour), 0);
  const auto table = raster_test::sample_rainbow();
  c.load_colour_table(1, table.data());
  return c;
}

// The same asymmetric "F" on any canvas: a red stem and top bar, a cyan middle
// bar (rainbow index 96), so a flip in either direction or a swap of red and blue shows.
void draw_f(RasterCanvas& c) {
  c.fill_rectangle(10, 5, 14, 44, 0x010000FF);   // stem, red
  c.fill_rectangle(15, 5, 34, 9, 0x010000FF);    // top bar, red
  c.fill_rectangle(15, 22, 27, 26, 96);          // middle bar, cyan
}

TEST(BmpWriter, IndexCanvasHeaderFieldsAndSize) {
  const std::string dir = raster_test::fresh_folder("index_header").string();
  RasterCanvas c = rainbow_canvas(1600, 1200, false);
  draw_f(c);  // a picture of a few colours, so the reader sees a palette image
  const auto bytes = write_bmp(c, dir + "/big.bmp");
  ASSERT_EQ(bytes.size(), 1921078u);  // 1600 x 1200 + 1024 + 54
  const std::uint8_t* b = bytes.data();
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(get_u32le(b + 2), 1921078u);
  EXPECT_EQ(get_u32le(b + 6), 0u);
  EXPECT_EQ(get_u32le(b + 10), 1078u);
  EXPECT_EQ(get_u32le(b + 14), 40u);
  EXPECT_EQ(get_u32le(b + 18), 1600u);
  EXPECT_EQ(get_u32le(b + 22), 1200u);
  EXPECT_EQ(get_u16le(b + 26), 1u);
  EXPECT_EQ(get_u16le(b + 28), 8u);
  EXPECT_EQ(get_u32le(b + 30), 0u);
  EXPECT_EQ(get_u32le(b + 34), 1920000u);
  // Square pixels, and the picture prints as large as fits A4 landscape, 297 x 210 mm.
  EXPECT_EQ(get_u32le(b + 38), get_u32le(b + 42));
  const double width_mm = 1600.0 * 1000.0 / get_u32le(b + 38);
  const double height_mm = 1200.0 * 1000.0 / get_u32le(b + 42);
  EXPECT_LE(width_mm, 297.0);
  EXPECT_LE(height_mm, 210.0);
  EXPECT_GT(height_mm, 209.9);
  EXPECT_EQ(get_u32le(b + 46), 256u);
  EXPECT_EQ(get_u32le(b + 50), 256u);
  // Colour table: blue, green, red, 0; entry 16 of the rainbow is 0x2900BE.
  EXPECT_EQ(get_u32le(b + 54), 0u);  // entry 0, black: the background
  EXPECT_EQ(get_u32le(b + 54 + 4 * 16), 0x002900BEu);
  EXPECT_EQ(get_u32le(b + 54 + 4 * 255), 0x00FFFFFFu);
  EXPECT_EQ(b[1078], 0);  // background pixels are index 0
  EXPECT_EQ(b[1078 + (1199 - 44) * 1600 + 10], 254);  // foot of the stem: red

  EXPECT_EQ(run_command("identify -format '%m %wx%h %z %[type]' " + dir + "/big.bmp"),
            "BMP3 1600x1200 8 Palette");
}

TEST(BmpWriter, RowsArePaddedAndStoredBottomUp) {
  const std::string dir = raster_test::fresh_folder("padding").string();
  RasterCanvas c = rainbow_canvas(1601, 3, false);
  c.set_colour(5);
  c.draw_line(0, 0, 1600, 0);  // top row
  c.set_colour(9);
  c.draw_line(1600, 2, 1600, 2);  // last pixel of the bottom row
  const auto bytes = write_bmp(c, dir + "/wide.bmp");
  ASSERT_EQ(bytes.size(), 1604u * 3 + 1078u);
  EXPECT_EQ(get_u32le(bytes.data() + 34), 1604u * 3);
  const std::uint8_t* bottom = bytes.data() + 1078;
  const std::uint8_t* top = bottom + 2 * 1604;
  EXPECT_EQ(bottom[1600], 9);
  EXPECT_EQ(bottom[0], 0);
  EXPECT_EQ(top[0], 5);
  EXPECT_EQ(top[1600], 5);
  for (const std::uint8_t* row : {bottom, bottom + 1604, top}) {
    EXPECT_EQ(row[1601], 0);
    EXPECT_EQ(row[1602], 0);
    EXPECT_EQ(row[1603], 0);
  }
}

TEST(BmpWriter, TrueColourIsWrittenBlueGreenRed) {
  const std::string dir = raster_test::fresh_folder("true_colour").string();
  RasterCanvas c = rainbow_canvas(3, 2, true);
  c.set_colour(0x01332211);  // r 0x11, g 0x22, b 0x33
  c.draw_line(0, 0, 0, 0);
  c.set_colour(0x01FFEEDD);
  c.draw_line(2, 1, 2, 1);
  const auto bytes = write_bmp(c, dir + "/rgb.bmp");
  ASSERT_EQ(bytes.size(), 54u + 2 * 12);  // 9 bytes a row, padded to 12
  EXPECT_EQ(get_u32le(bytes.data() + 2), 78u);
  EXPECT_EQ(get_u32le(bytes.data() + 10), 54u);
  EXPECT_EQ(get_u16le(bytes.data() + 28), 24u);
  EXPECT_EQ(get_u32le(bytes.data() + 46), 0u);
  const std::vector<int> rows(bytes.begin() + 54, bytes.end());
  EXPECT_EQ(rows, (std::vector<int>{0, 0, 0, 0, 0, 0, 0xFF, 0xEE, 0xDD, 0, 0, 0,  // bottom
                                    0x33, 0x22, 0x11, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(BmpWriter, AsymmetricPictureReadsBackUnflipped) {
  const std::string dir = raster_test::fresh_folder("letter_f").string();
  for (bool true_colour : {false, true}) {
    RasterCanvas c = rainbow_canvas(48, 50, true_colour);
    draw_f(c);
    const std::string file = dir + (true_colour ? "/f24.bmp" : "/f8.bmp");
    write_bmp(c, file);
    SCOPED_TRACE(file);
    EXPECT_EQ(pixel_colour(file, 12, 40), "#FF0000");  // bottom of the stem
    EXPECT_EQ(pixel_colour(file, 32, 7), "#FF0000");   // right end of the top bar
    EXPECT_EQ(pixel_colour(file, 32, 40), "#000000");  // no bar at the bottom right
    EXPECT_EQ(pixel_colour(file, 5, 7), "#000000");    // nothing left of the stem
    EXPECT_EQ(pixel_colour(file, 25, 24), "#00FFFF");  // middle bar
    EXPECT_EQ(pixel_colour(file, 30, 24), "#000000");  // which is shorter than the top bar
  }
}

}  // namespace

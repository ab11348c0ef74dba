// Tests of the PNG writer: ImageMagick reads every pixel back as the canvas holds it,
// pngcheck accepts the file and finds the print resolution and the text chunks.
#include "devices/png_writer.h"

#include <gtest/gtest.h>

#include "raster_test_support.h"

namespace {

using devices::RasterCanvas;
using raster_test::run_command;

// An asymmetric picture in colours whose channels all differ, so that a flip, a shift
// by a pixel or a swap of channels shows: a stem and a top bar, a middle bar, a
// diagonal line.
RasterCanvas letter_f(int w, int h) {
  RasterCanvas c;
  EXPECT_EQ(c.open(w, h, true, 2, devices::Background::dark, true), 0);
  c.fill_rectangle(10, 5, 14, 44, 0x01332211);
  c.fill_rectangle(15, 5, 34, 9, 0x01332211);
  c.fill_rectangle(15, 22, 27, 26, 0x01FF00FF);  // magenta
  c.set_colour(0x0100C0FF);
  c.draw_line(0, h - 1, w - 1, 0);
  return c;
}

void write(const RasterCanvas& c, const devices::PngText& text, const std::string& path, bool quick = false) {
  devices::ByteSink sink;
  ASSERT_TRUE(sink.open(path));
  ASSERT_EQ(devices::write_png(c, text, sink, quick), 0);
  ASSERT_TRUE(sink.close());
}

// Both ways of packing: libpng's choice of filter per row, and the quick one.
TEST(PngWriter, EveryPixelReadsBackThroughImageMagick) {
  for (const bool quick : {false, true}) {
    const std::string dir = raster_test::fresh_folder("png_pixels").string();
    const RasterCanvas c = letter_f(47, 50);  // an odd width: no row padding hides a slip
    write(c, {"PLOTIX", ""}, dir + "/f.png", quick);
    ASSERT_EQ(std::system(("convert " + dir + "/f.png -depth 8 " + dir + "/f.ppm").c_str()), 0);
    const auto ppm = raster_test::read_file(dir + "/f.ppm");
    const std::string header = "P6\n47 50\n255\n";
    ASSERT_EQ(ppm.size(), header.size() + 47u * 50u * 3u);
    ASSERT_EQ(std::string(ppm.begin(), ppm.begin() + static_cast<long>(header.size())), header);
    int mismatches = 0;
    for (int y = 0; y < 50; ++y) {
      for (int x = 0; x < 47; ++x) {
        const std::uint8_t* p = ppm.data() + header.size() + 3u * (47u * y + x);
        if (((p[0] << 16) | (p[1] << 8) | p[2]) != raster_test::rgb_at(c, x, y)) ++mismatches;
      }
    }
    EXPECT_EQ(mismatches, 0) << (quick ? "quick" : "small");
    EXPECT_EQ(raster_test::rgb_at(c, 12, 40), 0x112233);  // the picture is not empty
    EXPECT_EQ(raster_test::rgb_at(c, 20, 24), 0xFF00FF);
  }
}

TEST(PngWriter, PngcheckFindsResolutionForA4LandscapeAndTheTexts) {
  const std::string dir = raster_test::fresh_folder("png_chunks").string();
  write(letter_f(1600, 1200), {"PLOTIX", devices::png_creation_time("14.11.2023", "22:13:20")},
        dir + "/big.png");
  const std::string check = run_command("pngcheck -vt " + dir + "/big.png");
  EXPECT_NE(check.find("1600 x 1200 image, 24-bit RGB, non-interlaced"), std::string::npos) << check;
  EXPECT_NE(check.find("No errors detected"), std::string::npos) << check;
  EXPECT_NE(check.find("keyword: Software\n    PLOTIX\n"), std::string::npos) << check;
  EXPECT_NE(check.find("keyword: Creation Time\n    2023-11-14T22:13:20\n"), std::string::npos) << check;
  // The printed size: as large as fits 297 x 210 mm, square pixels.
  int x_res = 0, y_res = 0;
  const auto at = check.find("chunk pHYs");
  ASSERT_NE(at, std::string::npos) << check;
  ASSERT_EQ(std::sscanf(check.c_str() + at, "chunk pHYs at offset %*x, length 9: %dx%d pixels/meter",
                        &x_res, &y_res), 2) << check;
  EXPECT_EQ(x_res, y_res);
  EXPECT_LE(1600.0 * 1000.0 / x_res, 297.0);
  EXPECT_LE(1200.0 * 1000.0 / y_res, 210.0);
  EXPECT_GT(1200.0 * 1000.0 / y_res, 209.9);
}

TEST(PngWriter, CreationTimeFromTheLibraryDateOrNoneWhenMalformed) {
  EXPECT_EQ(devices::png_creation_time("01.02.2003", "04:05:06"), "2003-02-01T04:05:06");
  EXPECT_EQ(devices::png_creation_time("1.2.2003", "04:05"), "");
  EXPECT_EQ(devices::png_creation_time("", "04:05:06"), "");
}

}  // namespace

// RasterCanvas: an image in memory that the raster formats (BMP, the memory-only
// canvas) and the screen window draw into: one colour-table index or four bytes
// r, g, b, a per pixel, rows top to bottom without padding.
#pragma once

#include <cstdint>
#include <vector>

#include "devices/background.h"
namespace devices {

// Colour-table numbers that change how many table entries count (setvlt numbering).
inline constexpr int kTableSmall = 0;  // SMAL: 9 entries
inline constexpr int kTableVga = 7;    // VGA: 16 entries

// Image size used when the caller asked for no particular size.
inline constexpr int kDefaultLongSide = 853;
inline constexpr int kDefaultShortSide = 603;

class RasterCanvas {
 public:
  // Opens the canvas. window_mode 0 picks the default size (853 x 603 for a landscape
  // page, 603 x 853 otherwise); any other mode takes width x height. A true-colour
  // canvas with a light background starts white. Returns kStatusOk, or kStatusNoMemory
  // when the pixels cannot be allocated (or the size is not a usable image size).
  int open(int width, int height, bool landscape, int window_mode, Background background_mode,
           bool true_colour);

  // Line in the current colour, both end points included; smooth when anti-aliasing is on.
  void draw_line(int x1, int y1, int x2, int y2);
  // Anti-aliased lines (Xiaolin Wu's method) on a true-colour canvas: each step along
  // the longer axis shares the colour between the two pixels the exact line passes
  // between. An index canvas has no colours in between and ignores the switch. Fills
  // are never anti-aliased. Off when the canvas opens.
  void set_antialiased(bool on) { antialiased_ = on && true_colour_; }
  bool antialiased() const { return antialiased_; }
  // Current colour from a colour value (index 0-255, or direct 0x01BBGGRR).
  void set_colour(int value);
  // Nearest entry of the current colour table to r, g, b.
  int nearest_index(int r, int g, int b) const;
  // Loads the palette copy from npal (entries 0xRRGGBB): 9 entries for SMAL,
  // 16 for VGA, 256 for every other table.
  void load_colour_table(int ipaltyp, const int* npal);
  // Fills the inclusive rectangle x1..x2, y1..y2 with a colour value.
  void fill_rectangle(int x1, int y1, int x2, int y2, int value);
  // Fills a triangle with a colour value.
  void fill_triangle(const int xs[3], const int ys[3], int value);
  // Fills a polygon in the current colour (even-odd rule), outline included.
  void fill_polygon(const int* xs, const int* ys, int n);
  // Erases to the background.
  void clear();
  // Copies the block x..x+w-1, y..y+h-1 into buffer row by row, as indices (one
  // byte per pixel) or as r, g, b (three bytes). False when the block leaves the canvas.
  bool read_block(int x, int y, int w, int h, bool rgb, std::uint8_t* buffer) const;
  // Frees the pixels.
  void close();

  int width() const { return width_; }
  int height() const { return height_; }
  bool true_colour() const { return true_colour_; }
  int row_bytes() const { return row_bytes_; }
  bool is_open() const { return !pixels_.empty(); }
  const std::uint8_t* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * row_bytes_; }
  // Palette copy entry i packed 0xRRGGBB.
  int palette_entry(int i) const;
  // Current colour: its table index (index canvas) and its r, g, b.
  int colour_index() const { return colour_index_; }
  int colour_red() const { return colour_[0]; }
  int colour_green() const { return colour_[1]; }
  int colour_blue() const { return colour_[2]; }

 private:
  struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
  };

  std::uint8_t* pixel_address(int x, int y) {
    return pixels_.data() + static_cast<std::size_t>(y) * row_bytes_ +
           static_cast<std::size_t>(x) * bytes_per_pixel();
  }
  int bytes_per_pixel() const { return true_colour_ ? 4 : 1; }
  bool inside(int x, int y) const {
    return x >= clip_x1_ && x <= clip_x2_ && y >= clip_y1_ && y <= clip_y2_;
  }
  void put_pixel(std::uint8_t* p) const;
  void set_pixel_clipped(int x, int y);
  // Mixes the current colour into pixel (x, y) with weight/255 of it, clipped.
  void blend_pixel(int x, int y, int weight);
  void draw_smooth_line(int x1, int y1, int x2, int y2);
  // The one-colour line (also the outline of every fill).
  void draw_plain_line(int x1, int y1, int x2, int y2);
  // Sets pixels x1..x2 (x1 <= x2) of row y, clipped to the clip rectangle.
  void fill_span(int y, int x1, int x2);
  void walk_rows(int y_from, int y_to, double& left, double left_step, double& right,
                 double right_step);
  // Colour of a colour value as r, g, b and the index an index canvas stores.
  void resolve_colour(int value, Rgb& rgb, int& index) const;
  void save_colour(int& index, Rgb& rgb) const;
  void restore_colour(int index, const Rgb& rgb);

  int width_ = 0;
  int height_ = 0;
  bool true_colour_ = false;
  bool antialiased_ = false;
  int row_bytes_ = 0;
  Background background_mode_ = Background::dark;
  std::vector<std::uint8_t> pixels_;
  int clip_x1_ = 0, clip_y1_ = 0, clip_x2_ = -1, clip_y2_ = -1;
  int table_number_ = 1;
  Rgb palette_[256];
  int colour_index_ = 0;
  std::uint8_t colour_[4] = {0, 0, 0, 255};  // r, g, b, alpha of drawn pixels
};

}  // namespace devices

// Helpers for the raster and BMP tests: a rainbow table built from the sample rows
// the library's default table passes through, pixel queries on a canvas, and
// running an outside tool to read back what we wrote.
#pragma once

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "devices/raster_canvas.h"
#include "test_support/temp_dir.h"

namespace raster_test {

// Table 1 (rainbow): 0 black, 255 white, and between them straight lines through
// the published sample rows. Any table through these rows gives the same answers
// in the tests that use it.
inline std::array<int, 256> sample_rainbow() {
  const int rows[][2] = {{1, 0x220044},   {16, 0x2900BE},  {32, 0x0008FF},  {48, 0x0044FF},
                         {64, 0x0084FF},  {80, 0x00C0FF},  {96, 0x00FFFF},  {112, 0x00FFBF},
                         {128, 0x00FF52}, {144, 0x33FF00}, {160, 0x7BFF00}, {176, 0xBFFF00},
                         {192, 0xFFFF00}, {208, 0xFFBB00}, {224, 0xFF7B00}, {240, 0xFF3A00},
                         {254, 0xFF0000}};
  std::array<int, 256> table{};
  table[255] = 0xFFFFFF;
  for (std::size_t k = 0; k + 1 < std::size(rows); ++k) {
    const int i0 = rows[k][0], i1 = rows[k + 1][0];
    for (int i = i0; i <= i1; ++i) {
      int packed = 0;
      for (int shift : {16, 8, 0}) {
        const int c0 = (rows[k][1] >> shift) & 0xFF, c1 = (rows[k + 1][1] >> shift) & 0xFF;
        packed |= (c0 + (c1 - c0) * (i - i0) / (i1 - i0)) << shift;
      }
      table[i] = packed;
    }
  }
  return table;
}

// The index stored at (x, y) of an index canvas.
inline int index_at(const devices::RasterCanvas& c, int x, int y) { return c.row(y)[x]; }

// r, g, b of (x, y) of a true-colour canvas packed 0xRRGGBB.
inline int rgb_at(const devices::RasterCanvas& c, int x, int y) {
  const std::uint8_t* p = c.row(y) + 4 * x;
  return (p[0] << 16) | (p[1] << 8) | p[2];
}

// Every (x, y) of an index canvas whose byte differs from the background 0.
inline std::vector<std::pair<int, int>> set_pixels(const devices::RasterCanvas& c) {
  std::vector<std::pair<int, int>> out;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      if (index_at(c, x, y) != 0) out.emplace_back(x, y);
  return out;
}

inline std::string run_command(const std::string& command) {
  std::string out;
  if (std::FILE* p = popen((command + " 2>&1").c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, n);
    pclose(p);
  }
  return out;
}

// The colour of pixel (x, y) of an image file as ImageMagick reads it, "#RRGGBB".
inline std::string pixel_colour(const std::string& file, int x, int y) {
  const std::string out = run_command("convert " + file + " -crop 1x1+" + std::to_string(x) + "+" +
                                      std::to_string(y) + " +repage -depth 8 txt:- | tail -1");
  const auto hash = out.find('#');
  return hash == std::string::npos ? out : out.substr(hash, 7);
}

inline std::vector<std::uint8_t> read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using test_support::fresh_folder;

}  // namespace raster_test

// Tests of the raster canvas: sizes, the line stepping rule, colour selection,
// rectangle, triangle and polygon fills, erasing and reading pixels back.
#include "devices/raster_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <set>

#include "raster_test_support.h"

namespace {

using devices::RasterCanvas;
using raster_test::index_at;
using raster_test::rgb_at;
using raster_test::set_pixels;
using PixelSet = std::set<std::pair<int, int>>;

PixelSet as_set(const std::vector<std::pair<int, int>>& v) { return {v.begin(), v.end()}; }

// An index canvas of w x h with the sample rainbow table, drawing in index 7.
RasterCanvas index_canvas(int w, int h) {
  RasterCanvas c;
  EXPECT_EQ(c.open(w, h, true, 2, devices::Background::dark, false), 0);
  const auto table = raster_test::sample_rainbow();
  c.load_colour_table(1, table.data());
  c.set_colour(7);
  return c;
}

TEST(RasterCanvasOpen, SizesRowBytesAndFailures) {
  RasterCanvas c;
  ASSERT_EQ(c.open(100, 100, true, 0, devices::Background::dark, false), 0);
  EXPECT_EQ(c.width(), 853);
  EXPECT_EQ(c.height(), 603);
  EXPECT_EQ(c.row_bytes(), 853);
  ASSERT_EQ(c.open(100, 100, false, 0, devices::Background::dark, true), 0);
  EXPECT_EQ(c.width(), 603);
  EXPECT_EQ(c.height(), 853);
  EXPECT_EQ(c.row_bytes(), 4 * 603);
  ASSERT_EQ(c.open(1600, 1200, true, 2, devices::Background::dark, false), 0);
  EXPECT_EQ(c.width(), 1600);
  EXPECT_EQ(c.height(), 1200);
  EXPECT_EQ(c.row(1) - c.row(0), 1600);  // rows without padding
  EXPECT_EQ(c.open(0, 600, true, 2, devices::Background::dark, false), 53);
  EXPECT_EQ(c.open(1 << 20, 1 << 20, true, 2, devices::Background::dark, true), 53);
  EXPECT_FALSE(c.is_open());
}

TEST(RasterCanvasLine, StepsByTheRuleAndSetsBothEnds) {
  RasterCanvas c = index_canvas(40, 30);
  c.draw_line(10, 10, 13, 11);
  EXPECT_EQ(as_set(set_pixels(c)), (PixelSet{{10, 10}, {11, 10}, {12, 11}, {13, 11}}));

  c.clear();  // steep: the roles of x and y exchanged
  c.draw_line(10, 10, 11, 13);
  EXPECT_EQ(as_set(set_pixels(c)), (PixelSet{{10, 10}, {10, 11}, {11, 12}, {11, 13}}));

  c.clear();  // drawn the other way round the error term steps from the other end
  c.draw_line(13, 11, 10, 10);
  EXPECT_EQ(as_set(set_pixels(c)), (PixelSet{{13, 11}, {12, 11}, {11, 10}, {10, 10}}));

  c.clear();  // 45 degrees: one pixel per row
  c.draw_line(5, 5, 9, 1);
  EXPECT_EQ(as_set(set_pixels(c)), (PixelSet{{5, 5}, {6, 4}, {7, 3}, {8, 2}, {9, 1}}));

  c.clear();
  c.draw_line(3, 2, 3, 6);
  c.draw_line(20, 4, 16, 4);
  EXPECT_EQ(set_pixels(c).size(), 5u + 5u);
  EXPECT_EQ(index_at(c, 3, 6), 7);
  EXPECT_EQ(index_at(c, 16, 4), 7);

  c.clear();
  c.draw_line(4, 4, 4, 4);
  EXPECT_EQ(as_set(set_pixels(c)), (PixelSet{{4, 4}}));
}

TEST(RasterCanvasLine, LineLeavingTheCanvasKeepsItsInsidePixels) {
  // The stepping does not depend on where the line lies, so the part of a line
  // that leaves the canvas must show the same pixels as the whole line drawn
  // further inside a larger canvas.
  RasterCanvas small = index_canvas(20, 12);
  RasterCanvas large = index_canvas(60, 40);
  small.draw_line(-5, -3, 27, 10);
  small.draw_line(3, 30, 3, -9);
  small.draw_line(-100000, 5, 100000, 6);
  large.draw_line(5, 7, 37, 20);
  large.draw_line(13, 40, 13, 1);
  large.draw_line(-99990, 15, 100010, 16);
  PixelSet expected;
  for (auto [x, y] : set_pixels(large)) {
    if (x - 10 >= 0 && x - 10 < 20 && y - 10 >= 0 && y - 10 < 12) expected.emplace(x - 10, y - 10);
  }
  EXPECT_EQ(as_set(set_pixels(small)), expected);
  EXPECT_FALSE(expected.empty());
}

TEST(RasterCanvasColour, NearestIndexSearchOrderAndTies) {
  RasterCanvas c = index_canvas(4, 4);
  // Magenta is 255 away from both red (254) and white (255); the upward search,
  // taken because blue is nonzero, meets red first.
  c.set_colour(0x01FF00FF);
  EXPECT_EQ(c.colour_index(), 254);
  c.draw_line(0, 0, 0, 0);
  EXPECT_EQ(index_at(c, 0, 0), 254);
  EXPECT_EQ(c.nearest_index(255, 0, 255), 254);
  EXPECT_EQ(c.nearest_index(0, 0, 0), 0);
  EXPECT_EQ(c.nearest_index(255, 255, 255), 255);
  EXPECT_EQ(c.nearest_index(0, 255, 255), 96);   // exact match stops the search
  EXPECT_EQ(c.nearest_index(255, 255, 0), 192);  // blue 0: searched downward, still exact

  std::array<int, 256> table{};
  table.fill(0x808080);
  table[0] = 0x102030;  // neither end black nor white
  table[10] = 0x640000;
  table[20] = 0x640000;
  table[255] = 0x000000;
  c.load_colour_table(1, table.data());
  EXPECT_EQ(c.nearest_index(100, 0, 1), 10);   // tie, searched upward
  EXPECT_EQ(c.nearest_index(100, 0, 0), 20);   // tie, searched downward from 255
  EXPECT_EQ(c.nearest_index(0, 0, 0), 255);    // black: entry 0 is not, entry n is
  EXPECT_EQ(c.nearest_index(255, 255, 255), 1);  // white nowhere at the ends: upward search, first grey

  // SMAL counts 9 entries: white is at index 1, and nothing past 8 is looked at.
  const int small_table[9] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF,
                              0xFFFF00, 0xFF8000, 0x00FFFF, 0xFF00FF};
  c.load_colour_table(devices::kTableSmall, small_table);
  EXPECT_EQ(c.nearest_index(250, 0, 250), 8);
  EXPECT_EQ(c.nearest_index(10, 0, 0), 0);
  EXPECT_EQ(c.palette_entry(9), 0x808080);  // entries past the table keep their value
}

TEST(RasterCanvasColour, IndexValuesWrapAndTrueColourUsesRgb) {
  RasterCanvas c = index_canvas(4, 4);
  c.set_colour(257);
  EXPECT_EQ(c.colour_index(), 1);
  c.set_colour(-1);  // folded into the table, never a negative index
  EXPECT_EQ(c.colour_index(), 255);

  RasterCanvas t;
  ASSERT_EQ(t.open(4, 4, true, 2, devices::Background::dark, true), 0);
  const auto table = raster_test::sample_rainbow();
  t.load_colour_table(1, table.data());
  t.set_colour(0x010080FF);  // orange, stored as it is
  t.draw_line(1, 1, 1, 1);
  EXPECT_EQ(rgb_at(t, 1, 1), 0xFF8000);
  EXPECT_EQ(t.row(1)[4 + 3], 255);  // drawn pixels are opaque
  t.set_colour(96 + 256);
  t.draw_line(2, 2, 2, 2);
  EXPECT_EQ(rgb_at(t, 2, 2), 0x00FFFF);
}

TEST(RasterCanvasFill, RectangleIsInclusiveAndKeepsTheLineColour) {
  RasterCanvas c = index_canvas(30, 20);
  c.fill_rectangle(12, 9, 3, 2, 5);
  EXPECT_EQ(set_pixels(c).size(), 10u * 8u);
  EXPECT_EQ(index_at(c, 3, 2), 5);
  EXPECT_EQ(index_at(c, 12, 9), 5);
  EXPECT_EQ(index_at(c, 13, 9), 0);
  EXPECT_EQ(c.colour_index(), 7);
  c.fill_rectangle(25, 15, 40, 30, 0x0100FF00);  // off the edge: clipped
  EXPECT_EQ(index_at(c, 29, 19), c.nearest_index(0, 255, 0));
}

TEST(RasterCanvasFill, TriangleOnOneRowAndRightTriangle) {
  RasterCanvas c = index_canvas(30, 20);
  const int xs[3] = {5, 2, 9}, ys[3] = {7, 7, 7};
  c.fill_triangle(xs, ys, 3);
  PixelSet row;
  for (int x = 2; x <= 9; ++x) row.emplace(x, 7);
  EXPECT_EQ(as_set(set_pixels(c)), row);
  EXPECT_EQ(c.colour_index(), 7);

  // Legs along the axes: exactly the pixels with x + y <= 10.
  c.clear();
  const int rx[3] = {0, 10, 0}, ry[3] = {0, 0, 10};
  c.fill_triangle(rx, ry, 3);
  PixelSet expected;
  for (int y = 0; y <= 10; ++y)
    for (int x = 0; x + y <= 10; ++x) expected.emplace(x, y);
  EXPECT_EQ(as_set(set_pixels(c)), expected);
}

TEST(RasterCanvasFill, GeneralTrianglesCoverTheirInside) {
  // Covering check independent of the row walk: every pixel centre well inside
  // the triangle is set, and nothing more than a pixel outside it is.
  const int cases[][6] = {{3, 2, 25, 9, 10, 18}, {25, 1, 2, 12, 20, 19}, {14, 0, 28, 19, 1, 19},
                          {1, 1, 28, 1, 14, 18}, {-8, 4, 35, 10, 12, 25}};
  for (const auto& t : cases) {
    RasterCanvas c = index_canvas(30, 20);
    const int xs[3] = {t[0], t[2], t[4]}, ys[3] = {t[1], t[3], t[5]};
    c.fill_triangle(xs, ys, 9);
    auto edge = [&](int i, double px, double py) {
      const int j = (i + 1) % 3;
      const double ex = xs[j] - xs[i], ey = ys[j] - ys[i];
      return (ex * (py - ys[i]) - ey * (px - xs[i])) / std::hypot(ex, ey);
    };
    const double orient = edge(0, xs[2], ys[2]) > 0 ? 1.0 : -1.0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 30; ++x) {
        double distance_inside = 1e9;
        for (int i = 0; i < 3; ++i) distance_inside = std::min(distance_inside, orient * edge(i, x, y));
        if (distance_inside > 0.75) {
          EXPECT_EQ(index_at(c, x, y), 9) << x << "," << y;
        }
        if (distance_inside < -1.0) {
          EXPECT_EQ(index_at(c, x, y), 0) << x << "," << y;
        }
      }
    }
  }
}

TEST(RasterCanvasFill, PolygonFollowsTheEvenOddRule) {
  RasterCanvas c = index_canvas(30, 20);
  // An "L": the notch at the upper right stays empty.
  const int xs[6] = {2, 12, 12, 22, 22, 2}, ys[6] = {2, 2, 10, 10, 18, 18};
  c.set_colour(4);
  c.fill_polygon(xs, ys, 6);
  EXPECT_EQ(index_at(c, 5, 5), 4);
  EXPECT_EQ(index_at(c, 18, 14), 4);
  EXPECT_EQ(index_at(c, 18, 5), 0);
  EXPECT_EQ(index_at(c, 22, 18), 4);  // outline included
  EXPECT_EQ(index_at(c, 23, 14), 0);
  EXPECT_EQ(set_pixels(c).size(), 11u * 17u + 10u * 9u);
}

TEST(RasterCanvasErase, BackgroundAndReadBack) {
  RasterCanvas white;
  ASSERT_EQ(white.open(3, 2, true, 2, devices::Background::light, true), 0);
  const std::uint8_t expected_white[4] = {255, 255, 255, 0};
  EXPECT_EQ(std::memcmp(white.row(1) + 8, expected_white, 4), 0);

  RasterCanvas c = index_canvas(6, 5);
  c.draw_line(1, 2, 4, 2);
  c.clear();
  EXPECT_TRUE(set_pixels(c).empty());
  c.set_colour(96);
  c.draw_line(2, 1, 3, 1);
  std::uint8_t indices[4];
  ASSERT_TRUE(c.read_block(2, 0, 2, 2, false, indices));
  EXPECT_EQ(std::vector<int>(indices, indices + 4), (std::vector<int>{0, 0, 96, 96}));
  std::uint8_t rgb[6];
  ASSERT_TRUE(c.read_block(1, 1, 2, 1, true, rgb));
  EXPECT_EQ(std::vector<int>(rgb, rgb + 6), (std::vector<int>{0, 0, 0, 0, 255, 255}));
  EXPECT_FALSE(c.read_block(5, 0, 2, 1, false, indices));
  EXPECT_FALSE(c.read_block(-1, 0, 1, 1, false, indices));
}

}  // namespace

// The standard stroke alphabet: the packed records given for "X", "A" and "1",
// the well-formedness of every record, the glyph proportions, and a raster of
// every glyph (written to font_sheet.pgm for looking at, kept with
// SKYTRAK_KEEP_TEST_FILES) to catch empty or duplicated glyphs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "plot/text/stroke_font.h"
#include "test_support/temp_dir.h"
#include "plot/text/stroke_font_alphabet1.h"

namespace plotix {
namespace {

constexpr int kFirstCode = 33;
constexpr int kLastGlyph = 133;

struct Point {
  float x;
  float y;
  bool operator==(const Point&) const = default;
};
using Polyline = std::vector<Point>;

std::vector<Polyline> strokes(int code) {
  std::vector<Polyline> lines;
  for_each_point(alphabet1(), code - kFirstCode, [&](float x, float y, bool first) {
    if (first) lines.emplace_back();
    lines.back().push_back({x, y});
  });
  return lines;
}

std::vector<std::int16_t> record(int code) {
  const Alphabet& a = alphabet1();
  const std::size_t start = a.record_start[static_cast<std::size_t>(code - kFirstCode)];
  const auto length = static_cast<std::size_t>(std::max<std::int16_t>(a.j1[start], 1));
  return {a.j1.begin() + static_cast<std::ptrdiff_t>(start),
          a.j1.begin() + static_cast<std::ptrdiff_t>(start + length)};
}

TEST(FontAlphabet1, GivenRecordsAreStoredAndDecodeToTheirStrokes) {
  EXPECT_EQ(record('X'), (std::vector<std::int16_t>{7, -2, 26, 2, -2, 218, 2}));
  EXPECT_EQ(record('A'), (std::vector<std::int16_t>{7, -6, 139, 2, -2, 10, 2050}));
  EXPECT_EQ(record('1'), (std::vector<std::int16_t>{7, -3, 62, 4, -2, 60, 4}));
  const auto& ix1 = alphabet1().ix1;
  EXPECT_EQ(ix1[25], 0x0000);
  EXPECT_EQ(ix1[26], 0x0704);
  EXPECT_EQ(ix1[217], 0x0700);
  EXPECT_EQ(ix1[218], 0x0004);

  EXPECT_EQ(strokes('X'), (std::vector<Polyline>{{{1, 0}, {5, 7}}, {{1, 7}, {5, 0}}}));
  EXPECT_EQ(strokes('A'),
            (std::vector<Polyline>{{{1, 0}, {1, 6}, {2, 7}, {4, 7}, {5, 6}, {5, 0}},
                                   {{1, 4}, {5, 4}}}));
  EXPECT_EQ(strokes('1'),
            (std::vector<Polyline>{{{2, 6}, {3, 7}, {3, 0}}, {{2, 0}, {4, 0}}}));
}

TEST(FontAlphabet1, PackingKeepsSignedBytes) {
  EXPECT_EQ(pt(4, 7), 0x0704);
  EXPECT_EQ(unpack_x(pt(-3, 5)), -3);
  EXPECT_EQ(unpack_y(pt(2, -3)), -3);
  EXPECT_EQ(unpack_x(pt(2, -3)), 2);
  EXPECT_EQ(unpack_y(static_cast<std::int16_t>(0x0802)), 8);
}

TEST(FontAlphabet1, EveryRecordIsWellFormed) {
  const Alphabet& a = alphabet1();
  ASSERT_EQ(a.nchars, 132);
  ASSERT_EQ(a.record_start.size(), 131u);
  std::size_t pos = 0;
  for (int code = kFirstCode; code < kFirstCode + 131; ++code) {
    SCOPED_TRACE("code " + std::to_string(code));
    ASSERT_EQ(a.record_start[static_cast<std::size_t>(code - kFirstCode)], pos);
    const int length = a.j1[pos];
    if (code > kLastGlyph) {
      EXPECT_EQ(length, 0);
      pos += 1;
      continue;
    }
    ASSERT_GE(length, 3);
    const std::size_t end = pos + static_cast<std::size_t>(length);
    ASSERT_LE(end, a.j1.size());
    std::size_t p = pos + 1;
    while (p < end) {
      ASSERT_LE(p + 2, end);
      const int count = a.j1[p];
      const int start = a.j1[p + 1];
      ASSERT_NE(count, 0);
      p += count < 0 ? 3 : 2;
      ASSERT_LE(p, end);
      const int n = std::abs(count);
      EXPECT_GE(n, 2) << "a polyline needs two points";
      EXPECT_GE(start, 1);
      EXPECT_LE(start + n - 1, static_cast<int>(a.ix1.size()));
    }
    EXPECT_EQ(p, end);
    for (const Polyline& line : strokes(code)) {
      for (const Point& q : line) {
        EXPECT_GE(q.x, 1.0f);
        EXPECT_LE(q.x, 5.0f);
        EXPECT_GE(q.y, -3.0f);
        // Only the dots of the capital umlauts (codes 127 to 129) rise above 7.
        EXPECT_LE(q.y, code >= 127 && code <= 129 ? 8.0f : 7.0f);
      }
    }
    pos = end;
  }
  EXPECT_EQ(pos, a.j1.size());
}

TEST(FontAlphabet1, CapitalsAndDigitsAreSevenHighAndDescendersReachMinusThree) {
  auto extent = [](int code) {
    float lo = 99.0f, hi = -99.0f;
    for (const Polyline& line : strokes(code)) {
      for (const Point& q : line) {
        lo = std::min(lo, q.y);
        hi = std::max(hi, q.y);
      }
    }
    return std::pair{lo, hi};
  };
  const std::string tall = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789bdfhklt";
  for (const char c : tall) {
    SCOPED_TRACE(std::string(1, c));
    EXPECT_EQ(extent(c).second, 7.0f);
    if (c >= 'A' && c <= 'Z') {
      EXPECT_EQ(extent(c).first, 0.0f);
    }
  }
  for (const char c : std::string("acemnorsuvwxz")) {
    SCOPED_TRACE(std::string(1, c));
    EXPECT_EQ(extent(c), std::pair(0.0f, 5.0f));
  }
  for (const char c : std::string("gjpqy")) EXPECT_EQ(extent(c).first, -3.0f) << c;
}

// Each glyph drawn into a small bitmap: 8 pixels per font unit, a cell of
// 6 by 12 units (y from -3.5 to 8.5).
constexpr int kScale = 8;
constexpr int kCellW = 6 * kScale + 1;
constexpr int kCellH = 12 * kScale + 1;
using Cell = std::vector<std::uint8_t>;

Cell rasterise(int code) {
  Cell cell(static_cast<std::size_t>(kCellW * kCellH), 0);
  auto plot = [&](float x, float y) {
    const int px = static_cast<int>(x * kScale + 0.5f);
    const int py = static_cast<int>((8.5f - y) * kScale + 0.5f);
    if (px >= 0 && px < kCellW && py >= 0 && py < kCellH) {
      cell[static_cast<std::size_t>(py * kCellW + px)] = 1;
    }
  };
  for (const Polyline& line : strokes(code)) {
    for (std::size_t i = 1; i < line.size(); ++i) {
      const Point a = line[i - 1], b = line[i];
      const int steps = static_cast<int>(std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)) * kScale);
      for (int k = 0; k <= steps; ++k) {
        const float t = steps == 0 ? 0.0f : static_cast<float>(k) / static_cast<float>(steps);
        plot(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y));
      }
    }
  }
  return cell;
}

TEST(FontAlphabet1, EveryGlyphHasInkAndNoTwoGlyphsLookAlike) {
  constexpr int kColumns = 16;
  const int glyphs = kLastGlyph - kFirstCode + 1;
  const int rows = (glyphs + kColumns - 1) / kColumns;
  const int sheet_w = kColumns * (kCellW + kScale);
  const int sheet_h = rows * (kCellH + kScale);
  std::vector<std::uint8_t> sheet(static_cast<std::size_t>(sheet_w * sheet_h), 255);
  std::vector<Cell> cells;
  for (int code = kFirstCode; code <= kLastGlyph; ++code) {
    cells.push_back(rasterise(code));
    const Cell& cell = cells.back();
    EXPECT_GT(std::count(cell.begin(), cell.end(), 1), kScale) << "code " << code;
    const int k = code - kFirstCode;
    const int x0 = (k % kColumns) * (kCellW + kScale);
    const int y0 = (k / kColumns) * (kCellH + kScale);
    for (int y = 0; y < kCellH; ++y) {
      for (int x = 0; x < kCellW; ++x) {
        if (cell[static_cast<std::size_t>(y * kCellW + x)]) {
          sheet[static_cast<std::size_t>((y0 + y) * sheet_w + x0 + x)] = 0;
        }
      }
    }
  }
  for (std::size_t i = 0; i < cells.size(); ++i) {
    for (std::size_t j = i + 1; j < cells.size(); ++j) {
      EXPECT_NE(cells[i], cells[j]) << "codes " << i + kFirstCode << " and " << j + kFirstCode;
    }
  }
  const test_support::TempDir folder;
  std::ofstream out(folder.path("font_sheet.pgm"), std::ios::binary);
  out << "P5\n" << sheet_w << ' ' << sheet_h << "\n255\n";
  out.write(reinterpret_cast<const char*>(sheet.data()), static_cast<std::streamsize>(sheet.size()));
  EXPECT_TRUE(out.good());
}

}  // namespace
}  // namespace plotix

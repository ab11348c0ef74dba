// Stroke-font alphabets in their packed layout, and the walk over the strokes of
// one character record.
//
// Coordinate table (ix1): one point per 16-bit entry, low byte x, high byte y,
// both signed, in font units (x right, y up, baseline 0, cap height 7).
// Character table (j1): one record per character from code 33 on; a record is
// its own length in entries, then per polyline a count n and a 1-based start
// index into ix1; a negative count -n is followed by one entry packing an
// offset (dx, dy) in half font units, added to every point of that polyline.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace plotix {

// Packs a point (or an offset) into one table entry.
constexpr std::int16_t pt(int x, int y) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(((y & 0xFF) << 8) | (x & 0xFF)));
}
constexpr int unpack_x(std::int16_t entry) { return static_cast<std::int8_t>(entry & 0xFF); }
constexpr int unpack_y(std::int16_t entry) {
  return static_cast<std::int8_t>((static_cast<std::uint16_t>(entry) >> 8) & 0xFF);
}

struct Alphabet {
  std::span<const std::int16_t> ix1;            // coordinate table
  std::span<const std::int16_t> j1;             // character records, code 33 first
  std::span<const std::uint16_t> record_start;  // 0-based position in j1 of each record
  int nchars;                                   // characters, the blank (code 32) included
  int design_width;                             // font units; every character advances this much
  int design_height;                            // font units from the baseline to the cap height
};

// Positions of the records of a character table, found by walking their lengths.
// A record of length 0 is one entry long (an empty character).
template <std::size_t N>
constexpr std::array<std::uint16_t, N> index_records(std::span<const std::int16_t> j1) {
  std::array<std::uint16_t, N> start{};
  std::size_t pos = 0;
  for (std::size_t k = 0; k < N; ++k) {
    start[k] = static_cast<std::uint16_t>(pos);
    pos += j1[pos] > 0 ? static_cast<std::size_t>(j1[pos]) : 1;
  }
  return start;
}

// Calls visit(x, y, starts_polyline) for every point of record `record` (0 for
// code 33), in font units with the polyline's offset applied.
template <class Visit>
void for_each_point(const Alphabet& alphabet, int record, Visit&& visit) {
  std::size_t pos = alphabet.record_start[static_cast<std::size_t>(record)];
  const std::size_t end = pos + static_cast<std::size_t>(alphabet.j1[pos]);
  for (++pos; pos < end;) {
    int count = alphabet.j1[pos];
    const std::size_t first = static_cast<std::size_t>(alphabet.j1[pos + 1]) - 1;
    pos += 2;
    float dx = 0.0f, dy = 0.0f;
    if (count < 0) {
      count = -count;
      dx = 0.5f * static_cast<float>(unpack_x(alphabet.j1[pos]));
      dy = 0.5f * static_cast<float>(unpack_y(alphabet.j1[pos]));
      ++pos;
    }
    for (int i = 0; i < count; ++i) {
      const std::int16_t p = alphabet.ix1[first + static_cast<std::size_t>(i)];
      visit(static_cast<float>(unpack_x(p)) + dx, static_cast<float>(unpack_y(p)) + dy, i == 0);
    }
  }
}

}  // namespace plotix

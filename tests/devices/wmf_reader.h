// A structural reader of placeable Windows metafiles, written from the published
// layout: the placeable header (key, box, units per inch, checksum), header fields,
// record sizes, META_EOF last, the largest record and the object-table rules. Outside renderers accept files that break these rules.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace devices::testing {

struct WmfRecord {
  std::size_t offset = 0;            // byte offset in the file
  std::uint32_t size_words = 0;
  std::uint16_t function = 0;
  std::vector<std::uint16_t> params;  // the parameter words
  std::int16_t param(std::size_t i) const { return static_cast<std::int16_t>(params.at(i)); }
};

struct WmfFile {
  // The placeable header: the picture's box in logical units and their number per inch.
  std::int16_t box_left = 0, box_top = 0, box_right = 0, box_bottom = 0;
  std::uint16_t units_per_inch = 0;
  std::uint16_t type = 0;
  std::uint16_t header_size = 0;
  std::uint16_t version = 0;
  std::uint32_t size_words = 0;
  std::uint16_t number_of_objects = 0;
  std::uint32_t max_record = 0;
  std::uint16_t number_of_members = 0;
  std::vector<WmfRecord> records;
  std::vector<std::string> problems;  // every broken rule, in words
  int peak_live_objects = 0;

  int count(std::uint16_t function) const {
    int n = 0;
    for (const auto& r : records) n += r.function == function;
    return n;
  }
};

inline std::uint16_t wmf_u16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    (static_cast<unsigned char>(b[at + 1]) << 8));
}
inline std::uint32_t wmf_u32(const std::string& b, std::size_t at) {
  return wmf_u16(b, at) | (static_cast<std::uint32_t>(wmf_u16(b, at + 2)) << 16);
}

inline WmfFile read_wmf(const std::string& bytes) {
  WmfFile f;
  auto problem = [&](const std::string& text) { f.problems.push_back(text); };
  constexpr std::size_t kPlaceable = 22;
  if (bytes.size() < kPlaceable + 18) {
    problem("shorter than the headers");
    return f;
  }
  if (wmf_u32(bytes, 0) != 0x9AC6CDD7u) problem("no placeable key");
  if (wmf_u16(bytes, 4) != 0) problem("HWmf not 0");
  f.box_left = static_cast<std::int16_t>(wmf_u16(bytes, 6));
  f.box_top = static_cast<std::int16_t>(wmf_u16(bytes, 8));
  f.box_right = static_cast<std::int16_t>(wmf_u16(bytes, 10));
  f.box_bottom = static_cast<std::int16_t>(wmf_u16(bytes, 12));
  f.units_per_inch = wmf_u16(bytes, 14);
  if (wmf_u32(bytes, 16) != 0) problem("Reserved not 0");
  std::uint16_t checksum = 0;
  for (std::size_t at = 0; at < 20; at += 2) checksum ^= wmf_u16(bytes, at);
  if (wmf_u16(bytes, 20) != checksum) problem("placeable checksum wrong");
  f.type = wmf_u16(bytes, kPlaceable + 0);
  f.header_size = wmf_u16(bytes, kPlaceable + 2);
  f.version = wmf_u16(bytes, kPlaceable + 4);
  f.size_words = wmf_u32(bytes, kPlaceable + 6);
  f.number_of_objects = wmf_u16(bytes, kPlaceable + 10);
  f.max_record = wmf_u32(bytes, kPlaceable + 12);
  f.number_of_members = wmf_u16(bytes, kPlaceable + 16);
  if (f.type != 1 && f.type != 2) problem("Type not 1 or 2");
  if (f.header_size != 9) problem("HeaderSize not 9");
  if (f.version != 0x0300) problem("Version not 0x0300");
  if (static_cast<std::size_t>(f.size_words) * 2 + kPlaceable != bytes.size())
    problem("Size is not the length after the placeable header");
  if (f.number_of_members != 0) problem("NumberOfMembers not 0");

  std::vector<bool> live;
  std::uint32_t largest = 0;
  std::size_t at = kPlaceable + 18;
  while (at < bytes.size()) {
    if (at + 6 > bytes.size()) {
      problem("record header cut at " + std::to_string(at));
      break;
    }
    WmfRecord r;
    r.offset = at;
    r.size_words = wmf_u32(bytes, at);
    r.function = wmf_u16(bytes, at + 4);
    if (r.size_words < 3 || at + 2ull * r.size_words > bytes.size()) {
      problem("record size " + std::to_string(r.size_words) + " at " + std::to_string(at));
      break;
    }
    for (std::size_t w = 3; w < r.size_words; ++w) r.params.push_back(wmf_u16(bytes, at + 2 * w));
    largest = std::max(largest, r.size_words);
    // Object table: creation takes the lowest free slot; select and delete need a live one.
    if (r.function == 0x02FA || r.function == 0x02FC) {
      std::size_t slot = 0;
      while (slot < live.size() && live[slot]) ++slot;
      if (slot == live.size()) live.push_back(false);
      live[slot] = true;
      int n = 0;
      for (bool b : live) n += b;
      f.peak_live_objects = std::max(f.peak_live_objects, n);
    } else if (r.function == 0x012D || r.function == 0x01F0) {
      const std::size_t slot = r.params.empty() ? live.size() : r.params[0];
      if (slot >= live.size() || !live[slot])
        problem("object " + std::to_string(slot) + " not alive at " + std::to_string(at));
      else if (r.function == 0x01F0)
        live[slot] = false;
    }
    f.records.push_back(r);
    at += 2ull * r.size_words;
  }
  if (f.records.empty() || f.records.back().function != 0x0000 || f.records.back().size_words != 3)
    problem("META_EOF is not the last record");
  for (std::size_t i = 0; i + 1 < f.records.size(); ++i)
    if (f.records[i].function == 0x0000) problem("META_EOF before the end");
  if (largest != f.max_record) problem("MaxRecord is not the largest record");
  if (f.peak_live_objects != f.number_of_objects) problem("NumberOfObjects is not the peak");
  return f;
}

}  // namespace devices::testing

// Little-endian byte writers for the binary file formats (BMP, WMF): one call per
// header field or record word, so the layout reads field by field in the writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace devices {

using ByteBuffer = std::vector<std::uint8_t>;

inline void put_u8(ByteBuffer& out, std::uint8_t value) { out.push_back(value); }

inline void put_u16le(ByteBuffer& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void put_u32le(ByteBuffer& out, std::uint32_t value) {
  put_u16le(out, static_cast<std::uint16_t>(value & 0xFFFFu));
  put_u16le(out, static_cast<std::uint16_t>(value >> 16));
}

// Signed values go out in two's complement (WMF coordinates, BMP image height).
inline void put_i16le(ByteBuffer& out, std::int16_t value) {
  put_u16le(out, static_cast<std::uint16_t>(value));
}

inline void put_i32le(ByteBuffer& out, std::int32_t value) {
  put_u32le(out, static_cast<std::uint32_t>(value));
}

// Overwrite a field already in the buffer: sizes that are known only at the end.
inline void patch_u16le(ByteBuffer& out, std::size_t offset, std::uint16_t value) {
  out.at(offset + 1);  // range check before touching anything
  out[offset] = static_cast<std::uint8_t>(value & 0xFFu);
  out[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void patch_u32le(ByteBuffer& out, std::size_t offset, std::uint32_t value) {
  out.at(offset + 3);
  patch_u16le(out, offset, static_cast<std::uint16_t>(value & 0xFFFFu));
  patch_u16le(out, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

// Readers for tests and for patching checks.
inline std::uint16_t get_u16le(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t get_u32le(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(get_u16le(p)) |
         (static_cast<std::uint32_t>(get_u16le(p + 2)) << 16);
}

}  // namespace devices

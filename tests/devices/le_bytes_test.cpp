// Byte order and patching of the little-endian field writers shared by BMP and WMF.
#include "devices/le_bytes.h"

#include <gtest/gtest.h>

namespace devices {
namespace {

TEST(LeBytes, WritesLeastSignificantByteFirstAndPatchesInPlace) {
  ByteBuffer out;
  put_u16le(out, 0x0300);                 // WMF version word
  put_u32le(out, 0x12345678u);
  put_i16le(out, -2);                     // 0xFFFE
  put_i32le(out, -1200);                  // top-down BMP height
  put_u8(out, 0xAB);
  const ByteBuffer expected = {0x00, 0x03, 0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF,
                               0x50, 0xFB, 0xFF, 0xFF, 0xAB};
  EXPECT_EQ(out, expected);
  EXPECT_EQ(get_u16le(out.data()), 0x0300);
  EXPECT_EQ(get_u32le(out.data() + 2), 0x12345678u);

  patch_u32le(out, 2, 0xA1B2C3D4u);
  patch_u16le(out, 0, 0x0102);
  EXPECT_EQ(out[0], 0x02);
  EXPECT_EQ(out[1], 0x01);
  EXPECT_EQ(get_u32le(out.data() + 2), 0xA1B2C3D4u);
  EXPECT_EQ(out[6], 0xFE);                // neighbours untouched
  EXPECT_THROW(patch_u32le(out, 10, 1u), std::out_of_range);
  EXPECT_EQ(out.size(), expected.size());
}

}  // namespace
}  // namespace devices

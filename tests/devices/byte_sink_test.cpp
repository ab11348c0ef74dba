// The byte sink: what is written arrives whole, the position counts every byte, and a
// failed open, write or close is reported instead of leaving a silently cut file.
#include "devices/byte_sink.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "test_support/temp_dir.h"

namespace devices {
namespace {

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ByteSink, WritesEverythingInOrderAndCountsPosition) {
  const test_support::TempDir folder;
  const std::string path = folder.path("sink.bin");
  ByteSink sink;
  ASSERT_TRUE(sink.open(path));
  sink.write("abc");
  sink.put('\n');
  const std::uint8_t raw[] = {0x00, 0xFF};
  sink.write(raw, 2);
  EXPECT_EQ(sink.position(), 6u);
  // More than the internal buffer holds, in one piece and in many small ones.
  const std::string big(200000, 'x');
  sink.write(big);
  for (int i = 0; i < 100000; ++i) sink.put(static_cast<char>('0' + i % 10));
  EXPECT_EQ(sink.position(), 6u + 200000u + 100000u);
  ASSERT_TRUE(sink.close());
  const std::string back = read_file(path);
  ASSERT_EQ(back.size(), 300006u);
  EXPECT_EQ(back.substr(0, 4), "abc\n");
  EXPECT_EQ(static_cast<unsigned char>(back[4]), 0x00);
  EXPECT_EQ(static_cast<unsigned char>(back[5]), 0xFF);
  EXPECT_EQ(back.substr(6, 200000), big);
  EXPECT_EQ(back.substr(200006, 12), "012345678901");
  EXPECT_EQ(back.back(), '9');
}

TEST(ByteSink, ReportsOpenAndWriteFailures) {
  ByteSink missing_dir;
  EXPECT_FALSE(missing_dir.open("/nonexistent-dir-skytrak/x.ps"));
  EXPECT_NE(missing_dir.error().find("/nonexistent-dir-skytrak/x.ps"), std::string::npos);
  EXPECT_FALSE(missing_dir.close());

  // /dev/full accepts the open and refuses every byte: the error must surface at close.
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  ByteSink full;
  ASSERT_TRUE(full.open("/dev/full"));
  full.write("some picture data\n");
  EXPECT_FALSE(full.close());
  EXPECT_NE(full.error().find("No space left"), std::string::npos) << full.error();
}

}  // namespace
}  // namespace devices

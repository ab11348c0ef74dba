// The byte sink: what is written arrives whole, the position counts every byte, and a
// failed open, write or close is reported instead of leaving a silently cut file.
#include "devices/byte_sink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "test_support/file_size_limit.h"
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

// Every name in the folder, so a test sees a temporary file left behind.
std::vector<std::string> folder_names(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ByteSink, ReportsFailuresAndNeverLeavesAPartFile) {
  ByteSink missing_dir;
  EXPECT_FALSE(missing_dir.open("/nonexistent-dir-skytrak/x.ps"));
  EXPECT_NE(missing_dir.error().find("/nonexistent-dir-skytrak/x.ps"), std::string::npos);
  EXPECT_FALSE(missing_dir.close());

  // A full disk seen as a file-size limit: the write fails late, at close. The older
  // file of that name stays as it was, and no temporary file is left beside it.
  const test_support::TempDir folder;
  const std::string path = folder.path("plot.bmp");
  folder.write("plot.bmp", "older picture");
  {
    const test_support::FileSizeLimit limit(4096);
    ByteSink sink;
    ASSERT_TRUE(sink.open(path));
    EXPECT_EQ(read_file(path), "older picture");  // nothing under the real name while writing
    sink.write(std::string(100000, 'p'));
    EXPECT_FALSE(sink.close());
    EXPECT_NE(sink.error().find("plot.bmp: File too large"), std::string::npos) << sink.error();
  }
  EXPECT_EQ(read_file(path), "older picture");
  EXPECT_EQ(folder_names(folder.path()), std::vector<std::string>{"plot.bmp"});

  // A sink given up half-way (an exception, a device dropped) leaves nothing either.
  {
    ByteSink abandoned;
    ASSERT_TRUE(abandoned.open(folder.path("gone.ps")));
    abandoned.write("half");
  }
  EXPECT_EQ(folder_names(folder.path()), std::vector<std::string>{"plot.bmp"});
}

// A device given as the name is written in place, never replaced by a plain file:
// /dev/full accepts the open and refuses every byte, and the error surfaces at close.
TEST(ByteSink, WritesDevicesInPlace) {
  if (!std::filesystem::is_character_file("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  ByteSink full;
  ASSERT_TRUE(full.open("/dev/full"));
  full.write("some picture data\n");
  EXPECT_FALSE(full.close());
  EXPECT_NE(full.error().find("No space left"), std::string::npos) << full.error();
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
  ByteSink null;
  ASSERT_TRUE(null.open("/dev/null"));
  null.write("gone");
  EXPECT_TRUE(null.close());
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST(ByteSink, ReplacesByRenameWithTheModeOfANewFile) {
  const test_support::TempDir folder;
  std::ofstream(folder.path() / "reference") << "x";  // made the ordinary way, under the umask
  folder.write("a.ps", "old");
  ByteSink sink;
  ASSERT_TRUE(sink.open(folder.path("a.ps")));
  sink.write("new");
  ASSERT_TRUE(sink.finish());
  EXPECT_EQ(read_file(folder.path("a.ps")), "old");  // finished is not yet in place
  ASSERT_TRUE(sink.commit());
  EXPECT_EQ(read_file(folder.path("a.ps")), "new");
  EXPECT_EQ(std::filesystem::status(folder.path("a.ps")).permissions(),
            std::filesystem::status(folder.path() / "reference").permissions());
  EXPECT_EQ(folder_names(folder.path()), (std::vector<std::string>{"a.ps", "reference"}));
}

}  // namespace
}  // namespace devices

// The byte sink: what is written arrives whole, the position counts every byte, and a
// failed open, write or close is reported instead of leaving a silently cut file.
#include "devices/byte_sink.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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
// a full device accepts the open and refuses every byte, and the error surfaces at
// close. The devices are private copies (mknod) of the null and full devices.
TEST(ByteSink, WritesDevicesInPlace) {
  const test_support::TempDir folder;
  const std::string null = folder.path("null"), full = folder.path("full");
  if (::mknod(null.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0 ||
      ::mknod(full.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) != 0)
    GTEST_SKIP() << "no device nodes can be made here";
  ByteSink to_full;
  ASSERT_TRUE(to_full.open(full));
  to_full.write("some picture data\n");
  EXPECT_FALSE(to_full.close());
  EXPECT_NE(to_full.error().find("No space left"), std::string::npos) << to_full.error();
  ByteSink to_null;
  ASSERT_TRUE(to_null.open(null));
  to_null.write("gone");
  EXPECT_TRUE(to_null.close());
  EXPECT_TRUE(std::filesystem::is_character_file(full));
  EXPECT_TRUE(std::filesystem::is_character_file(null));
  EXPECT_EQ(folder_names(folder.path()), (std::vector<std::string>{"full", "null"}));
}

// Links are never renamed over: one given as the name is written through (its target
// replaced, the link kept), one to nowhere is refused, and one planted under the
// temporary name is stepped around, its target untouched.
TEST(ByteSink, NeverRenamesOverOrFollowsALinkItDidNotAskFor) {
  const test_support::TempDir folder;
  namespace fs = std::filesystem;
  folder.write("target.csv", "old");
  fs::create_symlink("target.csv", folder.path() / "link.csv");
  fs::create_symlink("missing.csv", folder.path() / "dangling.csv");
  folder.write("victim", "keep");
  fs::create_symlink("victim", folder.path("." + std::string("out.csv.") + std::to_string(::getpid()) + "-0.part"));

  struct Case {
    std::string name;
    bool opens;
    std::string read_as;  // the file that holds the bytes afterwards
  };
  for (const Case& c : {Case{"link.csv", true, "target.csv"}, Case{"dangling.csv", false, ""},
                        Case{"out.csv", true, "out.csv"}}) {
    ByteSink sink;
    ASSERT_EQ(sink.open(folder.path(c.name)), c.opens) << c.name;
    sink.write("table of " + c.name);
    EXPECT_EQ(sink.close(), c.opens) << c.name << ": " << sink.error();
    if (c.opens) {
      EXPECT_EQ(read_file(folder.path(c.read_as)), "table of " + c.name);
    }
  }
  EXPECT_TRUE(fs::is_symlink(folder.path() / "link.csv"));
  EXPECT_FALSE(fs::exists(folder.path() / "missing.csv"));
  EXPECT_EQ(read_file(folder.path("victim")), "keep");
}

// A new picture never replaces a file that appeared under its name while it was being
// written (another program saving at the same time): it moves on to the next free
// version, and path() names it.
TEST(ByteSink, NewFilesTakeTheNextVersionWhenTheirNameWasTakenMeanwhile) {
  const test_support::TempDir folder;
  struct Case {
    std::vector<std::string> taken_meanwhile;
    std::string written;
  };
  for (const Case& c : {Case{{}, "PIC.bmp"}, Case{{"PIC.bmp"}, "PIC_1.bmp"}, Case{{"PIC.bmp", "PIC_1.bmp"}, "PIC_2.bmp"}}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) std::filesystem::remove(entry);
    ByteSink sink;
    ASSERT_TRUE(sink.open_new(folder.path("PIC.bmp"), folder.path("PIC.bmp")));
    sink.write("mine");
    for (const std::string& name : c.taken_meanwhile) folder.write(name, "theirs");
    ASSERT_TRUE(sink.close()) << sink.error();
    EXPECT_EQ(sink.path(), folder.path(c.written));
    EXPECT_EQ(read_file(folder.path(c.written)), "mine");
    for (const std::string& name : c.taken_meanwhile) EXPECT_EQ(read_file(folder.path(name)), "theirs") << name;
    EXPECT_EQ(folder_names(folder.path()).size(), c.taken_meanwhile.size() + 1);
  }
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

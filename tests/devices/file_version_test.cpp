// Version names: an existing output file is never overwritten.
#include "devices/file_version.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

class FileVersion : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return folder_.path(name); }
  void touch(const std::string& name) const { folder_.write(name, "x"); }

  test_support::TempDir folder_;
  const fs::path& dir_ = folder_.path();
};

TEST_F(FileVersion, FreeNameIsKeptWithoutTrailingBlanks) {
  EXPECT_EQ(devices::free_file_name(path("plot.ps")), path("plot.ps"));
  EXPECT_EQ(devices::free_file_name(path("plot.ps ")), path("plot.ps"));
}

TEST_F(FileVersion, ExistingNamesGetTheNextFreeSuffix) {
  touch("plot.ps");
  EXPECT_EQ(devices::free_file_name(path("plot.ps")), path("plot_1.ps"));
  touch("A1B2C3D.pdf");
  EXPECT_EQ(devices::free_file_name(path("A1B2C3D.pdf")), path("A1B2C3_1.pdf"));
  touch("A1B2C3_1.pdf");
  EXPECT_EQ(devices::free_file_name(path("A1B2C3D.pdf")), path("A1B2C3_2.pdf"));
  touch("ABCDEFGH.ps");
  EXPECT_EQ(devices::free_file_name(path("ABCDEFGH.ps")), path("ABCDEF_1.ps"));
}

// Existence is looked up, not tried by opening: an entry that cannot be opened for
// reading (no read permission, a link to nowhere) still takes its name.
TEST_F(FileVersion, NamesThatCannotBeOpenedAreTakenToo) {
  touch("locked.ps");
  fs::permissions(path("locked.ps"), fs::perms::none);
  EXPECT_EQ(devices::free_file_name(path("locked.ps")), path("locked_1.ps"));
  fs::create_symlink(dir_ / "elsewhere" / "target.bmp", dir_ / "link.bmp");
  EXPECT_EQ(devices::free_file_name(path("link.bmp")), path("link_1.bmp"));
}

TEST_F(FileVersion, TwoDigitSuffixCutsTheBaseToFive) {
  touch("A1B2C3D.pdf");
  for (int n = 1; n <= 9; ++n) touch("A1B2C3_" + std::to_string(n) + ".pdf");
  EXPECT_EQ(devices::free_file_name(path("A1B2C3D.pdf")), path("A1B2C_10.pdf"));
}

TEST_F(FileVersion, BlanksInsideTheNameAndNamesWithoutExtension) {
  touch("00433  .pdf");
  // The base of 7 characters is cut to 6, so one of the two blanks goes.
  EXPECT_EQ(devices::free_file_name(path("00433  .pdf")), path("00433 _1.pdf"));
  touch("README");
  EXPECT_EQ(devices::free_file_name(path("README")), path("README_1"));
}

TEST_F(FileVersion, PointsInTheDirectoryAreNotTheExtension) {
  fs::create_directories(dir_ / "run.d");
  touch("run.d/picture");
  EXPECT_EQ(devices::free_file_name(path("run.d/picture")), path("run.d/pictur_1"));
}

}  // namespace

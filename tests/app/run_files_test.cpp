// The result files of a run: named inside the working folder whatever name was typed,
// and put in place only when both were written whole.
#include "app/run_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/file_stem.h"
#include "test_support/temp_dir.h"

namespace app {
namespace {

std::vector<std::string> names_in(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    names.push_back(std::filesystem::relative(entry.path(), folder).string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Typed names that would leave the folder, cut the name short at a NUL, or hold control
// characters: the files stay in the folder, two distinct files, with "_" in their place.
TEST(RunFiles, EveryTypedNameStaysInTheWorkingFolder) {
  const test_support::TempDir outer;
  const std::filesystem::path folder = outer.path() / "work";
  std::filesystem::create_directory(folder);
  const std::string hostile[] = {"../zz  ", "C/2019 ", std::string("A\0B    ", 7), "a\\b\t\x7f\n"};
  for (const std::string& name7 : hostile) {
    const std::string stem = file_stem(name7);
    ASSERT_EQ(stem.size(), name7.size());
    EXPECT_EQ(stem.find_first_of(std::string("/\\\t\n\x7f\0", 6)), std::string::npos) << stem;
    RunFiles files(folder, name7);
    files.open_close_approaches();
    files.close();
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / (stem + ".xyz"))) << stem;
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / (stem + ".clo"))) << stem;
  }
  EXPECT_EQ(names_in(outer.path()).size(), 1u + 2 * std::size(hostile));  // the folder and its files only
  EXPECT_EQ(file_stem("00433  "), "00433  ");  // ordinary names are kept, blanks and all
}

// A run that fails before close leaves the files of the earlier run as they were.
TEST(RunFiles, EarlierFilesStayUntilTheRunSucceeds) {
  const test_support::TempDir folder;
  folder.write("OBJ    .xyz", "earlier xyz");
  folder.write("OBJ    .clo", "earlier clo");
  {
    RunFiles files(folder.path(), "OBJ    ");
    files.open_close_approaches();
    files.write_collision(3);
  }  // given up, as when the run throws
  EXPECT_EQ(read_file(folder.path() / "OBJ    .xyz"), "earlier xyz");
  EXPECT_EQ(read_file(folder.path() / "OBJ    .clo"), "earlier clo");
  EXPECT_EQ(names_in(folder.path()).size(), 2u);

  RunFiles files(folder.path(), "OBJ    ");
  files.open_close_approaches();
  files.write_collision(3);
  files.close();
  EXPECT_EQ(read_file(folder.path() / "OBJ    .clo").substr(0, 10), "   JDclose");
  EXPECT_NE(read_file(folder.path() / "OBJ    .clo").find("IMMINENT COLLISION WITH PLANET"), std::string::npos);
}

}  // namespace
}  // namespace app

// Temporary folders for tests. CTest runs every test case as a process of its own, many
// at once, all in the same working directory, and several builds share this machine's
// temporary folder: so a test writes its files only into a folder made for it alone
// (mkdtemp), never under a fixed name, and never next to another test's files.
// Set SKYTRAK_KEEP_TEST_FILES to keep the folders for a look at what was written.
#pragma once

#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace test_support {

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempDir {
 public:
  // The folder's name is the prefix and six random characters; keep it short, as some
  // outputs show only the first characters of a file's path.
  explicit TempDir(const std::string& prefix = "skytrak_") {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("cannot make a temporary folder like " + pattern);
    path_ = pattern;
  }
  ~TempDir() {
    if (std::getenv("SKYTRAK_KEEP_TEST_FILES") != nullptr) {
      std::fprintf(stderr, "test files kept in %s\n", path_.c_str());
      return;
    }
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of a file of the folder.
  std::string path(const std::string& name) const { return (path_ / name).string(); }

  // Writes a file of the folder with exactly the given bytes.
  void write(const std::string& name, const std::string& content) const {
    std::ofstream(path_ / name, std::ios::binary) << content;
  }

 private:
  std::filesystem::path path_;
};

// A fresh empty folder `name` inside this process's own temporary folder, which goes
// when the process ends. For helpers that hand out plain paths.
inline std::filesystem::path fresh_folder(const std::string& name) {
  static const TempDir process_folder;
  const std::filesystem::path dir = process_folder.path() / name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

}  // namespace test_support

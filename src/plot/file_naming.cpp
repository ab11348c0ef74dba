// Output file names: trailing blanks, existence test and version names.
#include "plot/file_naming.h"

#include <cstdio>

namespace plotix {

std::string trim_trailing_blanks(const std::string& name) {
  std::size_t end = name.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

bool file_exists(const std::string& name) {
  std::FILE* file = std::fopen(name.c_str(), "r");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

std::string version_name(const std::string& name) {
  // The base starts after the last directory separator; the backslash of the
  // original rule and the forward slash of this platform both count.
  std::size_t separator = name.find_last_of("\\/");
  std::size_t base_start = separator == std::string::npos ? 0 : separator + 1;
  std::size_t point = name.rfind('.');
  std::size_t base_end = (point != std::string::npos && point >= base_start)
                             ? point
                             : trim_trailing_blanks(name).size();
  if (base_end < base_start) base_end = base_start;
  std::string directory = name.substr(0, base_start);
  std::string base = name.substr(base_start, base_end - base_start);
  std::string tail = name.substr(base_end);
  for (int n = 1; n <= 9999; ++n) {
    std::string suffix = "_" + std::to_string(n);
    std::size_t keep = 8 - suffix.size();
    std::string candidate = directory + base.substr(0, keep) + suffix + tail;
    if (!file_exists(candidate)) return candidate;
  }
  return std::string();
}

}  // namespace plotix

// Version names that keep existing output files from being overwritten.
#include "devices/file_version.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace devices {

bool file_exists(const std::string& name) {
  // Any entry counts, readable or not, even a dangling link; so does one that cannot
  // be looked at: a name we cannot see into is not free to be written.
  std::error_code ignored;
  return std::filesystem::symlink_status(name, ignored).type() != std::filesystem::file_type::not_found;
}
std::string free_file_name(const std::string& name) {
  const std::string trimmed = name.substr(0, name.find_last_not_of(' ') + 1);
  if (!file_exists(trimmed)) return trimmed;

  const std::size_t slash = trimmed.find_last_of("/\\");
  const std::size_t base_start = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = trimmed.find_last_of('.');
  const std::size_t base_end = dot != std::string::npos && dot >= base_start ? dot : trimmed.size();
  const std::string dir = trimmed.substr(0, base_start);
  const std::string base = trimmed.substr(base_start, base_end - base_start);
  const std::string tail = trimmed.substr(base_end);

  for (int n = 1; n <= 9999; ++n) {
    const std::string suffix = "_" + std::to_string(n);
    const std::size_t keep = std::min(base.size(), 8 - suffix.size());
    std::string candidate = dir + base.substr(0, keep) + suffix + tail;
    if (!file_exists(candidate)) return candidate;
  }
  return {};
}

}  // namespace devices

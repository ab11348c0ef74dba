// The ownership and mode checks of a plug-in and its folder (see trusted_path.h).
#include "plugin/trusted_path.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace plugin {
namespace {

// Why the file or folder at `path` is not trusted; nothing when it is.
std::optional<std::string> reason_for(const std::filesystem::path& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return path.string() + ": " + std::strerror(errno);
  if (status.st_uid != 0 && status.st_uid != geteuid()) return path.string() + ": owned by another user";
  if ((status.st_mode & (S_IWGRP | S_IWOTH)) != 0) return path.string() + ": writable by group or others";
  return std::nullopt;
}

}  // namespace

std::optional<std::string> untrusted_reason(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  if (std::optional<std::string> reason = reason_for(folder)) return reason;
  return reason_for(file);
}

}  // namespace plugin

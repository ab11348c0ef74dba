// A plug-in runs with the user's rights, so it is loaded only from a file and a folder
// that nobody but root or that user can have changed.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace plugin {

// Why `file` (a plug-in that exists) or its folder cannot be trusted: owned by someone
// other than root and the user running the program, or writable by group or others
// (a sticky shared folder included); nothing when both can be trusted.
std::optional<std::string> untrusted_reason(const std::filesystem::path& file);

}  // namespace plugin

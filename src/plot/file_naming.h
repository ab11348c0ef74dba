// Output file names: the name used at disini (setfil or the default), trailing
// blanks removed, and the version name that protects an existing file.
#pragma once

#include <string>

namespace plotix {

// The name without its trailing blanks (inner blanks stay).
std::string trim_trailing_blanks(const std::string& name);

// True when the file can be opened for reading.
bool file_exists(const std::string& name);

// The first free name among base_1 … base_9999 (base cut so that base and suffix
// fit in 8 characters), or an empty string when all exist.
std::string version_name(const std::string& name);

}  // namespace plotix

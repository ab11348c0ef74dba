// Version names for output files: the library never overwrites a picture, so a name
// that already exists is replaced by the first free name with "_1" ... "_9999" put
// before its extension (the base cut so that base and suffix keep to 8 characters).
#pragma once

#include <string>

namespace devices {

// True when anything of that name is in the file system (looked at, not opened).
bool file_exists(const std::string& name);

// The name itself when no such file exists, else its first free version name
// (A1B2C3D.pdf -> A1B2C3_1.pdf, ..., A1B2_10.pdf). Empty when all 9999 are taken.
// Both '/' and '\\' end the directory part; trailing blanks of the name are dropped.
std::string free_file_name(const std::string& name);

}  // namespace devices

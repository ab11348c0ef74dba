// The stem of every file a run writes, made from the object's short name.
#pragma once

#include <string>

namespace app {

// name7 as it may stand in a file name of the working folder: "/", "\", NUL and the
// other control characters become "_", so that no typed name reaches another folder,
// cuts a name short or makes two files one. Everything else, blanks included, is kept.
// name7 itself stays as typed on the screen and in titles.
std::string file_stem(const std::string& name7);

}  // namespace app

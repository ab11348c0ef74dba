// File-name stems from the object's short name.
#include "app/file_stem.h"

namespace app {

std::string file_stem(const std::string& name7) {
  std::string stem = name7;
  for (char& c : stem) {
    const auto code = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || code < 0x20 || code == 0x7F) c = '_';
  }
  return stem;
}

}  // namespace app

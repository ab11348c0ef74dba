// A colour of the 2D figures as red, green and blue bytes.
#pragma once

namespace app {

struct Rgb {
  int r = 0, g = 0, b = 0;  // 0..255
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace app

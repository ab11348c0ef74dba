// The page's background as a device opens it: dark (the screen's black) or light
// (white paper).
#pragma once

namespace devices {

enum class Background { dark, light };

}  // namespace devices

// The screen device, from the screen plug-in loaded on the first window.
#pragma once

#include <memory>

#include "devices/device.h"

namespace plotix {

// A screen device from the plug-in. When the plug-in cannot be loaded, says so on the
// library's error stream ("the window needs skytrak3d-screen.so: <reason>") and returns
// a device that draws off-screen and never waits, as a screen without a display does.
std::unique_ptr<devices::Device> make_screen_device();

}  // namespace plotix

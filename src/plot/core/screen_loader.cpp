// Loading the screen plug-in (see screen_loader.h).
#include "plot/core/screen_loader.h"

#include <cstdio>
#include <string>

#include "devices/raster_device.h"
#include "devices/screen_plugin.h"
#include "plugin/plugin_entry.h"

namespace plotix {

std::unique_ptr<devices::Device> make_screen_device() {
  constexpr const char* file = "skytrak3d-screen.so";
  // One attempt per process: the plug-in either loaded then or is missing for good.
  static std::string error;
  static const auto entry = reinterpret_cast<decltype(&skytrak3d_new_screen_device)>(
      plugin::load_entry(file, "skytrak3d_new_screen_device", error));
  if (entry != nullptr) return std::unique_ptr<devices::Device>(entry());
  std::fprintf(stderr, "skytrak3d: the window needs %s: %s\n", file, error.c_str());
  return std::make_unique<devices::RasterDevice>();
}

}  // namespace plotix

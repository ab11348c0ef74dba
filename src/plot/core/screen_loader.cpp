// Loading the screen plug-in (see screen_loader.h).
#include "plot/core/screen_loader.h"

#include <string>

#include "devices/raster_device.h"
#include "devices/screen_plugin.h"
#include "errors/error.h"
#include "plot/core/error_stream.h"
#include "plugin/plugin_entry.h"

namespace plotix {
namespace {

constexpr const char* kScreenPlugin = "skytrak3d-screen.so";

struct LoadedScreen {
  decltype(&skytrak3d_new_screen_device) entry = nullptr;
  std::string error;  // why there is no entry
};

LoadedScreen load_screen() {
  try {
    return {reinterpret_cast<decltype(&skytrak3d_new_screen_device)>(
                plugin::load_entry(kScreenPlugin, "skytrak3d_new_screen_device")),
            {}};
  } catch (const errors::Failure& missing) {
    return {nullptr, missing.what()};
  }
}

}  // namespace

std::unique_ptr<devices::Device> make_screen_device() {
  // One attempt per process: the plug-in either loaded then or is missing for good.
  static const LoadedScreen loaded = load_screen();
  if (loaded.entry != nullptr) return std::unique_ptr<devices::Device>(loaded.entry());
  error_stream() << "the window needs " << kScreenPlugin << ": " << loaded.error << '\n';
  return std::make_unique<devices::RasterDevice>();
}

}  // namespace plotix

// Finding and loading a plug-in (see plugin_entry.h).
#include "plugin/plugin_entry.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "errors/error.h"

namespace plugin {
namespace {

// The folders a plug-in may be in, the first that holds it wins. The installed folder
// is given relative to the program's own (SKYTRAK_PLUGIN_RELATIVE_DIR, set by CMake
// from the install folders), so an installed tree can be moved as a whole.
std::vector<std::filesystem::path> plugin_folders() {
  if (const char* chosen = std::getenv("SKYTRAK_PLUGIN_DIR"); chosen != nullptr && *chosen != '\0') return {chosen};
  std::error_code ignored;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ignored);
  const std::filesystem::path folder = program.parent_path();
  return {folder, folder / SKYTRAK_PLUGIN_RELATIVE_DIR};
}

}  // namespace

void* load_entry(const std::string& file, const char* symbol) {
  const std::vector<std::filesystem::path> folders = plugin_folders();
  std::filesystem::path path = folders.back() / file;
  for (const std::filesystem::path& folder : folders) {
    std::error_code ignored;
    if (std::filesystem::exists(folder / file, ignored)) {
      path = folder / file;
      break;
    }
  }
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) throw errors::Failure(dlerror());
  void* entry = dlsym(library, symbol);
  if (entry == nullptr) {
    const errors::Failure missing(dlerror());
    dlclose(library);
    throw missing;
  }
  return entry;
}

}  // namespace plugin

// Finding and loading a plug-in (see plugin_entry.h).
#include "plugin/plugin_entry.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "errors/error.h"
#include "plugin/trusted_path.h"

namespace plugin {
namespace {

// The folders a plug-in may be in, the first that holds it wins. The installed folder
// is given relative to the program's own (SKYTRAK_PLUGIN_RELATIVE_DIR, set by CMake
// from the install folders), so an installed tree can be moved as a whole. A program
// that cannot read its own path looks only in the absolute installed folder, never in
// one relative to where the user stands.
std::vector<std::filesystem::path> plugin_folders() {
  if (const char* chosen = std::getenv("SKYTRAK_PLUGIN_DIR"); chosen != nullptr && *chosen != '\0') return {chosen};
  std::error_code unreadable;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", unreadable);
  if (unreadable || !program.is_absolute()) return {SKYTRAK_PLUGIN_INSTALLED_DIR};
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
  // The file itself, through any link, is what is checked and loaded.
  std::error_code missing;
  if (const std::filesystem::path real = std::filesystem::canonical(path, missing); !missing) {
    if (std::optional<std::string> reason = untrusted_reason(real)) throw errors::Failure(*reason);
    path = real;
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

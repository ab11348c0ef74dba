// The optional parts of the program (the screen window, the MPI ranks) are plug-ins:
// shared libraries loaded with dlopen only when the part is wanted, so that a plain
// start loads neither SDL2 nor MPI. Each plug-in has one C entry point.
#pragma once

#include <string>

namespace plugin {

// Loads the plug-in `file` and returns its entry point `symbol`; one that cannot be
// loaded is an errors::Failure with the loader's own message. The plug-in is looked for in the folder
// SKYTRAK_PLUGIN_DIR names when it is set, else next to the program, else in the
// program's installed plug-in folder; a loaded plug-in stays loaded. A plug-in whose file
// or folder another user could have changed is not loaded: a Failure that says why.
void* load_entry(const std::string& file, const char* symbol);

}  // namespace plugin

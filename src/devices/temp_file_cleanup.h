// The temporary files still open, kept where a signal handler can reach them: on
// SIGINT or SIGTERM they are removed before the program ends by that signal, so an
// interrupted run leaves no hidden .part files behind.
#pragma once

#include <string>

namespace devices {

// Notes a temporary file that exists now; returns its slot, or -1 when every slot is
// taken (the file is then left to the normal clean-up alone).
int note_temp_file(const std::string& path);
// Forgets the slot of a temporary file that was renamed or removed (-1: nothing).
void forget_temp_file(int slot);

// Installs the handler for SIGINT and SIGTERM: it removes every noted file, then ends
// the program by the same signal, with the default action.
void remove_temp_files_on_signals();

}  // namespace devices

// The failure that stops PLOTIX: no memory for its state, or a plot that cannot be
// opened. The library records it here, on one channel, instead of ending the process;
// every public routine does nothing afterwards, and the program decides what to tell
// the user and which exit status to give.
#pragma once

namespace plotix {

enum class FatalStatus {
  none,           // no failure
  out_of_memory,  // no memory for the state
  open_failed,    // disini could not open the device or its file
};

// The failure met so far; none while the library works.
FatalStatus fatal_status();

// The device's reason for an open failure, as it gives it; empty when the library's
// own warning said all there is.
const char* fatal_message();

// Records a failure with its reason; the first one recorded stays.
void record_fatal(FatalStatus status, const char* message);

// Forgets the failure (a fresh process state, as free_global_state makes it).
void clear_fatal();

}  // namespace plotix

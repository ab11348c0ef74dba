// The failures of PLOTIX on one channel: no memory for its state or a plot that cannot be
// opened, which stop the library, and a plot's file that could not be written whole. The
// library records them here instead of ending the process; after a stopping failure every
// public routine does nothing. The program decides what to tell the user and which exit
// status to give.
#pragma once

namespace plotix {

enum class FatalStatus {
  none,           // no failure
  out_of_memory,  // no memory for the state: the library stops
  open_failed,    // disini could not open the device or its file: the library stops
  // disfin could not write a plot's file completely (a full disk): warning 36 said so and
  // no file of that name was left; the library goes on, as after any other warning.
  write_failed,
};

// The failure met so far; none while the library works.
FatalStatus fatal_status();

// True after a failure that stops the library.
bool library_stopped();

// The device's reason for the failure, as it gives it; empty when the library's own
// message said all there is.
const char* fatal_message();

// Records a failure with its reason. The status is sticky: the first failure stays,
// except that one which stops the library takes the place of a write failure.
void record_fatal(FatalStatus status, const char* message);

// Forgets the failure (a fresh process state, as free_global_state makes it).
void clear_fatal();

}  // namespace plotix

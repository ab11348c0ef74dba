// Sends a window the close request a window manager sends when the user clicks the
// close box, at once or whenever a window takes a given title (kept apart because
// Xlib's macros clash with GoogleTest's names).
#pragma once

#include <string>

namespace window_test {

// False when the display cannot be opened.
bool send_close_request(const std::string& display, unsigned long window);

// Plays the user who closes every top-level window as soon as its title is `title`;
// runs until the process is ended (meant for a child process of its own). False when
// the display cannot be opened.
bool close_windows_titled(const std::string& display, const std::string& title);

}  // namespace window_test

// Sends a window the close request a window manager sends when the user clicks the
// close box (kept apart because Xlib's macros clash with GoogleTest's names).
#pragma once

#include <string>

namespace window_test {

// False when the display cannot be opened.
bool send_close_request(const std::string& display, unsigned long window);

}  // namespace window_test

// The close request of a window manager: a WM_PROTOCOLS client message carrying
// WM_DELETE_WINDOW (see x_close_request.h).
#include "x_close_request.h"

#include <X11/Xlib.h>

namespace window_test {

bool send_close_request(const std::string& display, unsigned long window) {
  Display* d = XOpenDisplay(display.c_str());
  if (d == nullptr) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, window, False, NoEventMask, &event);
  XFlush(d);
  XCloseDisplay(d);
  return true;
}

}  // namespace window_test

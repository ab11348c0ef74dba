// The close request of a window manager: a WM_PROTOCOLS client message carrying
// WM_DELETE_WINDOW, sent at once or when a window takes a title (see x_close_request.h).
#include "x_close_request.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <set>

namespace window_test {

namespace {

void send_close(Display* d, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, window, False, NoEventMask, &event);
  XFlush(d);
}

bool titled(Display* d, Window window, const std::string& title) {
  char* name = nullptr;
  const bool same = XFetchName(d, window, &name) != 0 && name != nullptr && title == name;
  if (name != nullptr) XFree(name);
  return same;
}

// Errors about windows that went away between an event and our look at them.
int ignore_error(Display*, XErrorEvent*) { return 0; }

}  // namespace

bool send_close_request(const std::string& display, unsigned long window) {
  Display* d = XOpenDisplay(display.c_str());
  if (d == nullptr) return false;
  send_close(d, window);
  XCloseDisplay(d);
  return true;
}

bool close_windows_titled(const std::string& display, const std::string& title) {
  Display* d = XOpenDisplay(display.c_str());
  if (d == nullptr) return false;
  XSetErrorHandler(ignore_error);
  // New top-level windows are reported on the root; each is then watched for its
  // title changing. A title set before the watch began is seen when it begins.
  XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
  const Atom wm_name = XInternAtom(d, "WM_NAME", False);
  std::set<Window> closed;  // a window is asked once; it may be gone by its next event
  for (;;) {
    XEvent event;
    XNextEvent(d, &event);
    Window window = 0;
    if (event.type == CreateNotify) {
      window = event.xcreatewindow.window;
      XSelectInput(d, window, PropertyChangeMask);
    } else if (event.type == PropertyNotify && event.xproperty.atom == wm_name) {
      window = event.xproperty.window;
    }
    if (window != 0 && closed.count(window) == 0 && titled(d, window, title)) {
      closed.insert(window);
      send_close(d, window);
    }
  }
}

}  // namespace window_test

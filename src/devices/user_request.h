// What the user asks of a picture shown in a window: another view of it, or to be
// done with it. The device only reports what was done with the mouse and keys; the
// program that drew the picture decides what view follows.
#pragma once

namespace devices {

struct UserRequest {
  enum Kind {
    kDismiss,  // right button, a close request, Esc, Q or Space: the picture is done with
    kDrag,     // left button dragged by (dx, dy) window pixels, right and down positive
    kStep,     // arrow keys pressed: (dx, dy) steps, right and up positive
    kZoom,     // wheel turned by `notches`, away from the user positive (closer)
    kHome,     // Home: back to the view first asked for
  };
  Kind kind = kDismiss;
  int dx = 0;
  int dy = 0;
  int notches = 0;
};

}  // namespace devices

// Public routines for a finished picture on the screen: waiting for the user's
// request for another view, learning whether the window was dismissed, and erasing
// the page so that another view can be drawn on it.
#pragma once

#include "devices/user_request.h"

namespace plotix {

// After endgrf: shows the picture and waits until the user asks for another view of
// it, or dismisses the window (kDismiss; also at once on every other device and on
// a screen without a window).
devices::UserRequest wait_for_request();
// True once the user has dismissed the screen window of this plot, while it was
// still being drawn too; the caller may stop drawing.
bool window_dismissed();
// Erases the page to the background, between endgrf and the next drawing, and sets
// every setting back to what disini starts with.
void erase_page();

}  // namespace plotix

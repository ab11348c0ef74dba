// The screen plug-in (skytrak3d-screen.so): the screen window and SDL2 behind one C
// entry point, so that only a program that opens a window loads SDL2 and X11.
#pragma once

#include "devices/device.h"

// The entry point: a new screen device, owned by the caller.
extern "C" devices::Device* skytrak3d_new_screen_device();

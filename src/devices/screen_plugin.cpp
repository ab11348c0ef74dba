// The screen plug-in's entry point (see screen_plugin.h).
#include "devices/screen_plugin.h"

#include "devices/screen_device.h"

extern "C" devices::Device* skytrak3d_new_screen_device() { return new devices::ScreenDevice(); }

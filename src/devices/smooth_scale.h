// Scaling a picture so that no line of it is lost: every pixel of the result averages
// the source pixels it covers. Picking one source pixel per result pixel, as SDL's
// scaled blit does, skips whole rows and columns when it shrinks, and with them any
// line one pixel wide that lies along one.
#pragma once

#include <SDL.h>

namespace devices {

// A new surface of w x h in the format of `source` (a 32-bit surface) holding it
// scaled; null when it cannot be made. The caller frees it.
SDL_Surface* smooth_scaled(SDL_Surface* source, int w, int h);

}  // namespace devices

// Scaling a picture so that no line of it is lost, with pixman's filters: a box
// average over each result pixel's footprint when shrinking, bilinear when growing.
#include "devices/smooth_scale.h"

#include <pixman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace devices {

namespace {

pixman_image_t* pixman_view(SDL_Surface* s) {
  // Only the channels' order matters here; every 32-bit layout is read and written alike.
  return pixman_image_create_bits(PIXMAN_a8r8g8b8, s->w, s->h, static_cast<std::uint32_t*>(s->pixels),
                                  s->pitch);
}

}  // namespace

SDL_Surface* smooth_scaled(SDL_Surface* source, int w, int h) {
  if (w <= 0 || h <= 0 || source->format->BytesPerPixel != 4) return nullptr;
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, source->format->format);
  if (target == nullptr) return nullptr;
  pixman_image_t* from = pixman_view(source);
  pixman_image_t* to = pixman_view(target);
  // Source pixels per result pixel, across and down.
  const double step_x = static_cast<double>(source->w) / w, step_y = static_cast<double>(source->h) / h;
  pixman_transform_t transform;
  pixman_transform_init_scale(&transform, pixman_double_to_fixed(step_x), pixman_double_to_fixed(step_y));
  pixman_image_set_transform(from, &transform);
  pixman_image_set_repeat(from, PIXMAN_REPEAT_PAD);
  if (step_x > 1 || step_y > 1) {
    int count = 0;
    pixman_fixed_t* params = pixman_filter_create_separable_convolution(
        &count, pixman_double_to_fixed(std::max(step_x, 1.0)), pixman_double_to_fixed(std::max(step_y, 1.0)),
        PIXMAN_KERNEL_BOX, PIXMAN_KERNEL_BOX, PIXMAN_KERNEL_BOX, PIXMAN_KERNEL_BOX, 4, 4);
    pixman_image_set_filter(from, PIXMAN_FILTER_SEPARABLE_CONVOLUTION, params, count);
    std::free(params);
  } else {
    pixman_image_set_filter(from, PIXMAN_FILTER_BILINEAR, nullptr, 0);
  }
  pixman_image_composite32(PIXMAN_OP_SRC, from, nullptr, to, 0, 0, 0, 0, 0, 0, w, h);
  pixman_image_unref(from);
  pixman_image_unref(to);
  return target;
}

}  // namespace devices

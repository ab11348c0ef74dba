// ScreenDevice (see screen_device.h) over SDL2: the window, copying the canvas into
// the window's surface, and the event loop that waits for the user.
#include "devices/screen_device.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "devices/pixel_coordinate.h"

namespace devices {
namespace {

constexpr int kLightBackground = 2;

// While drawing, the window gets at most one copy per this many milliseconds; what
// changes in between goes with the next copy (an animation draws far more frames
// than a screen can show).
constexpr Uint64 kMinCopyIntervalMs = 15;

// How often the waiting window looks for the user's answer.
constexpr Uint32 kWaitPollMs = 10;

// Room kept for a window frame when the window size follows the display.
constexpr int kFrameAllowance = 8;
constexpr int kCaptionAllowance = 32;

std::string working_title(int number) {
  return "PLOTIX " + std::to_string(number) + " / Working";
}

std::string waiting_title(int number) {
  return "PLOTIX " + std::to_string(number) + " / Click MB2 to continue ...";
}

void report_no_display(const std::string& why) {
  std::fprintf(stderr,
               "skytrak3d: the plot cannot be shown, there is no display (%s); "
               "the menu's save answers still work\n",
               why.c_str());
}

// Drawing-area size when the caller asked for none: as wide as the display allows
// for a landscape page, as high as it allows otherwise, in the page's proportions.
void default_size(const DeviceOpenParams& params, const SDL_Rect& usable, int& w, int& h) {
  const double aspect = static_cast<double>(params.nypage) / params.nxpage;
  const int max_w = std::max(1, usable.w - 2 * kFrameAllowance);
  const int max_h = std::max(1, usable.h - kCaptionAllowance - 2 * kFrameAllowance);
  if (params.landscape) {
    w = max_w;
    h = static_cast<int>(std::lround(w * aspect));
    if (h <= max_h) return;
  }
  h = max_h;
  w = std::max(1, static_cast<int>(std::lround(h / aspect)));
}

// Starts SDL's video subsystem unless it runs already, and tells whether it can show
// windows; when it cannot, says so on stderr. Once up with a real display it stays up
// until the process ends: one connection serves every plot, and a bare X server,
// which resets itself when its last client leaves, is never left without one
// between two plots.
bool video_ready() {
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) return true;
  // Ctrl-C on the console must still end the program while a window waits, and
  // closing a plot's window must not end the session.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // The picture is drawn in memory already; copying it straight into the window's
  // own image costs less than going through a graphics-card texture, and keeps the
  // OpenGL libraries (some 100 MB under a software renderer) out of the process.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    report_no_display(SDL_GetError());
    return false;
  }
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr || std::strcmp(driver, "offscreen") == 0 ||
      std::strcmp(driver, "dummy") == 0) {
    // SDL falls back to these when there is no screen; their windows are never seen
    // and never get a click, so waiting on one would hang the session.
    report_no_display(std::string("video driver ") + (driver ? driver : "none"));
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return false;
  }
  return true;
}

}  // namespace

struct ScreenDevice::Window {
  Window() = default;
  ~Window() {
    if (sdl == nullptr) return;
    SDL_DestroyWindow(sdl);
    SDL_PumpEvents();  // sends the request on, so the window goes at once
  }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Copies the part r of the canvas into the window and shows it.
  void copy(const RasterCanvas& canvas, SDL_Rect r);
  void copy_all(const RasterCanvas& canvas) { copy(canvas, {0, 0, canvas.width(), canvas.height()}); }
  // Handles one event: true when it dismisses the window (right button released
  // over it, a close request, or the end of the session); repaint is set when the
  // window needs the whole picture again.
  bool handle(const SDL_Event& event, bool& repaint) const;
  // Handles everything queued; true when the user dismissed the window.
  bool handle_queued(bool& repaint) const;

  SDL_Window* sdl = nullptr;
  Uint32 id = 0;
  int number = 1;
  Uint64 last_copy_ms = 0;
};

void ScreenDevice::Window::copy(const RasterCanvas& canvas, SDL_Rect r) {
  SDL_Surface* surface = SDL_GetWindowSurface(sdl);
  if (surface == nullptr) return;
  const int x2 = std::min({r.x + r.w, canvas.width(), surface->w});
  const int y2 = std::min({r.y + r.h, canvas.height(), surface->h});
  r.x = std::max(r.x, 0);
  r.y = std::max(r.y, 0);
  r.w = x2 - r.x;
  r.h = y2 - r.y;
  if (r.w <= 0 || r.h <= 0) return;
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
  const int bpp = surface->format->BytesPerPixel;
  auto* target = static_cast<Uint8*>(surface->pixels) + r.y * surface->pitch + r.x * bpp;
  SDL_ConvertPixels(r.w, r.h, SDL_PIXELFORMAT_RGBA32, canvas.row(r.y) + 4 * r.x,
                    canvas.row_bytes(), surface->format->format, target, surface->pitch);
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  SDL_UpdateWindowSurfaceRects(sdl, &r, 1);
  last_copy_ms = SDL_GetTicks64();
}

bool ScreenDevice::Window::handle(const SDL_Event& event, bool& repaint) const {
  switch (event.type) {
    case SDL_QUIT:
      return true;
    case SDL_WINDOWEVENT:
      if (event.window.windowID != id) return false;
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) return true;
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
          event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
          event.window.event == SDL_WINDOWEVENT_SHOWN) {
        repaint = true;
      }
      return false;
    case SDL_MOUSEBUTTONUP: {
      if (event.button.windowID != id || event.button.button != SDL_BUTTON_RIGHT) return false;
      int w = 0, h = 0;
      SDL_GetWindowSize(sdl, &w, &h);
      return event.button.x >= 0 && event.button.x < w && event.button.y >= 0 &&
             event.button.y < h;
    }
    default:
      return false;  // left and middle buttons, keys, motion: nothing to do
  }
}

bool ScreenDevice::Window::handle_queued(bool& repaint) const {
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    if (handle(event, repaint)) return true;
  }
  return false;
}

void ScreenDevice::Changed::add(int x, int y) {
  if (empty()) {
    x1 = x2 = x;
    y1 = y2 = y;
    return;
  }
  x1 = std::min(x1, x);
  x2 = std::max(x2, x);
  y1 = std::min(y1, y);
  y2 = std::max(y2, y);
}

ScreenDevice::ScreenDevice()
    : batch_([this](const PolylineBatch::Point* points, int count) { draw_piece(points, count); }) {}

ScreenDevice::~ScreenDevice() = default;

bool ScreenDevice::has_window() const { return window_ != nullptr; }

DeviceOpenResult ScreenDevice::open(const DeviceOpenParams& params) {
  window_.reset();
  batch_.reset();
  changed_ = {};
  DeviceOpenResult result;
  int width = params.width;
  int height = params.height;
  int window_mode = params.window_mode;

  if (video_ready()) {
    // Whatever is still queued belongs to windows of earlier plots.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    auto window = std::make_unique<Window>();
    window->number = params.window_number;
    SDL_Rect usable{0, 0, 1024, 768};
    SDL_GetDisplayUsableBounds(0, &usable);
    if (window_mode == 0) default_size(params, usable, width, height);
    window_mode = 2;
    // The lower right corner of the display, as far as the window fits.
    const int x = std::max(usable.x, usable.x + usable.w - width - kFrameAllowance);
    const int y = std::max(usable.y, usable.y + usable.h - height - kFrameAllowance);
    window->sdl = SDL_CreateWindow(working_title(params.window_number).c_str(), x, y, width,
                                   height, SDL_WINDOW_SHOWN);
    if (window->sdl == nullptr) {
      report_no_display(SDL_GetError());
    } else {
      window->id = SDL_GetWindowID(window->sdl);
      SDL_GetWindowSize(window->sdl, &width, &height);
      result.colour_depth = static_cast<int>(SDL_BITSPERPIXEL(SDL_GetWindowPixelFormat(window->sdl)));
      window_ = std::move(window);
    }
  }

  result.status = canvas_.open(width, height, params.landscape, window_mode,
                               params.background_mode, true);
  if (result.status != kStatusOk) {
    window_.reset();
    return result;
  }
  // Until the library loads its table, index 0 is the background colour.
  std::array<int, 256> table{};
  if (params.background_mode == kLightBackground) table[0] = 0xFFFFFF;
  canvas_.load_colour_table(1, table.data());
  if (window_ == nullptr) result.colour_depth = 24;
  result.area_width = canvas_.width();
  result.area_height = canvas_.height();
  if (window_ != nullptr) {
    window_->copy_all(canvas_);
    window_->last_copy_ms = 0;  // the first update after open is never held back
    SDL_RaiseWindow(window_->sdl);
  }
  return result;
}

int ScreenDevice::close() {
  batch_.flush();
  if (window_ != nullptr) {
    window_->copy_all(canvas_);
    SDL_SetWindowTitle(window_->sdl, waiting_title(window_->number).c_str());
    // Polled rather than SDL_WaitEvent: while that waits, each new event makes SDL
    // send a wake-up message to the window over a second X connection, and when the
    // event dismisses the window, the server may take the window's destruction
    // first; the X error that follows ends the process at a later plot.
    for (;;) {
      bool repaint = false;
      if (window_->handle_queued(repaint)) break;
      if (repaint) window_->copy_all(canvas_);
      SDL_Delay(kWaitPollMs);
    }
    window_.reset();
  }
  canvas_.close();
  return kStatusOk;
}

void ScreenDevice::update() {
  batch_.flush();
  if (window_ == nullptr) return;
  bool repaint = false;
  if (window_->handle_queued(repaint)) {
    // Dismissed while drawing: the rest of the plot is drawn off-screen only.
    window_.reset();
    return;
  }
  if (repaint) {
    window_->copy_all(canvas_);
    changed_ = {};
    return;
  }
  if (changed_.empty() || SDL_GetTicks64() - window_->last_copy_ms < kMinCopyIntervalMs) return;
  window_->copy(canvas_, {changed_.x1, changed_.y1, changed_.x2 - changed_.x1 + 1,
                          changed_.y2 - changed_.y1 + 1});
  changed_ = {};
}

void ScreenDevice::mark_all_changed() {
  changed_.add(0, 0);
  changed_.add(canvas_.width() - 1, canvas_.height() - 1);
}

void ScreenDevice::draw_piece(const PolylineBatch::Point* points, int count) {
  changed_.add(points[0].x, points[0].y);
  if (count == 1) canvas_.draw_line(points[0].x, points[0].y, points[0].x, points[0].y);
  for (int i = 1; i < count; ++i) {
    canvas_.draw_line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    changed_.add(points[i].x, points[i].y);
  }
}

void ScreenDevice::move_draw(double x, double y, int code) {
  batch_.add(pixel_coordinate(x), pixel_coordinate(y), code);
}

void ScreenDevice::set_colour_value(int value) {
  batch_.flush();
  canvas_.set_colour(value);
}

void ScreenDevice::fill_triangle(const double xs[3], const double ys[3], int value, int, int,
                                 int) {
  batch_.flush();
  int ixs[3], iys[3];
  for (int i = 0; i < 3; ++i) {
    ixs[i] = pixel_coordinate(xs[i]);
    iys[i] = pixel_coordinate(ys[i]);
    changed_.add(ixs[i], iys[i]);
  }
  canvas_.fill_triangle(ixs, iys, value);
}

void ScreenDevice::begin_polygon(int n) {
  batch_.flush();
  polygon_x_.clear();
  polygon_y_.clear();
  polygon_x_.reserve(static_cast<std::size_t>(std::max(n, 0)));
  polygon_y_.reserve(static_cast<std::size_t>(std::max(n, 0)));
}

void ScreenDevice::polygon_point(double x, double y) {
  polygon_x_.push_back(pixel_coordinate(x));
  polygon_y_.push_back(pixel_coordinate(y));
  changed_.add(polygon_x_.back(), polygon_y_.back());
}

void ScreenDevice::end_polygon() {
  canvas_.fill_polygon(polygon_x_.data(), polygon_y_.data(), static_cast<int>(polygon_x_.size()));
  polygon_x_.clear();
  polygon_y_.clear();
}

void ScreenDevice::fill_rectangle(double x1, double y1, double x2, double y2, int value, int,
                                  int, int) {
  batch_.flush();
  const int ix1 = pixel_coordinate(x1), iy1 = pixel_coordinate(y1);
  const int ix2 = pixel_coordinate(x2), iy2 = pixel_coordinate(y2);
  changed_.add(ix1, iy1);
  changed_.add(ix2, iy2);
  canvas_.fill_rectangle(ix1, iy1, ix2, iy2, value);
}

void ScreenDevice::load_colour_table(int ipaltyp, const int* npal) {
  batch_.flush();
  canvas_.load_colour_table(ipaltyp, npal);
}

// The screen's background is whatever colour value 0 shows in the loaded table.
void ScreenDevice::erase() {
  batch_.flush();
  canvas_.fill_rectangle(0, 0, canvas_.width() - 1, canvas_.height() - 1, 0);
  mark_all_changed();
}

}  // namespace devices

// ScreenDevice (see screen_device.h) over SDL2: the window, copying the canvas into
// the window's surface (scaled when the window was resized), and the events: the
// user's requests for another view, and the ones that dismiss the window.
#include "devices/screen_device.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string>

#include "devices/fit_rect.h"
#include "devices/pixel_coordinate.h"
#include "devices/smooth_scale.h"

namespace devices {
namespace {


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

std::string no_display(const std::string& why) {
  return "the plot cannot be shown, there is no display (" + why + "); the menu's save answers still work";
}

std::string unusable_display(const std::string& why) {
  return "the plot cannot be shown on this display (" + why + "); the menu's save answers still work";
}

// A visual of the X display whose pixels SDL can copy into: 24 bits of true colour,
// or 32 bits with 8 per channel; 0 when the display has none. SDL takes the display's
// default visual, which it cannot draw into on an 8-bit or a 30-bit display.
unsigned long copyable_x_visual() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 0;
  unsigned long id = 0;
  for (int depth : {24, 32}) {
    XVisualInfo info;
    if (XMatchVisualInfo(display, DefaultScreen(display), depth, TrueColor, &info) == 0) continue;
    const bool eight_bits = (info.red_mask | info.green_mask | info.blue_mask) == 0xFFFFFF;
    if (eight_bits) {
      id = info.visualid;
      break;
    }
  }
  XCloseDisplay(display);
  return id;
}

SDL_Window* create_window(const std::string& title, int x, int y, int w, int h) {
  return SDL_CreateWindow(title.c_str(), x, y, w, h,
                          SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
}

// A window the canvas can be copied into, or nullptr with the reason in SDL_GetError.
// When the display's own pixel format is one SDL cannot draw, the window is made
// again on a true-colour visual of the same display.
SDL_Window* create_drawable_window(const std::string& title, int x, int y, int w, int h) {
  SDL_Window* window = create_window(title, x, y, w, h);
  if (window == nullptr || SDL_GetWindowSurface(window) != nullptr) return window;
  const std::string why = SDL_GetError();
  SDL_DestroyWindow(window);
  const char* driver = SDL_GetCurrentVideoDriver();
  const unsigned long visual = driver != nullptr && std::strcmp(driver, "x11") == 0 ? copyable_x_visual() : 0;
  if (visual != 0) {
    SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, std::to_string(visual).c_str());
    window = create_window(title, x, y, w, h);
    if (window != nullptr && SDL_GetWindowSurface(window) != nullptr) return window;
    if (window != nullptr) SDL_DestroyWindow(window);
  }
  SDL_SetError("%s", why.c_str());
  return nullptr;
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

// Starts SDL's video subsystem unless it runs already; returns why it cannot show
// windows (the device's notice), empty when it can. Once up with a real display it stays up
// until the process ends: one connection serves every plot, and a bare X server,
// which resets itself when its last client leaves, is never left without one
// between two plots.
std::string video_unready() {
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) return {};
  // Ctrl-C on the console must still end the program while a window waits, and
  // closing a plot's window must not end the session.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // The picture is drawn in memory already; copying it straight into the window's
  // own image costs less than going through a graphics-card texture, and keeps the
  // OpenGL libraries (some 100 MB under a software renderer) out of the process.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return no_display(SDL_GetError());
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr || std::strcmp(driver, "offscreen") == 0 ||
      std::strcmp(driver, "dummy") == 0) {
    // SDL falls back to these when there is no screen; their windows are never seen
    // and never get a click, so waiting on one would hang the session.
    std::string notice = no_display(std::string("video driver ") + (driver ? driver : "none"));
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return notice;
  }
  return {};
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

  // Copies the part r of the canvas into the window and shows it; the whole canvas,
  // scaled to fit, when the window's size is no longer the canvas's.
  void copy(const RasterCanvas& canvas, SDL_Rect r);
  void copy_all(const RasterCanvas& canvas) { copy(canvas, {0, 0, canvas.width(), canvas.height()}); }
  // What one event means to the window; a request for another view is put in request.
  Answer read(const SDL_Event& event, UserRequest& request) const;
  // Handles what is queued up to the first dismissal or request. Events of the same
  // request that follow it at once (the motion of one drag, wheel notches) are added
  // to it, so a fast drag costs one redraw. repaint is set when the window needs the
  // whole picture again.
  Answer next(UserRequest& request, bool& repaint) const;

  SDL_Window* sdl = nullptr;
  Uint32 id = 0;
  int number = 1;
  // When an update may next copy and read events, in SDL's milliseconds; 0 right after
  // open. Kept as a time, not as the last copy's: SDL counts from its own start, and
  // "15 ms after a copy at 0" held back the first update of a window that came up within
  // 15 ms of that start, so it stayed black until the close.
  Uint64 next_look_ms = 0;

 private:
  void copy_scaled(const RasterCanvas& canvas, SDL_Surface* surface);
};

void ScreenDevice::Window::copy(const RasterCanvas& canvas, SDL_Rect r) {
  SDL_Surface* surface = SDL_GetWindowSurface(sdl);
  if (surface == nullptr) return;
  next_look_ms = SDL_GetTicks64() + kMinCopyIntervalMs;
  if (surface->w != canvas.width() || surface->h != canvas.height()) {
    copy_scaled(canvas, surface);
    return;
  }
  const int x2 = std::min(r.x + r.w, canvas.width());
  const int y2 = std::min(r.y + r.h, canvas.height());
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
}

// The page keeps its aspect in a resized window; what is left around it shows the
// background (colour value 0).
void ScreenDevice::Window::copy_scaled(const RasterCanvas& canvas, SDL_Surface* surface) {
  const int background = canvas.palette_entry(0);
  SDL_FillRect(surface, nullptr,
               SDL_MapRGB(surface->format, static_cast<Uint8>(background >> 16),
                          static_cast<Uint8>(background >> 8), static_cast<Uint8>(background)));
  SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<std::uint8_t*>(canvas.row(0)), canvas.width(), canvas.height(), 32,
      canvas.row_bytes(), SDL_PIXELFORMAT_RGBA32);
  if (source != nullptr) {
    const FitRect fit = fit_inside(surface->w, surface->h, canvas.width(), canvas.height());
    SDL_Surface* scaled = smooth_scaled(source, fit.w, fit.h);
    SDL_FreeSurface(source);
    if (scaled != nullptr) {
      SDL_SetSurfaceBlendMode(scaled, SDL_BLENDMODE_NONE);
      SDL_Rect target{fit.x, fit.y, fit.w, fit.h};
      SDL_BlitSurface(scaled, nullptr, surface, &target);
      SDL_FreeSurface(scaled);
    }
  }
  SDL_UpdateWindowSurface(sdl);
}

ScreenDevice::Answer ScreenDevice::Window::read(const SDL_Event& event,
                                                UserRequest& request) const {
  switch (event.type) {
    case SDL_QUIT:
      return Answer::dismiss;
    case SDL_WINDOWEVENT:
      if (event.window.windowID != id) return Answer::nothing;
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) return Answer::dismiss;
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
          event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
          event.window.event == SDL_WINDOWEVENT_SHOWN) {
        return Answer::repaint;
      }
      return Answer::nothing;
    case SDL_MOUSEBUTTONUP: {
      if (event.button.windowID != id || event.button.button != SDL_BUTTON_RIGHT) return Answer::nothing;
      int w = 0, h = 0;
      SDL_GetWindowSize(sdl, &w, &h);
      const bool inside = event.button.x >= 0 && event.button.x < w && event.button.y >= 0 &&
                          event.button.y < h;
      return inside ? Answer::dismiss : Answer::nothing;
    }
    case SDL_MOUSEMOTION:
      if (event.motion.windowID != id || (event.motion.state & SDL_BUTTON_LMASK) == 0) return Answer::nothing;
      request = {UserRequest::kDrag, event.motion.xrel, event.motion.yrel, 0};
      return Answer::request;
    case SDL_MOUSEWHEEL: {
      if (event.wheel.windowID != id || event.wheel.y == 0) return Answer::nothing;
      const int notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
      request = {UserRequest::kZoom, 0, 0, notches};
      return Answer::request;
    }
    case SDL_KEYDOWN:
      if (event.key.windowID != id) return Answer::nothing;
      switch (event.key.keysym.sym) {
        case SDLK_ESCAPE:
        case SDLK_q:
        case SDLK_SPACE:
          return Answer::dismiss;
        case SDLK_LEFT: request = {UserRequest::kStep, -1, 0, 0}; return Answer::request;
        case SDLK_RIGHT: request = {UserRequest::kStep, 1, 0, 0}; return Answer::request;
        case SDLK_UP: request = {UserRequest::kStep, 0, 1, 0}; return Answer::request;
        case SDLK_DOWN: request = {UserRequest::kStep, 0, -1, 0}; return Answer::request;
        case SDLK_HOME: request = {UserRequest::kHome, 0, 0, 0}; return Answer::request;
        default: return Answer::nothing;
      }
    default:
      return Answer::nothing;  // left and middle clicks without a drag, other keys
  }
}

ScreenDevice::Answer ScreenDevice::Window::next(UserRequest& request, bool& repaint) const {
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    const Answer answer = read(event, request);
    if (answer == Answer::repaint) repaint = true;
    if (answer == Answer::dismiss) return answer;
    if (answer != Answer::request) continue;
    SDL_Event following;
    UserRequest more;
    while (request.kind != UserRequest::kHome &&
           SDL_PeepEvents(&following, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 &&
           read(following, more) == Answer::request && more.kind == request.kind) {
      SDL_PollEvent(&following);
      request.dx += more.dx;
      request.dy += more.dy;
      request.notches += more.notches;
    }
    return answer;
  }
  return Answer::nothing;
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
  dismissed_ = false;
  batch_.reset();
  changed_ = {};
  DeviceOpenResult result;
  int width = params.width;
  int height = params.height;
  int window_mode = params.window_mode;

  notice_ = video_unready();
  if (notice_.empty()) {
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
    window->sdl = create_drawable_window(working_title(params.window_number), x, y, width, height);
    if (window->sdl == nullptr) {
      notice_ = unusable_display(SDL_GetError());
    } else {
      window->id = SDL_GetWindowID(window->sdl);
      // The canvas has the pixels the window really shows: on a high-density
      // display these are more than the window's size in screen points.
      const SDL_Surface* surface = SDL_GetWindowSurface(window->sdl);
      width = surface->w;
      height = surface->h;
      result.colour_depth = surface->format->BitsPerPixel;
      window_ = std::move(window);
    }
  }

  result.status = canvas_.open(width, height, params.landscape, window_mode,
                               params.background_mode, true);
  if (result.status != kStatusOk) {
    window_.reset();
    return result;
  }
  canvas_.set_antialiased(true);
  // Until the library loads its table, index 0 is the background colour.
  std::array<int, 256> table{};
  if (params.background_mode == Background::light) table[0] = 0xFFFFFF;
  canvas_.load_colour_table(1, table.data());
  if (window_ == nullptr) result.colour_depth = 24;
  result.area_width = canvas_.width();
  result.area_height = canvas_.height();
  if (window_ != nullptr) {
    window_->copy_all(canvas_);
    window_->next_look_ms = 0;  // the first update after open is never held back
    SDL_RaiseWindow(window_->sdl);
  }
  return result;
}

int ScreenDevice::close() {
  // Requests for other views go unanswered here: nobody draws them.
  while (wait_for_request().kind != UserRequest::kDismiss) {
  }
  canvas_.close();
  return kStatusOk;
}

UserRequest ScreenDevice::wait_for_request() {
  batch_.flush();
  if (window_ == nullptr) return {};
  window_->copy_all(canvas_);
  changed_ = {};
  SDL_SetWindowTitle(window_->sdl, waiting_title(window_->number).c_str());
  // Polled rather than SDL_WaitEvent: while that waits, each new event makes SDL
  // send a wake-up message to the window over a second X connection, and when the
  // event dismisses the window, the server may take the window's destruction
  // first; the X error that follows ends the process at a later plot.
  for (;;) {
    bool repaint = false;
    UserRequest request;
    const Answer answer = window_->next(request, repaint);
    if (answer == Answer::dismiss) {
      dismiss_window();
      return {};
    }
    if (answer == Answer::request) return request;
    if (repaint) window_->copy_all(canvas_);
    SDL_Delay(kWaitPollMs);
  }
}

void ScreenDevice::dismiss_window() {
  window_.reset();
  dismissed_ = true;
}

void ScreenDevice::update() {
  batch_.flush();
  // An animation updates far more often than a screen shows or a user acts: the
  // window is looked at no more often than it gets a copy.
  if (window_ == nullptr || SDL_GetTicks64() < window_->next_look_ms) return;
  bool repaint = false;
  UserRequest ignored;  // another view is asked for only of a finished picture
  Answer answer;
  do {
    answer = window_->next(ignored, repaint);
  } while (answer == Answer::request);
  if (answer == Answer::dismiss) {
    // Dismissed while drawing: whoever draws learns it from dismissed().
    dismiss_window();
    return;
  }
  if (repaint) {
    window_->copy_all(canvas_);
    changed_ = {};
    return;
  }
  if (changed_.empty()) {
    window_->next_look_ms = SDL_GetTicks64() + kMinCopyIntervalMs;  // looked at: the next look in one interval
    return;
  }
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

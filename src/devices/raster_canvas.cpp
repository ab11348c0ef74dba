// RasterCanvas: pixel storage, colour selection, lines, rectangles, triangles and
// polygons drawn by direct byte writes.
// Method: Bresenham (1965), Algorithm for computer control of a digital plotter (plain lines);
// Wu (1991), An efficient antialiasing technique (smooth lines).
#include "devices/raster_canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "devices/device_status.h"

namespace devices {
namespace {

// The background mode of a white page.

// Largest canvas we try to allocate: keeps width * height * 4 far from overflow.
constexpr long long kMaxPixels = 1LL << 28;

bool is_direct_colour(int value) { return (value >> 24) == 1; }

// Index values are taken modulo 256; a negative remainder is folded into 0..255
// so that no value can address outside the table.
int table_index(int value) {
  int index = value % 256;
  return index < 0 ? index + 256 : index;
}

int table_last_index(int ipaltyp) {
  if (ipaltyp == kTableSmall) return 8;
  if (ipaltyp == kTableVga) return 15;
  return 255;
}

// The stepping rule of a line: n_major steps along the longer axis, the error term
// starting at -n_major/2; step(true) when a step also moves along the shorter axis.
template <class Step>
void walk_line(int n_major, int n_minor, Step step) {
  int e = -n_major / 2;
  for (int i = 0; i < n_major; ++i) {
    e += n_minor;
    const bool minor_step = e > 0;
    if (minor_step) e -= n_major;
    step(minor_step);
  }
}

}  // namespace

int RasterCanvas::open(int width, int height, bool landscape, int window_mode,
                       Background background_mode, bool true_colour) {
  close();
  if (window_mode == 0) {
    width = landscape ? kDefaultLongSide : kDefaultShortSide;
    height = landscape ? kDefaultShortSide : kDefaultLongSide;
  }
  if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxPixels) {
    return kStatusNoMemory;
  }
  width_ = width;
  height_ = height;
  true_colour_ = true_colour;
  antialiased_ = false;
  background_mode_ = background_mode;
  row_bytes_ = true_colour_ ? 4 * width_ : width_;
  try {
    pixels_.assign(static_cast<std::size_t>(row_bytes_) * height_, 0);
  } catch (const std::bad_alloc&) {
    width_ = height_ = row_bytes_ = 0;
    return kStatusNoMemory;
  }
  clip_x1_ = 0;
  clip_y1_ = 0;
  clip_x2_ = width_ - 1;
  clip_y2_ = height_ - 1;
  clear();
  return kStatusOk;
}

void RasterCanvas::close() {
  std::vector<std::uint8_t>().swap(pixels_);
  width_ = height_ = row_bytes_ = 0;
  clip_x2_ = clip_y2_ = -1;
}

int RasterCanvas::palette_entry(int i) const {
  const Rgb& e = palette_[table_index(i)];
  return (e.r << 16) | (e.g << 8) | e.b;
}

void RasterCanvas::load_colour_table(int ipaltyp, const int* npal) {
  table_number_ = ipaltyp;
  int count = 256;
  if (ipaltyp == kTableSmall) count = 9;
  if (ipaltyp == kTableVga) count = 16;
  for (int i = 0; i < count; ++i) {
    palette_[i].r = static_cast<std::uint8_t>((npal[i] >> 16) & 0xFF);
    palette_[i].g = static_cast<std::uint8_t>((npal[i] >> 8) & 0xFF);
    palette_[i].b = static_cast<std::uint8_t>(npal[i] & 0xFF);
  }
}

int RasterCanvas::nearest_index(int r, int g, int b) const {
  const int n = table_last_index(table_number_);
  auto equals = [&](int i, int v) {
    return palette_[i].r == v && palette_[i].g == v && palette_[i].b == v;
  };
  for (int grey : {0, 255}) {
    if (r == grey && g == grey && b == grey) {
      if (equals(0, grey)) return 0;
      if (equals(n, grey)) return n;
    }
  }
  int best = 1000;
  int best_index = 0;
  const int first = b > 0 ? 0 : n;
  const int step = b > 0 ? 1 : -1;
  for (int i = first; i >= 0 && i <= n; i += step) {
    const int d = std::abs(r - palette_[i].r) + std::abs(g - palette_[i].g) +
                  std::abs(b - palette_[i].b);
    if (d < best) {
      best = d;
      best_index = i;
      if (d == 0) break;
    }
  }
  return best_index;
}

void RasterCanvas::resolve_colour(int value, Rgb& rgb, int& index) const {
  if (is_direct_colour(value)) {
    rgb.r = static_cast<std::uint8_t>(value & 0xFF);
    rgb.g = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    rgb.b = static_cast<std::uint8_t>((value >> 16) & 0xFF);
    if (true_colour_) {
      index = 0;
      return;
    }
    index = nearest_index(rgb.r, rgb.g, rgb.b);
  } else {
    index = table_index(value);
  }
  rgb = palette_[index];
}

void RasterCanvas::set_colour(int value) {
  Rgb rgb;
  resolve_colour(value, rgb, colour_index_);
  colour_[0] = rgb.r;
  colour_[1] = rgb.g;
  colour_[2] = rgb.b;
}

void RasterCanvas::save_colour(int& index, Rgb& rgb) const {
  index = colour_index_;
  rgb = {colour_[0], colour_[1], colour_[2]};
}

void RasterCanvas::restore_colour(int index, const Rgb& rgb) {
  colour_index_ = index;
  colour_[0] = rgb.r;
  colour_[1] = rgb.g;
  colour_[2] = rgb.b;
}

void RasterCanvas::put_pixel(std::uint8_t* p) const {
  if (true_colour_) {
    std::memcpy(p, colour_, 4);
  } else {
    *p = static_cast<std::uint8_t>(colour_index_);
  }
}

void RasterCanvas::set_pixel_clipped(int x, int y) {
  if (inside(x, y)) put_pixel(pixel_address(x, y));
}

void RasterCanvas::fill_span(int y, int x1, int x2) {
  if (y < clip_y1_ || y > clip_y2_) return;
  x1 = std::max(x1, clip_x1_);
  x2 = std::min(x2, clip_x2_);
  if (x1 > x2) return;
  std::uint8_t* p = pixel_address(x1, y);
  if (!true_colour_) {
    std::memset(p, colour_index_, static_cast<std::size_t>(x2 - x1 + 1));
    return;
  }
  for (int x = x1; x <= x2; ++x, p += 4) std::memcpy(p, colour_, 4);
}

void RasterCanvas::blend_pixel(int x, int y, int weight) {
  if (weight <= 0 || !inside(x, y)) return;
  std::uint8_t* p = pixel_address(x, y);
  for (int i = 0; i < 3; ++i) {
    p[i] = static_cast<std::uint8_t>((colour_[i] * weight + p[i] * (255 - weight) + 127) / 255);
  }
  p[3] = colour_[3];
}

// In whole numbers: the exact line's offset along the shorter axis after i steps is
// dminor * i / dmajor, whose whole part picks the first pixel and whose remainder
// gives the share of the next one.
void RasterCanvas::draw_smooth_line(int x1, int y1, int x2, int y2) {
  const bool x_major = std::abs(x2 - x1) >= std::abs(y2 - y1);
  if (x_major ? x1 > x2 : y1 > y2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const int major_from = x_major ? x1 : y1;
  const int minor_from = x_major ? y1 : x1;
  const long long n_major = x_major ? x2 - x1 : y2 - y1;
  const long long d_minor = x_major ? y2 - y1 : x2 - x1;
  for (long long i = 0; i <= n_major; ++i) {
    long long whole = 0, share = 0;
    if (n_major > 0) {
      const long long offset = d_minor * i;
      whole = offset / n_major;
      long long rest = offset % n_major;
      if (rest < 0) {  // rounded towards minus infinity, the rest 0 <= rest < n_major
        --whole;
        rest += n_major;
      }
      share = (rest * 255 + n_major / 2) / n_major;
    }
    const int major = major_from + static_cast<int>(i);
    const int minor = minor_from + static_cast<int>(whole);
    const int weight = static_cast<int>(share);
    if (x_major) {
      blend_pixel(major, minor, 255 - weight);
      blend_pixel(major, minor + 1, weight);
    } else {
      blend_pixel(minor, major, 255 - weight);
      blend_pixel(minor + 1, major, weight);
    }
  }
}

void RasterCanvas::draw_line(int x1, int y1, int x2, int y2) {
  if (antialiased_) {
    draw_smooth_line(x1, y1, x2, y2);
  } else {
    draw_plain_line(x1, y1, x2, y2);
  }
}

void RasterCanvas::draw_plain_line(int x1, int y1, int x2, int y2) {
  if (y1 == y2) {
    fill_span(y1, std::min(x1, x2), std::max(x1, x2));
    return;
  }
  const int dx = std::abs(x2 - x1);
  const int dy = std::abs(y2 - y1);
  const int sx = x2 >= x1 ? 1 : -1;
  const int sy = y2 >= y1 ? 1 : -1;
  // Step along the longer axis; the error term decides the steps along the other.
  const bool x_major = dy < dx;
  const int n_major = x_major ? dx : dy;
  const int n_minor = x_major ? dy : dx;
  // The fast path steps a pointer; a line with an end outside the canvas is drawn
  // pixel by pixel with a bounds test so it can never write outside the pixels.
  if (inside(x1, y1) && inside(x2, y2)) {
    std::uint8_t* p = pixel_address(x1, y1);
    const std::ptrdiff_t step_x = sx * bytes_per_pixel();
    const std::ptrdiff_t step_y = sy * static_cast<std::ptrdiff_t>(row_bytes_);
    const std::ptrdiff_t major = x_major ? step_x : step_y;
    const std::ptrdiff_t minor = x_major ? step_y : step_x;
    put_pixel(p);
    walk_line(n_major, n_minor, [&](bool minor_step) {
      p += major;
      if (minor_step) p += minor;
      put_pixel(p);
    });
    return;
  }
  int x = x1;
  int y = y1;
  int& major = x_major ? x : y;
  int& minor = x_major ? y : x;
  const int major_step = x_major ? sx : sy;
  const int minor_step_size = x_major ? sy : sx;
  set_pixel_clipped(x, y);
  walk_line(n_major, n_minor, [&](bool minor_step) {
    major += major_step;
    if (minor_step) minor += minor_step_size;
    set_pixel_clipped(x, y);
  });
}

// The fills draw in the colour they are given and then give the current colour
// back, so that lines drawn after a fill keep the colour the caller last set.
void RasterCanvas::fill_rectangle(int x1, int y1, int x2, int y2, int value) {
  int saved_index;
  Rgb saved_rgb;
  save_colour(saved_index, saved_rgb);
  set_colour(value);
  for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y) {
    fill_span(y, std::min(x1, x2), std::max(x1, x2));
  }
  restore_colour(saved_index, saved_rgb);
}

void RasterCanvas::walk_rows(int y_from, int y_to, double& left, double left_step,
                             double& right, double right_step) {
  // Rows below the canvas are never visible; rows above still advance the edges.
  for (int y = y_from; y <= std::min(y_to, clip_y2_); ++y) {
    const int a = static_cast<int>(left + 0.5);
    const int b = static_cast<int>(right + 0.5);
    fill_span(y, std::min(a, b), std::max(a, b));
    left += left_step;
    right += right_step;
  }
}

void RasterCanvas::fill_triangle(const int xs[3], const int ys[3], int value) {
  int saved_index;
  Rgb saved_rgb;
  save_colour(saved_index, saved_rgb);
  set_colour(value);
  draw_plain_line(xs[0], ys[0], xs[1], ys[1]);
  draw_plain_line(xs[0], ys[0], xs[2], ys[2]);
  draw_plain_line(xs[2], ys[2], xs[1], ys[1]);

  int order[3] = {0, 1, 2};
  std::stable_sort(order, order + 3, [&](int i, int j) { return ys[i] < ys[j]; });
  const double xt = xs[order[0]], xm = xs[order[1]], xb = xs[order[2]];
  const int yt = ys[order[0]], ym = ys[order[1]], yb = ys[order[2]];

  if (yt == yb) {
    fill_span(yt, std::min({xs[0], xs[1], xs[2]}), std::max({xs[0], xs[1], xs[2]}));
  } else if (yt == ym) {
    double left = xm;
    double right = xt;
    walk_rows(ym, yb, left, (xb - xm) / (yb - ym), right, (xb - xt) / (yb - yt));
  } else {
    double left = xt;
    double right = xt;
    const double long_step = (xb - xt) / (yb - yt);
    walk_rows(yt, ym, left, (xm - xt) / (ym - yt), right, long_step);
    if (yb > ym) {
      // The short edge goes on from the middle vertex; the row after the middle
      // row is one step along it.
      const double lower_step = (xb - xm) / (yb - ym);
      left = xm + lower_step;
      walk_rows(ym + 1, yb, left, lower_step, right, long_step);
    }
  }
  restore_colour(saved_index, saved_rgb);
}

void RasterCanvas::fill_polygon(const int* xs, const int* ys, int n) {
  if (n <= 0) return;
  const int y_min = std::max(*std::min_element(ys, ys + n), clip_y1_);
  const int y_max = std::min(*std::max_element(ys, ys + n), clip_y2_);
  std::vector<double> crossings;
  for (int y = y_min; y <= y_max; ++y) {
    crossings.clear();
    for (int i = 0, j = n - 1; i < n; j = i++) {
      // Half-open in y, so a vertex shared by two edges counts once.
      if ((ys[i] <= y && y < ys[j]) || (ys[j] <= y && y < ys[i])) {
        crossings.push_back(xs[i] + static_cast<double>(y - ys[i]) * (xs[j] - xs[i]) /
                                        (ys[j] - ys[i]));
      }
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
      fill_span(y, static_cast<int>(crossings[k] + 0.5), static_cast<int>(crossings[k + 1] + 0.5));
    }
  }
  for (int i = 0, j = n - 1; i < n; j = i++) draw_plain_line(xs[j], ys[j], xs[i], ys[i]);
}

void RasterCanvas::clear() {
  if (true_colour_ && background_mode_ == Background::light) {
    static constexpr std::uint8_t kWhite[4] = {255, 255, 255, 0};
    for (std::size_t i = 0; i < pixels_.size(); i += 4) std::memcpy(&pixels_[i], kWhite, 4);
  } else {
    std::fill(pixels_.begin(), pixels_.end(), std::uint8_t{0});
  }
}

bool RasterCanvas::read_block(int x, int y, int w, int h, bool rgb, std::uint8_t* buffer) const {
  if (x < 0 || y < 0 || w < 0 || h < 0 || x > width_ - w || y > height_ - h) return false;
  for (int row_y = y; row_y < y + h; ++row_y) {
    const std::uint8_t* p = row(row_y) + static_cast<std::size_t>(x) * bytes_per_pixel();
    for (int i = 0; i < w; ++i, p += bytes_per_pixel()) {
      if (true_colour_ && rgb) {
        buffer = std::copy(p, p + 3, buffer);
      } else if (true_colour_) {
        *buffer++ = static_cast<std::uint8_t>(nearest_index(p[0], p[1], p[2]));
      } else if (rgb) {
        const Rgb& e = palette_[*p];
        *buffer++ = e.r;
        *buffer++ = e.g;
        *buffer++ = e.b;
      } else {
        *buffer++ = *p;
      }
    }
  }
  return true;
}

}  // namespace devices

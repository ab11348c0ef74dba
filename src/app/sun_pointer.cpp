// The arrow towards a Sun outside the box.
#include "app/sun_pointer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/bold_lines.h"
#include "app/plated_text.h"
#include "plot/plotix.h"

namespace app {

namespace {

constexpr double kSun[3] = {-1.0, 0.0, 0.0};
// The arrow's length as a share of the way from the box's centre to the face.
constexpr double kArrowShare = 0.4;
// Page sizes, plot units: the two strokes of the head and their angle to the shaft,
// the label's height and its distance from the head.
constexpr float kHeadLength = 30.0f;
constexpr double kHeadAngle = 0.45;  // radians
constexpr int kLabelHeight = 26;
constexpr float kLabelGap = 12.0f;
constexpr int kArrowWidth = 3;

}  // namespace

SunPointer sun_pointer(const PictureBox& box) {
  double centre[3], way[3];
  double reach = std::numeric_limits<double>::max();  // share of the way to the Sun at the face
  for (int j = 0; j < 3; ++j) {
    centre[j] = (box.lo[j] + box.hi[j]) / 2;
    way[j] = kSun[j] - centre[j];
    if (way[j] != 0.0) reach = std::min(reach, ((way[j] > 0 ? box.hi[j] : box.lo[j]) - centre[j]) / way[j]);
  }
  SunPointer arrow;
  for (int j = 0; j < 3; ++j) {
    arrow.head[j] = centre[j] + reach * way[j];
    arrow.tail[j] = centre[j] + (1.0 - kArrowShare) * reach * way[j];
  }
  return arrow;
}

void draw_sun_pointer(const PictureBox& box, const ClearPalette& palette, bool brush) {
  const SunPointer arrow = sun_pointer(box);
  float tx = 0, ty = 0, hx = 0, hy = 0;
  if (!plotix::pos3pg(static_cast<float>(arrow.tail[0]), static_cast<float>(arrow.tail[1]),
                      static_cast<float>(arrow.tail[2]), tx, ty) ||
      !plotix::pos3pg(static_cast<float>(arrow.head[0]), static_cast<float>(arrow.head[1]),
                      static_cast<float>(arrow.head[2]), hx, hy)) {
    return;
  }
  const double length = std::hypot(hx - tx, hy - ty);
  // Seen along its own line the arrow has no direction on the page: the label alone.
  const double ux = length > 1.0 ? (hx - tx) / length : 1.0, uy = length > 1.0 ? (hy - ty) / length : 0.0;
  plotix::setrgb(palette.sun.r, palette.sun.g, palette.sun.b);
  if (length > 1.0) {
    bold_rline(tx, ty, hx, hy, kArrowWidth, brush);
    for (const double turn : {kHeadAngle, -kHeadAngle}) {
      const double bx = -(ux * std::cos(turn) - uy * std::sin(turn)), by = -(ux * std::sin(turn) + uy * std::cos(turn));
      bold_rline(hx, hy, hx + static_cast<float>(kHeadLength * bx), hy + static_cast<float>(kHeadLength * by),
                 kArrowWidth, brush);
    }
  }
  // "Sun" beyond the head, its plate just clear of it along the arrow.
  plotix::height(kLabelHeight);
  const float w = static_cast<float>(plotix::nlmess("Sun")), h = kLabelHeight;
  const float reach = kLabelGap + kPlateMargin +
                      0.5f * (w * static_cast<float>(std::fabs(ux)) + h * static_cast<float>(std::fabs(uy)));
  const float cx = hx + reach * static_cast<float>(ux), cy = hy + reach * static_cast<float>(uy);
  plated_text("Sun", cx - w / 2, cy - h / 2, kLabelHeight, palette);
}

}  // namespace app

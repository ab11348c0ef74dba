// Turning and zooming the observer around the focus, in spherical coordinates
// centred on the focus (azimuth from +X towards +Y, elevation above the XY plane).
#include "app/view_turn.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

#include "app/view_dialogue.h"

namespace app {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// The value the view prompt reads from the value printed with two decimals.
float two_decimals(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return std::strtof(text, nullptr);
}

}  // namespace

View turned_view(const View& current, const View& asked, const devices::UserRequest& request) {
  if (request.kind == devices::UserRequest::kHome) return asked;
  if (request.kind == devices::UserRequest::kDismiss) return current;
  const double rx = static_cast<double>(current.xobs) - current.xf;
  const double ry = static_cast<double>(current.yobs) - current.yf;
  const double rz = static_cast<double>(current.zobs) - current.zf;
  double distance = std::sqrt(rx * rx + ry * ry + rz * rz);
  if (distance == 0.0) return current;  // standing on the focus: no direction to turn
  View view = current;
  if (request.kind == devices::UserRequest::kZoom) {
    // Along the line of sight, so that a view from straight above stays one.
    const double nearer = std::clamp(distance * std::pow(kDistanceFactorPerNotch, request.notches),
                                     kNearestDistance, kFarthestDistance);
    const double scale = nearer / distance;
    view.xobs = two_decimals(current.xf + scale * rx);
    view.yobs = two_decimals(current.yf + scale * ry);
    view.zobs = two_decimals(current.zf + scale * rz);
    measure_distances(view);
    return view;
  }
  double azimuth = std::atan2(ry, rx) / kRadiansPerDegree;
  double elevation = std::asin(std::clamp(rz / distance, -1.0, 1.0)) / kRadiansPerDegree;
  const double turn_x = request.kind == devices::UserRequest::kDrag
                            ? -kDegreesPerDragPixel * request.dx
                            : kDegreesPerArrowStep * request.dx;
  const double turn_y = request.kind == devices::UserRequest::kDrag
                            ? kDegreesPerDragPixel * request.dy
                            : kDegreesPerArrowStep * request.dy;
  azimuth += turn_x;
  // Straight above or below the focus the view has no sideways direction left.
  elevation = std::clamp(elevation + turn_y, -kHighestElevation, kHighestElevation);
  const double a = azimuth * kRadiansPerDegree, e = elevation * kRadiansPerDegree;
  view.xobs = two_decimals(current.xf + distance * std::cos(e) * std::cos(a));
  view.yobs = two_decimals(current.yf + distance * std::cos(e) * std::sin(a));
  view.zobs = two_decimals(current.zf + distance * std::sin(e));
  measure_distances(view);
  return view;
}

float zoomed(float zoom, int notches) {
  return static_cast<float>(std::clamp(zoom * std::pow(kZoomPerNotch, notches), kLeastZoom, kMostZoom));
}

}  // namespace app

// The observer moved as the user asks in the plot's window: turned around the view's
// focus with the distance kept, brought nearer or farther, or back to the view first
// asked for; and the clear picture enlarged by the wheel.
#pragma once

#include "app/run_state.h"
#include "devices/user_request.h"

namespace app {

inline constexpr double kDegreesPerDragPixel = 0.5;
inline constexpr double kDegreesPerArrowStep = 5.0;
inline constexpr double kDistanceFactorPerNotch = 0.9;  // wheel turned away from the user
inline constexpr double kHighestElevation = 89.0;       // degrees above or below the focus
inline constexpr double kNearestDistance = 0.1;         // relative units
inline constexpr double kFarthestDistance = 1000.0;
// The clear picture's enlargement: per notch of the wheel, and its range (--zoom's).
inline constexpr double kZoomPerNotch = 1.0 / kDistanceFactorPerNotch;
inline constexpr double kLeastZoom = 0.0001;
inline constexpr double kMostZoom = 10000.0;

// The view after `request`. A drag turns the picture with the hand (right: the observer
// goes left round the focus; down: the observer rises); the arrows move the observer
// (right: to its right; up: up). The new position is kept to the two decimals the
// view prompt shows, so that the position printed at the end gives the same picture.
View turned_view(const View& current, const View& asked, const devices::UserRequest& request);

// The clear picture's enlargement after the wheel turned `notches` away from the user
// (negative: towards), within its range.
float zoomed(float zoom, int notches);

}  // namespace app

// The observer against the box.
#include "app/observer_near_box.h"

namespace app {

namespace {

// v within [lo, hi] grown by a quarter of its length at either end.
bool near_span(float v, float lo, float hi) {
  const float margin = 0.25f * (hi - lo);
  return v >= lo - margin && v <= hi + margin;
}

}  // namespace

bool observer_near_box(const RunState& state) {
  const AxisBox& b = state.axes;
  const View& v = state.view;
  return near_span(v.xobs, b.xa, b.xe) && near_span(v.yobs, b.ya, b.ye) && near_span(v.zobs, b.za, b.ze);
}

}  // namespace app

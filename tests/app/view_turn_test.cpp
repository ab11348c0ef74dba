// Turning and zooming the view from the window's requests, checked with vector
// geometry (angles from dot products, sides from cross products) rather than the
// spherical coordinates the code turns in.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "app/view_dialogue.h"
#include "app/view_turn.h"

namespace {

using devices::UserRequest;

struct Vec {
  double x, y, z;
};
Vec relative(const app::View& v) { return {double(v.xobs) - v.xf, double(v.yobs) - v.yf, double(v.zobs) - v.zf}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double length(Vec a) { return std::sqrt(dot(a, a)); }
Vec cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double degrees_between(Vec a, Vec b) {
  return std::acos(std::clamp(dot(a, b) / (length(a) * length(b)), -1.0, 1.0)) * 180 / std::numbers::pi;
}

app::View view_at(char focus, float x, float y, float z, float xf, float yf, float zf) {
  app::View v;
  v.focus = focus;
  v.xobs = x, v.yobs = y, v.zobs = z;
  v.xf = xf, v.yf = yf, v.zf = zf;
  app::measure_distances(v);
  return v;
}

// Rounding to two decimals moves each coordinate by at most 0.005.
constexpr double kRoundingSlack = 0.005 * 1.7321;

TEST(ViewTurn, DragsAndArrowsTurnAroundTheFocusByTheirAngleWithTheDistanceKept) {
  const app::View start = view_at('P', 3.0f, -3.0f, 1.5f, 0, 0, 0);
  const Vec r0 = relative(start);
  const Vec up{0, 0, 1};
  const Vec right = cross({-r0.x, -r0.y, -r0.z}, up);  // the observer's right hand
  struct Case {
    UserRequest request;
    double degrees;     // angle turned
    double to_right;    // sign of the move along the observer's right (0: none)
    double upward;      // sign of the move in z (0: none)
  } cases[] = {
      {{UserRequest::kStep, 1, 0, 0}, 5, 1, 0},
      {{UserRequest::kStep, -2, 0, 0}, 10, -1, 0},
      {{UserRequest::kStep, 0, 1, 0}, 5, 0, 1},
      {{UserRequest::kDrag, 20, 0, 0}, 10, -1, 0},  // the picture follows the hand
      {{UserRequest::kDrag, 0, 30, 0}, 15, 0, 1},   // pulled down: seen from higher
  };
  for (const Case& c : cases) {
    const app::View turned = app::turned_view(start, start, c.request);
    const Vec r1 = relative(turned);
    EXPECT_NEAR(length(r1), length(r0), kRoundingSlack);
    // A turn round the vertical sweeps a small circle: the angle seen from the focus
    // is the chord's, 2 asin(cos(elevation) sin(turn / 2)). Rounding to 0.01 units at
    // distance 4.5 is worth 0.13 degrees.
    const double cos_elevation = std::hypot(r0.x, r0.y) / length(r0);
    const double half_turn = c.degrees / 2 * std::numbers::pi / 180;
    const double expected = c.upward != 0 ? c.degrees
                                          : 2 * std::asin(cos_elevation * std::sin(half_turn)) * 180 / std::numbers::pi;
    EXPECT_NEAR(degrees_between(r0, r1), expected, 0.2) << c.request.kind;
    const Vec moved{r1.x - r0.x, r1.y - r0.y, r1.z - r0.z};
    if (c.to_right != 0) {
      EXPECT_GT(c.to_right * dot(moved, right), 0) << c.request.dx;
    }
    if (c.upward != 0) {
      EXPECT_GT(c.upward * moved.z, 0) << c.request.dy;
    } else {
      EXPECT_NEAR(turned.zobs, start.zobs, 0.005);
    }
    EXPECT_FLOAT_EQ(turned.dpl, std::sqrt(turned.xobs * turned.xobs + turned.yobs * turned.yobs +
                                          turned.zobs * turned.zobs));
  }
}

TEST(ViewTurn, WheelMovesAlongTheLineOfSightAndHomeGoesBack) {
  const app::View asked = view_at('S', -1.0f, 0.0f, 5.0f, -1, 0, 0);
  const app::View nearer = app::turned_view(asked, asked, {UserRequest::kZoom, 0, 0, 3});
  EXPECT_FLOAT_EQ(nearer.zobs, 3.65f);  // 5 x 0.9^3 = 3.645, printed 3.65
  EXPECT_EQ(nearer.xobs, -1.0f);
  EXPECT_EQ(nearer.yobs, 0.0f);
  const app::View farther = app::turned_view(nearer, asked, {UserRequest::kZoom, 0, 0, -400});
  EXPECT_FLOAT_EQ(farther.zobs, 1000.0f);
  const app::View back = app::turned_view(farther, asked, {UserRequest::kHome, 0, 0, 0});
  EXPECT_EQ(back.zobs, asked.zobs);
  EXPECT_EQ(back.dsun, asked.dsun);

  // From straight above, a turn leaves the pole for the highest elevation allowed.
  const app::View tilted = app::turned_view(asked, asked, {UserRequest::kDrag, 0, 10, 0});
  EXPECT_NEAR(90 - degrees_between(relative(tilted), {0, 0, 1}), 89.0, 0.2);
}

TEST(ViewTurn, ThePrintedPositionReadsBackAsTheViewDrawn) {
  app::View v = view_at('a', 0.3f, 0.2f, -0.1f, 0.25f, 0.1f, 0.0f);
  for (int i = 0; i < 40; ++i) {
    v = app::turned_view(v, v, {UserRequest::kDrag, 7 + i, -3 * i, 0});
    const std::string text = app::view_prompt_form(v);
    char focus = 0;
    float x = 0, y = 0, z = 0;
    ASSERT_EQ(std::sscanf(text.c_str(), "%c,%f,%f,%f", &focus, &x, &y, &z), 4) << text;
    EXPECT_EQ(focus, 'A');
    EXPECT_EQ(x, v.xobs) << text;
    EXPECT_EQ(y, v.yobs) << text;
    EXPECT_EQ(z, v.zobs) << text;
  }
}

}  // namespace

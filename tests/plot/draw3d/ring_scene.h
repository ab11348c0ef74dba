// One scene seen from a ring of viewpoints, for the viewpoint test and the
// benchmark: the default 2 x 2 x 2 box over -1..1 on every axis (so user and
// box units are the same), its labelled axes, a helix path inside it in green and
// two spheres. Views: 12 around, 2 from above, 2 from below, and 1 inside the
// box looking at its centre, so most of the box lies beside or behind it.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "plot/core/global_state.h"
#include "plot/plot3d.h"
#include "plot/plotix.h"

namespace plotix::test {

struct RingView {
  float view[3];
  float focus[3];
};

inline std::vector<RingView> ring_views() {
  std::vector<RingView> v;
  for (int k = 0; k < 12; ++k) {
    const float a = static_cast<float>(k) * 0.5235988f;
    v.push_back({{4 * std::cos(a), 4 * std::sin(a), 1.5f}, {0, 0, 0}});
  }
  v.push_back({{0, 0, 4}, {0, 0, 0}});
  v.push_back({{1, 0.5f, 3.5f}, {0, 0, 0}});
  v.push_back({{0, 0, -4}, {0, 0, 0}});
  v.push_back({{-0.5f, 1, -3.5f}, {0, 0, 0}});
  v.push_back({{0.5f, 0.3f, 0.1f}, {0, 0, 0}});
  return v;
}

// The helix: three turns of radius 0.8 rising from z = -0.8 to 0.8.
struct RingPath {
  std::vector<float> x, y, z;
  RingPath() {
    constexpr int n = 600;
    for (int i = 0; i < n; ++i) {
      const double t = 3 * 6.283185307 * i / (n - 1);
      x.push_back(static_cast<float>(0.8 * std::cos(t)));
      y.push_back(static_cast<float>(0.8 * std::sin(t)));
      z.push_back(static_cast<float>(-0.8 + 1.6 * i / (n - 1)));
    }
  }
};

// What the library chose to fit box and labels on the page: the page size of the unit
// of projected coordinates (scl3) and the page point of the line of sight.
struct RingProjection {
  float scale, xcen, ycen;
};

// Writes the scene from one view as a 1600 x 1200 BMP file; `protocol` false
// keeps the end-of-run protocol off stdout.
inline RingProjection save_ring_view(const RingView& v, const RingPath& path, const std::string& file,
                           bool protocol = true) {
  setfil(file);
  metafl("BMP");
  winsiz(1600, 1200);
  disini();
  qqgglb()->core.iprotocol = protocol;
  name("X", "X");
  name("Y", "Y");
  name("Z", "Z");
  view3d(v.view[0], v.view[1], v.view[2], "ABS");
  vfoc3d(v.focus[0], v.focus[1], v.focus[2], "ABS");
  color("MAGENTA");
  graf3d(-1, 1, -1, 1, -1, 1, -1, 1, -1, 1, -1, 1);
  const Axis3dState& a = qqgglb()->axis3d;
  const RingProjection projection{a.scl3, a.xcen3, a.ycen3};
  box3d();
  color("GREEN");
  curv3d(path.x.data(), path.y.data(), path.z.data(), static_cast<int>(path.x.size()));
  color("YELLOW");
  sphe3d(-0.6f, 0.2f, 0.3f, 0.25f, 10, 10);
  color("RED");
  sphe3d(0.7f, -0.5f, -0.4f, 0.2f, 10, 10);
  endgrf();
  disfin();
  return projection;
}

}  // namespace plotix::test

// The program's 3D picture (box, titles, labelled axes, path, Sun and planet,
// page header) drawn the way the view stage draws it, for the picture test and
// the benchmark. The path is a made-up orbit in the planet's rotating frame.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "app/read_back.h"
#include "plot/plot3d.h"
#include "plot/plotix.h"
#include "plot/text.h"

namespace plotix::test {

struct ProgramPicture {
  std::vector<float> x, y, z;
  app::AxisBox box;
  float xobs = 3, yobs = -3, zobs = 1.5f;  // observer, relative units; focus on the planet
  float sphere_scale = 1;  // times the program's radii (the picture test enlarges them)

  // n points of a path that loops around the Sun at (-1, 0, 0) and passes the
  // planet, and the axis box sized from them by the read-back's own rule.
  explicit ProgramPicture(int n) : x(n), y(n), z(n) {
    float xymax = -999, zmax = -999;
    for (int k = 0; k < n; ++k) {
      const double t = 12.0 * k / n;
      const double r = 1.05 + 0.25 * std::sin(0.9 * t);
      const double theta = 6.2831853 * t * (1.0 / std::pow(r, 1.5) - 1.0);
      x[k] = static_cast<float>(-1.0 + r * std::cos(theta));
      y[k] = static_cast<float>(r * std::sin(theta));
      z[k] = static_cast<float>(0.12 * std::sin(2.0 * t));
      xymax = std::max({xymax, std::fabs(1 + x[k]), std::fabs(y[k])});
      zmax = std::max(zmax, std::fabs(z[k]));
    }
    box = app::size_axis_box(xymax, zmax);
  }

  // The settings made after disini.
  void settings() const {
    labdig(-1, "XYZ");
    noclip();
    paghdr("SKYTRAK3D (", ")", 1, 1);
    hname(26);
    name("X", "X");
    name("Y", "Y");
    name("Z", "Z");
    titlin("(433) Eros                  ", 1);
    titlin("Rotating frame of the Earth ", 2);
    flab3d();
    height(26);
    pagera();
    axis3d(box.ixy / 100.0f, box.ixy / 100.0f, box.iz / 100.0f);
    view3d(xobs, yobs, zobs, "USER");
    vfoc3d(0, 0, 0, "USER");
  }

  // Frame k of an animation over frame k - 1: the axis system set up again and the
  // path's newest segment. With `backdrop` the axes stay undrawn and the bodies are not
  // drawn again (the program's way since the backdrop); without it the axes are drawn
  // again and the bodies over the segment, as the program drew every frame before.
  void next_frame(int k, bool backdrop) const {
    skip_axes3d(backdrop);
    color("MAGENTA");
    graf3d(box.xa, box.xe, box.xo0, 1, box.ya, box.ye, box.yo0, 1, box.za, box.ze, box.zo0, 1);
    skip_axes3d(false);
    color("GREEN");
    curv3d(x.data() + k - 2, y.data() + k - 2, z.data() + k - 2, 2);
    if (!backdrop) bodies();
    endgrf();
  }

  // The Sun and the planet.
  void bodies() const {
    const float dpl = std::sqrt(xobs * xobs + yobs * yobs + zobs * zobs);
    const float dsun = std::sqrt((1 + xobs) * (1 + xobs) + yobs * yobs + zobs * zobs);
    color("YELLOW");
    sphe3d(-1, 0, 0, 0.002f * dsun * sphere_scale, 10, 10);
    color("red");
    sphe3d(0, 0, 0, 0.0015f * dpl * sphere_scale, 10, 10);
  }

  // One frame with the first k points of the path.
  void frame(int k) const {
    color("MAGENTA");
    graf3d(box.xa, box.xe, box.xo0, 1, box.ya, box.ye, box.yo0, 1, box.za, box.ze, box.zo0, 1);
    dash();
    penwid(0.2f);
    box3d();
    linwid(1);
    solid();
    color("WHITE");
    title();
    color("GREEN");
    curv3d(x.data(), y.data(), z.data(), k);
    bodies();
    endgrf();
  }
};

}  // namespace plotix::test

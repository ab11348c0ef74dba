// Upright labels seen from a ring of viewpoints around the program's flat box: every
// number and name is its text drawn level (or, for the z name, reading upwards) and
// only moved, at least 2.5 mm high, clear of the other labels and of the box edges,
// inside the area below the titles; and box and labels fill that area in one
// direction. Measured from the strokes the device receives.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "axis_system_fixture.h"
#include "plot/axis3d/move_draw3d.h"
#include "plot/axis3d/upright_labels.h"
#include "plot/text/text_draw.h"

namespace plotix::test {
namespace {

using Stroke = std::vector<DevicePoint>;

struct Ink {
  double x1 = 1e9, y1 = 1e9, x2 = -1e9, y2 = -1e9;
  void add(const DevicePoint& p) {
    x1 = std::min(x1, p.x);
    y1 = std::min(y1, p.y);
    x2 = std::max(x2, p.x);
    y2 = std::max(y2, p.y);
  }
};

std::vector<Stroke> strokes_of(const std::vector<DevicePoint>& drawn) {
  std::vector<Stroke> out;
  for (const DevicePoint& p : drawn) {
    if (p.code == devices::kMove || out.empty()) out.emplace_back();
    out.back().push_back(p);
  }
  return out;
}

// Whether the segment from p to q meets the rectangle (Liang-Barsky).
bool crosses(const DevicePoint& p, const DevicePoint& q, const Ink& r) {
  double t0 = 0, t1 = 1;
  const double dx = q.x - p.x, dy = q.y - p.y;
  const double edges[4][2] = {{-dx, p.x - r.x1}, {dx, r.x2 - p.x}, {-dy, p.y - r.y1}, {dy, r.y2 - p.y}};
  for (const auto& [d, room] : edges) {
    if (d == 0) {
      if (room < 0) return false;
    } else if (d < 0) {
      t0 = std::max(t0, room / d);
    } else {
      t1 = std::min(t1, room / d);
    }
  }
  return t0 <= t1;
}

// The program's flat box: 1.82 x 1.82 x 0.31.
constexpr float kFlatBox[3] = {1.82f, 1.82f, 0.31f};

class UprightRing : public PlotTest {
 protected:
  // A unit screen without clipping and the flat box with upright labels.
  PlotState& open_flat_box() {
    log_->calls.clear();
    PlotState& s = open_unit_screen();
    s.line.nclpx1 = s.line.nclpy1 = -1000000;
    s.line.nclpx2 = s.line.nclpy2 = 1000000;
    axis3d(kFlatBox[0], kFlatBox[1], kFlatBox[2]);
    labl3d("PAGE");
    return s;
  }

  // The strokes of `text` drawn alone with dtext at the given turn.
  std::vector<Stroke> reference(PlotState& s, const std::string& text, int angle, int h) {
    log_->calls.clear();
    dtext(s, text, 1000, 1000, angle, h);
    qqstrk(s);
    return strokes_of(points());
  }
};

// Whether `drawn` is `ref` moved by one offset (to a device unit).
bool moved_copy(const std::vector<Stroke>& drawn, const std::vector<Stroke>& ref) {
  if (drawn.size() != ref.size()) return false;
  const double ox = drawn[0][0].x - ref[0][0].x, oy = drawn[0][0].y - ref[0][0].y;
  for (std::size_t k = 0; k < ref.size(); ++k) {
    if (drawn[k].size() != ref[k].size()) return false;
    for (std::size_t i = 0; i < ref[k].size(); ++i) {
      if (std::fabs(drawn[k][i].x - ref[k][i].x - ox) > 1 || std::fabs(drawn[k][i].y - ref[k][i].y - oy) > 1) {
        return false;
      }
    }
  }
  return true;
}

TEST_F(UprightRing, LabelsReadUprightApartAndTheDrawingFillsTheArea) {
  for (const float distance : {4.0f, 8.0f}) {
    for (int azimuth = 0; azimuth < 360; azimuth += 30) {
      for (const int elevation : {-90, -60, -30, 0, 30, 60, 90}) {
        const double az = azimuth * M_PI / 180, el = elevation * M_PI / 180;
        const float view[3] = {static_cast<float>(distance * std::cos(el) * std::cos(az)),
                               static_cast<float>(distance * std::cos(el) * std::sin(az)),
                               static_cast<float>(distance * std::sin(el))};
        const std::string where = std::to_string(distance) + " " + std::to_string(azimuth) + " " + std::to_string(elevation);
        PlotState& s = open_flat_box();
        name("X (Sun\u2013Earth distances)", "X");
        name("Y (Sun\u2013Earth distances)", "Y");
        name("Z (Sun\u2013Earth distances)", "Z");
        labdig(-1, "XYZ");
        view3d(view[0], view[1], view[2], "ABS");
        vfoc3d(0, 0, 0, "ABS");
        graf3d(-2, 2, -2, 1, -2, 2, -2, 1, -1, 1, -1, 1);
        qqstrk(s);
        const std::vector<Stroke> labels = strokes_of(points());
        log_->calls.clear();
        box3d();
        qqstrk(s);
        const std::vector<Stroke> box = strokes_of(points());

        // The texts the library placed, in the order it drew them after the ticks.
        const UprightLabels placed = fit_upright_labels(s);
        std::size_t next = placed.ticks.size();

        std::vector<Ink> inks;
        int names = 0;
        for (const UprightText& t : placed.texts) {
          const std::vector<Stroke> level = reference(s, t.text, 0, t.height);
          const std::vector<Stroke> upwards = reference(s, t.text, 90, t.height);
          ASSERT_LE(next + level.size(), labels.size()) << where;
          const std::vector<Stroke> drawn(labels.begin() + static_cast<long>(next),
                                          labels.begin() + static_cast<long>(next + level.size()));
          next += level.size();
          const bool is_z_name = t.text[0] == 'Z' && t.text.size() > 1;
          names += t.text.size() > 1 && t.text[1] == ' ';
          const bool reads_up = !moved_copy(drawn, level);
          EXPECT_TRUE(!reads_up || (is_z_name && moved_copy(drawn, upwards)))
              << where << ": \"" << t.text << "\" is turned, mirrored or bent";
          Ink ink;
          for (const Stroke& stroke : drawn)
            for (const DevicePoint& p : stroke) ink.add(p);
          EXPECT_GE(reads_up ? ink.x2 - ink.x1 : ink.y2 - ink.y1, 25) << where << ": \"" << t.text << "\"";
          EXPECT_TRUE(ink.x1 >= 50 && ink.x2 <= s.page.nxpage - 50 && ink.y1 >= s.core.nya - s.core.nyl &&
                      ink.y2 <= s.page.nypage - 50) << where << ": \"" << t.text << "\" off the area";
          for (const Ink& other : inks) {
            EXPECT_FALSE(ink.x1 <= other.x2 && other.x1 <= ink.x2 && ink.y1 <= other.y2 && other.y1 <= ink.y2)
                << where << ": \"" << t.text << "\" overlaps another label";
          }
          for (const Stroke& edge : box) {
            for (std::size_t i = 1; i < edge.size(); ++i) {
              EXPECT_FALSE(crosses(edge[i - 1], edge[i], ink)) << where << ": \"" << t.text << "\" on a box edge";
            }
          }
          inks.push_back(ink);
        }
        EXPECT_EQ(next, labels.size()) << where;
        EXPECT_GE(names, 2) << where;

        Ink drawing;
        for (const auto* part : {&labels, &box})
          for (const Stroke& stroke : *part)
            for (const DevicePoint& p : stroke) drawing.add(p);
        const double area_w = s.page.nxpage - 100.0, area_h = s.page.nypage - 50.0 - (s.core.nya - s.core.nyl);
        EXPECT_TRUE((drawing.x2 - drawing.x1) / area_w >= 0.6 || (drawing.y2 - drawing.y1) / area_h >= 0.6)
            << where << ": the drawing fills " << (drawing.x2 - drawing.x1) / area_w << " x "
            << (drawing.y2 - drawing.y1) / area_h;
        finish();
      }
    }
  }
}

double distance_to_segment(const DevicePoint& p, const DevicePoint& a, const DevicePoint& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// The numbers of X and Y hang from the lowest of the outer box edges along their axis:
// their ticks (two-point strokes) start on it. The twelve edges are drawn here through
// the 3D line path and read from the device; which edges are outer (all corners on one
// side) and which of them is lowest on the page is worked out here.
TEST_F(UprightRing, XAndYNumbersHangFromTheLowestOuterEdge) {
  const float* len = kFlatBox;
  for (int azimuth = 20; azimuth < 360; azimuth += 40) {
    for (const int elevation : {-50, 20, 65}) {
      const double az = azimuth * M_PI / 180, el = elevation * M_PI / 180;
      const std::string where = std::to_string(azimuth) + " " + std::to_string(elevation);
      PlotState& s = open_flat_box();
      name(" ", "XYZ");
      view3d(static_cast<float>(5 * std::cos(el) * std::cos(az)), static_cast<float>(5 * std::cos(el) * std::sin(az)),
             static_cast<float>(5 * std::sin(el)), "ABS");
      graf3d(-2, 2, -2, 1, -2, 2, -2, 1, -1, 1, -1, 1);
      qqstrk(s);
      const std::vector<Stroke> labels = strokes_of(points());

      // edges[j][k]: the ends on the page of the k-th edge along axis j.
      std::array<std::array<std::array<DevicePoint, 2>, 4>, 3> edges{};
      std::vector<DevicePoint> corners;
      for (int j = 0; j < 3; ++j) {
        for (int k = 0; k < 4; ++k) {
          Point3 a{}, b{};
          a[j] = -len[j] / 2;
          b[j] = len[j] / 2;
          a[(j + 1) % 3] = b[(j + 1) % 3] = (k & 1 ? 0.5f : -0.5f) * len[(j + 1) % 3];
          a[(j + 2) % 3] = b[(j + 2) % 3] = (k & 2 ? 0.5f : -0.5f) * len[(j + 2) % 3];
          log_->calls.clear();
          qqst3d(s, a);
          qqcn3d(s, b);
          qqstrk(s);
          const std::vector<DevicePoint> drawn = points();
          ASSERT_GE(drawn.size(), 2u) << where;
          edges[j][k] = {drawn.front(), drawn.back()};
          corners.insert(corners.end(), {drawn.front(), drawn.back()});
        }
      }
      for (int j = 0; j < 2; ++j) {
        double lowest = -1e9;
        std::array<bool, 4> outer{};
        for (int k = 0; k < 4; ++k) {
          const auto& [a, b] = edges[j][k];
          int left = 0, right = 0;
          for (const DevicePoint& c : corners) {
            const double side = ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) / std::hypot(b.x - a.x, b.y - a.y);
            left += side > 1.0;
            right += side < -1.0;
          }
          outer[k] = left == 0 || right == 0;
          if (outer[k]) lowest = std::max(lowest, (a.y + b.y) / 2);
        }
        int ticks = 0;
        for (const Stroke& stroke : labels) {
          const DevicePoint& p = stroke.front();
          const bool at_corner = std::any_of(corners.begin(), corners.end(), [&p](const DevicePoint& c) {
            return std::hypot(p.x - c.x, p.y - c.y) < 3.0;
          });
          if (stroke.size() != 2 || at_corner) continue;
          for (int k = 0; k < 4; ++k) {
            const auto& [a, b] = edges[j][k];
            if (distance_to_segment(p, a, b) > 1.0) continue;
            ++ticks;
            EXPECT_TRUE(outer[k] && (a.y + b.y) / 2 >= lowest - 1.0)
                << where << ": a number of axis " << j << " on an edge " << lowest - (a.y + b.y) / 2 << " above the lowest";
          }
        }
        EXPECT_EQ(ticks, 3) << where << ": the ticks of -1, 0 and 1 on axis " << j;
      }
      finish();
    }
  }
}

}  // namespace
}  // namespace plotix::test

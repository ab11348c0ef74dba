// The projection is shrunk about its centre just enough that the box and its
// labels stay inside the page (clear of the page header's border) and below the
// titles; a view that already fits keeps its full size.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "axis_system_fixture.h"
#include "plot/draw3d/ring_scene.h"
#include "plot/text/text_draw.h"

namespace plotix::test {
namespace {

class LabelFit : public PlotTest {
 protected:
  // Opens the axis system with the page clipping window opened wide, so the
  // device gets every stroke of the labels where it falls, on the page or not.
  // `labels_apart` sets the numbers and names far beyond the ticks and each
  // other, so that the strokes of every label form a group of their own.
  PlotState& open_axes(const float len[3], const float view[3], const float focus[3],
                       bool labels_apart = false) {
    PlotState& s = open_unit_screen();
    s.line.nclpx1 = s.line.nclpy1 = -1000000;
    s.line.nclpx2 = s.line.nclpy2 = 1000000;
    axis3d(len[0], len[1], len[2]);
    name(labels_apart ? "X0" : "X", "X");
    name(labels_apart ? "Y0" : "Y", "Y");
    name(labels_apart ? "Z0" : "Z", "Z");
    if (labels_apart) {
      for (AxisSlot& slot : s.axis3d.slot) slot.nlabdist = slot.nnamdist = 150;
    }
    view3d(view[0], view[1], view[2], "ABS");
    vfoc3d(focus[0], focus[1], focus[2], "ABS");
    ::testing::internal::CaptureStdout();
    graf3d(-1, 1, -1, 1, -1, 1, -1, 1, -1, 1, -1, 1);
    ::testing::internal::GetCapturedStdout();
    qqstrk(s);
    if (!labels_apart) box3d();
    qqstrk(s);
    return s;
  }
};

TEST_F(LabelFit, BoxAndLabelsStayInThePageBelowTheTitles) {
  const float cube[3] = {2, 2, 2}, flat[3] = {1.82f, 1.82f, 0.31f};
  const float origin[3] = {0, 0, 0};
  struct Case {
    const float* len;
    float view[3];
  };
  std::vector<Case> cases;
  // The ring's views that see the whole box in front (not the one on its face).
  for (const RingView& v : ring_views()) {
    if (std::fabs(v.view[2]) > 1.5f || std::hypot(v.view[0], v.view[1]) > 3.0f) cases.push_back({cube, {v.view[0], v.view[1], v.view[2]}});
  }
  // The program's flat box seen as in the README (4, -4, 2.5 relative units are
  // 2, -2, 1.25 box units) and from above the Sun (-1, 0, 5: 0, 0, 2.5).
  cases.push_back({flat, {2, -2, 1.25f}});
  cases.push_back({flat, {0, 0, 2.5f}});
  for (const Case& c : cases) {
    log_->calls.clear();
    PlotState& s = open_axes(c.len, c.view, origin);
    const auto drawn = points();
    ASSERT_GT(drawn.size(), 50u);
    for (const auto& p : drawn) {
      EXPECT_GE(p.x, 49) << c.view[0] << "," << c.view[1] << "," << c.view[2];
      EXPECT_LE(p.x, 2920) << c.view[0] << "," << c.view[1] << "," << c.view[2];
      EXPECT_GE(p.y, 398) << c.view[0] << "," << c.view[1] << "," << c.view[2];
      EXPECT_LE(p.y, 2050) << c.view[0] << "," << c.view[1] << "," << c.view[2];
    }
    EXPECT_LE(s.axis3d.scl3, 700.0f);
    finish();
  }
}

// A focus far off the box's middle (the planet near a corner of the program's flat
// box) puts the drawing off the page centre: it is moved back first, and shrunk only
// as much as its width or height still needs, never below half its size.
TEST_F(LabelFit, AnOffCentreDrawingMovesBeforeItShrinks) {
  const float flat[3] = {1.82f, 1.82f, 0.31f}, focus[3] = {0.75f, -0.7f, 0.1f};
  float smallest = 1;
  for (const float distance : {4.0f, 8.0f}) {
    for (int azimuth = 0; azimuth < 360; azimuth += 45) {
      for (const int elevation : {-50, 20, 70}) {
        const double az = azimuth * M_PI / 180, el = elevation * M_PI / 180;
        const float view[3] = {focus[0] + static_cast<float>(distance * std::cos(el) * std::cos(az)),
                               focus[1] + static_cast<float>(distance * std::cos(el) * std::sin(az)),
                               focus[2] + static_cast<float>(distance * std::sin(el))};
        log_->calls.clear();
        PlotState& s = open_axes(flat, view, focus);
        double x1 = 1e9, y1 = 1e9, x2 = -1e9, y2 = -1e9;
        for (const auto& p : points()) {
          x1 = std::min(x1, p.x), x2 = std::max(x2, p.x), y1 = std::min(y1, p.y), y2 = std::max(y2, p.y);
        }
        const std::string where = std::to_string(distance) + " " + std::to_string(azimuth) + " " + std::to_string(elevation);
        EXPECT_TRUE(x1 >= 49 && x2 <= 2920 && y1 >= 398 && y2 <= 2050) << where << ": off the drawing region";
        EXPECT_GE(s.axis3d.scl3, 350.0f) << where;
        smallest = std::min(smallest, s.axis3d.scl3 / 700.0f);
        finish();
      }
    }
  }
  EXPECT_LT(smallest, 1.0f);  // some of these views do need the rule
}

TEST_F(LabelFit, ADefaultViewThatFitsKeepsItsFullSize) {
  const float cube[3] = {2, 2, 2}, view[3] = {4, -5, 4}, origin[3] = {0, 0, 0};
  PlotState& s = open_axes(cube, view, origin);
  EXPECT_EQ(s.axis3d.scl3, 700.0f);
  finish();
}

// The strokes of one label on the page (y downwards), in the order drawn.
struct Label {
  std::vector<std::vector<DevicePoint>> strokes;

  // From the middle of its first stroke to the middle of its last: the
  // direction its characters follow each other.
  void advance(double& dx, double& dy_up) const {
    double ax, ay, bx, by;
    middle(strokes.front(), ax, ay);
    middle(strokes.back(), bx, by);
    dx = bx - ax;
    dy_up = ay - by;
  }
  static void middle(const std::vector<DevicePoint>& stroke, double& x, double& y) {
    x = y = 0;
    for (const DevicePoint& p : stroke) {
      x += p.x / stroke.size();
      y += p.y / stroke.size();
    }
  }
  // Signed area of its last stroke, the loop of its "0", counted with y up the
  // page: its sign flips when the label is mirrored, not when it is turned.
  double signed_area() const {
    double area = 0;
    const std::vector<DevicePoint>& stroke = strokes.back();  // the "0"
    for (std::size_t i = 0; i < stroke.size(); ++i) {
      const DevicePoint& p = stroke[i];
      const DevicePoint& q = stroke[(i + 1) % stroke.size()];
      area -= p.x * q.y - q.x * p.y;
    }
    return area / 2;
  }
};

// Strokes grouped into labels: a stroke starting within `reach` of where the
// previous one ended belongs to the same label. Single strokes (ticks) are left out.
std::vector<Label> labels_of(const std::vector<DevicePoint>& drawn, double reach) {
  std::vector<Label> out;
  std::vector<std::vector<DevicePoint>> strokes;
  for (const DevicePoint& p : drawn) {
    if (p.code == devices::kMove || strokes.empty()) {
      strokes.push_back({p});
    } else {
      strokes.back().push_back(p);
    }
  }
  Label label;
  for (const auto& stroke : strokes) {
    if (!label.strokes.empty()) {
      const DevicePoint& end = label.strokes.back().back();
      if (std::hypot(stroke.front().x - end.x, stroke.front().y - end.y) > reach) {
        if (label.strokes.size() > 1) out.push_back(label);
        label.strokes.clear();
      }
    }
    label.strokes.push_back(stroke);
  }
  if (label.strokes.size() > 1) out.push_back(label);
  return out;
}

// Seen from straight below, the picture is the mirror image of the view from above,
// but its text is not: every number and name reads left to right, or bottom to top,
// neither upside down nor mirrored.
TEST_F(LabelFit, LabelsSeenFromStraightBelowReadUpright) {
  const float cube[3] = {2, 2, 2}, origin[3] = {0, 0, 0}, below[3] = {0, 0, -4};
  // The sign of the signed area of a label drawn straight on the page; every label
  // here holds a "0" drawn the same way round, so a mirrored one has the other sign.
  PlotState& flat = open_unit_screen();
  dtext(flat, "-1.0", 100, 100, 0, 39);
  qqstrk(flat);
  const double upright_area = labels_of(points(), 40).front().signed_area();
  ASSERT_NE(upright_area, 0.0);
  finish();
  log_->calls.clear();
  open_axes(cube, below, origin, true);
  const std::vector<Label> labels = labels_of(points(), 40);
  EXPECT_GE(labels.size(), 9u);
  for (const Label& label : labels) {
    double dx, dy_up;
    label.advance(dx, dy_up);
    const double degrees = std::atan2(dy_up, dx) * 180 / M_PI;
    const DevicePoint& at = label.strokes.front().front();
    EXPECT_TRUE(degrees > -10 && degrees < 95) << "label at " << at.x << "," << at.y << " reads at " << degrees;
    EXPECT_GT(label.signed_area() * upright_area, 0) << "label at " << at.x << "," << at.y << " is mirrored";
  }
  finish();
}

}  // namespace
}  // namespace plotix::test

// The projection is shrunk about its centre just enough that the box and its
// labels stay inside the page (clear of the page header's border) and below the
// titles; a view that already fits keeps its full size.
#include <cmath>

#include "axis_system_fixture.h"
#include "plot/draw3d/ring_scene.h"

namespace plotix::test {
namespace {

class LabelFit : public PlotTest {
 protected:
  // Opens the axis system with the page clipping window opened wide, so the
  // device gets every stroke of the labels where it falls, on the page or not.
  PlotState& open_axes(const float len[3], const float view[3], const float focus[3]) {
    PlotState& s = open_unit_screen();
    s.line.nclpx1 = s.line.nclpy1 = -1000000;
    s.line.nclpx2 = s.line.nclpy2 = 1000000;
    axis3d(len[0], len[1], len[2]);
    name("X", "X");
    name("Y", "Y");
    name("Z", "Z");
    view3d(view[0], view[1], view[2], "ABS");
    vfoc3d(focus[0], focus[1], focus[2], "ABS");
    ::testing::internal::CaptureStdout();
    graf3d(-1, 1, -1, 1, -1, 1, -1, 1, -1, 1, -1, 1);
    ::testing::internal::GetCapturedStdout();
    qqstrk(s);
    box3d();
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

TEST_F(LabelFit, ADefaultViewThatFitsKeepsItsFullSize) {
  const float cube[3] = {2, 2, 2}, view[3] = {4, -5, 4}, origin[3] = {0, 0, 0};
  PlotState& s = open_axes(cube, view, origin);
  EXPECT_EQ(s.axis3d.scl3, 700.0f);
  finish();
}

}  // namespace
}  // namespace plotix::test

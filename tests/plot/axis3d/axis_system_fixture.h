// Test fixture with a 3D axis system open over -1..1 on every axis (step 1) on
// a unit-scale screen, the labelling already sent and forgotten.
#pragma once

#include "plot/lines/polyline.h"
#include "plot/plot3d.h"
#include "plot/plot_fixture.h"

namespace plotix::test {

class Graf3dTest : public PlotTest {
 protected:
  // view3d(vx, vy, vz, "ABS") first unless all three are 0.
  PlotState& open_box(float vx = 0, float vy = 0, float vz = 0) {
    PlotState& s = open_unit_screen();
    if (vx != 0 || vy != 0 || vz != 0) view3d(vx, vy, vz, "ABS");
    ::testing::internal::CaptureStdout();
    graf3d(-1, 1, -1, 1, -1, 1, -1, 1, -1, 1, -1, 1);
    ::testing::internal::GetCapturedStdout();
    qqstrk(s);
    log_->calls.clear();
    return s;
  }
};

}  // namespace plotix::test

// Tests of two_body_pericentre: states taken away from a known pericentre by an
// independent RK4 integration of the two-body problem must lead back to it.
#include "dynamics/pericentre_refinement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "reference_nbody.h"

namespace {

using namespace dynamics;

// Earth's GM in AU^3/yr^2.
constexpr double kGm = 1.2002e-4;

TEST(TwoBodyPericentre, LeadsBackToTheKnownPericentre) {
  struct Case {
    double q;      // AU
    double e;
    double years;  // time from the pericentre to the state given (negative: before it)
  };
  const Case cases[] = {
      {4e-5, 3.0, -2e-3},   // fast flyby, approaching
      {4e-5, 3.0, 1e-3},    // fast flyby, already passed
      {4e-4, 1.2, -5e-3},   // slow flyby
      {3e-3, 0.5, -0.01},   // bound orbit, approaching
      {3e-3, 0.5, 0.02},    // bound orbit, receding
  };
  for (const Case& c : cases) {
    const double vp = std::sqrt(kGm * (1.0 + c.e) / c.q);
    std::vector<reference::Body> body{{0.0, {c.q, 0.0, 0.0}, {0.0, vp * 0.6, vp * 0.8}}};
    reference::rk4(kGm, body, c.years, 20000);
    const Vec3 rho{body[0].x[0], body[0].x[1], body[0].x[2]};
    const Vec3 w{body[0].v[0], body[0].v[1], body[0].v[2]};
    const TwoBodyPericentre p = two_body_pericentre(kGm, rho, w);
    EXPECT_NEAR(p.time_from_state, -c.years, 1e-9 * std::fabs(c.years) + 1e-12) << c.q << " " << c.e;
    EXPECT_NEAR(p.distance, c.q, 1e-9 * c.q) << c.q << " " << c.e;
    EXPECT_NEAR(p.speed, vp, 1e-9 * vp) << c.q << " " << c.e;
    EXPECT_NEAR(p.energy, vp * vp / 2.0 - kGm / c.q, 1e-9 * kGm / c.q) << c.q << " " << c.e;
  }
}

}  // namespace

// Tests of the f-and-g drifts drift_ellipse and drift_orbit against an independent Runge-Kutta
// integration, and of planet_orbit against known elements.
#include "dynamics/drift.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "dynamics/conic.h"
#include "dynamics/constants.h"
#include "dynamics/planet_orbit.h"
#include "reference_nbody.h"

namespace {

using namespace dynamics;

constexpr double kMu = kGaussK2;

// The state X, V moved by dt with a fine RK4 two-body integration.
void reference_move(const Vec3& X, const Vec3& V, double dt, Vec3& Xr, Vec3& Vr) {
  std::vector<reference::Body> b{{0.0, {X[0], X[1], X[2]}, {V[0], V[1], V[2]}}};
  reference::rk4(kMu, b, dt, 20000);
  Xr = {b[0].x[0], b[0].x[1], b[0].x[2]};
  Vr = {b[0].v[0], b[0].v[1], b[0].v[2]};
}

void expect_close(const Vec3& a, const Vec3& b, double tol) {
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(a[c], b[c], tol) << "component " << c;
}

// drift_orbit of a copy of X, V by dt (which must not be refused), and the reference result.
struct Moved {
  Vec3 X, V, Xr, Vr;
  double r, e, q;
};

Moved move_with_reference(const Vec3& X, const Vec3& V, double dt) {
  Moved m{X, V, {}, {}, norm(X), 0.0, 0.0};
  reference_move(X, V, dt, m.Xr, m.Vr);
  int flag = -1;
  drift_orbit(kMu, dt, m.X, m.V, m.r, m.e, m.q, flag, 0.0);
  EXPECT_EQ(flag, 0);
  return m;
}

// A state at true anomaly nu of a conic in a tilted plane.
void conic_state(double q, double e, double t, Vec3& X, Vec3& V) {
  state_from_conic(kMu, Conic{q, e, 0.3, 1.2, 0.4, 0.0}, t, X, V, 0.0);
}

TEST(Movrel, AgreesWithReferenceOnEllipses) {
  for (double e : {0.02, 0.5, 0.995}) {
    for (double dt : {0.0025, -0.0025, 0.3}) {
      Vec3 X, V;
      conic_state(0.6, e, 0.07, X, V);
      const Moved m = move_with_reference(X, V, dt);
      EXPECT_NEAR(m.e, e, 1e-10);
      EXPECT_NEAR(m.q, 0.6, 1e-10);
      expect_close(m.X, m.Xr, 1e-10);
      expect_close(m.V, m.Vr, 1e-8);
      EXPECT_DOUBLE_EQ(m.r, norm(m.X));
    }
  }
}

TEST(Movrel, RefusesHyperbolaAndChangesNothing) {
  Vec3 X, V;
  conic_state(1.0, 1.5, 0.1, X, V);
  const Vec3 X0 = X, V0 = V;
  double r = norm(X), e = -7.0, q = -7.0;
  int flag = 0;
  drift_orbit(kMu, 0.01, X, V, r, e, q, flag, 0.0);
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(X, X0);
  EXPECT_EQ(V, V0);
  EXPECT_EQ(r, norm(X0));
  EXPECT_EQ(e, -7.0);
}

// Just inside the band |e - 1| < 1e-6 the conic route is taken (the orbit is treated as
// an exact parabola of the same angular momentum), just outside it the f-and-g route.
// Away from perihelion both must land close to where the orbit really goes, and on
// each other. States are built from the true anomaly by hand, since state_from_conic itself
// would make a state inside the band exactly parabolic.
TEST(Movrel, ConicRouteNearParabolaMatchesFAndGRoute) {
  const double q0 = 0.4;
  for (double nu : {-1.2, 1.0, 2.0}) {
    for (double dt : {0.01, -0.02}) {
      Vec3 results[2];
      const double eccentricities[2] = {1.0 - 0.5e-6, 1.0 - 2e-6};
      for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(testing::Message() << "nu=" << nu << " dt=" << dt << " k=" << k);
        const double e = eccentricities[k], p = q0 * (1.0 + e);
        const double r0 = p / (1.0 + e * std::cos(nu)), w = std::sqrt(kMu / p);
        const Vec3 X = {r0 * std::cos(nu), 0.6 * r0 * std::sin(nu), 0.8 * r0 * std::sin(nu)};
        const Vec3 V = {-w * std::sin(nu), 0.6 * w * (e + std::cos(nu)), 0.8 * w * (e + std::cos(nu))};
        const Moved m = move_with_reference(X, V, dt);
        if (k == 0) {
          EXPECT_EQ(m.e, 1.0);
        }
        // Both routes lose digits here: the conic route because the orbit is not
        // exactly parabolic, the f-and-g route because the anomaly equation stalls at
        // the rounding level (about 3e-14 rad), which g = dt + (sin dE - dE) / n
        // magnifies by 1/n ~ 1e7 yr. Measured worst: 3.7e-6 AU.
        expect_close(m.X, m.Xr, 1e-5);
        results[k] = m.X;
      }
      expect_close(results[0], results[1], 1e-5);
    }
  }
}

// Lanes drifted side by side end bit for bit as each drifted alone, whatever their mix
// of routes (f and g, the conic near e = 1, refused hyperbolas, eccentric orbits whose
// anomaly equation needs many iterations) and whatever ran before in the same arrays.
TEST(Movrel, LanesSideBySideEndAsEachDriftAlone) {
  std::vector<DriftLane> lanes;
  auto add = [&lanes](const Vec3& X, const Vec3& V, double gm_body) {
    const double r = norm(X);
    lanes.push_back(DriftLane{X, V, r, semimajor_axis(kMu, gm_body, r, V), -3.0, -3.0, -1, gm_body});
  };
  for (double e : {0.02, 0.5, 0.9, 0.995, 1.5}) {
    for (double t : {-0.4, 0.0, 0.05}) {
      Vec3 X, V;
      conic_state(0.7, e, t, X, V);
      add(X, V, e < 0.6 ? 1e-4 * kMu : 0.0);
    }
  }
  // Inside the band |e - 1| < 1e-6, built from the true anomaly as above.
  for (double nu : {-1.2, 1.0}) {
    const double e = 1.0 - 0.5e-6, p = 0.4 * (1.0 + e);
    const double r0 = p / (1.0 + e * std::cos(nu)), w = std::sqrt(kMu / p);
    add({r0 * std::cos(nu), 0.6 * r0 * std::sin(nu), 0.8 * r0 * std::sin(nu)},
        {-w * std::sin(nu), 0.6 * w * (e + std::cos(nu)), 0.8 * w * (e + std::cos(nu))}, 0.0);
  }
  for (double dt : {0.3, -0.0025}) {
    for (int count : {static_cast<int>(lanes.size()), 7}) {
      std::vector<DriftLane> alone(lanes.begin(), lanes.begin() + count);
      drift_orbit_lanes(kMu, dt, lanes.data(), count);
      for (int l = 0; l < count; ++l) {
        SCOPED_TRACE(testing::Message() << "dt=" << dt << " lane " << l);
        DriftLane& one = alone[static_cast<size_t>(l)];
        drift_orbit(kMu, dt, one.X, one.V, one.r, one.e, one.q, one.flag, one.gm_body);
        const DriftLane& side = lanes[static_cast<size_t>(l)];
        EXPECT_EQ(side.flag, one.flag);
        if (one.flag != 0) continue;
        EXPECT_EQ(side.X, one.X);
        EXPECT_EQ(side.V, one.V);
        EXPECT_EQ(side.r, one.r);
        EXPECT_EQ(side.e, one.e);
        EXPECT_EQ(side.q, one.q);
      }
      // The next round starts from where this one left every lane, in reverse order.
      std::reverse(lanes.begin(), lanes.begin() + count);
      for (DriftLane& lane : lanes) lane.a = semimajor_axis(kMu, lane.gm_body, lane.r, lane.V);
    }
  }
}

TEST(Fyg, RefusesHighEccentricityThatMovrelMoves) {
  Vec3 X, V;
  conic_state(0.6, 0.995, 0.05, X, V);
  const double a = 0.6 / (1.0 - 0.995);
  double r = norm(X), e = 0.0;
  int flag = 0;
  Vec3 Xf = X, Vf = V;
  drift_ellipse(Xf, Vf, 0.01, r, a, e, flag, kMu, 0.0);
  EXPECT_EQ(flag, 1);
  EXPECT_NEAR(e, 0.995, 1e-9);
  EXPECT_EQ(Xf, X);
  double rm = norm(X), em = 0.0, q = 0.0;
  int mflag = 1;
  drift_orbit(kMu, 0.01, X, V, rm, em, q, mflag, 0.0);
  EXPECT_EQ(mflag, 0);
  EXPECT_NE(X, Xf);
}

TEST(Fyg, AgreesWithReferenceAndMovrelOnAPlanetOrbit) {
  const double gm_jupiter = kGaussK2 * 0.000954791938;
  for (double dt : {0.0027, -0.0027, 1.3}) {
    Vec3 X, V;
    state_from_conic(kMu, Conic{4.95, 0.0487, 0.02, 1.75, 4.8, 0.0}, 0.4, X, V, gm_jupiter);
    const double r0 = norm(X);
    const double a = 1.0 / (2.0 / r0 - dot(V, V) / (kMu + gm_jupiter));
    Vec3 Xf = X, Vf = V, Xm = X, Vm = V;
    double rf = r0, rm = r0, e = 0.0, em = 0.0, q = 0.0;
    int flag = -1, mflag = -1;
    drift_ellipse(Xf, Vf, dt, rf, a, e, flag, kMu, gm_jupiter);
    drift_orbit(kMu, dt, Xm, Vm, rm, em, q, mflag, gm_jupiter);
    ASSERT_EQ(flag, 0);
    EXPECT_NEAR(e, 0.0487, 1e-9);
    expect_close(Xf, Xm, 1e-11);
    expect_close(Vf, Vm, 1e-11);
    EXPECT_NEAR(rf, norm(Xf), 1e-14);
  }
}

TEST(Planorb, RecoversTheElementsOfAnEllipse) {
  // a = 2, e = 0.25, i = 10, node = 80, peri = 300, M = 40 degrees at t = 0.
  const double deg = kDegToRad;
  const double a = 2.0, e = 0.25, n = std::sqrt(kMu / (a * a * a));
  const double tau = -(40.0 * deg) / n;
  Vec3 X, V;
  state_from_conic(kMu, Conic{a * (1.0 - e), e, 10.0 * deg, 80.0 * deg, 300.0 * deg, tau}, 0.0, X, V, 0.0);
  OrbitalElements el;
  planet_orbit(X, V, kTwoPi, kMu, 0.0, el);
  EXPECT_NEAR(el.a, 2.0, 1e-12);
  EXPECT_NEAR(el.e, 0.25, 1e-12);
  EXPECT_NEAR(el.i, 10.0, 1e-10);
  EXPECT_NEAR(el.node, 80.0, 1e-10);
  EXPECT_NEAR(el.peri, 300.0, 1e-9);
  EXPECT_NEAR(el.m, 40.0, 1e-9);
}

TEST(Planorb, HyperbolaLeavesMeanAnomalyAlone) {
  Vec3 X, V;
  state_from_conic(kMu, Conic{1.0, 1.3, 0.2, 0.3, 0.4, 0.0}, 0.1, X, V, 0.0);
  OrbitalElements el;
  el.m = -1.0;
  planet_orbit(X, V, kTwoPi, kMu, 0.0, el);
  EXPECT_LT(el.a, 0.0);
  EXPECT_NEAR(el.e, 1.3, 1e-12);
  EXPECT_EQ(el.m, -1.0);
}

}  // namespace

// Tests of state_from_conic and conic_from_state: hand-computed positions on each kind of conic and
// elements -> state -> elements round trips.
#include "dynamics/conic.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dynamics/constants.h"

namespace {

using namespace dynamics;

constexpr double kMu = kGaussK2;

double wrap(double angle) { return std::remainder(angle, kTwoPi); }

TEST(Ephem1, CircleAQuarterPeriodOn) {
  // Unit circle in the ecliptic: after a quarter period the body is at (0, 1, 0)
  // moving with speed sqrt(mu) towards -x.
  const Conic circle{1.0, 0.0, 0.0, 0.0, 0.0, 0.0};
  const double quarter = (kTwoPi / std::sqrt(kMu)) / 4.0;
  Vec3 X, V;
  state_from_conic(kMu, circle, quarter, X, V, 0.0);
  EXPECT_NEAR(X[0], 0.0, 1e-12);
  EXPECT_NEAR(X[1], 1.0, 1e-12);
  EXPECT_NEAR(X[2], 0.0, 1e-15);
  EXPECT_NEAR(V[0], -std::sqrt(kMu), 1e-11);
  EXPECT_NEAR(V[1], 0.0, 1e-11);
}

TEST(Ephem1, ParabolaAtRightAngleFromPerihelion) {
  // tan(nu/2) = 1 solves s^3/3 + s = 4/3 = W: nu = 90 degrees, r = 2q.
  const double q = 0.5;
  const double W = 4.0 / 3.0;
  const double elapsed = W / std::sqrt(kMu / (2.0 * q * q * q));
  const Conic parabola{q, 1.0, 0.0, 0.0, 0.0, 10.0};
  Vec3 X, V;
  state_from_conic(kMu, parabola, 10.0 + elapsed, X, V, 0.0);
  EXPECT_NEAR(X[0], 0.0, 1e-12);
  EXPECT_NEAR(X[1], 2.0 * q, 1e-12);
  // Parabolic speed sqrt(2 mu / r), heading at 45 degrees between -x and +y.
  const double speed = std::sqrt(2.0 * kMu / (2.0 * q));
  EXPECT_NEAR(V[0], -speed / std::sqrt(2.0), 1e-10);
  EXPECT_NEAR(V[1], speed / std::sqrt(2.0), 1e-10);
}

TEST(Ephem1, HyperbolaKeepsEnergyAndAngularMomentum) {
  const double q = 0.8, e = 1.7, a = q / (e - 1.0);
  const Conic hyperbola{q, e, 0.4, 1.0, 2.0, 0.0};
  for (double t : {-0.7, -0.05, 0.0, 0.3, 2.0}) {
    Vec3 X, V;
    state_from_conic(kMu, hyperbola, t, X, V, 0.0);
    EXPECT_NEAR(dot(V, V) / 2.0 - kMu / norm(X), kMu / (2.0 * a), 1e-9) << t;
    EXPECT_NEAR(norm(cross(X, V)), std::sqrt(kMu * a * (e * e - 1.0)), 1e-10) << t;
    EXPECT_EQ(dot(X, V) >= 0.0, t >= 0.0) << t;
  }
}

void expect_round_trip(const Conic& in, double t, double gm_body, double tol_tau) {
  Vec3 X, V;
  state_from_conic(kMu, in, t, X, V, gm_body);
  Conic out;
  conic_from_state(kMu, t, X, V, out, gm_body);
  EXPECT_NEAR(out.q, in.q, 1e-12 * in.q);
  EXPECT_NEAR(out.e, in.e, 1e-12);
  EXPECT_NEAR(out.i, in.i, 1e-12);
  EXPECT_NEAR(wrap(out.node - in.node), 0.0, 1e-12);
  EXPECT_NEAR(wrap(out.peri - in.peri), 0.0, 1e-10);
  EXPECT_NEAR(out.tau, in.tau, tol_tau);
}

TEST(Elem, RoundTripEllipse) {
  const Conic ellipse{0.9, 0.35, 0.3, 4.0, 5.5, 1.25};
  for (double t : {1.25, 1.5, 1.9, 0.8}) expect_round_trip(ellipse, t, 0.0, 1e-11);
  // With a body mass in mu, as for a planet.
  expect_round_trip(ellipse, 1.7, kGaussK2 * 0.000954791938, 1e-11);
}

TEST(Elem, RoundTripParabola) {
  const Conic parabola{0.3, 1.0, 2.0, 0.5, -1.0, 3.0};
  for (double t : {3.0, 3.2, 2.5, 10.0}) expect_round_trip(parabola, t, 0.0, 1e-11);
}

TEST(Elem, RoundTripHyperbola) {
  const Conic hyperbola{1.1, 2.4, 1.0, 3.0, 0.7, -2.0};
  for (double t : {-2.0, -1.9, -2.4, 5.0}) expect_round_trip(hyperbola, t, 0.0, 1e-11);
}

TEST(Elem, ParabolaAtPerihelionStaysFinite) {
  const Conic parabola{0.3, 1.0, 0.5, 0.5, 0.5, 0.0};
  Vec3 X, V;
  state_from_conic(kMu, parabola, 0.0, X, V, 0.0);
  Conic out;
  conic_from_state(kMu, 0.0, X, V, out, 0.0);
  EXPECT_EQ(out.e, 1.0);
  EXPECT_NEAR(out.tau, 0.0, 1e-12);
  EXPECT_NEAR(wrap(out.peri - 0.5), 0.0, 1e-7);
}

}  // namespace

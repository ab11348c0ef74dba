// Tests of the Kepler solvers solkep and keprel against independent root finding.
#include "dynamics/kepler.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dynamics/constants.h"

namespace {

using namespace dynamics;

// Root of E - e sin E = M by plain bisection in long double over [M - 1, M + 1].
long double bisect_kepler(long double e, long double M) {
  long double lo = M - 1.0L, hi = M + 1.0L;
  for (int i = 0; i < 200; ++i) {
    const long double mid = 0.5L * (lo + hi);
    if (mid - e * std::sin(mid) - M < 0.0L) lo = mid; else hi = mid;
  }
  return 0.5L * (lo + hi);
}

TEST(Solkep, CircularOrbitReturnsReducedMeanAnomaly) {
  double M = 7.0, E = 0.0;
  solkep(0.0, M, E);
  EXPECT_NEAR(M, 7.0 - kTwoPi, 1e-15);
  EXPECT_NEAR(E, 7.0 - kTwoPi, 1e-15);
}

TEST(Solkep, HighEccentricityConvergesToTheRoot) {
  double M = 0.1, E = 0.0;
  solkep(0.9, M, E);
  EXPECT_LE(std::fabs(E - 0.9 * std::sin(E) - 0.1), 1e-14);
  EXPECT_NEAR(E, static_cast<double>(bisect_kepler(0.9L, 0.1L)), 1e-13);
}

TEST(Solkep, NegativeMeanAnomalyKeepsItsSign) {
  double M = -1.0 - 2.0 * kTwoPi, E = 0.0;
  solkep(0.5, M, E);
  EXPECT_LT(M, 0.0);
  EXPECT_NEAR(M, -1.0, 1e-14);
  EXPECT_LT(E, 0.0);
  EXPECT_NEAR(E, static_cast<double>(bisect_kepler(0.5L, -1.0L)), 1e-13);
}

// Whatever the eccentricity of an ellipse the answer is the root: close to e = 1 the
// Newton steps stall at the rounding level and the coarse bracket must not win.
TEST(Solkep, AlwaysUsableOverTheWholeEllipseRange) {
  for (double e : {0.0, 0.3, 0.7, 0.95, 0.99, 0.999, 0.999999}) {
    for (double m0 = -6.2; m0 <= 6.2; m0 += 0.1) {
      double M = m0, E = 0.0;
      solkep(e, M, E);
      ASSERT_TRUE(std::isfinite(E)) << e << " " << m0;
      const double exact = static_cast<double>(bisect_kepler(e, m0));
      EXPECT_NEAR(E, exact, 1e-9) << "e=" << e << " M=" << m0;
    }
  }
}

TEST(Keprel, ZeroStepLeavesTheAnomalyAlone) {
  double dE = 9.0, c = 9.0, s = 9.0, rho = 9.0;
  keprel(0.2, 0.3, 5.0, 0.0, dE, c, s, rho);
  EXPECT_EQ(dE, 0.0);
  EXPECT_EQ(c, 1.0);
  EXPECT_EQ(s, 0.0);
  EXPECT_DOUBLE_EQ(rho, 1.0 - 0.3);
}

// dE must equal the difference of two absolute solutions of Kepler's equation.
TEST(Keprel, AgreesWithAbsoluteKeplerEquation) {
  struct Case { double e, E0, n, dt; };
  const Case cases[] = {{0.2, 0.7, 6.28, 0.01}, {0.9, 2.5, 1.0, 0.3},
                        {0.6, -1.0, 2.0, -0.25}, {0.05, 4.0, 26.0, 0.0025},
                        {0.97, 0.1, 1.7, 0.05}};
  for (const Case& k : cases) {
    const double s0 = k.e * std::sin(k.E0), c0 = k.e * std::cos(k.E0);
    double dE = 0.0, cosdE = 0.0, sindE = 0.0, rho = 0.0;
    keprel(s0, c0, k.n, k.dt, dE, cosdE, sindE, rho);
    const long double M1 = (k.E0 - k.e * std::sin(k.E0)) + k.n * k.dt;
    const long double E1 = bisect_kepler(k.e, M1);
    EXPECT_NEAR(dE, static_cast<double>(E1 - k.E0), 1e-12) << k.e;
    // The trigonometry is that of the start of the last iteration: within its tolerance.
    EXPECT_NEAR(cosdE, std::cos(dE), 1e-9);
    EXPECT_NEAR(sindE, std::sin(dE), 1e-9);
    EXPECT_NEAR(rho, 1.0 - c0 * std::cos(dE) + s0 * std::sin(dE), 1e-9);
  }
}

// Several revolutions in one call: the target is not reduced, the answer still is the
// whole anomaly difference.
TEST(Keprel, SeveralRevolutions) {
  const double e = 0.3, E0 = 1.0;
  const double s0 = e * std::sin(E0), c0 = e * std::cos(E0);
  double dE = 0.0, c = 0.0, s = 0.0, rho = 0.0;
  keprel(s0, c0, 1.0, 2.0 * kTwoPi + 0.5, dE, c, s, rho);
  const long double E1 = bisect_kepler(e, (E0 - e * std::sin(E0)) + 2.0 * kTwoPi + 0.5);
  EXPECT_NEAR(dE, static_cast<double>(E1 - E0), 1e-12);
  EXPECT_GT(dE, 2.0 * kTwoPi);
}

}  // namespace

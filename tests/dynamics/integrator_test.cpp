// Tests of the perturbed integrator: an independent Runge-Kutta check of the
// drift-kick-drift scheme, encounters against the two-body hyperbola, collisions,
// removals and the bookkeeping of the slots.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "dynamics/conic.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/drift_bodies.h"
#include "dynamics/remove_bodies.h"
#include "dynamics/perturb.h"
#include "dynamics/planet_setup.h"
#include "dynamics/planets_to_epoch.h"
#include "dynamics/step.h"
#include "reference_nbody.h"

namespace {

using namespace dynamics;

struct TestRun {
  SharedBlocks blocks;
  Bodies bodies;
  Encounters encounters;
  double T = 0.0;
  int object = 0;  // slot of the small body
};

// A run of the given class with every planet at the object's epoch.
TestRun make_run(const IntegrationClass& klass, const OrbitalElements& object, double epoch_jd) {
  TestRun run;
  store_constants(run.blocks, klass.central_mass);
  run.blocks.epoch_jd = epoch_jd;
  setup_planets(run.blocks, run.bodies, klass);
  add_small_body(run.blocks, run.bodies, object);
  carry_planets_to_epoch(run.blocks, run.bodies, kPlanetEpochJd);
  start_run(run.encounters);
  run.object = run.blocks.counts.total;
  return run;
}

// Puts the small body at `offset` from the planet in `slot`, with velocity `relative`
// to it.
void place_near(TestRun& run, int slot, const Vec3& offset, const Vec3& relative) {
  for (int c = 0; c < 3; ++c) {
    run.bodies.x[run.object][c] = run.bodies.x[slot][c] + offset[c];
    run.bodies.v[run.object][c] = run.bodies.v[slot][c] + relative[c];
  }
  run.bodies.r[run.object] = norm(run.bodies.x[run.object]);
}

const IntegrationClass kAllPlanets{1, 1.0, 0.005};
const OrbitalElements kMainBelt{2.6, 0.08, 9.0, 80.0, 150.0, 30.0};

// The same Sun-planets-asteroid model integrated by classical RK4 in heliocentric
// coordinates with a step a hundred times smaller: over 20 years the second-order
// splitting with h = 0.005 yr must stay within its own error. Measured difference:
// 4.15e-7 AU for the asteroid, 1.02e-6 AU for the planets; bounds set a little above.
TEST(Integrator, FarObjectAgreesWithIndependentRungeKutta) {
  TestRun run = make_run(kAllPlanets, kMainBelt, 2458800.5);
  std::vector<reference::Body> ref;
  for (int k = 1; k <= run.blocks.counts.total; ++k) {
    const Vec3& x = run.bodies.x[k];
    const Vec3& v = run.bodies.v[k];
    ref.push_back({run.blocks.gm[k], {x[0], x[1], x[2]}, {v[0], v[1], v[2]}});
  }
  const int steps = 4000;
  const double h = 0.005;
  for (int n = 0; n < steps; ++n) {
    take_step(run.blocks, run.bodies, run.encounters, run.T, h);
    ASSERT_EQ(run.encounters.encounter.count, 0);
    ASSERT_EQ(run.encounters.carry_over.count, 0);
    ASSERT_TRUE(run.encounters.approaches.empty());
  }
  ASSERT_EQ(run.blocks.counts.total, 10);
  EXPECT_NEAR(run.T, 20.0, 1e-9);
  reference::rk4(run.blocks.constants.gm_central, ref, steps * h, steps * 100L);
  double worst_planet = 0.0, object = 0.0;
  for (int k = 1; k <= 10; ++k) {
    double d = 0.0;
    for (int c = 0; c < 3; ++c) d = std::max(d, std::fabs(run.bodies.x[k][c] - ref[k - 1].x[c]));
    (k == 10 ? object : worst_planet) = std::max(k == 10 ? object : worst_planet, d);
  }
  std::printf("RK4 check: asteroid %.3g AU, planets %.3g AU\n", object, worst_planet);
  EXPECT_LT(object, 5e-7);
  EXPECT_LT(worst_planet, 1.3e-6);
}

// Planetocentric two-body quantities of a relative state: pericentre and its speed.
struct Hyperbola {
  double q, vp_kms;
};

Hyperbola two_body(double m, const Vec3& rho, const Vec3& w) {
  const double E = dot(w, w) / 2.0 - m / norm(rho);
  const double a = m / (2.0 * E);
  const double L2 = dot(cross(rho, w), cross(rho, w));
  const double e = std::sqrt(1.0 + 2.0 * E * L2 / (m * m));
  const double q = a * (e - 1.0);
  return {q, std::sqrt(2.0 * (E + m / q)) / kAuYrPerKmS};
}

std::vector<reference::Body> reference_bodies(const TestRun& run, int count) {
  std::vector<reference::Body> ref;
  for (int k = 1; k <= count; ++k) {
    const Vec3& x = run.bodies.x[k];
    const Vec3& v = run.bodies.v[k];
    ref.push_back({run.blocks.gm[k], {x[0], x[1], x[2]}, {v[0], v[1], v[2]}});
  }
  return ref;
}

// A flyby of the Earth designed at its pericentre: `q_radii` Earth radii from the
// Earth's centre at 9 km/s relative, reached `lead` years after (or, for a backward
// run, before) the epoch. The starting state at the epoch comes from the independent
// RK4 integration of the whole model, so the Sun's tide on the way is accounted for.
struct Flyby {
  TestRun run;
  Hyperbola expected;
  double pericentre_jd;
};

Flyby earth_flyby(double q_radii, double h) {
  Flyby f{make_run(kAllPlanets, kMainBelt, 2458800.5), {}, 0.0};
  const int earth = 3;
  const double lead = h > 0.0 ? 0.03 : -0.03;
  std::vector<reference::Body> ref = reference_bodies(f.run, 9);
  reference::rk4(f.run.blocks.constants.gm_central, ref, lead, 3000);
  const double m = f.run.blocks.gm[earth];
  const double q = q_radii * f.run.bodies.radius[earth];
  const double vp = 9.0 * kAuYrPerKmS;
  const Vec3 rho = {0.0, q, 0.0}, w = {0.6 * vp, 0.0, 0.8 * vp};
  reference::Body body{0.0, {}, {}};
  for (int c = 0; c < 3; ++c) {
    body.x[c] = ref[earth - 1].x[c] + rho[c];
    body.v[c] = ref[earth - 1].v[c] + w[c];
  }
  ref.push_back(body);
  reference::rk4(f.run.blocks.constants.gm_central, ref, -lead, 30000);
  const int k = f.run.object;
  for (int c = 0; c < 3; ++c) {
    f.run.bodies.x[k][c] = ref[9].x[c];
    f.run.bodies.v[k][c] = ref[9].v[c];
  }
  f.run.bodies.r[k] = norm(f.run.bodies.x[k]);
  f.expected = two_body(m, rho, w);
  f.pericentre_jd = f.run.blocks.epoch_jd + lead * 365.25;
  return f;
}

std::vector<CloseApproach> run_steps(TestRun& run, double h, int steps) {
  std::vector<CloseApproach> all;
  for (int n = 0; n < steps && run.blocks.counts.total > run.blocks.counts.planets; ++n) {
    take_step(run.blocks, run.bodies, run.encounters, run.T, h);
    all.insert(all.end(), run.encounters.approaches.begin(), run.encounters.approaches.end());
  }
  return all;
}

TEST(Encounter, FlybyGivesOneRecordMatchingTheHyperbola) {
  for (double h : {0.005, -0.005}) {
    SCOPED_TRACE(h);
    Flyby f = earth_flyby(5.0, h);
    const std::vector<CloseApproach> records = run_steps(f.run, h, 20);
    ASSERT_EQ(records.size(), 1u);
    const CloseApproach& r = records[0];
    EXPECT_EQ(r.planet, 3);
    EXPECT_FALSE(r.collision);
    EXPECT_NEAR(r.dmin_rplan, 5.0, 5.0 * 0.03);
    EXPECT_NEAR(r.vp_kms, f.expected.vp_kms, f.expected.vp_kms * 0.03);
    // The pericentre lies on a step boundary, inside the last substep of a step, which is
    // never checked: the date still comes from the two-body orbit of the bracketing
    // substep. Measured 4e-6 day off.
    EXPECT_NEAR(r.jd, f.pericentre_jd, 1e-4);
    EXPECT_EQ(f.run.blocks.counts.total, 10);
  }
}

TEST(Encounter, CollisionRemovesTheBody) {
  Flyby f = earth_flyby(0.5, 0.005);
  const std::vector<CloseApproach> records = run_steps(f.run, 0.005, 20);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_TRUE(records[0].collision);
  EXPECT_LT(records[0].dmin_rplan, 1.0);
  EXPECT_EQ(records[0].planet, 3);
  EXPECT_EQ(f.run.blocks.counts.total, 9);
  EXPECT_EQ(f.run.blocks.counts.planets, 9);
  // The planets were left in their slots.
  for (int k = 1; k <= 9; ++k) EXPECT_EQ(f.run.blocks.start_slot[k], k);
}

// The step records why the body went: near the Sun it falls in, at 70 AU on a bound
// orbit of semimajor axis 20000 AU (beyond both ejection limits) it is ejected, aimed
// inside the Earth it collides.
TEST(Removal, StepRecordsTheReason) {
  struct Case {
    const char* what;
    TestRun (*make)();
    RemovalReason expected;
  };
  const Case cases[] = {
      {"sun",
       [] {
         TestRun run = make_run(kAllPlanets, kMainBelt, 2458800.5);
         run.bodies.x[run.object] = {0.002, 0.0, 0.0};
         run.bodies.v[run.object] = {0.0, 1.0, 0.0};
         run.bodies.r[run.object] = 0.002;
         return run;
       },
       RemovalReason::sun},
      {"ejection",
       [] {
         TestRun run = make_run(kAllPlanets, kMainBelt, 2458800.5);
         const double r = 70.0;
         run.bodies.x[run.object] = {0.0, 0.0, r};
         run.bodies.v[run.object] = {std::sqrt(run.blocks.constants.gm_central * (2.0 / r - 1.0 / 20000.0)), 0.0, 0.0};
         run.bodies.r[run.object] = r;
         return run;
       },
       RemovalReason::ejection},
      {"collision", [] { return earth_flyby(0.5, 0.005).run; }, RemovalReason::collision},
  };
  for (const Case& c : cases) {
    TestRun run = c.make();
    EXPECT_EQ(run.encounters.removal_reason[run.object], RemovalReason::none) << c.what;
    for (int n = 0; n < 20 && run.blocks.counts.total >= run.object; ++n) {
      take_step(run.blocks, run.bodies, run.encounters, run.T, 0.005);
    }
    ASSERT_LT(run.blocks.counts.total, run.object) << c.what;
    EXPECT_EQ(run.encounters.removal_reason[run.object], c.expected) << c.what;
  }
}

// A pericentre beyond 2.1 Hill radii writes nothing, though the body is integrated
// as an encounter (it passes within 3 Hill radii).
TEST(Encounter, WidePassageWritesNoRecord) {
  const double hill_radii_in_earth_radii = 0.01 / (6371.0 * 6.6845871222684464e-9);
  Flyby f = earth_flyby(2.5 * hill_radii_in_earth_radii, 0.005);
  int encounter_steps = 0;
  for (int n = 0; n < 20; ++n) {
    take_step(f.run.blocks, f.run.bodies, f.run.encounters, f.run.T, 0.005);
    encounter_steps += f.run.encounters.encounter.count;
    EXPECT_TRUE(f.run.encounters.approaches.empty());
  }
  EXPECT_GT(encounter_steps, 0);
}

// Every body starts as approaching: a body already receding from the Earth at its first check
// gets its record, and only that one.
TEST(Encounter, RecedingAtTheFirstCheckIsRecorded) {
  TestRun run = make_run(kAllPlanets, kMainBelt, 2458800.5);
  place_near(run, 3, {0.0, 0.002, 0.0}, {0.3, 1.5, 0.0});
  const std::vector<CloseApproach> records = run_steps(run, 0.005, 10);
  ASSERT_EQ(records.size(), 1u);
  const Hyperbola expected = two_body(run.blocks.gm[3], {0.0, 0.002, 0.0}, {0.3, 1.5, 0.0});
  EXPECT_NEAR(records[0].dmin_rplan * run.bodies.radius[3], expected.q, 0.03 * expected.q);
  // Its date is that of the pericentre already passed, before the epoch: the relative
  // two-body motion carried back there by RK4 is at its closest (radial velocity zero).
  const double back = (records[0].jd - 2458800.5) / 365.25;
  ASSERT_LT(back, 0.0);
  std::vector<reference::Body> relative{{0.0, {0.0, 0.002, 0.0}, {0.3, 1.5, 0.0}}};
  reference::rk4(run.blocks.gm[3], relative, back, 2000);
  const Vec3 rho{relative[0].x[0], relative[0].x[1], relative[0].x[2]};
  const Vec3 w{relative[0].v[0], relative[0].v[1], relative[0].v[2]};
  EXPECT_NEAR(dot(rho, w) / (norm(rho) * norm(w)), 0.0, 1e-3);
}

// perturb alone, Sun and Jupiter only: a fast flyby clamps speed and energy.
TEST(Perturb, RecordFieldsAreClamped) {
  TestRun run = make_run({5, 1.000005976, 0.1}, {9.0, 0.2222222222, 5.0, 10.0, 20.0, 30.0}, 2458800.5);
  // Keep Jupiter only: remove Saturn to Pluto (slots 2..5).
  for (int n = 0; n < 4; ++n) remove_slot(run.blocks, run.bodies, 2);
  ASSERT_EQ(run.blocks.counts.planets, 1);
  run.object = 2;
  const double jupiter_radius = run.bodies.radius[1];
  // 160 km/s relative, aimed to pass at 3 Jupiter radii, starting on the way in.
  const double v = 160.0 * kAuYrPerKmS;
  place_near(run, 1, {-0.02, 3.0 * jupiter_radius, 0.0}, {v, 0.0, 0.0});
  for (int k = 1; k <= 2; ++k) {
    run.bodies.x0[k] = run.bodies.x[k];
    run.bodies.v0[k] = run.bodies.v[k];
  }
  perturb(run.blocks, run.bodies, run.encounters, 0.001, 0.001);
  ASSERT_EQ(run.encounters.approaches.size(), 1u);
  const CloseApproach& r = run.encounters.approaches[0];
  EXPECT_EQ(r.vp_kms, static_cast<double>(99.99f));
  EXPECT_EQ(r.energy, static_cast<double>(99.999f));
  EXPECT_EQ(r.planet, 5);
  // Focused a little by Jupiter's pull: the two-body pericentre of the start state.
  const Hyperbola expected = two_body(run.blocks.gm[1], {-0.02, 3.0 * jupiter_radius, 0.0}, {v, 0.0, 0.0});
  EXPECT_NEAR(r.dmin_rplan, expected.q / jupiter_radius, 0.01);
  EXPECT_EQ(run.encounters.encounter.count, 1);
}

TEST(Movikep, RemovalTests) {
  TestRun run = make_run(kAllPlanets, kMainBelt, 2458800.5);
  const int k = run.object;
  const double mu = run.blocks.constants.gm_central;
  struct Case {
    const char* what;
    Vec3 x, v;
    bool removed;
  };
  const double v60 = std::sqrt(mu * (2.0 / 60.0 - 1.0 / 20000.0));
  const double v61_in = std::sqrt(mu * (2.0 / 61.0 - 1.0 / 8999.0));
  const double v61_out = std::sqrt(mu * (2.0 / 61.0 - 1.0 / 9001.0));
  const Case cases[] = {
      {"hyperbolic", {1.0, 0.0, 0.0}, {0.0, 9.0, 0.0}, true},
      {"inside the Sun", {0.005, 0.0, 0.0}, {0.0, 80.0, 0.0}, true},
      {"ejected", {61.0, 0.0, 0.0}, {0.0, v61_out, 0.0}, true},
      {"a just below 9000 AU", {61.0, 0.0, 0.0}, {0.0, v61_in, 0.0}, false},
      {"r exactly 60 AU", {60.0, 0.0, 0.0}, {0.0, v60, 0.0}, false},
      {"grazing the Sun", {0.009, 0.0, 0.0}, {-40.0, 0.5, 0.0}, true},
      {"ordinary", {1.5, 0.0, 0.0}, {0.0, 5.0, 0.0}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    run.bodies.x[k] = c.x;
    run.bodies.v[k] = c.v;
    run.bodies.r[k] = norm(c.x);
    run.encounters.removal.clear();
    drift_bodies(run.blocks, run.bodies, run.encounters, 0.0025, kBeforeKick);
    EXPECT_EQ(run.encounters.removal.contains(k), c.removed);
    EXPECT_EQ(run.encounters.removal.count, c.removed ? 1 : 0);
    EXPECT_EQ(run.bodies.x[k] == c.x, c.removed);
  }
}

// A perihelion inside the capture radius (1.14 solar radii, 0.0053 AU) passed in the
// middle of a half-step drift, forwards and backwards: both ends of the drift lie beyond
// 0.05 AU, five times the close limit (the body moves at about 140 AU/yr there), and the body
// is lost. With q = 0.006 AU it passes and stays.
TEST(Movikep, PerihelionInsideTheSunBetweenHalfSteps) {
  TestRun run = make_run(kAllPlanets, kMainBelt, 2458800.5);
  const int k = run.object;
  for (const double half_dt : {0.0025, -0.0025}) {
    for (const double q : {0.004, 0.006}) {
      SCOPED_TRACE(testing::Message() << "half step " << half_dt << ", q " << q);
      // Perihelion 0.001 yr into the drift; a = 1 AU.
      const Conic orbit{q, 1.0 - q, 0.3, 1.0, 2.0, half_dt > 0.0 ? 0.001 : -0.001};
      state_from_conic(run.blocks.constants.gm_central, orbit, 0.0, run.bodies.x[k], run.bodies.v[k], 0.0);
      run.bodies.r[k] = norm(run.bodies.x[k]);
      ASSERT_GT(run.bodies.r[k], 0.05);
      run.encounters.removal.clear();
      drift_bodies(run.blocks, run.bodies, run.encounters, half_dt, kBeforeKick);
      ASSERT_GT(run.bodies.r[k], 0.05);
      EXPECT_EQ(run.encounters.removal.contains(k), q < 0.005);
    }
  }
}

TEST(Movikep, SkipsListedBodies) {
  TestRun run = make_run(kAllPlanets, kMainBelt, 2458800.5);
  const Bodies before = run.bodies;
  run.encounters.carry_over.append(run.blocks.start_slot[run.object]);
  drift_bodies(run.blocks, run.bodies, run.encounters, 0.0025, kBeforeKick);
  EXPECT_EQ(run.bodies.x[run.object], before.x[run.object]);
  EXPECT_NE(run.bodies.x[3], before.x[3]);
  run.encounters.encounter.append(3);
  const Vec3 earth = run.bodies.x[3];
  drift_bodies(run.blocks, run.bodies, run.encounters, 0.0025, kAfterKick);
  EXPECT_EQ(run.bodies.x[3], earth);
  EXPECT_NE(run.bodies.x[run.object], before.x[run.object]);
}

TEST(Ordena, ShiftsLaterSlotsDown) {
  TestRun run = make_run(kAllPlanets, kMainBelt, 2458800.5);
  const Bodies before = run.bodies;
  const SharedBlocks blocks_before = run.blocks;
  remove_slot(run.blocks, run.bodies, 4);
  EXPECT_EQ(run.blocks.counts.planets, 8);
  EXPECT_EQ(run.blocks.counts.total, 9);
  for (int k = 4; k <= 9; ++k) {
    EXPECT_EQ(run.bodies.x[k], before.x[k + 1]);
    EXPECT_EQ(run.bodies.radius[k], before.radius[k + 1]);
    EXPECT_EQ(run.blocks.gm[k], blocks_before.gm[k + 1]);
    EXPECT_EQ(run.blocks.start_slot[k], k + 1);
  }
  // Arrays by start-up slot stay.
  EXPECT_EQ(run.blocks.planet_number, blocks_before.planet_number);
  // Removing the small body leaves the planets alone.
  remove_slot(run.blocks, run.bodies, 9);
  EXPECT_EQ(run.blocks.counts.planets, 8);
  EXPECT_EQ(run.blocks.counts.total, 8);
}

// A removal list naming the small body twice (a drift test and a collision in the
// same step) and a planet after it: each body goes once, the rest stay in order.
TEST(Ordena, ListedTwiceIsRemovedOnce) {
  TestRun run = make_run(kAllPlanets, kMainBelt, 2458800.5);
  SlotList removal;
  removal.append(10);
  removal.append(4);
  removal.append(10);
  remove_flagged_bodies(run.blocks, run.bodies, removal);
  EXPECT_EQ(run.blocks.counts.planets, 8);
  EXPECT_EQ(run.blocks.counts.total, 8);
  const int expected[] = {1, 2, 3, 5, 6, 7, 8, 9};
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(run.blocks.start_slot[k], expected[k - 1]);
}

}  // namespace

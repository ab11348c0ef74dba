// The rules of the step written once (dynamics/step_rules.h) decide alike in their two
// forms: the same random states, many of them on or next to a
// rule's bounds, decided by the scalar form one at a time and by the vector form a vector
// at a time, for every vector extension this processor runs.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "survey/step_rules_test.cpp"
#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

#include <array>
#include <vector>

#include "dynamics/shared_blocks.h"
#include "dynamics/step_rules.h"
#include "survey/batch/vector_ops.h"

#ifndef SKYTRAK_STEP_RULES_TEST_ONCE
#define SKYTRAK_STEP_RULES_TEST_ONCE
namespace survey {

enum class Rule { drifts, near_parabola, falls_into_sun, surely_outside_zone };

// What a rule compares with besides its inputs.
struct RuleSetting {
  dynamics::SunLimits sun;
  dynamics::EjectionLimits ejection;
  double hill;  // AU
  double dt;    // signed, years
};

// A rule's inputs, one column per argument, one row per state.
using Columns = std::array<std::vector<double>, 4>;

}  // namespace survey
#endif

HWY_BEFORE_NAMESPACE();
namespace survey {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;
namespace rules = dynamics::HWY_NAMESPACE;

// 1 where the rule holds for the row, else 0, a vector of rows at a time (rows a multiple
// of the widest vector).
void decide_vectors(Rule rule, const RuleSetting& s, const Columns& c, size_t rows, double* decided) {
  const hn::ScalableTag<double> d;
  const VectorOps<decltype(d)> ops{d};
  for (size_t i = 0; i < rows; i += hn::Lanes(d)) {
    const auto c0 = hn::LoadU(d, &c[0][i]), c1 = hn::LoadU(d, &c[1][i]);
    const auto c2 = hn::LoadU(d, &c[2][i]), c3 = hn::LoadU(d, &c[3][i]);
    auto holds = hn::FirstN(d, 0);
    switch (rule) {
      case Rule::drifts: holds = rules::drifts(ops, c0, c1, s.sun, s.ejection); break;
      case Rule::near_parabola: holds = rules::near_parabola(ops, c0); break;
      case Rule::falls_into_sun: holds = rules::falls_into_sun(ops, c0, c1, c2, c3, s.dt, s.sun); break;
      case Rule::surely_outside_zone:
        holds = rules::surely_outside_encounter_zone(ops, c0, c1, c2, s.hill, s.dt);
        break;
    }
    hn::StoreU(hn::IfThenElseZero(holds, hn::Set(d, 1.0)), d, decided + i);
  }
}

}  // namespace HWY_NAMESPACE
}  // namespace survey
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace survey {

HWY_EXPORT(decide_vectors);

namespace {

// The scalar form: the same templates over double, as the scalar step takes them.
bool decide_one(Rule rule, const RuleSetting& s, const Columns& c, size_t i) {
  namespace rules = dynamics::HWY_NAMESPACE;
  const dynamics::ScalarOps ops;
  switch (rule) {
    case Rule::drifts: return rules::drifts(ops, c[0][i], c[1][i], s.sun, s.ejection);
    case Rule::near_parabola: return rules::near_parabola(ops, c[0][i]);
    case Rule::falls_into_sun: return rules::falls_into_sun(ops, c[0][i], c[1][i], c[2][i], c[3][i], s.dt, s.sun);
    case Rule::surely_outside_zone:
      return rules::surely_outside_encounter_zone(ops, c[0][i], c[1][i], c[2][i], s.hill, s.dt);
  }
  return false;
}

// A random value about one of the edges: often the edge itself or its neighbour, else
// within a factor of a few of it, of either sign when the edges have both.
double near_one_of(const std::vector<double>& edges, std::mt19937_64& random) {
  std::uniform_int_distribution<size_t> pick(0, edges.size() - 1);
  std::uniform_int_distribution<int> kind(0, 7);
  std::normal_distribution<double> spread(0.0, 0.7);
  const double edge = edges[pick(random)];
  switch (kind(random)) {
    case 0: return edge;
    case 1: return std::nextafter(edge, 0.0);
    case 2: return std::nextafter(edge, edge < 0.0 ? -INFINITY : INFINITY);
    default: return edge * std::exp(spread(random));
  }
}

TEST(StepRules, ScalarAndVectorFormsDecideAlike) {
  dynamics::SharedBlocks blocks;
  dynamics::store_constants(blocks, 1.0);
  const double capture = blocks.sun_limits.capture, close = blocks.sun_limits.close;
  const double max_a = blocks.ejection.max_semimajor, max_r = blocks.ejection.max_distance;
  const double hill = 0.01, dt = 0.005;
  // The squared zone (9 hill^2) and the squared travel of relative speeds of order 1..10 AU/yr.
  const double zone2 = 9e-4, travel2 = 25.0 * dt * dt;
  const struct {
    const char* name;
    Rule rule;
    double dt;
    std::vector<std::vector<double>> edges;  // per input column
  } cases[] = {
      {"drifts", Rule::drifts, dt, {{dynamics::kMinSemimajor, max_a, -1.0, 2.0}, {capture, max_r, 1.0}}},
      {"near a parabola", Rule::near_parabola, dt, {{1.0 - dynamics::kNearParabola, 1.0 + dynamics::kNearParabola, 0.5}}},
      {"falls into the Sun forward", Rule::falls_into_sun, dt, {{capture}, {close}, {-1e-3, 1e-3}, {-1e-3, 1e-3}}},
      {"falls into the Sun backward", Rule::falls_into_sun, -dt, {{capture}, {close}, {-1e-3, 1e-3}, {-1e-3, 1e-3}}},
      {"surely outside the zone", Rule::surely_outside_zone, dt,
       {{2.0 * (zone2 + travel2), 4.0 * zone2}, {zone2}, {25.0, 1.0}}},
      {"surely outside the zone backward", Rule::surely_outside_zone, -dt,
       {{2.0 * (zone2 + travel2), 4.0 * zone2}, {zone2}, {25.0, 1.0}}},
  };
  constexpr size_t kRows = 8192;  // a multiple of every vector's lanes
  std::mt19937_64 random(2026);
  for (const auto& c : cases) {
    const RuleSetting setting{blocks.sun_limits, blocks.ejection, hill, c.dt};
    Columns columns;
    for (size_t k = 0; k < columns.size(); ++k) {
      columns[k].resize(kRows);
      for (double& value : columns[k]) value = k < c.edges.size() ? near_one_of(c.edges[k], random) : 0.0;
    }
    std::vector<bool> scalar(kRows);
    size_t holds = 0;
    for (size_t i = 0; i < kRows; ++i) {
      scalar[i] = decide_one(c.rule, setting, columns, i);
      holds += scalar[i] ? 1 : 0;
    }
    // Both decisions are common, so a slip on either side shows.
    EXPECT_GT(holds, kRows / 10) << c.name;
    EXPECT_LT(holds, kRows - kRows / 10) << c.name;
    for (const int64_t target : hwy::SupportedAndGeneratedTargets()) {
      hwy::SetSupportedTargetsForTest(target);
      std::vector<double> vector(kRows);
      HWY_DYNAMIC_DISPATCH(decide_vectors)(c.rule, setting, columns, kRows, vector.data());
      size_t differ = 0;
      for (size_t i = 0; i < kRows; ++i) differ += scalar[i] != (vector[i] != 0.0);
      EXPECT_EQ(differ, 0u) << c.name << " on " << hwy::TargetName(target);
    }
    hwy::SetSupportedTargetsForTest(0);
  }
}

}  // namespace
}  // namespace survey
#endif  // HWY_ONCE

// Independent reference for the survey tests: the object and the planets from the same
// set-up, integrated by the fine fixed-step Runge-Kutta of the dynamics tests, and every
// minimum of the distance to a watched planet found from the sampled squared distance.
#pragma once

#include <cmath>
#include <vector>

#include "../dynamics/reference_nbody.h"
#include "dynamics/shared_blocks.h"
#include "dynamics/planet_setup.h"
#include "dynamics/planets_to_epoch.h"
#include "survey/engine/group_legs.h"

namespace reference {

struct Minimum {
  int planet;
  double jd;
  double distance;  // AU
};

// Minima inside the window of settings, below settings.distance_au, with a Runge-Kutta
// step of `step` years. The parabola through three samples of the squared distance
// places each minimum between the samples.
inline std::vector<Minimum> distance_minima(const survey::SurveyObject& object, const survey::SurveySettings& settings,
                                            double step) {
  dynamics::SharedBlocks blocks;
  dynamics::Bodies bodies;
  dynamics::store_constants(blocks, survey::kSurveyClass.central_mass);
  blocks.epoch_jd = object.epoch_jd;
  dynamics::setup_planets(blocks, bodies, survey::kSurveyClass);
  dynamics::add_small_body(blocks, bodies, object.elements);
  dynamics::carry_planets_to_epoch(blocks, bodies, dynamics::kPlanetEpochJd);
  std::vector<Body> start;
  for (int k = 1; k <= blocks.counts.total; ++k) {
    start.push_back({blocks.gm[k], {bodies.x[k][0], bodies.x[k][1], bodies.x[k][2]},
                     {bodies.v[k][0], bodies.v[k][1], bodies.v[k][2]}});
  }
  const size_t obj = start.size() - 1;
  std::vector<Minimum> minima;
  for (double h : {step, -step}) {
    const double end_jd = h > 0.0 ? settings.to_jd : settings.from_jd;
    if (h > 0.0 ? end_jd <= object.epoch_jd : end_jd >= object.epoch_jd) continue;
    std::vector<Body> b = start;
    std::vector<std::array<double, 3>> d2(10, {0.0, 0.0, 0.0});  // per planet: three last samples
    const auto sample = [&](int planet) {
      const Body& p = b[static_cast<size_t>(dynamics::planet_slot(survey::kSurveyClass, planet) - 1)];
      double s = 0.0;
      for (int c = 0; c < 3; ++c) s += (b[obj].x[c] - p.x[c]) * (b[obj].x[c] - p.x[c]);
      return s;
    };
    long n = 0;
    for (double jd = object.epoch_jd;; ++n) {
      for (int planet = 1; planet <= 9; ++planet) {
        if (!settings.watched[static_cast<size_t>(planet)]) continue;
        auto& s = d2[static_cast<size_t>(planet)];
        s = {s[1], s[2], sample(planet)};
        if (n < 2 || !(s[1] < s[0] && s[1] <= s[2])) continue;
        const double curvature = s[0] - 2.0 * s[1] + s[2];
        const double shift = 0.5 * (s[0] - s[2]) / curvature;  // in samples, forward in time of h
        const double t_jd = jd - h * dynamics::kDaysPerYear * (1.0 - shift);
        const double dist = std::sqrt(s[1] - (s[0] - s[2]) * (s[0] - s[2]) / (8.0 * curvature));
        if (dist < settings.distance_au && t_jd >= settings.from_jd && t_jd <= settings.to_jd) {
          minima.push_back({planet, t_jd, dist});
        }
      }
      if (h > 0.0 ? jd > end_jd : jd < end_jd) break;
      rk4(blocks.constants.gm_central, b, h, 1);
      jd = object.epoch_jd + static_cast<double>(n + 1) * h * dynamics::kDaysPerYear;
    }
  }
  return minima;
}

}  // namespace reference

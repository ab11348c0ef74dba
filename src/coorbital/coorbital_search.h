// The co-orbital search: each chosen object integrated over a span about its epoch on the
// survey's engine, its resonant angle sampled and cut into episodes, a clone with a
// slightly larger orbit judged the same way, and the closest approaches to the planet.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "coorbital/angle_series.h"
#include "coorbital/episodes.h"
#include "coorbital/thresholds.h"
#include "sky/sky.h"
#include "survey/io/survey_object.h"
#include "survey/parallel/threaded_survey.h"

namespace coorbital {

// The clone's semimajor axis lies this far beyond the object's, AU.
inline constexpr double kCloneShiftAu = 1e-6;

struct CoorbitalSettings {
  int planet = 3;                      // 1..9
  double span_yr = 400.0;              // in all, half before the epoch and half after
  sky::Sky sky = sky::Sky::ephemeris;  // where the planets start
  int jobs = 1;                        // threads
  Thresholds thresholds;
};

struct ObjectVerdict {
  const survey::SurveyObject* object = nullptr;
  AngleSeries phi;        // smoothed, years from the epoch
  AngleSeries clone_phi;  // the clone's, likewise
  EpisodeList episodes;
  std::vector<double> closest_au;  // per episode: the least distance to the planet (NaN: no minimum)
  // The clone's episode at the epoch is of the same motion.
  bool stable = true;
};

struct CoorbitalResult {
  std::vector<ObjectVerdict> verdicts;  // in the order chosen
  long object_steps = 0;                // the clones' steps included
  std::string thread_failure;           // as the survey's
};

// Searches objects[i] for every i of `chosen`. Throws errors::UsageError when the span
// needs more steps than an object may take.
CoorbitalResult search(const std::vector<survey::SurveyObject>& objects, const std::vector<std::size_t>& chosen,
                       const CoorbitalSettings& settings, const survey::ProgressReport& progress);

}  // namespace coorbital

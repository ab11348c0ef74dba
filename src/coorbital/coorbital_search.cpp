// Integrating the candidates and judging their resonant angles.
#include "coorbital/coorbital_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

#include "coorbital/mean_longitude.h"
#include "coorbital/sampled_window.h"
#include "dynamics/constants.h"
#include "sky/sky.h"
#include "survey/engine/window_steps.h"

namespace coorbital {

namespace {

using dynamics::kDaysPerYear;

// The object with its semimajor axis (in the sky of the run) moved out by kCloneShiftAu.
survey::SurveyObject clone_of(const survey::SurveyObject& object, sky::Sky sky) {
  survey::SurveyObject clone = object;
  clone.elements = sky::sky_model(sky).object_elements(object.elements, object.mean_motion);
  clone.elements.a += kCloneShiftAu;
  clone.mean_motion = 0.0;  // the sky then takes a as it stands
  return clone;
}

// The resonant angle of every run, by its index in the run list; each run is handed to
// one thread only, so no two threads touch the same list.
class AngleSamples {
 public:
  explicit AngleSamples(const std::vector<survey::SurveyObject>& runs) : runs_(runs), samples_(runs.size()) {}

  void take(const survey::StepSample& sample) {
    const double lambda_planet =
        mean_longitude_deg(sample.planet_position, sample.planet_velocity, sample.gm_sun + sample.gm_planet);
    for (const survey::ObjectSample& object : sample.objects) {
      const double phi =
          resonant_angle_deg(mean_longitude_deg(object.position, object.velocity, sample.gm_sun), lambda_planet);
      if (!std::isfinite(phi)) continue;  // an orbit no longer bound
      const double years = (sample.jd - object.object->epoch_jd) / kDaysPerYear;
      samples_[static_cast<std::size_t>(object.object - runs_.data())].emplace_back(years, phi);
    }
  }

  AngleSeries series(std::size_t run, double smoothing_yr) const {
    return smoothed(unwrapped_series(samples_[run]), smoothing_yr);
  }

 private:
  const std::vector<survey::SurveyObject>& runs_;
  std::vector<std::vector<std::pair<double, double>>> samples_;
};

// The least distance of the run's rows inside each episode.
std::vector<double> closest_per_episode(const std::vector<survey::SurveyRow>& rows, const std::string& run_key,
                                        const EpisodeList& list, double epoch_jd) {
  std::vector<double> closest(list.episodes.size(), std::numeric_limits<double>::quiet_NaN());
  for (const survey::SurveyRow& row : rows) {
    if (row.packed != run_key || row.event != survey::EventKind::approach) continue;
    const double years = (row.jd - epoch_jd) / kDaysPerYear;
    for (std::size_t e = 0; e < list.episodes.size(); ++e) {
      const Episode& episode = list.episodes[e];
      if (years < episode.from_yr || years > episode.to_yr) continue;
      if (!(closest[e] <= row.distance)) closest[e] = row.distance;
    }
  }
  return closest;
}

}  // namespace

CoorbitalResult search(const std::vector<survey::SurveyObject>& objects, const std::vector<std::size_t>& chosen,
                       const CoorbitalSettings& settings, const survey::ProgressReport& progress) {
  // The runs: every chosen object, then its clone. Its packed field becomes the run's
  // number, so that the survey's rows name the run.
  std::vector<survey::SurveyObject> runs;
  for (std::size_t index : chosen) runs.push_back(objects[index]);
  for (std::size_t index : chosen) runs.push_back(clone_of(objects[index], settings.sky));
  for (std::size_t n = 0; n < runs.size(); ++n) runs[n].packed = std::to_string(n);

  AngleSamples samples(runs);
  std::map<double, std::vector<std::size_t>> by_epoch;
  for (std::size_t n = 0; n < runs.size(); ++n) by_epoch[runs[n].epoch_jd].push_back(n);

  CoorbitalResult result;
  std::vector<survey::SurveyRow> rows;
  long done_before = 0;
  for (const auto& [epoch, indices] : by_epoch) {
    const survey::SurveySettings window =
        sampled_window(epoch, -settings.span_yr / 2.0, settings.span_yr / 2.0, settings.planet, settings.sky,
                       settings.thresholds.sample_steps, [&samples](const survey::StepSample& sample) { samples.take(sample); });
    survey::check_window(window, {runs[indices.front()]});  // every run of the window shares its epoch
    const survey::SurveyResult surveyed =
        survey::survey_objects(runs, indices, window, settings.jobs, [&](long done, long) {
          if (progress) progress(done_before + done, static_cast<long>(runs.size()));
        });
    done_before += static_cast<long>(indices.size());
    result.object_steps += surveyed.object_steps;
    if (result.thread_failure.empty()) result.thread_failure = surveyed.thread_failure;
    rows.insert(rows.end(), surveyed.rows.begin(), surveyed.rows.end());
  }

  for (std::size_t n = 0; n < chosen.size(); ++n) {
    ObjectVerdict verdict;
    verdict.object = &objects[chosen[n]];
    verdict.phi = samples.series(n, settings.thresholds.smoothing_yr);
    verdict.episodes = episodes_of(verdict.phi, settings.thresholds);
    verdict.closest_au = closest_per_episode(rows, runs[n].packed, verdict.episodes, verdict.object->epoch_jd);
    verdict.clone_phi = samples.series(chosen.size() + n, settings.thresholds.smoothing_yr);
    const EpisodeList clone = episodes_of(verdict.clone_phi, settings.thresholds);
    verdict.stable = clone.episodes[clone.at_epoch].motion == verdict.episodes.episodes[verdict.episodes.at_epoch].motion;
    result.verdicts.push_back(std::move(verdict));
  }
  return result;
}

}  // namespace coorbital

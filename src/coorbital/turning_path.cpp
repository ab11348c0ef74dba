// The path of one object in its planet's turning frame.
#include "coorbital/turning_path.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "coorbital/sampled_window.h"
#include "dynamics/constants.h"
#include "dynamics/rotating_frame.h"
#include "survey/engine/window_steps.h"
#include "survey/parallel/threaded_survey.h"

namespace coorbital {

std::vector<PathPoint> turning_path(const survey::SurveyObject& object, const CoorbitalSettings& settings,
                                       double from_yr, double to_yr) {
  std::vector<PathPoint> path;
  std::mutex guard;  // the legs before and after the epoch may come from two threads
  const auto take = [&](const survey::StepSample& sample) {
    if (sample.objects.empty()) return;
    // The planet's orbital plane from its own state: node and inclination of r x v.
    const dynamics::Vec3 h = dynamics::cross(sample.planet_position, sample.planet_velocity);
    const double incl = std::acos(h[2] / dynamics::norm(h));
    const double node = std::atan2(h[0], -h[1]);
    const dynamics::Vec3& p = sample.planet_position;
    const dynamics::Vec3& o = sample.objects.front().position;
    const dynamics::RotatingPoint point =
        dynamics::to_rotating_frame(p[0], p[1], p[2], o[0], o[1], o[2], node, incl, dynamics::norm(p));
    const std::lock_guard<std::mutex> lock(guard);
    path.push_back({(sample.jd - object.epoch_jd) / dynamics::kDaysPerYear, point.X, point.Y});
  };
  const survey::SurveySettings window = sampled_window(object.epoch_jd, from_yr, to_yr, settings.planet, settings.sky, 1, take);
  survey::check_window(window, {object});
  survey::survey_objects({object}, {0}, window, 1, {});
  std::sort(path.begin(), path.end(), [](const PathPoint& a, const PathPoint& b) { return a.years < b.years; });
  path.erase(std::unique(path.begin(), path.end(),
                         [](const PathPoint& a, const PathPoint& b) { return a.years == b.years; }),
             path.end());
  return path;
}

}  // namespace coorbital

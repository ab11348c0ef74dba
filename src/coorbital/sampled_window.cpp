// The survey's window of the co-orbital search.
#include "coorbital/sampled_window.h"

#include <utility>

#include "dynamics/constants.h"

namespace coorbital {

namespace {

// Every minimum of the distance to the planet is a row: the least of an episode is kept.
constexpr double kEveryMinimumAu = 1e9;

}  // namespace

survey::SurveySettings sampled_window(double epoch_jd, double from_yr, double to_yr, int planet, sky::Sky sky,
                                      int every_steps, survey::StepSampler take) {
  survey::SurveySettings window;
  window.from_jd = epoch_jd + from_yr * dynamics::kDaysPerYear;
  window.to_jd = epoch_jd + to_yr * dynamics::kDaysPerYear;
  window.watched[static_cast<std::size_t>(planet)] = true;
  window.distance_au = kEveryMinimumAu;
  window.sky = sky;
  window.sampling.every_steps = every_steps;
  window.sampling.planet = planet;
  window.sampling.take = std::move(take);
  return window;
}

}  // namespace coorbital

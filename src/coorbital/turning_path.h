// An object's path in the frame that turns with its planet, for the co-orbital's top
// view: integrated again on the survey's engine over one episode, sampled every step.
#pragma once

#include <vector>

#include "coorbital/coorbital_search.h"
#include "survey/io/survey_object.h"

namespace coorbital {

// One point of the path in the frame turning with the planet.
struct PathPoint {
  double years = 0.0;     // from the object's epoch
  double x = 0.0, y = 0.0;  // in the planet's orbital plane, planet at the origin, the Sun at
                            // (-1, 0), unit the planet's distance from the Sun
};

// The path from from_yr to to_yr about the object's epoch, in the search's sky, a point
// at every step of the survey's integrator, in time order. Throws errors::UsageError
// when the stretch needs more steps than an object may take.
std::vector<PathPoint> turning_path(const survey::SurveyObject& object, const CoorbitalSettings& settings,
                                       double from_yr, double to_yr);

}  // namespace coorbital

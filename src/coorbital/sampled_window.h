// The survey's window for one epoch of the co-orbital search: the planet watched for its
// minima, and its state handed over with the objects' every few steps.
#pragma once

#include "sky/sky.h"
#include "survey/io/survey_settings.h"

namespace coorbital {

// From epoch_jd + from_yr to epoch_jd + to_yr (years) in `sky`, every minimum of the
// distance to `planet` a row, a sample of it and the objects every `every_steps` steps
// to `take`.
survey::SurveySettings sampled_window(double epoch_jd, double from_yr, double to_yr, int planet, sky::Sky sky,
                                      int every_steps, survey::StepSampler take);

}  // namespace coorbital

// The survey window in steps: each object covers the window and the way from its epoch
// to it, and one that needs more than the single run's limit is refused by name.
#include "survey/survey_window.h"

#include <gtest/gtest.h>

namespace {

using namespace survey;

constexpr double kStepDays = 0.005 * 365.25;

TEST(SurveyWindow, StepsCoverTheWindowAndTheWayFromTheEpoch) {
  SurveySettings settings;
  settings.from_jd = 2458000.0;
  settings.to_jd = 2459000.0;
  struct Case {
    double epoch_jd;
    double days;
  };
  for (const Case& c : {Case{2458500.0, 1000.0}, Case{2457000.0, 2000.0}, Case{2460000.0, 2000.0}}) {
    EXPECT_DOUBLE_EQ(steps_needed(settings, c.epoch_jd), c.days / kStepDays) << c.epoch_jd;
  }
}

TEST(SurveyWindow, ObjectsOrWindowsBeyondTheLimitAreRefusedByName) {
  SurveySettings settings;
  settings.from_jd = 0.0;
  settings.to_jd = 1.0;
  SurveyObject near, far;
  near.designation = "near";
  near.epoch_jd = 2458666.5;  // JD 0 to 1 is 1.3e6 steps away: an honest mistake, but runnable
  far.designation = "far";
  far.epoch_jd = 1.0 + 1.01e8 * kStepDays;
  EXPECT_NO_THROW(check_window(settings, {near}));
  try {
    check_window(settings, {near, far});
    ADD_FAILURE() << "no refusal";
  } catch (const SettingRefused& refusal) {
    EXPECT_EQ(std::string(refusal.what()).substr(0, 14), "far (epoch JD ");
  }
  settings.to_jd = 1e308;
  EXPECT_THROW(check_window(settings, {}), SettingRefused);
  settings.to_jd = 0.99e8 * kStepDays;
  EXPECT_NO_THROW(check_window(settings, {}));
}

}  // namespace

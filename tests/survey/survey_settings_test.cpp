// The --planet value: planet numbers, the Moon, lists and "all".
#include "survey/survey_settings.h"

#include <gtest/gtest.h>

namespace {

using namespace survey;

TEST(SurveySettings, PlanetListNamesPlanetsAndTheMoon) {
  struct Case {
    const char* text;
    bool valid;
    std::vector<int> watched;  // when valid
  };
  const Case cases[] = {
      {"3", true, {3}},
      {"moon", true, {kMoonTarget}},
      {"2,3,moon", true, {2, 3, kMoonTarget}},
      {"all", true, {1, 2, 3, 4, 5, 6, 7, 8, 9, kMoonTarget}},
      {"0", false, {}},
      {"10", false, {}},
      {"Moon", false, {}},
      {"3,", false, {}},
  };
  for (const Case& c : cases) {
    WatchedTargets watched{};
    watched[1] = true;  // left as it is on a refusal
    ASSERT_EQ(parse_planet_list(c.text, watched), c.valid) << c.text;
    WatchedTargets expected{};
    if (c.valid) {
      for (int target : c.watched) expected[static_cast<size_t>(target)] = true;
    } else {
      expected[1] = true;
    }
    EXPECT_EQ(watched, expected) << c.text;
  }
}

}  // namespace

// The --planet value: planet numbers, the Moon, lists and "all".
#include "survey/io/survey_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(SurveySettings, PlanetListNamesPlanetsAndTheMoon) {
  using survey::kMoonTarget;
  const std::pair<const char*, std::vector<int>> cases[] = {
      {"3", {3}}, {"moon", {kMoonTarget}}, {"2,3,moon", {2, 3, kMoonTarget}},
      {"all", {1, 2, 3, 4, 5, 6, 7, 8, 9, kMoonTarget}},
      {"0", {}}, {"10", {}}, {"Moon", {}}, {"3,", {}},  // refused: `watched` left as it was
  };
  for (const auto& [text, targets] : cases) {
    survey::WatchedTargets watched{}, expected{};
    watched[1] = expected[1] = targets.empty();
    for (int target : targets) expected[static_cast<size_t>(target)] = true;
    EXPECT_EQ(survey::parse_planet_list(text, watched), !targets.empty()) << text;
    EXPECT_EQ(watched, expected) << text;
  }
}

}  // namespace

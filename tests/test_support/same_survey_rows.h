// Two surveys of the same objects by two paths agree: the same rows in the same order and
// the same steps; times within 1e-6 d, distances and speeds within 1e-9 relative.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "survey/engine/group_legs.h"

inline void expect_same_rows(const std::vector<survey::ObjectOutcome>& expected,
                             const std::vector<survey::ObjectOutcome>& got) {
  ASSERT_EQ(expected.size(), got.size());
  for (size_t n = 0; n < expected.size(); ++n) {
    EXPECT_EQ(expected[n].steps, got[n].steps) << n;
    ASSERT_EQ(expected[n].rows.size(), got[n].rows.size()) << n;
    for (size_t k = 0; k < expected[n].rows.size(); ++k) {
      const survey::SurveyRow &a = expected[n].rows[k], &b = got[n].rows[k];
      EXPECT_TRUE(a.event == b.event && a.planet == b.planet) << a.packed;
      EXPECT_NEAR(a.jd, b.jd, 1e-6) << a.packed;
      EXPECT_NEAR(a.distance, b.distance, 1e-9 * a.distance) << a.packed;
      EXPECT_NEAR(a.speed_kms, b.speed_kms, 1e-9 * a.speed_kms) << a.packed;
    }
  }
}

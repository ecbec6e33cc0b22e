#include "app/wheel_accumulator.h"

#include <gtest/gtest.h>

#include <vector>

namespace quil {
namespace {

TEST(WheelAccumulator, ANotchIs120UnitsUpPositive) {
  TWheelAccumulator wheel;
  EXPECT_EQ(wheel.Notch(true), 120);
  EXPECT_EQ(wheel.Notch(false), -120);
}

TEST(WheelAccumulator, SmoothDeltasAreNotchesDownwardsAndLoseNothing) {
  struct Case {
    const char* name;
    std::vector<double> deltas;
    int total;
  };
  const Case cases[] = {
      {"one notch down", {1.0}, -120},
      {"one notch up", {-1.0}, 120},
      {"ten tenths", std::vector<double>(10, 0.1), -120},
      {"thirds", std::vector<double>(9, -1.0 / 3), 360},
      {"back and forth", {0.25, -0.5, 0.25, 1.0}, -120},
      {"tiny steps", std::vector<double>(1000, 0.001), -120},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TWheelAccumulator wheel;
    int total = 0;
    for (double d : c.deltas) total += wheel.Smooth(d);
    EXPECT_NEAR(total, c.total, 1) << "units lost or invented";
  }
}

TEST(WheelAccumulator, LessThanAUnitReportsNothingYet) {
  TWheelAccumulator wheel;
  EXPECT_EQ(wheel.Smooth(0.004), 0);  // 0.48 units
  EXPECT_EQ(wheel.Smooth(0.004), 0);  // 0.96
  EXPECT_EQ(wheel.Smooth(0.004), -1);
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include <cmath>

#include "engine/date_time.h"
#include "engine/date_time_step.h"

namespace quil {
namespace {

TEST(DateTimeStep, TableRunsFromAMicrosecondToAYear) {
  EXPECT_DOUBLE_EQ(DateTimeStep[dtOneMicroSecond] * SecsPerDay, 1e-6);
  EXPECT_DOUBLE_EQ(DateTimeStep[dtOneSecond] * SecsPerDay, 1);
  EXPECT_DOUBLE_EQ(DateTimeStep[dtOneMinute] * MinsPerDay, 1);
  EXPECT_DOUBLE_EQ(DateTimeStep[dtTwelveHours], 0.5);
  EXPECT_EQ(DateTimeStep[dtHalfMonth], 15);
  EXPECT_EQ(DateTimeStep[dtSixMonths], 182);
  EXPECT_EQ(DateTimeStep[dtOneYear], 365);
  EXPECT_EQ(DateTimeStep[dtNone], 1);
  for (int step = dtOneMicroSecond; step < dtOneYear; ++step) EXPECT_LT(DateTimeStep[step], DateTimeStep[step + 1]);
}

TEST(DateTimeStep, FindMatchesWithinAMicrosecond) {
  EXPECT_EQ(FindDateTimeStep(30), dtOneMonth);
  EXPECT_EQ(FindDateTimeStep(1.0 / 24 + 1e-12), dtOneHour);
  EXPECT_EQ(FindDateTimeStep(7), dtOneWeek);
  EXPECT_EQ(FindDateTimeStep(8), dtNone);
  EXPECT_EQ(FindDateTimeStep(0), dtNone);
  EXPECT_EQ(FindDateTimeStep(std::nan("")), dtNone);
}

TEST(DateTimeStep, NextStepIsTheTableEntryAfterTheLastOneNotAbove) {
  const struct {
    double X, Next;
  } cases[] = {
      {DateTimeStep[dtOneSecond], DateTimeStep[dtFiveSeconds]},
      {DateTimeStep[dtOneMinute] * 1.5, DateTimeStep[dtFiveMinutes]},
      {1, 2},
      {6.9, 7},
      {7, 15},
      {100, 120},
      {182, 365},
      {300, 365},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.X);
    EXPECT_DOUBLE_EQ(NextDateTimeStep(c.X), c.Next);
  }
}

TEST(DateTimeStep, RoundDateFindsTheStartOfASequence) {
  const double midMay = EncodeDate(2023, 5, 17) + 0.75;  // a Wednesday evening
  EXPECT_EQ(QuilRoundDate(midMay, dtOneDay), EncodeDate(2023, 5, 18));
  EXPECT_EQ(DayOfWeek(QuilRoundDate(midMay, dtOneWeek)), 2);  // Monday
  EXPECT_EQ(QuilRoundDate(midMay, dtHalfMonth), EncodeDate(2023, 5, 15));
  EXPECT_EQ(QuilRoundDate(EncodeDate(2023, 5, 14), dtHalfMonth), EncodeDate(2023, 5, 1));
  EXPECT_EQ(QuilRoundDate(midMay, dtThreeMonths), EncodeDate(2023, 5, 1));
  EXPECT_EQ(QuilRoundDate(midMay, dtOneYear), EncodeDate(2023, 1, 1));
  EXPECT_EQ(QuilRoundDate(midMay, dtOneHour), midMay);
  EXPECT_EQ(QuilRoundDate(0, dtOneYear), 0);
  // Outside the calendar a date cannot be rounded and stays as it is.
  EXPECT_EQ(QuilRoundDate(1e12, dtOneMonth), 1e12);
  EXPECT_TRUE(std::isnan(QuilRoundDate(std::nan(""), dtOneYear)));
}

TEST(DateTimeStep, CalendarIncrementsMoveByRealMonths) {
  const double jan31 = EncodeDate(2024, 1, 31) + 0.25;
  EXPECT_EQ(QuilDateTimeIncrement(true, jan31, dtOneMonth), EncodeDate(2024, 2, 29) + 0.25);
  EXPECT_EQ(QuilDateTimeIncrement(false, EncodeDate(2024, 3, 1), dtTwoMonths), EncodeDate(2024, 1, 1));
  EXPECT_EQ(QuilDateTimeIncrement(false, EncodeDate(2024, 2, 1), dtSixMonths), EncodeDate(2023, 8, 1));
  EXPECT_EQ(QuilDateTimeIncrement(true, EncodeDate(2024, 2, 29), dtOneYear), EncodeDate(2025, 2, 28));

  EXPECT_EQ(QuilDateTimeIncrement(false, EncodeDate(2024, 3, 15), dtHalfMonth), EncodeDate(2024, 3, 1));
  EXPECT_EQ(QuilDateTimeIncrement(false, EncodeDate(2024, 3, 1), dtHalfMonth), EncodeDate(2024, 2, 15));
  EXPECT_EQ(QuilDateTimeIncrement(false, EncodeDate(2024, 1, 1), dtHalfMonth), EncodeDate(2023, 12, 15));
  EXPECT_EQ(QuilDateTimeIncrement(true, EncodeDate(2024, 12, 15), dtHalfMonth), EncodeDate(2025, 1, 1));
  EXPECT_EQ(QuilDateTimeIncrement(true, EncodeDate(2024, 12, 3), dtHalfMonth), EncodeDate(2024, 12, 15));
}

// A step that would leave the calendar reports "no move" instead of raising.
TEST(DateTimeStep, CalendarIncrementsStopAtTheEndsOfTheCalendar) {
  const double first = EncodeDate(1, 1, 1);
  EXPECT_EQ(QuilDateTimeIncrement(false, first, dtOneMonth), first);
  EXPECT_EQ(QuilDateTimeIncrement(false, first, dtHalfMonth), first);
  const double last = EncodeDate(9999, 12, 1);
  EXPECT_EQ(QuilDateTimeIncrement(true, last, dtOneYear), last);
  EXPECT_EQ(QuilDateTimeIncrement(false, 1e12, dtOneMonth), 1e12);
  EXPECT_EQ(QuilDateTimeIncrement(false, EncodeDate(2024, 3, 1), dtOneDay), EncodeDate(2024, 3, 1));
}

}  // namespace
}  // namespace quil

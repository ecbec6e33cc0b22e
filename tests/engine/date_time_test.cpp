#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/exceptions.h"
#include "engine/date_time.h"

namespace quil {
namespace {

TEST(DateTime, EncodesDaysSinceTheEpochDay) {
  const struct {
    int Year, Month, Day;
    double Expected;
  } cases[] = {
      {1899, 12, 30, 0},   {1899, 12, 31, 1},     {1900, 1, 1, 2},      {1899, 12, 29, -1},
      {2000, 1, 1, 36526}, {2024, 2, 29, 45351},  {1, 1, 1, -693593},   {9999, 12, 31, 2958465},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Year << "-" << c.Month << "-" << c.Day);
    EXPECT_EQ(EncodeDate(c.Year, c.Month, c.Day), c.Expected);
    const TDateParts parts = DecodeDate(c.Expected);
    EXPECT_EQ(parts.Year, c.Year);
    EXPECT_EQ(parts.Month, c.Month);
    EXPECT_EQ(parts.Day, c.Day);
  }
}

TEST(DateTime, RejectsInvalidParts) {
  EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(2024, 4, 31), EConvertError);
  EXPECT_THROW(EncodeDate(2024, 13, 1), EConvertError);
  EXPECT_THROW(EncodeDate(2024, 0, 1), EConvertError);
  EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
  EXPECT_THROW(EncodeDate(10000, 1, 1), EConvertError);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, -1, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
  EXPECT_EQ(EncodeDate(2000, 2, 29), 36585);
}

// Decoding then encoding gives the same day across the whole range, leap rules included.
TEST(DateTime, DecodeAndEncodeAgreeOverTheWholeRange) {
  int previousDay = 0;
  for (double day = MinDateTime; day <= MaxDateTime; day += 1) {
    const TDateParts parts = DecodeDate(day);
    ASSERT_EQ(EncodeDate(parts.Year, parts.Month, parts.Day), day);
    ASSERT_TRUE(parts.Day == previousDay + 1 || parts.Day == 1) << day;
    previousDay = parts.Day;
  }
}

TEST(DateTime, DecodesTimeRoundedToTheMillisecond) {
  const double noon = EncodeDate(2024, 3, 5) + 0.5;
  const TTimeParts t = DecodeTime(noon + EncodeTime(1, 2, 3, 4));
  EXPECT_EQ(t.Hour, 13);
  EXPECT_EQ(t.Minute, 2);
  EXPECT_EQ(t.Second, 3);
  EXPECT_EQ(t.MilliSecond, 4);

  // Arithmetic leaves values a hair below whole seconds; they must not show as :59.999.
  const TTimeParts tenth = DecodeTime(0.1 * 3);
  EXPECT_EQ(tenth.Hour, 7);
  EXPECT_EQ(tenth.Minute, 12);
  EXPECT_EQ(tenth.MilliSecond, 0);

  // Less than half a millisecond before midnight belongs to the next day.
  const double almostMidnight = EncodeDate(2024, 2, 28) + 1 - 0.4 / MSecsPerDay;
  const auto parts = TryDecodeDateTime(almostMidnight);
  ASSERT_TRUE(parts.has_value());
  EXPECT_EQ(parts->Date.Day, 29);
  EXPECT_EQ(parts->Time.Hour, 0);
  EXPECT_EQ(parts->Time.MilliSecond, 0);
  EXPECT_EQ(DecodeTime(almostMidnight - 0.2 / MSecsPerDay).MilliSecond, 999);
}

// Before the epoch day the integer part counts back and the fraction still runs forward.
TEST(DateTime, DatesBeforeTheEpochDayKeepTheTimeForward) {
  const double value = ComposeDateTime(EncodeDate(1899, 12, 29), EncodeTime(6, 0, 0, 0));
  EXPECT_EQ(value, -1.25);
  const auto parts = TryDecodeDateTime(value);
  ASSERT_TRUE(parts.has_value());
  EXPECT_EQ(parts->Date.Day, 29);
  EXPECT_EQ(parts->Time.Hour, 6);
  EXPECT_EQ(ComposeDateTime(EncodeDate(1900, 1, 1), EncodeTime(6, 0, 0, 0)), 2.25);
}

TEST(DateTime, DayOfWeekCountsFromSunday) {
  EXPECT_EQ(DayOfWeek(0), 7);                          // Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(1900, 1, 1)), 2);     // Monday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 3)), 1);     // Sunday
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 28)), 5);   // Thursday
  EXPECT_EQ(DayOfWeek(EncodeDate(1, 1, 1)), 2);        // Monday, proleptic Gregorian
}

TEST(DateTime, ValuesThatAreNoDatesAreReportedNotGuessed) {
  const double inf = std::numeric_limits<double>::infinity();
  for (const double value : {std::nan(""), inf, -inf, 1e300, -1e7, MaxDateTime + 1}) {
    SCOPED_TRACE(value);
    EXPECT_FALSE(TryDecodeDateTime(value).has_value());
    EXPECT_THROW(DecodeDate(value), EConvertError);
    EXPECT_THROW(IncMonth(value, 1), EConvertError);
  }
  EXPECT_TRUE(TryDecodeDateTime(MinDateTime).has_value());
  EXPECT_TRUE(TryDecodeDateTime(MaxDateTime).has_value());
}

TEST(DateTime, IncMonthClampsTheDayToTheMonth) {
  const struct {
    int Year, Month, Day, Months;
    int ExpectedYear, ExpectedMonth, ExpectedDay;
  } cases[] = {
      {2024, 1, 31, 1, 2024, 2, 29},  {2023, 1, 31, 1, 2023, 2, 28},
      {2024, 3, 31, -1, 2024, 2, 29}, {2024, 12, 15, 1, 2025, 1, 15},
      {2024, 1, 15, -13, 2022, 12, 15}, {2024, 5, 31, 1, 2024, 6, 30},
      {2024, 2, 29, 12, 2025, 2, 28}, {2024, 8, 31, 0, 2024, 8, 31},
      {1899, 12, 30, 1, 1900, 1, 30},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Year << "-" << c.Month << "-" << c.Day << " + "
                                    << c.Months);
    EXPECT_EQ(IncMonth(EncodeDate(c.Year, c.Month, c.Day), c.Months),
              EncodeDate(c.ExpectedYear, c.ExpectedMonth, c.ExpectedDay));
  }
}

TEST(DateTime, IncMonthKeepsTheTimeOfDay) {
  const double evening = EncodeDate(2024, 1, 31) + EncodeTime(18, 0, 0, 0);
  EXPECT_EQ(IncMonth(evening, 1), EncodeDate(2024, 2, 29) + 0.75);
  // A date before the epoch day moved past it: 29 Dec 1899 06:00 becomes 29 Jan 1900 06:00.
  EXPECT_EQ(IncMonth(-1.25, 1), EncodeDate(1900, 1, 29) + 0.25);
  EXPECT_EQ(IncMonth(30.25, -1), -1.25);
  EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
  EXPECT_THROW(IncMonth(EncodeDate(1, 1, 1), -1), EConvertError);
}

}  // namespace
}  // namespace quil

#pragma once

#include <cstdint>
#include <optional>

namespace quil {

// Days since 30 December 1899; the fraction is the time of day. Before that day the integer
// part counts back and the fraction's magnitude is still the time: -1.25 is 29 December 1899,
// 06:00.
using TDateTime = double;

constexpr double HoursPerDay = 24;
constexpr double MinsPerDay = 24 * 60;
constexpr double SecsPerDay = 24 * 60 * 60;
constexpr double MSecsPerDay = 24 * 60 * 60 * 1000.0;

// Supported calendar range: 1 January 0001 to 31 December 9999 (proleptic Gregorian).
constexpr TDateTime MinDateTime = -693593;
constexpr TDateTime MaxDateTime = 2958465.99999999;

struct TDateParts {
  int Year = 0;
  int Month = 0;  // 1..12
  int Day = 0;    // 1..31
};

struct TTimeParts {
  int Hour = 0;    // 0..23
  int Minute = 0;  // 0..59
  int Second = 0;  // 0..59
  int MilliSecond = 0;
};

struct TDateTimeParts {
  TDateParts Date;
  TTimeParts Time;
  int DayOfWeek = 0;  // 1 = Sunday .. 7 = Saturday
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Invalid parts (month 13, 30 February, year 0 or 10000, hour 24 ...) raise EConvertError.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int milliSecond);
std::optional<TDateTime> TryEncodeDate(int year, int month, int day);
std::optional<TDateTime> TryEncodeTime(int hour, int minute, int second, int milliSecond);

// Joins a date and a time of day, honouring the sign rule of dates before 30 December 1899.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

// Splits a date-time rounded to the nearest millisecond (23:59:59.9996 belongs to the next
// day). NaN, the infinities and values outside the supported range give nullopt.
std::optional<TDateTimeParts> TryDecodeDateTime(TDateTime value);

// As TryDecodeDateTime, raising EConvertError for values it cannot split.
TDateParts DecodeDate(TDateTime value);
TTimeParts DecodeTime(TDateTime value);
int DayOfWeek(TDateTime value);

// The same day and time `months` calendar months later (or earlier when negative); the day is
// clamped to the target month's length, so 31 January plus one month is 28 or 29 February.
TDateTime IncMonth(TDateTime value, int months = 1);

}  // namespace quil

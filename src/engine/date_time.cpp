#include "engine/date_time.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "core/exceptions.h"

namespace quil {
namespace {

// Day 0 (30 December 1899) counted from 1 January 1970, the epoch of the civil-day arithmetic.
constexpr int64_t kDayZeroFromUnixEpoch = -25569;
constexpr int64_t kMSecsPerDay = 86400000;

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's public-domain algorithm).
int64_t DaysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

TDateParts CivilFromDays(int64_t days) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
  return {year, month, day};
}

std::string DateText(int year, int month, int day) {
  return std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day);
}

EConvertError InvalidDateTime(TDateTime value) {
  char text[32];
  const char* end = std::to_chars(text, text + sizeof text, value).ptr;
  return EConvertError(QuilFormat("Invalid date-time value %s", std::string_view(text, end - text)));
}

struct TDayAndTime {
  int64_t Day;
  int64_t MilliSeconds;
};

// The calendar day and the millisecond of that day, after rounding to whole milliseconds.
std::optional<TDayAndTime> SplitDateTime(TDateTime value) {
  if (!(value >= MinDateTime - 1 && value < MaxDateTime + 1)) return std::nullopt;
  const double wholeDays = std::trunc(value);
  int64_t day = static_cast<int64_t>(wholeDays);
  int64_t ms = std::llround(std::fabs(value - wholeDays) * MSecsPerDay);
  if (ms >= kMSecsPerDay) {
    // Midnight of the next calendar day; for negative values too, as their fraction also counts
    // forward from the start of their day.
    ms -= kMSecsPerDay;
    ++day;
  }
  if (day < MinDateTime || day > std::trunc(MaxDateTime)) return std::nullopt;
  return TDayAndTime{day, ms};
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<TDateTime> TryEncodeDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
  return static_cast<TDateTime>(DaysFromCivil(year, month, day) - kDayZeroFromUnixEpoch);
}

TDateTime EncodeDate(int year, int month, int day) {
  if (const auto date = TryEncodeDate(year, month, day)) return *date;
  throw EConvertError(QuilFormat("Invalid date %s", DateText(year, month, day)));
}

std::optional<TDateTime> TryEncodeTime(int hour, int minute, int second, int milliSecond) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
      milliSecond < 0 || milliSecond > 999)
    return std::nullopt;
  const int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + milliSecond;
  return static_cast<double>(ms) / MSecsPerDay;
}

TDateTime EncodeTime(int hour, int minute, int second, int milliSecond) {
  if (const auto time = TryEncodeTime(hour, minute, second, milliSecond)) return *time;
  throw EConvertError(QuilFormat("Invalid time %s:%s:%s.%s", std::to_string(hour),
                                 std::to_string(minute), std::to_string(second),
                                 std::to_string(milliSecond)));
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
  return date < 0 ? date - time : date + time;
}

std::optional<TDateTimeParts> TryDecodeDateTime(TDateTime value) {
  const auto split = SplitDateTime(value);
  if (!split) return std::nullopt;
  TDateTimeParts parts;
  parts.Date = CivilFromDays(split->Day + kDayZeroFromUnixEpoch);
  int64_t ms = split->MilliSeconds;
  parts.Time.MilliSecond = static_cast<int>(ms % 1000);
  ms /= 1000;
  parts.Time.Second = static_cast<int>(ms % 60);
  ms /= 60;
  parts.Time.Minute = static_cast<int>(ms % 60);
  parts.Time.Hour = static_cast<int>(ms / 60);
  // Day 0 was a Saturday (7).
  parts.DayOfWeek = static_cast<int>(((split->Day + 6) % 7 + 7) % 7) + 1;
  return parts;
}

namespace {

TDateTimeParts DecodeOrThrow(TDateTime value) {
  if (const auto parts = TryDecodeDateTime(value)) return *parts;
  throw InvalidDateTime(value);
}

}  // namespace

TDateParts DecodeDate(TDateTime value) { return DecodeOrThrow(value).Date; }

TTimeParts DecodeTime(TDateTime value) { return DecodeOrThrow(value).Time; }

int DayOfWeek(TDateTime value) { return DecodeOrThrow(value).DayOfWeek; }

TDateTime IncMonth(TDateTime value, int months) {
  const auto split = SplitDateTime(value);
  if (!split) throw InvalidDateTime(value);
  const TDateParts date = CivilFromDays(split->Day + kDayZeroFromUnixEpoch);
  const int64_t monthIndex = date.Year * 12LL + (date.Month - 1) + months;
  const int year = static_cast<int>(monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12);
  const int month = static_cast<int>(monthIndex - year * 12LL) + 1;
  const int day = std::min(date.Day, DaysInMonth(year, month));
  return ComposeDateTime(EncodeDate(year, month, day),
                         static_cast<double>(split->MilliSeconds) / MSecsPerDay);
}

}  // namespace quil

#include "engine/date_time_step.h"

#include <cmath>
#include <optional>

#include "core/rounding.h"
#include "engine/next_step.h"

namespace quil {
namespace {

// A date-time's calendar date, or nullopt when it lies outside the calendar.
std::optional<TDateParts> CalendarDate(TDateTime value) {
  const auto parts = TryDecodeDateTime(value);
  if (!parts) return std::nullopt;
  return parts->Date;
}

TDateTime DateOr(std::optional<TDateTime> date, TDateTime fallback) { return date ? *date : fallback; }

TDateTime StepHalfMonth(bool isIncrement, TDateTime value, TDateParts date) {
  if (isIncrement) {
    if (date.Day < 15) return DateOr(TryEncodeDate(date.Year, date.Month, 15), value);
    const int monthIndex = date.Year * 12 + date.Month;  // the next month, counted from 1
    return DateOr(TryEncodeDate(monthIndex / 12, monthIndex % 12 + 1, 1), value);
  }
  if (date.Day > 15) return DateOr(TryEncodeDate(date.Year, date.Month, 15), value);
  if (date.Day > 1) return DateOr(TryEncodeDate(date.Year, date.Month, 1), value);
  const int monthIndex = date.Year * 12 + date.Month - 2;  // the previous month, counted from 0
  if (monthIndex < 0) return value;
  return DateOr(TryEncodeDate(monthIndex / 12, monthIndex % 12 + 1, 15), value);
}

TDateTime StepMonths(TDateTime value, TDateParts date, int months) {
  const int monthIndex = date.Year * 12 + (date.Month - 1) + months;
  if (monthIndex < 0) return value;
  const int year = monthIndex / 12;
  const int month = monthIndex % 12 + 1;
  const int day = std::min(date.Day, DaysInMonth(year < 1 ? 1 : year, month));
  const auto target = TryEncodeDate(year, month, day);
  if (!target) return value;
  return ComposeDateTime(*target, std::abs(value - std::trunc(value)));
}

}  // namespace

TDateTimeStep FindDateTimeStep(double increment) {
  const double tolerance = DateTimeStep[dtOneMicroSecond];
  for (int step = dtOneMicroSecond; step < dtNone; ++step)
    if (std::abs(DateTimeStep[step] - increment) < tolerance) return static_cast<TDateTimeStep>(step);
  return dtNone;
}

double NextDateTimeStep(double x) {
  for (int step = dtSixMonths; step >= dtOneMicroSecond; --step)
    if (DateTimeStep[step] <= x) return DateTimeStep[step + 1];
  return QuilNextStep(x);
}

int DateTimeStepMonths(TDateTimeStep step) {
  switch (step) {
    case dtOneMonth: return 1;
    case dtTwoMonths: return 2;
    case dtThreeMonths: return 3;
    case dtFourMonths: return 4;
    case dtSixMonths: return 6;
    case dtOneYear: return 12;
    default: return 0;
  }
}

TDateTime QuilRoundDate(TDateTime date, TDateTimeStep step) {
  if (date == 0) return 0;
  switch (step) {
    case dtOneDay: return QuilRoundFloat(date);
    case dtTwoDays: return 2 * QuilRoundFloat(date / 2);
    case dtThreeDays: return 3 * QuilRoundFloat(date / 3);
    // Day 2 (1 January 1900) was a Monday.
    case dtOneWeek: return 7 * QuilRoundFloat((date - 2) / 7) + 2;
    default: break;
  }
  if (step != dtHalfMonth && DateTimeStepMonths(step) == 0) return date;
  const auto parts = CalendarDate(date);
  if (!parts) return date;
  if (step == dtHalfMonth) return DateOr(TryEncodeDate(parts->Year, parts->Month, parts->Day < 15 ? 1 : 15), date);
  if (step == dtOneYear) return DateOr(TryEncodeDate(parts->Year, 1, 1), date);
  return DateOr(TryEncodeDate(parts->Year, parts->Month, 1), date);
}

TDateTime QuilDateTimeIncrement(bool isIncrement, TDateTime value, TDateTimeStep step) {
  const int months = DateTimeStepMonths(step);
  if (step != dtHalfMonth && months == 0) return value;
  const auto date = CalendarDate(value);
  if (!date) return value;
  if (step == dtHalfMonth) return StepHalfMonth(isIncrement, value, *date);
  return StepMonths(value, *date, isIncrement ? months : -months);
}

}  // namespace quil

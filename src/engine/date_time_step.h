#pragma once

#include <array>

#include "engine/date_time.h"

namespace quil {

// The steps a date-time axis labels with, shortest first; dtNone is "no fixed step".
enum TDateTimeStep : int {
  dtOneMicroSecond,
  dtOneMilliSecond,
  dtOneSecond,
  dtFiveSeconds,
  dtTenSeconds,
  dtFifteenSeconds,
  dtThirtySeconds,
  dtOneMinute,
  dtFiveMinutes,
  dtTenMinutes,
  dtFifteenMinutes,
  dtThirtyMinutes,
  dtOneHour,
  dtTwoHours,
  dtSixHours,
  dtTwelveHours,
  dtOneDay,
  dtTwoDays,
  dtThreeDays,
  dtOneWeek,
  dtHalfMonth,
  dtOneMonth,
  dtTwoMonths,
  dtThreeMonths,
  dtFourMonths,
  dtSixMonths,
  dtOneYear,
  dtNone
};

// Each step's duration in days. Calendar steps carry a nominal length (a month is 30 days)
// for choosing a step; labels then move by real calendar months and years.
inline constexpr std::array<double, dtNone + 1> DateTimeStep = {
    1.0 / MSecsPerDay / 1000, 1.0 / MSecsPerDay, 1.0 / SecsPerDay, 5.0 / SecsPerDay,
    10.0 / SecsPerDay,        15.0 / SecsPerDay, 30.0 / SecsPerDay, 1.0 / MinsPerDay,
    5.0 / MinsPerDay,         10.0 / MinsPerDay, 15.0 / MinsPerDay, 30.0 / MinsPerDay,
    1.0 / HoursPerDay,        2.0 / HoursPerDay, 6.0 / HoursPerDay, 12.0 / HoursPerDay,
    1,                        2,                 3,                 7,
    15,                       30,                60,                90,
    120,                      182,               365,               1};

// The table step whose duration equals increment within one microsecond; dtNone when none does.
TDateTimeStep FindDateTimeStep(double increment);

// The duration of the table step after the longest one (from six months down) that is not
// longer than x; one year for x from six months on. Always longer than x for x below a year.
double NextDateTimeStep(double x);

// The date a label sequence with this step starts from: whole days for day steps, Mondays for
// weeks, the 1st or 15th for half months, the 1st of the month for month steps, 1 January for
// years. 0 stays 0, and other steps, or dates outside the calendar, are left as they are.
TDateTime QuilRoundDate(TDateTime date, TDateTimeStep step);

// value moved one calendar step forwards (isIncrement) or backwards: half months between the
// 1st and the 15th, month steps by that many calendar months, a year by a calendar year. Other
// steps, or a result outside the calendar, leave value unchanged, which tells the caller that
// it cannot step any further.
TDateTime QuilDateTimeIncrement(bool isIncrement, TDateTime value, TDateTimeStep step);

// The number of calendar months a step moves by (1 to 6, 12 for a year), 0 for other steps.
int DateTimeStepMonths(TDateTimeStep step);

}  // namespace quil

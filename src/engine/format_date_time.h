#pragma once

#include <string>
#include <string_view>

#include "engine/date_time.h"
#include "engine/format_settings.h"

namespace quil {

// Formats a date-time with a picture. Letters are case-insensitive:
//   d dd        day of month without / with leading zero
//   ddd dddd    short / long day name;   ddddd (or longer) the short date format
//   m mm        month without / with leading zero (minutes when right after an hour)
//   mmm mmmm    short / long month name
//   yy yyyy     two- / four-digit year (y is yy, yyy is yyyy)
//   h hh        hour; on a 12-hour clock when the picture has an am/pm marker
//   n nn, s ss  minute, second without / with leading zero
//   z zzz       millisecond without / with leading zeros
//   t tt        the short / long time format
//   c           the short date format, then the long time format unless the time is midnight
//   am/pm a/p   "am"/"pm" or "a"/"p" in the picture's own letter case
//   ampm        the settings' TimeAMString or TimePMString
//   /  :        the settings' DateSeparator and TimeSeparator
//   "..." '...' text copied as it is; any other character is copied.
// An empty picture means "c". The value is rounded to the nearest millisecond first.
// NaN, infinities and values outside the years 1..9999 cannot be dates: they give FloatToStr's
// text of the value, so drawing a label never fails.
std::string FormatDateTime(std::string_view picture, TDateTime value,
                           const TFormatSettings& settings);
std::string FormatDateTime(std::string_view picture, TDateTime value);

// The short date format, the long time format, and "c".
std::string DateToStr(TDateTime value, const TFormatSettings& settings);
std::string DateToStr(TDateTime value);
std::string TimeToStr(TDateTime value, const TFormatSettings& settings);
std::string TimeToStr(TDateTime value);
std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings);
std::string DateTimeToStr(TDateTime value);

}  // namespace quil

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quil {

// The locale-dependent parts of number and date-time texts. Separators and names are UTF-8
// strings rather than single characters because many locales use multi-byte ones (a narrow
// no-break space as the thousands separator, for instance).
//
// In the date and time pictures, '/' stands for DateSeparator and ':' for TimeSeparator.
// The defaults are a fixed English set, independent of the machine's locale.
struct TFormatSettings {
  std::string DecimalSeparator = ".";
  std::string ThousandSeparator = ",";
  std::string DateSeparator = "/";
  std::string TimeSeparator = ":";
  std::string ShortDateFormat = "mm/dd/yyyy";
  std::string ShortTimeFormat = "hh:nn";
  std::string LongTimeFormat = "hh:nn:ss";
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> LongMonthNames{"January", "February", "March",     "April",
                                             "May",     "June",     "July",      "August",
                                             "September", "October", "November", "December"};
  // Sunday first, as DayOfWeek counts.
  std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};

  bool operator==(const TFormatSettings&) const = default;
};

// The settings of the calling thread's current C locale; the program selects the user's locale
// with setlocale(LC_ALL, "") first. A locale without a thousands separator (the "C" locale)
// gets "," (or "." when "," is its decimal separator), so that a picture that asks for grouping
// still groups.
TFormatSettings FormatSettingsFromLocale();

// The settings of a named locale, or nullopt when that locale is not installed. The current
// locale is left as it was.
std::optional<TFormatSettings> FormatSettingsFromLocale(const std::string& localeName);

// The settings that FormatFloat, FormatDateTime and friends use when none are passed.
// Start-up replaces the defaults with FormatSettingsFromLocale(); tests set them explicitly.
TFormatSettings& QuilFormatSettings();

// Converts a C strftime format ("%d.%m.%Y") into a date-time picture ("dd/mm/yyyy"), writing
// `separator` as '/' (for dates) or ':' (for times) so that the settings' separator shows.
std::string PictureFromStrftime(std::string_view format, std::string_view separator,
                                char separatorPlaceholder);

}  // namespace quil

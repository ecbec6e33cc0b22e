#pragma once

#include "engine/format_settings.h"

namespace quil::formattest {

// Pinned settings, independent of the locales installed on the machine.
inline TFormatSettings EnglishSettings() { return TFormatSettings{}; }

inline TFormatSettings GermanSettings() {
  TFormatSettings s;
  // One-character assigns: assigning a one-letter literal trips a false -Wrestrict in GCC 12.
  s.DecimalSeparator.assign(1, ',');
  s.ThousandSeparator.assign(1, '.');
  s.DateSeparator.assign(1, '.');
  s.TimeSeparator.assign(1, ':');
  s.ShortDateFormat = "dd/mm/yyyy";
  s.ShortTimeFormat = "hh:nn";
  s.LongTimeFormat = "hh:nn:ss";
  s.TimeAMString = "";
  s.TimePMString = "";
  s.ShortMonthNames = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                       "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
  s.LongMonthNames = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                      "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
  s.ShortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
  s.LongDayNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                    "Donnerstag", "Freitag", "Samstag"};
  return s;
}

// Replaces the library's current settings for one test and puts the previous ones back.
class TCurrentFormatSettings {
 public:
  explicit TCurrentFormatSettings(const TFormatSettings& settings)
      : saved_(QuilFormatSettings()) {
    QuilFormatSettings() = settings;
  }
  ~TCurrentFormatSettings() { QuilFormatSettings() = saved_; }
  TCurrentFormatSettings(const TCurrentFormatSettings&) = delete;
  TCurrentFormatSettings& operator=(const TCurrentFormatSettings&) = delete;

 private:
  TFormatSettings saved_;
};

}  // namespace quil::formattest

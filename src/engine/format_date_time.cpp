#include "engine/format_date_time.h"

#include <cctype>

#include "engine/format_float.h"

namespace quil {
namespace {

// Settings formats may name each other ("c" inside the short date format); deeper nesting
// writes nothing instead of recursing forever.
constexpr int kMaxNesting = 3;

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(std::string_view text, size_t at, std::string_view prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (Lower(text[at + i]) != prefix[i]) return false;
  return true;
}

size_t RunLength(std::string_view text, size_t at) {
  const char letter = Lower(text[at]);
  size_t end = at + 1;
  while (end < text.size() && Lower(text[end]) == letter) ++end;
  return end - at;
}

std::string Padded(int number, size_t width) {
  std::string text = std::to_string(number);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

// Whether an am/pm marker outside quotes switches the hours to a 12-hour clock.
bool HasAmPm(std::string_view picture) {
  char quote = 0;
  for (size_t i = 0; i < picture.size(); ++i) {
    const char c = picture[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (StartsWithNoCase(picture, i, "am/pm") || StartsWithNoCase(picture, i, "a/p") ||
               StartsWithNoCase(picture, i, "ampm")) {
      return true;
    }
  }
  return false;
}

class TDateTimeWriter {
 public:
  TDateTimeWriter(const TDateTimeParts& parts, const TFormatSettings& settings)
      : parts_(parts), settings_(settings) {}

  std::string Write(std::string_view picture, int nesting = 0) {
    std::string out;
    const bool twelveHour = HasAmPm(picture);
    bool afterHour = false;
    size_t i = 0;
    while (i < picture.size()) {
      const char c = picture[i];
      const char letter = Lower(c);
      if (c == '"' || c == '\'') {
        const size_t end = picture.find(c, i + 1);
        const size_t stop = end == std::string_view::npos ? picture.size() : end;
        out += picture.substr(i + 1, stop - i - 1);
        i = stop + 1;
      } else if (letter == 'a') {
        i += WriteAmPm(picture, i, out);
      } else if (std::string_view("cdhmnstyz").find(letter) != std::string_view::npos) {
        const size_t run = RunLength(picture, i);
        WriteToken(letter, run, afterHour, twelveHour, nesting, out);
        afterHour = letter == 'h';
        i += run;
      } else {
        if (c == '/')
          out += settings_.DateSeparator;
        else if (c == ':')
          out += settings_.TimeSeparator;
        else
          out += c;
        ++i;
      }
    }
    return out;
  }

 private:
  void WriteToken(char letter, size_t run, bool afterHour, bool twelveHour, int nesting,
                  std::string& out) {
    const TDateParts& date = parts_.Date;
    const TTimeParts& time = parts_.Time;
    switch (letter) {
      case 'd':
        if (run >= 5) out += Nested(settings_.ShortDateFormat, nesting);
        else if (run == 4) out += settings_.LongDayNames[parts_.DayOfWeek - 1];
        else if (run == 3) out += settings_.ShortDayNames[parts_.DayOfWeek - 1];
        else out += Padded(date.Day, run);
        break;
      case 'm':
        if (afterHour && run <= 2) out += Padded(time.Minute, run);
        else if (run >= 4) out += settings_.LongMonthNames[date.Month - 1];
        else if (run == 3) out += settings_.ShortMonthNames[date.Month - 1];
        else out += Padded(date.Month, run);
        break;
      case 'y':
        out += run <= 2 ? Padded(date.Year % 100, 2) : Padded(date.Year, 4);
        break;
      case 'h':
        out += Padded(twelveHour ? (time.Hour + 11) % 12 + 1 : time.Hour, run >= 2 ? 2 : 1);
        break;
      case 'n': out += Padded(time.Minute, run >= 2 ? 2 : 1); break;
      case 's': out += Padded(time.Second, run >= 2 ? 2 : 1); break;
      case 'z': out += Padded(time.MilliSecond, run >= 3 ? 3 : 1); break;
      case 't':
        out += Nested(run == 1 ? settings_.ShortTimeFormat : settings_.LongTimeFormat, nesting);
        break;
      case 'c':
        out += Nested(settings_.ShortDateFormat, nesting);
        if (!IsMidnight()) {
          out += ' ';
          out += Nested(settings_.LongTimeFormat, nesting);
        }
        break;
    }
  }

  // Writes an am/pm marker at picture[at], or a plain 'a'; returns the characters consumed.
  size_t WriteAmPm(std::string_view picture, size_t at, std::string& out) const {
    const bool pm = parts_.Time.Hour >= 12;
    if (StartsWithNoCase(picture, at, "am/pm")) {
      out += picture.substr(pm ? at + 3 : at, 2);
      return 5;
    }
    if (StartsWithNoCase(picture, at, "a/p")) {
      out += picture[pm ? at + 2 : at];
      return 3;
    }
    if (StartsWithNoCase(picture, at, "ampm")) {
      out += pm ? settings_.TimePMString : settings_.TimeAMString;
      return 4;
    }
    out += picture[at];
    return 1;
  }

  std::string Nested(std::string_view format, int nesting) {
    return nesting + 1 < kMaxNesting ? Write(format, nesting + 1) : std::string();
  }

  bool IsMidnight() const {
    const TTimeParts& t = parts_.Time;
    return t.Hour == 0 && t.Minute == 0 && t.Second == 0 && t.MilliSecond == 0;
  }

  const TDateTimeParts& parts_;
  const TFormatSettings& settings_;
};

}  // namespace

std::string FormatDateTime(std::string_view picture, TDateTime value,
                           const TFormatSettings& settings) {
  const auto parts = TryDecodeDateTime(value);
  if (!parts) return FloatToStr(value, settings);
  return TDateTimeWriter(*parts, settings).Write(picture.empty() ? "c" : picture);
}

std::string FormatDateTime(std::string_view picture, TDateTime value) {
  return FormatDateTime(picture, value, QuilFormatSettings());
}

std::string DateToStr(TDateTime value, const TFormatSettings& settings) {
  return FormatDateTime("ddddd", value, settings);
}

std::string DateToStr(TDateTime value) { return DateToStr(value, QuilFormatSettings()); }

std::string TimeToStr(TDateTime value, const TFormatSettings& settings) {
  return FormatDateTime("tt", value, settings);
}

std::string TimeToStr(TDateTime value) { return TimeToStr(value, QuilFormatSettings()); }

std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings) {
  return FormatDateTime("c", value, settings);
}

std::string DateTimeToStr(TDateTime value) { return DateTimeToStr(value, QuilFormatSettings()); }

}  // namespace quil

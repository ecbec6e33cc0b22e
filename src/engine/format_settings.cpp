#include "engine/format_settings.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace quil {
namespace {

// Replaces the composite conversions by their parts so that separators and tokens are seen.
std::string ExpandStrftime(std::string_view format) {
  std::string out;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 >= format.size()) {
      out += format[i];
      continue;
    }
    const char c = format[++i];
    switch (c) {
      case 'D': out += "%m/%d/%y"; break;
      case 'F': out += "%Y-%m-%d"; break;
      case 'T': out += "%H:%M:%S"; break;
      case 'R': out += "%H:%M"; break;
      case 'r': out += "%I:%M:%S %p"; break;
      default: out += '%'; out += c; break;
    }
  }
  return out;
}

// Length of the conversion starting at format[i] == '%', flags, width and modifiers included.
size_t ConversionLength(std::string_view format, size_t i) {
  size_t j = i + 1;
  while (j < format.size() && std::strchr("-_0^#EO123456789", format[j]) != nullptr) ++j;
  return j < format.size() ? j - i + 1 : format.size() - i;
}

std::string PictureToken(char conversion, bool unpadded) {
  switch (conversion) {
    case 'd': return unpadded ? "d" : "dd";
    case 'e': return "d";
    case 'm': return unpadded ? "m" : "mm";
    case 'Y': return "yyyy";
    case 'y': return "yy";
    case 'b':
    case 'h': return "mmm";
    case 'B': return "mmmm";
    case 'a': return "ddd";
    case 'A': return "dddd";
    case 'H':
    case 'I': return unpadded ? "h" : "hh";
    case 'k':
    case 'l': return "h";
    case 'M': return unpadded ? "n" : "nn";
    case 'S': return unpadded ? "s" : "ss";
    case 'p':
    case 'P': return "ampm";
    case 'n':
    case 't': return " ";
    case '%': return "%";
    default: return "";  // time zones, week numbers and the like have no picture token
  }
}

bool NeedsQuotes(std::string_view text) {
  for (const char c : text)
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '/' || c == ':' || c == '"' ||
        c == '\'')
      return true;
  return false;
}

std::string QuotedLiteral(std::string_view text) {
  if (text.empty() || !NeedsQuotes(text)) return std::string(text);
  const char quote = text.find('"') == std::string_view::npos ? '"' : '\'';
  return quote + std::string(text) + quote;
}

std::string LiteralPicture(std::string_view text, std::string_view separator,
                           char separatorPlaceholder) {
  std::string out;
  size_t start = 0;
  while (!separator.empty()) {
    const size_t at = text.find(separator, start);
    if (at == std::string_view::npos) break;
    out += QuotedLiteral(text.substr(start, at - start));
    out += separatorPlaceholder;
    start = at + separator.size();
  }
  return out + QuotedLiteral(text.substr(start));
}

// The text between the first two conversions: "." for "%d.%m.%Y", ". " for "%Y. %m. %d.".
std::string SeparatorOf(std::string_view expanded, std::string_view fallback) {
  const size_t first = expanded.find('%');
  if (first == std::string_view::npos) return std::string(fallback);
  const size_t afterFirst = first + ConversionLength(expanded, first);
  const size_t second = expanded.find('%', afterFirst);
  if (second == std::string_view::npos || second == afterFirst) return std::string(fallback);
  return std::string(expanded.substr(afterFirst, second - afterFirst));
}

std::string WithoutSeconds(std::string expanded, std::string_view separator) {
  const size_t at = expanded.find("%S");
  if (at == std::string::npos) return expanded;
  const size_t n = separator.size();
  if (n > 0 && at >= n && expanded.compare(at - n, n, separator) == 0)
    expanded.erase(at - n, n + 2);
  else if (n > 0 && expanded.compare(at + 2, n, separator) == 0)
    expanded.erase(at, n + 2);
  else
    expanded.erase(at, 2);
  return expanded;
}

std::string ToUtf8(const char* text, const char* codeset) {
  std::string source = text != nullptr ? text : "";
  if (codeset == nullptr || std::strcmp(codeset, "UTF-8") == 0) return source;
  const iconv_t converter = iconv_open("UTF-8", codeset);
  if (converter == reinterpret_cast<iconv_t>(-1)) return source;
  std::string out(source.size() * 4, '\0');
  char* in = source.data();
  size_t inLeft = source.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  const bool failed = iconv(converter, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1);
  iconv_close(converter);
  if (failed) return source;
  out.resize(out.size() - outLeft);
  return out;
}

class TLocaleReader {
 public:
  TLocaleReader() : codeset_(nl_langinfo(CODESET)) {}
  std::string Item(nl_item item) const { return ToUtf8(nl_langinfo(item), codeset_.c_str()); }

 private:
  std::string codeset_;
};

TFormatSettings ReadCurrentLocale() {
  const TLocaleReader locale;
  TFormatSettings settings;
  const std::string decimal = locale.Item(RADIXCHAR);
  if (!decimal.empty()) settings.DecimalSeparator = decimal;
  const std::string thousands = locale.Item(THOUSEP);
  settings.ThousandSeparator =
      !thousands.empty() ? thousands : (settings.DecimalSeparator == "," ? "." : ",");

  const std::string date = ExpandStrftime(locale.Item(D_FMT));
  settings.DateSeparator = SeparatorOf(date, "/");
  settings.ShortDateFormat = PictureFromStrftime(date, settings.DateSeparator, '/');
  const std::string time = ExpandStrftime(locale.Item(T_FMT));
  settings.TimeSeparator = SeparatorOf(time, ":");
  settings.LongTimeFormat = PictureFromStrftime(time, settings.TimeSeparator, ':');
  settings.ShortTimeFormat =
      PictureFromStrftime(WithoutSeconds(time, settings.TimeSeparator), settings.TimeSeparator, ':');

  const std::string am = locale.Item(AM_STR);
  const std::string pm = locale.Item(PM_STR);
  if (!am.empty()) settings.TimeAMString = am;
  if (!pm.empty()) settings.TimePMString = pm;
  for (int i = 0; i < 12; ++i) {
    settings.ShortMonthNames[i] = locale.Item(ABMON_1 + i);
    settings.LongMonthNames[i] = locale.Item(MON_1 + i);
  }
  for (int i = 0; i < 7; ++i) {
    settings.ShortDayNames[i] = locale.Item(ABDAY_1 + i);
    settings.LongDayNames[i] = locale.Item(DAY_1 + i);
  }
  return settings;
}

// Makes a locale current for this thread only, so other threads and the global locale are not
// disturbed while its texts are read.
class TThreadLocaleScope {
 public:
  explicit TThreadLocaleScope(locale_t locale) : locale_(locale), previous_(uselocale(locale)) {}
  ~TThreadLocaleScope() {
    uselocale(previous_);
    freelocale(locale_);
  }
  TThreadLocaleScope(const TThreadLocaleScope&) = delete;
  TThreadLocaleScope& operator=(const TThreadLocaleScope&) = delete;

 private:
  locale_t locale_;
  locale_t previous_;
};

}  // namespace

std::string PictureFromStrftime(std::string_view format, std::string_view separator,
                                char separatorPlaceholder) {
  const std::string expanded = ExpandStrftime(format);
  const std::string_view text = expanded;
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '%') {
      const size_t length = ConversionLength(text, i);
      const bool unpadded = length > 2 && text[i + 1] == '-';
      out += PictureToken(text[i + length - 1], unpadded);
      i += length;
      continue;
    }
    const size_t next = std::min(text.find('%', i), text.size());
    out += LiteralPicture(text.substr(i, next - i), separator, separatorPlaceholder);
    i = next;
  }
  return out;
}

TFormatSettings FormatSettingsFromLocale() { return ReadCurrentLocale(); }

std::optional<TFormatSettings> FormatSettingsFromLocale(const std::string& localeName) {
  const locale_t locale = newlocale(LC_ALL_MASK, localeName.c_str(), static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return std::nullopt;
  const TThreadLocaleScope scope(locale);
  return ReadCurrentLocale();
}

TFormatSettings& QuilFormatSettings() {
  static TFormatSettings settings;
  return settings;
}

}  // namespace quil

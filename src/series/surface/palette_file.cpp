#include "series/surface/palette_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "core/messages.h"
#include "core/properties.h"
#include "engine/chart_exception.h"
#include "engine/format_float.h"

namespace quil {

namespace {

bool IsBlankByte(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Without the bytes up to and including the blank at both ends (control characters too).
std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlankByte(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankByte(text.back())) text.remove_suffix(1);
  return text;
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The digits of an integer part written with or without thousands grouping: groups of three
// after a first group of one to three digits.
std::optional<std::string> IntegerDigits(std::string_view text, const std::string& separator) {
  if (separator.empty() || text.find(separator) == std::string_view::npos)
    return AllDigits(text) ? std::optional<std::string>(text) : std::nullopt;
  std::string digits;
  bool first = true;
  while (true) {
    const std::size_t at = text.find(separator);
    const std::string_view group = text.substr(0, at);
    const bool sized = first ? !group.empty() && group.size() <= 3 : group.size() == 3;
    if (!sized || !AllDigits(group)) return std::nullopt;
    digits += group;
    if (at == std::string_view::npos) return digits;
    text.remove_prefix(at + separator.size());
    first = false;
  }
}

// A decimal integer, or hexadecimal after '$'; colours beyond 0x7FFFFFFF are written negative.
std::optional<TColor> ParseColor(std::string_view text) {
  if (text.starts_with('+')) text.remove_prefix(1);
  const bool hex = text.starts_with('$');
  if (hex) text.remove_prefix(1);
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, hex ? 16 : 10);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<uint32_t>::max()) return std::nullopt;
  return static_cast<TColor>(value);
}

[[noreturn]] void Fail(const std::string& message) { throw ChartException(message); }

std::string ReadWhole(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) Fail(QuilFormat(QuilMsg_PaletteFileOpen, fileName));
  std::string text;
  std::vector<char> chunk(1 << 16);
  while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
    text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxPaletteFileSize)
      Fail(QuilFormat(QuilMsg_PaletteFileTooLarge, fileName, std::to_string(kMaxPaletteFileSize)));
  }
  if (in.bad()) Fail(QuilFormat(QuilMsg_PaletteFileOpen, fileName));
  if (text.find('\0') != std::string::npos) Fail(QuilFormat(QuilMsg_PaletteFileBinary, fileName));
  return text;
}

}  // namespace

std::optional<double> ParsePaletteValue(std::string_view text, const TFormatSettings& settings) {
  if (SameText(text, "NAN")) return std::numeric_limits<double>::quiet_NaN();
  if (SameText(text, "INF")) return std::numeric_limits<double>::infinity();
  if (SameText(text, "-INF")) return -std::numeric_limits<double>::infinity();
  std::string number;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    if (text.front() == '-') number += '-';
    text.remove_prefix(1);
  }
  std::string_view exponent;
  if (const std::size_t e = text.find_first_of("eE"); e != std::string_view::npos) {
    exponent = text.substr(e + 1);
    text = text.substr(0, e);
    const std::string_view digits = !exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')
                                        ? exponent.substr(1)
                                        : exponent;
    if (digits.empty() || !AllDigits(digits)) return std::nullopt;
  }
  std::string_view fraction;
  bool hasFraction = false;
  if (const std::size_t d = settings.DecimalSeparator.empty() ? std::string_view::npos
                                                              : text.find(settings.DecimalSeparator);
      d != std::string_view::npos) {
    fraction = text.substr(d + settings.DecimalSeparator.size());
    text = text.substr(0, d);
    hasFraction = true;
    if (!AllDigits(fraction)) return std::nullopt;
  }
  const std::optional<std::string> integer = IntegerDigits(text, settings.ThousandSeparator);
  if (!integer || (integer->empty() && fraction.empty())) return std::nullopt;
  number += *integer;
  if (hasFraction) {
    number += '.';
    number.append(fraction);
  }
  if (!exponent.empty()) {
    number += 'e';
    number.append(exponent);
  }
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  return value;
}

TCustom3DPalette ReadPaletteFile(const std::string& fileName, const TFormatSettings& settings) {
  const std::string text = ReadWhole(fileName);
  TCustom3DPalette entries;
  bool commented = false;
  std::size_t start = 0;
  for (int lineNumber = 1; start < text.size(); ++lineNumber) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = Trim(std::string_view(text).substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    if (line.starts_with("//")) {
      commented = true;
      continue;
    }
    const std::size_t blank = line.find(' ');
    const std::optional<TColor> color =
        blank == std::string_view::npos ? std::nullopt : ParseColor(Trim(line.substr(0, blank)));
    const std::optional<double> value =
        blank == std::string_view::npos ? std::nullopt : ParsePaletteValue(Trim(line.substr(blank + 1)), settings);
    if (!color || !value) Fail(QuilFormat(QuilMsg_PaletteFileLine, fileName, std::to_string(lineNumber)));
    if (entries.size() == static_cast<std::size_t>(kMaxPaletteSteps))
      Fail(QuilFormat(QuilMsg_PaletteFileTooMany, fileName, std::to_string(kMaxPaletteSteps)));
    entries.push_back({*value, *color, {}});
  }
  if (entries.empty() && !commented) Fail(QuilFormat(QuilMsg_PaletteFileEmpty, fileName));
  return entries;
}

void WritePaletteFile(const std::string& fileName, const TCustom3DPalette& palette, const TFormatSettings& settings) {
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  if (!out) Fail(QuilFormat(QuilMsg_PaletteFileWrite, fileName));
  out << "// " << QuilMsg_Color << ' ' << QuilMsg_UpToValue << '\n';
  for (const TGridPalette& entry : palette)
    out << static_cast<int32_t>(entry.Color) << ' ' << FloatToStr(entry.UpToValue, settings) << '\n';
  out.close();
  if (!out) Fail(QuilFormat(QuilMsg_PaletteFileWrite, fileName));
}

}  // namespace quil

#include "engine/format_digits.h"

#include <charconv>
#include <cmath>

namespace quil {
namespace {

void TrimTrailingZeros(TDecimalDigits& number) {
  const size_t last = number.Digits.find_last_not_of('0');
  number.Digits.erase(last == std::string::npos ? 0 : last + 1);
  if (number.Digits.empty()) number.Exponent = 0;
}

// Keeps the first `keep` digits and rounds on the next one.
void RoundToLength(TDecimalDigits& number, int keep) {
  if (keep >= static_cast<int>(number.Digits.size())) return;
  if (keep < 0) {
    number = {};
    return;
  }
  const bool roundUp = number.Digits[keep] >= '5';
  number.Digits.resize(keep);
  if (roundUp) {
    int i = keep - 1;
    while (i >= 0 && number.Digits[i] == '9') number.Digits[i--] = '0';
    if (i >= 0) {
      ++number.Digits[i];
    } else {
      number.Digits.insert(number.Digits.begin(), '1');
      ++number.Exponent;
    }
  }
  TrimTrailingZeros(number);
}

}  // namespace

TDecimalDigits ShortestDigits(double value) {
  TDecimalDigits number;
  if (value == 0 || !std::isfinite(value)) return number;
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, std::fabs(value),
                                 std::chars_format::scientific).ptr;
  // "d.ddde±xx": the mantissa's digits, then the exponent after 'e'.
  const char* p = text;
  for (; *p != 'e'; ++p)
    if (*p != '.') number.Digits += *p;
  int exponent = 0;
  std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
  number.Exponent = exponent + 1;
  TrimTrailingZeros(number);
  return number;
}

void RoundToFraction(TDecimalDigits& number, int count) {
  if (number.IsZero()) return;
  RoundToLength(number, number.Exponent + count);
}

void RoundToSignificant(TDecimalDigits& number, int count) {
  if (number.IsZero()) return;
  RoundToLength(number, count);
}

std::string IntegerDigits(const TDecimalDigits& number) {
  if (number.Exponent <= 0) return "";
  const size_t length = static_cast<size_t>(number.Exponent);
  std::string digits = number.Digits.substr(0, length);
  digits.append(length - digits.size(), '0');
  return digits;
}

std::string FractionDigits(const TDecimalDigits& number) {
  if (number.IsZero()) return "";
  if (number.Exponent >= static_cast<int>(number.Digits.size())) return "";
  if (number.Exponent >= 0) return number.Digits.substr(number.Exponent);
  return std::string(static_cast<size_t>(-number.Exponent), '0') + number.Digits;
}

}  // namespace quil

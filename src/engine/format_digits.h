#pragma once

#include <string>

namespace quil {

// A finite double as decimal digits: |value| = 0.Digits × 10^Exponent. Digits has no leading
// or trailing zeros and is empty for zero. The digits are the shortest ones that read back as
// the same double, i.e. the decimal a person would write for it (0.1, not 0.1000000000000000055).
struct TDecimalDigits {
  std::string Digits;
  int Exponent = 0;

  bool IsZero() const { return Digits.empty(); }
};

TDecimalDigits ShortestDigits(double value);

// Rounds to `count` digits after the decimal point (count may be negative), halves away from
// zero. Ties are judged on the shortest decimal digits, so 1.005 with two decimals gives 1.01,
// as its text suggests, although the double itself is a little below 1.005.
void RoundToFraction(TDecimalDigits& number, int count);

// Rounds to `count` significant digits (count >= 1), halves away from zero.
void RoundToSignificant(TDecimalDigits& number, int count);

// The integer part's digits ("" when |value| < 1) and the fraction's digits (leading zeros
// included, no trailing zeros).
std::string IntegerDigits(const TDecimalDigits& number);
std::string FractionDigits(const TDecimalDigits& number);

}  // namespace quil

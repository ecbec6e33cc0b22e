#pragma once

#include <cstdint>

namespace quil {

// Nearest integer, ties to even: the one rounding rule of the whole library. Worked out from the
// truncated value instead of std::nearbyint, which follows the floating-point environment: a
// library that switches the rounding mode must not change where the chart puts its pixels. It
// is inline because every pixel position of a drawing goes through it.
inline double QuilRoundFloat(double value) {
  // From 2^52 on every double is a whole number; NaN stays NaN.
  if (!(value > -4503599627370496.0 && value < 4503599627370496.0)) return value;
  const auto whole = static_cast<int64_t>(value);
  const double fraction = value - static_cast<double>(whole);  // exact below 2^52
  const bool odd = (whole & 1) != 0;
  if (fraction > 0.5 || (fraction == 0.5 && odd)) return static_cast<double>(whole + 1);
  if (fraction < -0.5 || (fraction == -0.5 && odd)) return static_cast<double>(whole - 1);
  return static_cast<double>(whole);
}

// Raises the ERangeError of QuilRound for value.
[[noreturn]] void QuilRaiseRoundRange(double value);

// Rounds to an int. A result outside the int range (or NaN) is a fault of the caller's
// data and raises ERangeError instead of wrapping around.
inline int QuilRound(double value) {
  const double r = QuilRoundFloat(value);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) QuilRaiseRoundRange(value);
  return static_cast<int>(r);
}

int64_t QuilRound64(double value);

// Integer division truncating toward zero, as the layout arithmetic expects (C++'s / already does,
// this names the intent at call sites that mix signs).
inline int QuilDiv(int a, int b) { return a / b; }

}  // namespace quil

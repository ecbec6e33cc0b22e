#pragma once

#include <cstdint>

namespace quil {

// Nearest integer, ties to even: the one rounding rule of the whole library.
double QuilRoundFloat(double value);

// Rounds to an int. A result outside the int range (or NaN) is a fault of the caller's
// data and raises ERangeError instead of wrapping around.
int QuilRound(double value);

int64_t QuilRound64(double value);

// Integer division truncating toward zero, as the layout arithmetic expects (C++'s / already does,
// this names the intent at call sites that mix signs).
inline int QuilDiv(int a, int b) { return a / b; }

}  // namespace quil

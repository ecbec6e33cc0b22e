#include "core/extended_float.h"

#include <cmath>
#include <limits>

namespace quil {

namespace {

constexpr int kBias = 16383;
constexpr int kMaxExponent = 0x7FFF;

}  // namespace

double ExtendedToDouble(const TExtendedBytes& bytes) {
  uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | bytes[static_cast<std::size_t>(i)];
  const int signAndExponent = bytes[8] | (bytes[9] << 8);
  const bool negative = (signAndExponent & 0x8000) != 0;
  const int exponent = signAndExponent & kMaxExponent;
  double magnitude;
  if (exponent == kMaxExponent)
    magnitude = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::quiet_NaN();
  else
    // ldexp saturates to zero or infinity instead of overflowing.
    magnitude = std::ldexp(static_cast<double>(mantissa), exponent - kBias - 63);
  return negative ? -magnitude : magnitude;
}

TExtendedBytes DoubleToExtended(double value) {
  TExtendedBytes bytes{};
  const bool negative = std::signbit(value);
  uint64_t mantissa = 0;
  int exponent = 0;
  if (std::isnan(value)) {
    mantissa = 0xC000000000000000u;
    exponent = kMaxExponent;
  } else if (std::isinf(value)) {
    mantissa = 0x8000000000000000u;
    exponent = kMaxExponent;
  } else if (value != 0) {
    int e = 0;
    const double fraction = std::frexp(std::fabs(value), &e);  // in [0.5, 1)
    mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
    exponent = e - 1 + kBias;
  }
  for (std::size_t i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(mantissa >> (8 * i));
  const int signAndExponent = exponent | (negative ? 0x8000 : 0);
  bytes[8] = static_cast<uint8_t>(signAndExponent);
  bytes[9] = static_cast<uint8_t>(signAndExponent >> 8);
  return bytes;
}

}  // namespace quil

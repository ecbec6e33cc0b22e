#pragma once

#include <array>
#include <cstdint>

namespace quil {

// The 10-byte extended float of stored descriptions (64-bit mantissa with an explicit integer
// bit, 15-bit exponent, sign), little-endian.
using TExtendedBytes = std::array<uint8_t, 10>;

// Rounds to the nearest double; too large values become infinities, too small ones zeros.
double ExtendedToDouble(const TExtendedBytes& bytes);
// Exact: every double has an extended value.
TExtendedBytes DoubleToExtended(double value);

}  // namespace quil

#include "core/rounding.h"

#include <cmath>
#include <limits>

#include "core/exceptions.h"

namespace quil {

// Written out instead of std::nearbyint, which follows the floating-point environment: a library
// that switches the rounding mode must not change where the chart puts its pixels.
double QuilRoundFloat(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

int QuilRound(double value) {
  const double r = QuilRoundFloat(value);
  if (!(r >= std::numeric_limits<int>::min() && r <= std::numeric_limits<int>::max()))
    throw ERangeError(QuilFormat("Value %s is out of the integer range", std::to_string(value)));
  return static_cast<int>(r);
}

int64_t QuilRound64(double value) {
  const double r = QuilRoundFloat(value);
  if (!(r >= -9.2233720368547758e18 && r < 9.2233720368547758e18))
    throw ERangeError(QuilFormat("Value %s is out of the integer range", std::to_string(value)));
  return static_cast<int64_t>(r);
}

}  // namespace quil

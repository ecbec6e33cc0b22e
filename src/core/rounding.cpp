#include "core/rounding.h"

#include <cmath>
#include <limits>

#include "core/exceptions.h"

namespace quil {

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

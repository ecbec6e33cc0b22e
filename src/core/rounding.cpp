#include "core/rounding.h"

#include <cmath>
#include <limits>

#include "core/exceptions.h"

namespace quil {

void QuilRaiseRoundRange(double value) {
  throw ERangeError(QuilFormat("Value %s is out of the integer range", std::to_string(value)));
}

int64_t QuilRound64(double value) {
  const double r = QuilRoundFloat(value);
  if (!(r >= -9.2233720368547758e18 && r < 9.2233720368547758e18))
    QuilRaiseRoundRange(value);
  return static_cast<int64_t>(r);
}

}  // namespace quil

#include "app/wheel_accumulator.h"

#include <cmath>

#include "core/control.h"

namespace quil {

int TWheelAccumulator::Notch(bool up) const { return up ? WHEEL_DELTA : -WHEEL_DELTA; }

int TWheelAccumulator::Smooth(double deltaY) {
  remainder_ += -deltaY * WHEEL_DELTA;
  const double whole = std::trunc(remainder_);
  remainder_ -= whole;
  return static_cast<int>(whole);
}

}  // namespace quil

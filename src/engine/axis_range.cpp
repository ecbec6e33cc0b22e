#include "engine/axis_range.h"

#include <algorithm>

#include "core/rounding.h"

namespace quil {

void TAxisRange::SetPositions(int startPos, int endPos) {
  StartPos = startPos;
  EndPos = endPos;
  const long long size = static_cast<long long>(endPos) - startPos;
  AxisSize = static_cast<int>(std::clamp<long long>(size, std::numeric_limits<int>::min(),
                                                    std::numeric_limits<int>::max()));
  CenterPos = static_cast<int>((static_cast<long long>(startPos) + endPos) / 2);
}

void TAxisRange::Recalc() {
  Range = static_cast<long double>(Maximum) - Minimum;
  RangeZero = IsZero(Range);
  AxisSizeRange = RangeZero ? 0 : static_cast<double>(AxisSize / Range);
  LogMin = Minimum <= 0 ? 0 : std::log(Minimum);
  LogMax = Maximum <= 0 ? 0 : std::log(Maximum);
  RangeLog = LogMax - LogMin;
  AxisLogSizeRange = IsZero(RangeLog) ? 0 : AxisSize / RangeLog;
}

double RoundLogPower(double value, double base) {
  const double power = std::pow(base, QuilRoundFloat(std::log(value) / std::log(base)));
  return std::isfinite(power) && power > 0 ? power : value;
}

}  // namespace quil

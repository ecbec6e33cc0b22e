#pragma once

#include <cmath>
#include <limits>

namespace quil {

// The smallest increment ever used: the smallest positive (denormal) double.
inline constexpr double MinAxisIncrement = std::numeric_limits<double>::denorm_min();
// The smallest positive minimum a logarithmic axis falls back to.
inline constexpr double MinAxisRange = 1e-10;

// The range and pixel span an axis computed at its last layout; rebuilt on every frame.
struct TAxisRange {
  double Minimum = 0;
  double Maximum = 0;
  // Maximum − Minimum, in extended precision so that the widest finite ranges still have a size.
  long double Range = 0;
  bool RangeZero = true;

  int StartPos = 0;
  int EndPos = 0;
  int AxisSize = 0;
  int CenterPos = 0;

  // Pixels per unit; 0 for a zero range.
  double AxisSizeRange = 0;

  // Natural logarithms of the ends (0 for an end that is not positive) and pixels per unit of
  // their difference (0 when that difference is zero).
  double LogMin = 0;
  double LogMax = 0;
  double RangeLog = 0;
  double AxisLogSizeRange = 0;

  // |value| <= tolerance, where a tolerance of 0 means 1e-12.
  static bool IsZero(long double value, double tolerance = 0) {
    return std::fabs(value) <= (tolerance == 0 ? 1e-12 : tolerance);
  }

  // Sets the pixel span; the caller recomputes the derived values with Recalc.
  void SetPositions(int startPos, int endPos);
  // The values that follow from Minimum, Maximum and the pixel span.
  void Recalc();
};

// The whole power of base nearest to value on the logarithmic scale: base to the power
// round(log_base(value)). value itself when that power is not a positive finite number.
double RoundLogPower(double value, double base);

}  // namespace quil

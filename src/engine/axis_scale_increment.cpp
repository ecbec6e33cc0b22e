#include <algorithm>
#include <cmath>
#include <limits>

#include "core/rounding.h"
#include "engine/axis_scale.h"
#include "engine/axis_series_source.h"
#include "engine/date_time_step.h"
#include "engine/next_step.h"

namespace quil {
namespace {

// Growing an increment ends when the labels fit or the increment passes the range; a growth
// factor barely above 1 (a logarithmic base of 1.0001) could take millions of steps to get
// there, so the steps are capped.
constexpr int kMaxIncrementSteps = 5000;
constexpr double kMaxRoundableLabels = 2147483647.0;

// Halves a whole number until it has a fraction, so that its label shows the longest fraction
// the axis' values may have (500 → 250 → 125 → 62.5).
double MidValueForMeasuring(double min, double max) {
  double mid = min + (max - min) / 2;
  if (!std::isfinite(mid)) return 0;
  while (mid != 0 && std::trunc(mid) == mid) mid /= 2;
  return mid;
}

// multiple × step, or value itself when that product is not finite.
double MultipleOr(double multiple, double step, double value) {
  const double product = multiple * step;
  return std::isfinite(product) ? product : value;
}

// The range as a double: the extended-precision difference of the widest finite range is
// larger than any double, and the increment rules need a finite size.
double FiniteRange(long double range) {
  constexpr long double largest = std::numeric_limits<double>::max();
  return static_cast<double>(std::clamp(range, -largest, largest));
}

}  // namespace

double TAxisScale::CalcIncrement() const {
  double inc = CalcXYIncrement(MaxLabelSizeForIncrement());
  if (labelsAlternate_) inc = logarithmic_ ? inc / logarithmicBase_ : inc / 2;
  return inc;
}

// The widest (or tallest) label among the range's ends and a value between them. With a fixed
// increment the ends are measured as the multiples of it that the labels will show: 100..200
// by 10 measures 100, 110, 190 and 200.
int TAxisScale::MaxLabelSizeForIncrement() const {
  const bool isWidth = Horizontal();
  const double inc = increment_;
  double min = state_.Minimum;
  double max = state_.Maximum;
  if (roundFirstLabel_ && inc != 0) {
    min = MultipleOr(QuilRoundFloat(min / inc), inc, min);
    max = MultipleOr(std::trunc(max / inc), inc, max);
  }
  int size = std::max(InternalLabelSize(isWidth, min), InternalLabelSize(isWidth, max));
  if (inc == 0) return std::max(size, InternalLabelSize(isWidth, MidValueForMeasuring(min, max)));
  size = std::max(size, InternalLabelSize(isWidth, min + inc));
  return std::max(size, InternalLabelSize(isWidth, max - inc));
}

double TAxisScale::CalcXYIncrement(int maxLabelSize) const {
  int maxNumLabels = 1;
  if (maxLabelSize > 0 && state_.AxisSize > 0) {
    double size = maxLabelSize;
    if (labelsSeparation_ > 0) size += QuilRoundFloat(labelsSeparation_ * 0.01 * maxLabelSize);
    maxNumLabels = static_cast<int>(QuilRoundFloat(state_.AxisSize / size));
  }
  return CalcLabelsIncrement(maxNumLabels);
}

double TAxisScale::CalcLabelsIncrement(int maxNumLabels) const {
  if (maxNumLabels < 1) return axisDateTime_ ? DateTimeStep[dtOneMicroSecond] : MinAxisIncrement;
  if (axisDateTime_) return CalcDateTimeIncrement(maxNumLabels);
  return NumericIncrement(maxNumLabels);
}

bool TAxisScale::FewPointsOnAxis(int maxNumLabels) const {
  if (!source_) return false;
  for (const TAxisSeriesInfo& series : source_->ActiveSeries())
    if (series.PositionsOnAxis && series.PointCount <= maxNumLabels) return true;
  return false;
}

// One step up from inc. A logarithmic axis steps by whole powers of its base; a base below 1
// steps by its inverse, which grows where multiplying by the base would shrink forever.
double TAxisScale::GrowIncrement(double inc) const {
  if (logarithmic_) return inc * std::max(logarithmicBase_, 1 / logarithmicBase_);
  if (increment_ > 0) return inc * 2;
  return QuilNextStep(inc);
}

double TAxisScale::NumericIncrement(int maxNumLabels) const {
  const double range = FiniteRange(state_.Range);
  double inc;
  if (increment_ > 0) {
    inc = increment_;
  } else if (state_.RangeZero) {
    inc = 1;
  } else {
    inc = std::fabs(range) / (maxNumLabels + 1.0);
    if (logarithmic_) inc = RoundLogPower(inc, logarithmicBase_);
    if (range >= 1.1 && inc < 1 && FewPointsOnAxis(maxNumLabels)) inc = 1;
  }

  if (labelsSeparation_ != 0 && range != 0 && inc != 0) {
    for (int steps = 0; steps < kMaxIncrementSteps; ++steps) {
      const double labels = range / inc;
      if (std::fabs(labels) < kMaxRoundableLabels && QuilRoundFloat(labels) <= maxNumLabels) break;
      inc = GrowIncrement(inc);
      if (inc > range || std::isinf(inc)) break;
    }
  }

  if (std::isinf(inc)) return range;
  return std::max(inc, MinAxisIncrement);
}

double TAxisScale::CalcDateTimeIncrement(int maxNumLabels) const {
  const double oneMicroSecond = DateTimeStep[dtOneMicroSecond];
  const double oneSecond = DateTimeStep[dtOneSecond];
  const double oneYear = DateTimeStep[dtOneYear];
  const double range = FiniteRange(state_.Range);
  double step = std::max(oneMicroSecond, increment_);
  if (maxNumLabels > 0) {
    if (range / step > 1000000) step = range / 1000000;
    for (int steps = 0; steps < kMaxIncrementSteps && std::isfinite(step); ++steps) {
      if (QuilRoundFloat(range / step) <= maxNumLabels) break;
      if (step >= oneYear)
        step *= 2;
      else
        step = step < oneSecond ? QuilNextStep(step) : NextDateTimeStep(step);
    }
  }
  if (!std::isfinite(step)) return range;
  return std::max(step, oneMicroSecond);
}

}  // namespace quil

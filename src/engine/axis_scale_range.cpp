#include <cmath>
#include <limits>

#include "engine/axis_scale.h"
#include "engine/axis_series_source.h"

namespace quil {
namespace {

// NaN has no place on an axis and becomes 0; the infinities become the largest finite values,
// so that range arithmetic (in extended precision) stays finite.
double FiniteEnd(double value) {
  if (std::isnan(value)) return 0;
  constexpr double largest = std::numeric_limits<double>::max();
  if (value > largest) return largest;
  if (value < -largest) return -largest;
  return value;
}

// value rounded (up or down, by round) to a multiple of step; value itself when that multiple
// is not finite.
template <class Round>
double RoundedToStep(double value, double step, Round round) {
  const double rounded = step * round(value / step);
  return std::isfinite(rounded) ? rounded : value;
}

}  // namespace

void TAxisScale::BindMapping() { mapping_ = TAxisMapping(state_, direction_, inverted_, logarithmic_); }

void TAxisScale::SetPositions(int startPos, int endPos) {
  state_.SetPositions(startPos, endPos);
  InternalCalcRange();
}

void TAxisScale::InternalCalcRange() {
  state_.Recalc();
  BindMapping();
}

void TAxisScale::SetRange(double min, double max) {
  state_.Minimum = FiniteEnd(min);
  state_.Maximum = FiniteEnd(max);
  InternalCalcRange();
}

void TAxisScale::CalcMinMax(double& min, double& max) const {
  if (automatic_ || automaticMaximum_) max = source_ ? source_->SeriesMaximum() : 0;
  if (automatic_ || automaticMinimum_) min = source_ ? source_->SeriesMinimum() : 0;
}

void TAxisScale::AdjustMaxMin() {
  RefreshDateTime();
  CalcMinMax(minimum_, maximum_);
  SetRange(minimum_, maximum_);
  CalcRoundScales();
}

void TAxisScale::CalcRoundScales() {
  if (state_.AxisSize == 0 || state_.RangeZero) return;
  const bool roundMaximum = maximumRound_ && (automatic_ || automaticMaximum_);
  const bool roundMinimum = minimumRound_ && (automatic_ || automaticMinimum_);
  if (!roundMaximum && !roundMinimum) return;
  const double inc = CalcIncrement();
  if (inc == 0) return;
  double max = state_.Maximum;
  double min = state_.Minimum;
  if (roundMaximum) max = RoundedToStep(max, inc, [](double x) { return std::ceil(x); });
  if (roundMinimum) min = RoundedToStep(min, inc, [](double x) { return std::floor(x); });
  if (max != state_.Maximum || min != state_.Minimum) SetRange(min, max);
}

void TAxisScale::AdjustMaxMinRect(const TRect& rect) {
  const bool vertical = direction_ == TAxisDirection::Vertical;
  const int startMargin = vertical ? rect.Top : rect.Left;
  const int endMargin = vertical ? rect.Bottom : rect.Right;
  const int startPos = state_.StartPos;
  const int endPos = state_.EndPos;
  const long long shrunkSize = static_cast<long long>(endPos - endMargin) - (startPos + startMargin);
  if (shrunkSize < 1) return;

  state_.SetPositions(startPos + startMargin, endPos - endMargin);
  InternalCalcRange();
  double first = CalcPosPoint(startPos);
  double last = CalcPosPoint(endPos);
  if (first > last) std::swap(first, last);

  state_.SetPositions(startPos, endPos);
  SetRange(first, last);
}

}  // namespace quil

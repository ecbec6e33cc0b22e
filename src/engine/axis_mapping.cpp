#include "engine/axis_mapping.h"

#include <cmath>

#include "core/rounding.h"

namespace quil {

int QuilMaxPixelPos = 32767;

TAxisMapping::TAxisMapping(const TAxisRange& range, TAxisDirection direction, bool inverted,
                           bool logarithmic)
    : logarithmic_(logarithmic),
      tooShort_(range.AxisSize < 1),
      sizeFactor_(range.AxisSizeRange),
      rangeZero_(range.RangeZero),
      centerPos_(range.CenterPos),
      startPos_(range.StartPos),
      endPos_(range.EndPos),
      fallbackValue_(range.Minimum) {
  // Horizontal and depth axes grow from their start pixel, a vertical one from its end pixel;
  // inverting an axis makes the other end the minimum's.
  const bool minimumAtEnd = (direction == TAxisDirection::Vertical) != inverted;
  const int minimumPos = minimumAtEnd ? range.EndPos : range.StartPos;
  const double sign = minimumAtEnd ? -1 : 1;
  minimumPos_ = minimumPos;
  startValue_ = minimumAtEnd ? range.Maximum : range.Minimum;
  endValue_ = minimumAtEnd ? range.Minimum : range.Maximum;
  origin_ = minimumPos;

  if (logarithmic) {
    mode_ = TAxisRange::IsZero(range.RangeLog) ? TMode::Constant : TMode::Logarithmic;
    base_ = range.LogMin;
    factor_ = sign * range.AxisLogSizeRange;
    inverse_ = range.AxisSize == 0 ? 0 : sign * range.RangeLog / range.AxisSize;
  } else {
    mode_ = range.RangeZero ? TMode::Constant : TMode::Linear;
    base_ = range.Minimum;
    factor_ = sign * range.AxisSizeRange;
    inverse_ = range.AxisSize == 0 ? 0 : static_cast<double>(sign * range.Range / range.AxisSize);
  }
}

int TAxisMapping::NonLinearPos(double value) const {
  if (mode_ == TMode::Constant) return centerPos_;
  if (!(value > 0)) return minimumPos_;
  return ClampRound(origin_ + (std::log(value) - base_) * factor_);
}

double TAxisMapping::CalcPosPoint(int pixel) const {
  if (!logarithmic_) {
    if (tooShort_) return 0;
    return base_ + (pixel - origin_) * inverse_;
  }
  if (pixel == startPos_) return startValue_;
  if (pixel == endPos_) return endValue_;
  if (mode_ == TMode::Constant || inverse_ == 0) return fallbackValue_;
  return std::exp(base_ + (pixel - origin_) * inverse_);
}

int TAxisMapping::CalcSizeValue(double finish, double start) const {
  const double difference = std::fabs(finish - start);
  if (!(difference > 0)) return 0;
  if (logarithmic_) return std::abs(CalcPosValue(finish) - CalcPosValue(start));
  if (rangeZero_) return 0;
  return ClampRound(difference * sizeFactor_);
}

}  // namespace quil

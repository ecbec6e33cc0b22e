#pragma once

#include <cstdint>

#include "core/rounding.h"
#include "engine/axis_range.h"

namespace quil {

// Computed pixel positions are clamped to ±QuilMaxPixelPos, so that a value far outside the
// range still gives a position every canvas can take.
extern int QuilMaxPixelPos;

// A pixel size or position worked out in 64 bits, held to ±QuilMaxPixelPos: stored sizes (tick
// lengths, label sizes) can be anything, and sums of them must not overflow.
inline int QuilClampPixels(int64_t pixels) {
  const int64_t limit = QuilMaxPixelPos;
  return static_cast<int>(pixels < -limit ? -limit : (pixels > limit ? limit : pixels));
}

// Which way an axis runs on the screen. Depth axes run front to back like a horizontal axis
// runs left to right; a vertical axis puts its minimum at the bottom, where pixel Y is largest.
enum class TAxisDirection : uint8_t { Horizontal, Vertical, Depth };

// The value-to-pixel transform of one axis and its inverse, bound once whenever the range, the
// pixel span, the direction, Inverted or Logarithmic change. Every direction and inversion folds
// into an origin pixel, a base value and a signed factor, so a linear position costs a subtract,
// a multiply-add and the clamp.
class TAxisMapping {
 public:
  TAxisMapping() = default;
  TAxisMapping(const TAxisRange& range, TAxisDirection direction, bool inverted, bool logarithmic);

  // The pixel of a value, clamped to ±QuilMaxPixelPos. A zero range maps every value to the
  // centre; on a logarithmic axis a value that is not positive maps to the minimum's end.
  int CalcPosValue(double value) const {
    if (mode_ == TMode::Linear) return ClampRound(origin_ + (value - base_) * factor_);
    return NonLinearPos(value);
  }

  // The value at a pixel: 0 on an axis less than a pixel long; the range's end values exactly
  // at the ends of a logarithmic axis.
  double CalcPosPoint(int pixel) const;

  // The pixel length of the value difference finish − start: 0 unless it is positive.
  int CalcSizeValue(double finish, double start) const;
  int CalcSizeValue(double value) const { return CalcSizeValue(value, 0); }

  // Rounds and clamps a pixel coordinate; NaN goes to the negative limit.
  static int ClampRound(double pixel) {
    const double limit = QuilMaxPixelPos;
    if (!(pixel > -limit)) return -QuilMaxPixelPos;
    if (pixel > limit) return QuilMaxPixelPos;
    return static_cast<int>(QuilRoundFloat(pixel));
  }

 private:
  enum class TMode : uint8_t { Constant, Linear, Logarithmic };

  int NonLinearPos(double value) const;

  TMode mode_ = TMode::Constant;
  bool logarithmic_ = false;
  bool tooShort_ = true;       // less than one pixel long: positions have no values
  double origin_ = 0;          // the pixel where base_ maps
  double base_ = 0;            // a range end, or the natural logarithm of one
  double factor_ = 0;          // signed pixels per unit (per unit of logarithm)
  double inverse_ = 0;         // signed units per pixel, from the range and size directly
  double sizeFactor_ = 0;      // pixels per unit for lengths
  bool rangeZero_ = true;
  int centerPos_ = 0;
  int startPos_ = 0;
  int endPos_ = 0;
  int minimumPos_ = 0;         // where a logarithmic axis puts values that are not positive
  double startValue_ = 0;      // the values at the two ends of a logarithmic axis
  double endValue_ = 0;
  double fallbackValue_ = 0;   // what a logarithmic axis without a log range reads at any pixel
};

}  // namespace quil

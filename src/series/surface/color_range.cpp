#include "series/surface/color_range.h"

#include "core/rounding.h"

namespace quil {

namespace {

int Byte(TColor color, int index) { return static_cast<int>((color >> (8 * index)) & 0xFF); }

}  // namespace

void TColorRange::Set(TColor start, TColor mid, TColor end) {
  hasMid_ = mid != clNone;
  for (int i = 0; i < 4; ++i) {
    end_[i] = Byte(end, i);
    mid_[i] = hasMid_ ? Byte(mid, i) : 0;
    rangeMid_[i] = hasMid_ ? Byte(start, i) - mid_[i] : 0;
    range_[i] = (hasMid_ ? mid_[i] : Byte(start, i)) - end_[i];
  }
}

// With a middle colour each half is a ramp of its own, its fraction taken in single precision
// as the ramp has always been computed.
TColor TColorRange::At(double percent) const {
  if (!(percent > 0)) percent = 0;
  if (percent > 1) percent = 1;
  const TBytes* base = &end_;
  const TBytes* range = &range_;
  double f = percent;
  if (hasMid_) {
    if (percent < 0.5) {
      f = static_cast<float>(2 * percent);
    } else {
      f = static_cast<float>((percent - 0.5) * 2);
      base = &mid_;
      range = &rangeMid_;
    }
  }
  TColor color = 0;
  for (int i = 0; i < 4; ++i) {
    const int value = (*base)[i] + static_cast<int>(QuilRoundFloat(f * (*range)[i]));
    color |= static_cast<TColor>(value & 0xFF) << (8 * i);
  }
  return color;
}

}  // namespace quil

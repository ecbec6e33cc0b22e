#pragma once

#include <array>

#include "core/color.h"

namespace quil {

// A colour ramp from an end colour (percent 0) through an optional middle colour (percent 0.5)
// to a start colour (percent 1), interpolated on each of the four bytes of a colour as stored
// (no system-colour translation). The byte differences are worked out once, when the colours
// are set, because a surface asks for a colour at every cell corner.
class TColorRange {
 public:
  TColorRange() { Set(clBlack, clNone, clBlack); }
  // A middle colour of clNone means there is none.
  void Set(TColor start, TColor mid, TColor end);
  // The colour at percent; below 0 (and NaN) counts as 0, above 1 as 1.
  TColor At(double percent) const;

 private:
  using TBytes = std::array<int, 4>;
  TBytes end_{};
  TBytes mid_{};
  TBytes range_{};
  TBytes rangeMid_{};
  bool hasMid_ = false;
};

}  // namespace quil

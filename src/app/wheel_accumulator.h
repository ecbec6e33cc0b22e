#pragma once

namespace quil {

// Wheel motion in the library's units, 120 per notch. A discrete notch up or down is +120 or
// -120. Smooth scrolling (touchpads, high-resolution wheels) reports fractions of a notch,
// positive downwards; they are summed and reported as whole units as they accumulate, so no
// motion is lost to rounding. Horizontal scrolling is not wheel input.
class TWheelAccumulator {
 public:
  int Notch(bool up) const;
  // Units to report for a smooth delta; 0 while less than one unit has gathered.
  int Smooth(double deltaY);

 private:
  double remainder_ = 0;
};

}  // namespace quil

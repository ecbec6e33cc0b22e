#pragma once

#include <cmath>

namespace quil {

// The smallest and largest of a run of values, skipping NaN and the infinities: one value an
// axis cannot place must not stretch the range of all the others. Empty until a finite value
// arrives, and then the range 0..0 is what an axis without data shows.
class TAxisExtent {
 public:
  void Include(double value) {
    if (!std::isfinite(value)) return;
    if (empty_) {
      min_ = max_ = value;
      empty_ = false;
    } else if (value < min_) {
      min_ = value;
    } else if (value > max_) {
      max_ = value;
    }
  }
  void Include(const TAxisExtent& other) {
    if (other.empty_) return;
    Include(other.min_);
    Include(other.max_);
  }

  bool Empty() const { return empty_; }
  double Minimum() const { return empty_ ? 0 : min_; }
  double Maximum() const { return empty_ ? 0 : max_; }

 private:
  bool empty_ = true;
  double min_ = 0;
  double max_ = 0;
};

}  // namespace quil

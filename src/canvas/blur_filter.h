#pragma once

#include "canvas/filter.h"

namespace quil {

// A 3 × 3 box blur whose centre weighs Amount and each neighbour 1, run Steps times.
class TBlurFilter : public TQuilFilter {
  QUIL_PERSISTENT_CLASS

 public:
  int Amount() const { return amount_; }
  void SetAmount(int amount) { amount_ = amount; }
  int Steps() const { return steps_; }
  void SetSteps(int steps) { steps_ = steps; }

  void Apply(TBitmap& bitmap) const override;
  std::unique_ptr<TQuilFilter> Clone() const override;
  void Assign(const TPersistent& source) override;

 private:
  int amount_ = 1;
  int steps_ = 1;
};

}  // namespace quil

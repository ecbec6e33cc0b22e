#pragma once

#include "engine/series_pointer.h"

namespace quil {

// The marker a legend palette tool can show on its bar: a donut of size 8 pointing at a
// palette value. Changes repaint the tool's chart (and so its host).
class TLegendPointer : public TSeriesPointer {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TLegendPointer(TChangeHandler onChange = nullptr);

  double Value() const { return value_; }
  void SetValue(double value);

  bool AssignSettings(const TPersistent& source) override;

 private:
  double value_ = 0;
};

}  // namespace quil

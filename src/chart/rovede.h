#pragma once

#include "chart/custom_chart.h"

namespace quil {

// The chart as a form stores and creates it by class name.
class ROvede : public TCustomChart {
  QUIL_PERSISTENT_CLASS

 public:
  explicit ROvede(TComponent* owner = nullptr);
};

}  // namespace quil

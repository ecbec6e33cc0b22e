#pragma once

#include "core/exceptions.h"

namespace quil {

// Invalid axis settings, carrying one of the axis message texts (axis_messages.h). The setting
// that raised it keeps its previous value.
class AxisException : public EQuilError {
 public:
  using EQuilError::EQuilError;
};

}  // namespace quil

#pragma once

#include "core/exceptions.h"

namespace quil {

// Failures of series and their value lists, carrying the library's message text.
class ChartException : public EQuilError {
 public:
  using EQuilError::EQuilError;
};

}  // namespace quil

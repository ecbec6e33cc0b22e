#pragma once

#include "core/exceptions.h"

namespace quil {

// Invalid legend settings, carrying one of the legend message texts. The setting that raised
// it keeps its previous value.
class LegendException : public EQuilError {
 public:
  using EQuilError::EQuilError;
};

}  // namespace quil

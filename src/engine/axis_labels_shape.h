#pragma once

#include "panel/text_shape.h"

namespace quil {

// The shared text box the labels of an axis are drawn with: transparent by default.
class TAxisLabelsFormat : public TTextShape {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TAxisLabelsFormat(TCustomQuilPanel* parent = nullptr);
};

}  // namespace quil

#pragma once

#include "panel/strings_shape.h"

namespace quil {

// The title at the top of a legend: lines of bold text, centred, without a box of its own.
class TLegendTitle : public TStringsShape {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TLegendTitle(TCustomQuilPanel* parent = nullptr);

  // Visible and with some text.
  bool ShouldDraw() const { return Visible() && !Text().empty(); }

 protected:
  void InitShadow(TQuilShadow& shadow) override;
};

}  // namespace quil

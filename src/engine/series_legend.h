#pragma once

#include "panel/text_shape.h"

namespace quil {

// A series' own legend settings: Visible is whether the series shows in the legend, Text the
// legend title shown instead of its title, Picture an optional legend symbol.
class TSeriesLegend : public TTextShape {
  QUIL_PERSISTENT_CLASS

 public:
  using TTextShape::TTextShape;
};

}  // namespace quil

#include "engine/axis_label_style.h"

namespace quil {

const TEnumInfo& AxisLabelStyleInfo() {
  static const TEnumInfo info{"TAxisLabelStyle",
                              {"talAuto", "talNone", "talValue", "talMark", "talText", "talPointValue"}};
  return info;
}

}  // namespace quil

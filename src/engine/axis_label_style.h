#pragma once

#include "core/properties.h"

namespace quil {

// What an axis labels: talAuto lets the axis decide from its series, talNone shows no labels,
// talValue labels values at the increment, talMark, talText and talPointValue label the points of
// the first associated series with their mark text, their label text or their value.
enum TAxisLabelStyle : int { talAuto, talNone, talValue, talMark, talText, talPointValue };

const TEnumInfo& AxisLabelStyleInfo();

}  // namespace quil

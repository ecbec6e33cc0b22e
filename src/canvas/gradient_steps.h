#pragma once

#include "core/color.h"

namespace quil {

// The colour of step index of a gradient of range steps from start to end: a straight
// integer blend for balance 50, otherwise bent by QuilSigmoid.
TColor GradientStepColor(TColor start, TColor end, int index, int range, int balance);

// Gray of the same brightness, for monochrome canvases.
TColor MonochromeColor(TColor color);

}  // namespace quil

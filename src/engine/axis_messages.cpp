#include "engine/axis_messages.h"

namespace quil {

std::string QuilMsg_AxisMinMax = "Axis Minimum Value must be <= Maximum";
std::string QuilMsg_AxisMaxMin = "Axis Maximum Value must be >= Minimum";
std::string QuilMsg_AxisIncrementNeg = "Axis increment must be >= 0";
std::string QuilMsg_AxisLogBase = "Axis Logarithmic Base should be <> 1 and > 0";
std::string QuilMsg_AxisLogNotPositive = "Logarithmic Axis Min and Max values should be >= 0";
std::string QuilMsg_AxisLabelSep = "Labels Separation % must be greater than 0";

std::string QuilMsg_DefValueFormat = "#,##0.###";

}  // namespace quil

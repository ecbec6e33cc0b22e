#pragma once

#include <string>

namespace quil {

// Message texts of axis settings; start-up may replace them with translations.
extern std::string QuilMsg_AxisMinMax;
extern std::string QuilMsg_AxisMaxMin;
extern std::string QuilMsg_AxisIncrementNeg;
extern std::string QuilMsg_AxisLogBase;
extern std::string QuilMsg_AxisLogNotPositive;
extern std::string QuilMsg_AxisLabelSep;

// The default number picture of values and axis labels.
extern std::string QuilMsg_DefValueFormat;

}  // namespace quil

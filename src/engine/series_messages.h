#pragma once

#include <string>

namespace quil {

// Message texts of series; start-up may replace them with translations. The default value
// picture is QuilMsg_DefValueFormat (axis_messages.h), shared with the axes.
extern std::string QuilMsg_ValuesX;
extern std::string QuilMsg_ValuesY;
extern std::string QuilMsg_Series;
extern std::string QuilMsg_SeriesDelete;
extern std::string QuilMsg_DefPercentFormat;

}  // namespace quil

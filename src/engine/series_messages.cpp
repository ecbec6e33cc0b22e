#include "engine/series_messages.h"

namespace quil {

std::string QuilMsg_ValuesX = "X";
std::string QuilMsg_ValuesY = "Y";
std::string QuilMsg_Series = "Series";
std::string QuilMsg_SeriesDelete = "Series Delete: ValueIndex %d out of bounds (0 to %d).";
std::string QuilMsg_DefPercentFormat = "##0.## %";

}  // namespace quil

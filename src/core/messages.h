#pragma once

#include <string>

namespace quil {

// Every user-visible text of the library lives in one of these variables. They are empty
// until the start-up fills them (InitializeMessages) and emptied again at shut-down, so a
// translation can replace them in one place.

// A single carriage return, used inside several message texts.
extern std::string NewLine;

// Fonts.
extern std::string QuilMsg_DefaultFontName;
extern std::string QuilMsg_DefaultFontSize;

// Value pictures.
extern std::string QuilMsg_DefValueFormat;
extern std::string QuilMsg_DefPercentFormat;

// Axis settings.
extern std::string QuilMsg_AxisMinMax;
extern std::string QuilMsg_AxisMaxMin;
extern std::string QuilMsg_AxisIncrementNeg;
extern std::string QuilMsg_AxisLogBase;
extern std::string QuilMsg_AxisLogNotPositive;
extern std::string QuilMsg_AxisLabelSep;

// Series.
extern std::string QuilMsg_ValuesX;
extern std::string QuilMsg_ValuesY;
extern std::string QuilMsg_Series;
extern std::string QuilMsg_SeriesDelete;

// Legend settings.
extern std::string QuilMsg_LegendFirstValue;

void InitializeMessages();
void FinalizeMessages();

}  // namespace quil

#include "core/messages.h"

#include <functional>
#include <utility>
#include <vector>

namespace quil {

std::string NewLine;
std::string QuilMsg_DefaultFontName;
std::string QuilMsg_DefaultFontSize;
std::string QuilMsg_DefValueFormat;
std::string QuilMsg_DefPercentFormat;
std::string QuilMsg_AxisMinMax;
std::string QuilMsg_AxisMaxMin;
std::string QuilMsg_AxisIncrementNeg;
std::string QuilMsg_AxisLogBase;
std::string QuilMsg_AxisLogNotPositive;
std::string QuilMsg_AxisLabelSep;
std::string QuilMsg_ValuesX;
std::string QuilMsg_ValuesY;
std::string QuilMsg_Series;
std::string QuilMsg_SeriesDelete;
std::string QuilMsg_LegendFirstValue;

namespace {

constexpr char QuilLineBreak = 13;

// Each variable with its English text.
const std::vector<std::pair<std::reference_wrapper<std::string>, const char*>>& Texts() {
  static const std::vector<std::pair<std::reference_wrapper<std::string>, const char*>> texts = {
      {QuilMsg_DefaultFontName, "Arial"},
      {QuilMsg_DefaultFontSize, "8"},
      {QuilMsg_DefValueFormat, "#,##0.###"},
      {QuilMsg_DefPercentFormat, "##0.## %"},
      {QuilMsg_AxisMinMax, "Axis Minimum Value must be <= Maximum"},
      {QuilMsg_AxisMaxMin, "Axis Maximum Value must be >= Minimum"},
      {QuilMsg_AxisIncrementNeg, "Axis increment must be >= 0"},
      {QuilMsg_AxisLogBase, "Axis Logarithmic Base should be <> 1 and > 0"},
      {QuilMsg_AxisLogNotPositive, "Logarithmic Axis Min and Max values should be >= 0"},
      {QuilMsg_AxisLabelSep, "Labels Separation % must be greater than 0"},
      {QuilMsg_ValuesX, "X"},
      {QuilMsg_ValuesY, "Y"},
      {QuilMsg_Series, "Series"},
      {QuilMsg_SeriesDelete, "Series Delete: ValueIndex %d out of bounds (0 to %d)."},
      {QuilMsg_LegendFirstValue, "Legend First Value must be >= 0"},
  };
  return texts;
}

}  // namespace

void InitializeMessages() {
  NewLine.assign(1, QuilLineBreak);
  for (const auto& [variable, text] : Texts()) variable.get().assign(text);
}

void FinalizeMessages() {
  NewLine.clear();
  for (const auto& entry : Texts()) entry.first.get().clear();
}

}  // namespace quil

#include "chart/legend_types.h"

namespace quil {

const TEnumInfo& LegendAlignmentInfo() {
  static const TEnumInfo info{"TLegendAlignment", {"laLeft", "laRight", "laTop", "laBottom"}};
  return info;
}

const TEnumInfo& CheckBoxesStyleInfo() {
  static const TEnumInfo info{"TCheckBoxesStyle", {"cbsCheck", "cbsRadio"}};
  return info;
}

const TEnumInfo& LegendJustifyInfo() {
  static const TEnumInfo info{"TLegendJustify", {"ljAutomatic", "ljYes", "ljNo"}};
  return info;
}

const TEnumInfo& LegendStyleInfo() {
  static const TEnumInfo info{"TLegendStyle", {"lsAuto", "lsSeries", "lsValues", "lsLastValues", "lsSeriesGroups"}};
  return info;
}

const TEnumInfo& LegendSymbolSizeInfo() {
  static const TEnumInfo info{"TLegendSymbolSize", {"lcsPercent", "lcsPixels"}};
  return info;
}

const TEnumInfo& LegendSymbolPositionInfo() {
  static const TEnumInfo info{"TLegendSymbolPosition", {"spLeft", "spRight"}};
  return info;
}

}  // namespace quil

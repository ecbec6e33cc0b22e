#pragma once

#include <cstdint>

#include "core/properties.h"

namespace quil {

// The side of the chart a legend sits on; left and right legends are vertical.
enum TLegendAlignment : uint8_t { laLeft, laRight, laTop, laBottom };
enum TCheckBoxesStyle : uint8_t { cbsCheck, cbsRadio };
// Whether the columns of a horizontal legend all get the widest column's width.
enum TLegendJustify : uint8_t { ljAutomatic, ljYes, ljNo };
// What a legend lists: the series, the values of one series, each series' last value, or
// series groups; lsAuto decides from the series.
enum TLegendStyle : uint8_t { lsAuto, lsSeries, lsValues, lsLastValues, lsSeriesGroups };
// Units of a legend symbol's width and height.
enum TLegendSymbolSize : uint8_t { lcsPercent, lcsPixels };
// Whether symbols go before (left of) or after the texts.
enum TLegendSymbolPosition : uint8_t { spLeft, spRight };

const TEnumInfo& LegendAlignmentInfo();
const TEnumInfo& CheckBoxesStyleInfo();
const TEnumInfo& LegendJustifyInfo();
const TEnumInfo& LegendStyleInfo();
const TEnumInfo& LegendSymbolSizeInfo();
const TEnumInfo& LegendSymbolPositionInfo();

}  // namespace quil

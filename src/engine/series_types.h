#pragma once

#include <cstdint>

#include "core/properties.h"

namespace quil {

// The horizontal axis a series uses.
enum THorizAxis : int { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
// The vertical axis a series uses.
enum TVertAxis : int { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

// Which parts of a series highlight under the mouse; a set of bits 1 << value.
enum THoverElement : int { hePrevious, heCurrent, heNext, heJoin };
using THoverElements = uint32_t;

// How series kinds treat null points.
enum TTreatNullsStyle : int { tnDontPaint, tnSkip, tnIgnore };

// Which changes of a data source reach the series fed from it; a set of bits 1 << value.
enum TSeriesRecalcOption : int { rOnDelete, rOnModify, rOnInsert, rOnClear };
using TSeriesRecalcOptions = uint32_t;
inline constexpr TSeriesRecalcOptions kAllRecalcOptions = 0xF;

// Series style flags, stored as the integer "Style"; a set of bits 1 << value.
enum TSeriesStyleFlag : int {
  tssIsTemplate,
  tssDenyChangeType,
  tssDenyDelete,
  tssDenyClone,
  tssIsPersistent,
  tssHideDataSource,
};
using TSeriesStyle = uint32_t;

// How a legend row of a series' values is composed.
enum TLegendTextStyle : int {
  ltsPlain,
  ltsLeftValue,
  ltsRightValue,
  ltsLeftPercent,
  ltsRightPercent,
  ltsXValue,
  ltsValue,
  ltsPercent,
  ltsXAndValue,
  ltsXAndPercent,
  ltsXAndText,
  ltsXAndValueAndText,
};

const TEnumInfo& HorizAxisInfo();
const TEnumInfo& VertAxisInfo();
const TEnumInfo& HoverElementInfo();
const TEnumInfo& TreatNullsStyleInfo();
const TEnumInfo& SeriesRecalcOptionInfo();
const TEnumInfo& LegendTextStyleInfo();

}  // namespace quil

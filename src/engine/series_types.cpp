#include "engine/series_types.h"

namespace quil {

const TEnumInfo& HorizAxisInfo() {
  static const TEnumInfo info{"THorizAxis", {"aTopAxis", "aBottomAxis", "aBothHorizAxis", "aCustomHorizAxis"}};
  return info;
}

const TEnumInfo& VertAxisInfo() {
  static const TEnumInfo info{"TVertAxis", {"aLeftAxis", "aRightAxis", "aBothVertAxis", "aCustomVertAxis"}};
  return info;
}

const TEnumInfo& HoverElementInfo() {
  static const TEnumInfo info{"THoverElement", {"hePrevious", "heCurrent", "heNext", "heJoin"}};
  return info;
}

const TEnumInfo& TreatNullsStyleInfo() {
  static const TEnumInfo info{"TTreatNullsStyle", {"tnDontPaint", "tnSkip", "tnIgnore"}};
  return info;
}

const TEnumInfo& SeriesRecalcOptionInfo() {
  static const TEnumInfo info{"TSeriesRecalcOption", {"rOnDelete", "rOnModify", "rOnInsert", "rOnClear"}};
  return info;
}

const TEnumInfo& LegendTextStyleInfo() {
  static const TEnumInfo info{"TLegendTextStyle",
                              {"ltsPlain", "ltsLeftValue", "ltsRightValue", "ltsLeftPercent", "ltsRightPercent",
                               "ltsXValue", "ltsValue", "ltsPercent", "ltsXAndValue", "ltsXAndPercent", "ltsXAndText",
                               "ltsXAndValueAndText"}};
  return info;
}

}  // namespace quil

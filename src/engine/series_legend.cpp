#include "engine/series_legend.h"

namespace quil {

const TMetaClass& TSeriesLegend::StaticClass() {
  static const TMetaClass meta("TSeriesLegend", &TTextShape::StaticClass());
  return meta;
}

}  // namespace quil

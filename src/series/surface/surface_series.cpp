#include "series/surface/surface_series.h"

#include "engine/themed_series.h"

namespace quil {

const TMetaClass& TSurfaceSeries::StaticClass() {
  static const TMetaClass meta("TSurfaceSeries", &TCustom3DGridSeries::StaticClass(), SharedSeriesProperties(),
                               ComponentFactory<TSurfaceSeries>());
  return meta;
}

TSurfaceSeries::TSurfaceSeries(TComponent* owner) : TCustom3DGridSeries(owner) { SetCellDirections(-1, -1); }

}  // namespace quil

#pragma once

#include "series/surface/custom3d_grid_series.h"

namespace quil {

// The surface: a grid series drawn as cells between neighbouring grid points, each cell
// coloured from the value palette. It never shares its depth slot with another series.
class TSurfaceSeries : public TCustom3DGridSeries {
  QUIL_PERSISTENT_CLASS

 public:
  // Cells are walked from their first corner towards lower columns and rows.
  explicit TSurfaceSeries(TComponent* owner = nullptr);

  bool MoreSameZOrder() const override { return false; }
};

}  // namespace quil

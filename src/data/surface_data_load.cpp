#include <algorithm>
#include <cmath>
#include <limits>

#include "data/surface_data.h"
#include "engine/value_list.h"
#include "series/surface/custom3d_grid_series.h"

namespace quil {

namespace {

void AddPoints(TCustom3DSeries& series, const TSurfaceData& data) {
  if (data.Form == TDataForm::Points) {
    for (std::size_t i = 0; i < data.Y.size(); ++i)
      if (!std::isnan(data.Y[i])) series.AddXYZ(data.X[i], data.Y[i], data.Z[i]);
    return;
  }
  const auto columns = static_cast<std::size_t>(data.Columns);
  for (std::size_t i = 0; i < data.Y.size(); ++i)
    if (!std::isnan(data.Y[i]))
      series.AddXYZ(static_cast<double>(i % columns), data.Y[i], static_cast<double>(i / columns));
}

}  // namespace

void LoadSurfaceData(TCustom3DSeries& series, const TSurfaceData& data) {
  // The lists take their storage in one step, as for a grid of sample values.
  const int capacity = QuilDefaultCapacity;
  QuilDefaultCapacity =
      static_cast<int>(std::clamp<int64_t>(data.PointCount(), 1, std::numeric_limits<int>::max()));
  series.BeginUpdate();
  try {
    series.Clear();
    if (auto* grid = dynamic_cast<TCustom3DGridSeries*>(&series)) grid->SetIrregularGrid(data.IrregularGrid);
    AddPoints(series, data);
  } catch (...) {
    QuilDefaultCapacity = capacity;
    series.EndUpdate();
    throw;
  }
  QuilDefaultCapacity = capacity;
  series.EndUpdate();
}

void LoadSurfaceDataFile(TCustom3DSeries& series, const std::string& fileName, TDataForm form) {
  const TSurfaceData data = ReadSurfaceData(fileName, form);
  LoadSurfaceData(series, data);
}

}  // namespace quil

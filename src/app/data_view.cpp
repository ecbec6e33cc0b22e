#include "app/data_view.h"

#include <algorithm>
#include <vector>

#include "app/form_file.h"
#include "core/exceptions.h"
#include "engine/axis_panel.h"
#include "series/surface/custom3d_series.h"

namespace quil {

TCustom3DSeries* DataSeries(TForm& form) {
  auto* chart = dynamic_cast<TCustomAxisPanel*>(FirstChart(form));
  if (!chart) return nullptr;
  for (int i = 0; i < chart->SeriesCount(); ++i)
    if (auto* series = dynamic_cast<TCustom3DSeries*>(&chart->Series(i))) return series;
  return nullptr;
}

namespace {

// Beyond this many cells along a side, cells are a few pixels wide in the main window's chart:
// their outlines would hide the colours (and take most of the drawing time).
constexpr int kMaxOutlinedCells = 120;

int GridSide(const std::vector<double>& values) {
  std::vector<double> distinct(values);
  std::sort(distinct.begin(), distinct.end());
  return static_cast<int>(std::unique(distinct.begin(), distinct.end()) - distinct.begin());
}

bool DenseGrid(const TSurfaceData& data) {
  if (data.Form == TDataForm::Matrix) return data.Columns > kMaxOutlinedCells || data.Rows > kMaxOutlinedCells;
  return GridSide(data.X) > kMaxOutlinedCells || GridSide(data.Z) > kMaxOutlinedCells;
}

}  // namespace

void SetUpDataView(TForm& form, const TSurfaceData& data) {
  TCustom3DSeries* series = DataSeries(form);
  if (!series) throw EQuilError("The window's chart has no 3D series to show the data");
  LoadSurfaceData(*series, data);
  if (DenseGrid(data)) series->Pen().SetVisible(false);
}

}  // namespace quil

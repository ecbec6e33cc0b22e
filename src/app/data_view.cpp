#include "app/data_view.h"

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

void SetUpDataView(TForm& form, const TSurfaceData& data) {
  TCustom3DSeries* series = DataSeries(form);
  if (!series) throw EQuilError("The window's chart has no 3D series to show the data");
  LoadSurfaceData(*series, data);
}

}  // namespace quil

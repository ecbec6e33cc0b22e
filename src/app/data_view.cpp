#include "app/data_view.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "app/form_file.h"
#include "core/exceptions.h"
#include "engine/axis_panel.h"
#include "engine/chart_tools.h"
#include "series/surface/custom3d_series.h"
#include "tools/rotate_tool.h"

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

constexpr const char* kRotateToolName = "RotateTool1";

int GridSide(const std::vector<double>& values) {
  std::vector<double> distinct(values);
  std::sort(distinct.begin(), distinct.end());
  return static_cast<int>(std::unique(distinct.begin(), distinct.end()) - distinct.begin());
}

bool DenseGrid(const TSurfaceData& data) {
  if (data.Form == TDataForm::Matrix) return data.Columns > kMaxOutlinedCells || data.Rows > kMaxOutlinedCells;
  return GridSide(data.X) > kMaxOutlinedCells || GridSide(data.Z) > kMaxOutlinedCells;
}

bool HasRotateTool(const TCustomAxisPanel& chart) {
  for (int i = 0; i < chart.Tools().Count(); ++i)
    if (dynamic_cast<const TRotateTool*>(&chart.Tools()[i])) return true;
  return false;
}

// Dragging with the middle button turns the view; the left (zoom) and right (pan) buttons and
// the wheel keep what they do. A window stored from a data view has its tool already.
void AddRotateTool(TForm& form, TCustomAxisPanel& chart) {
  if (HasRotateTool(chart) || form.FindComponent(kRotateToolName)) return;
  auto tool = std::make_unique<TRotateTool>();
  tool->SetName(kRotateToolName);
  tool->SetButton(TMouseButton::mbMiddle);
  auto& added = static_cast<TRotateTool&>(form.InsertComponent(std::move(tool)));
  added.SetParenrOvede(&chart);
}

}  // namespace

void SetUpDataView(TForm& form, const TSurfaceData& data) {
  TCustom3DSeries* series = DataSeries(form);
  if (!series) throw EQuilError("The window's chart has no 3D series to show the data");
  LoadSurfaceData(*series, data);
  if (DenseGrid(data)) series->Pen().SetVisible(false);
  if (TCustomAxisPanel* chart = series->ParenrOvede()) AddRotateTool(form, *chart);
}

}  // namespace quil

#include "engine/axis_panel.h"

#include <algorithm>

#include "core/class_registry.h"
#include "engine/color_palette.h"
#include "engine/custom_tool_axis.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"

namespace quil {

const TMetaClass& TCustomAxisPanel::StaticClass() {
  using C = TCustomAxisPanel;
  static const TMetaClass meta("TCustomAxisPanel", &TCustomQuilPanelExtended::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Bool("AxisBehind", &C::AxisBehind, &C::SetAxisBehind, true)
                                   .Bool("AxisVisible", &C::AxisVisible, &C::SetAxisVisible, true)
                                   .Int("Chart3DPercent", &C::Chart3DPercent, &C::SetChart3DPercent, 15)
                                   .Bool("ClipPoints", &C::ClipPoints, &C::SetClipPoints, true)
                                   .Bool("View3DWalls", &C::View3DWalls, &C::SetView3DWalls, true)
                                   .Event("OnAddSeries")
                                   .Event("OnBeforeDrawAxes")
                                   .Event("OnBeforeDrawChart")
                                   .Event("OnBeforeDrawSeries")
                                   .Event("OnRemoveSeries")
                                   .Build());
  return meta;
}

TCustomAxisPanel::TCustomAxisPanel(TComponent* owner) : TCustomQuilPanelExtended(owner), tools_(this) {
  const bool repaint = AutoRepaint();
  SetAutoRepaint(false);
  hover_ = std::make_unique<TQuilHover>(this);
  customAxes_ = std::make_unique<ROvedeCustomAxes>(*this);
  SetAutoRepaint(repaint);
}

void TCustomAxisPanel::GetChildren(const std::function<void(TComponent&)>& proc, TComponent& root) {
  for (int i = 0; i < seriesList_.Count(); ++i)
    if (seriesList_[i].Owner() == &root) proc(seriesList_[i]);
  for (int i = 0; i < tools_.Count(); ++i)
    if (tools_[i].Owner() == &root) proc(tools_[i]);
  TCustomQuilPanelExtended::GetChildren(proc, root);
}

TCustomAxisPanel::~TCustomAxisPanel() {
  SetAutoRepaint(false);
  DoNotBroadcast = true;
  tools_.Clear();
  customAxes_->Clear();
  DetachAll();
  // Elements this panel owns reach back into its lists while they go.
  DestroyComponents();
}

void TCustomAxisPanel::DetachAll() {
  for (ROvedeSeries* series : seriesList_.Items()) {
    static_cast<TCustomChartElement*>(series)->StoreParenrOvede(nullptr);
    for (int i = 0; i < axes_.Count(); ++i) series->ForgetCustomAxis(axes_[i]);
    series->RecalcGetAxis();
  }
  seriesList_.Clear();
  // An axis that outlives the chart forgets it; each leaves the list as it does.
  while (axes_.Count() > 0) {
    ROvedeAxis& axis = axes_[axes_.Count() - 1];
    axis.DetachChart();
    axes_.Remove(axis);
  }
}

void TCustomAxisPanel::Notification(TComponent* component, TOperation operation) {
  TCustomQuilPanelExtended::Notification(component, operation);
  if (operation != TOperation::opRemove || !component) return;
  // Told while the element's own destructor has finished: only its address is compared.
  for (ROvedeSeries* series : seriesList_.Items())
    if (static_cast<TComponent*>(series) == component) {
      seriesList_.Remove(series);
      break;
    }
  for (TQuilCustomTool* tool : tools_.Items())
    if (static_cast<TComponent*>(tool) == component) {
      tools_.Remove(*tool);
      break;
    }
}

void TCustomAxisPanel::SetChart3DPercent(int value) { SetIntegerProperty(chart3DPercent_, std::clamp(value, 1, 100)); }

ROvedeSeries& TCustomAxisPanel::AddSeries(ROvedeSeries& series) {
  series.SetParenrOvede(this);
  return series;
}

ROvedeSeries& TCustomAxisPanel::AddSeries(const TMetaClass& seriesClass) {
  if (!seriesClass.InheritsFrom(ROvedeSeries::StaticClass()) || !seriesClass.CanCreate())
    throw EConvertError(QuilFormat("Cannot create a series of class %s", seriesClass.ClassName()));
  TComponent& owner = Owner() ? *Owner() : *this;
  auto& series = static_cast<ROvedeSeries&>(owner.InsertComponent(seriesClass.CreateComponent(&owner)));
  return AddSeries(series);
}

void TCustomAxisPanel::InternalAddSeries(ROvedeSeries& series) {
  if (seriesList_.IndexOf(&series) >= 0) return;
  static_cast<TCustomChartElement&>(series).StoreParenrOvede(this);
  series.Added();
  seriesList_.Add(series);
  BroadcastSeriesEvent(series, seAdd);
  if (OnAddSeries) OnAddSeries(*this, series);
  Invalidate();
}

void TCustomAxisPanel::RemoveSeries(ROvedeSeries& series) {
  const int index = seriesList_.IndexOf(&series);
  if (index >= 0) RemoveSeries(index);
}

void TCustomAxisPanel::RemoveSeries(int index) {
  ROvedeSeries& series = Series(index);
  BroadcastSeriesEvent(series, seRemove);
  series.Removed();
  if (series.ParenrOvede() == this) static_cast<TCustomChartElement&>(series).StoreParenrOvede(nullptr);
  seriesList_.Remove(&series);
  if (OnRemoveSeries) OnRemoveSeries(*this, series);
  BroadcastSeriesEvent(series, seAfterRemove);
  Invalidate();
}

void TCustomAxisPanel::ExchangeSeries(int index1, int index2) {
  Series(index1);
  Series(index2);
  if (index1 == index2) return;
  seriesList_.Exchange(index1, index2);
  BroadcastSeriesEvent(Series(index1), seSwap);
  Invalidate();
}

void TCustomAxisPanel::ExchangeSeries(ROvedeSeries& a, ROvedeSeries& b) {
  TCustomAxisPanel* chartA = a.ParenrOvede();
  TCustomAxisPanel* chartB = b.ParenrOvede();
  if (chartA && chartA == chartB) {
    chartA->ExchangeSeries(chartA->seriesList_.IndexOf(&a), chartA->seriesList_.IndexOf(&b));
    return;
  }
  a.SetParenrOvede(chartB);
  b.SetParenrOvede(chartA);
}

void TCustomAxisPanel::FreeAllSeries(const TMetaClass* seriesClass) {
  const std::vector<ROvedeSeries*> all = seriesList_.Items();
  for (ROvedeSeries* series : all) {
    if (seriesClass && !series->InheritsFrom(*seriesClass)) continue;
    if (TComponent* owner = series->Owner())
      owner->DestroyComponent(*series);
    else
      series->SetParenrOvede(nullptr);
  }
}

int TCustomAxisPanel::CountActiveSeries() const {
  const auto& items = seriesList_.Items();
  return static_cast<int>(std::count_if(items.begin(), items.end(), [](const ROvedeSeries* s) { return s->Active(); }));
}

void TCustomAxisPanel::RemoveAxis(ROvedeAxis& axis) {
  for (TQuilCustomTool* tool : tools_.Items())
    if (auto* axisTool = dynamic_cast<TQuilCustomToolAxis*>(tool); axisTool && axisTool->Axis() == &axis)
      axisTool->ForgetAxis();
  axes_.Remove(axis);
  for (ROvedeSeries* series : seriesList_.Items()) series->ForgetCustomAxis(axis);
}

TCustomAxisPanel* TCustomAxisPanel::ChartOfAxis(const ROvedeAxis& axis) {
  TCustomAxisPanel* chart = axis.ParentChart();
  return chart && chart->axes_.IndexOf(&axis) >= 0 ? chart : nullptr;
}

void TCustomAxisPanel::SetColorPalette(std::vector<TColor> colors) {
  colorPalette_ = std::move(colors);
  ColorPaletteChanged();
}

TColor TCustomAxisPanel::GetDefaultColor(int index) const {
  return colorPalette_.empty() ? quil::GetDefaultColor(index) : PaletteColor(colorPalette_, index);
}

TColor TCustomAxisPanel::GetFreeSeriesColor(bool checkBackground, const ROvedeSeries* series) const {
  const std::size_t global = QuilColorPalette.empty() ? QuilDefaultPalette().size() : QuilColorPalette.size();
  const int count = static_cast<int>(colorPalette_.empty() ? global : colorPalette_.size());
  for (int i = 0; i < count; ++i) {
    const TColor color = GetDefaultColor(i);
    if (IsFreeSeriesColor(color, checkBackground, series)) return color;
  }
  return GetDefaultColor(SeriesCount());
}

bool TCustomAxisPanel::IsFreeSeriesColor(TColor color, bool, const ROvedeSeries* series) const {
  for (const ROvedeSeries* other : seriesList_.Items())
    if (other != series && other->SeriesColor() == color) return false;
  return true;
}

// Automatic colours are handed out afresh in list order, so they follow the new palette from
// its first entry.
void TCustomAxisPanel::ColorPaletteChanged() {
  for (ROvedeSeries* series : seriesList_.Items())
    if (series->Color() == clQuilColor) series->ChangeInternalColor(clQuilColor);
  for (ROvedeSeries* series : seriesList_.Items())
    if (series->Color() == clQuilColor) series->ChangeInternalColor(GetFreeSeriesColor(true, series));
  Invalidate();
}

}  // namespace quil

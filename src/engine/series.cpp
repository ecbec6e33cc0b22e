#include "engine/series.h"

#include <algorithm>

#include "core/filer.h"
#include "core/messages.h"
#include "engine/axis_panel.h"
#include "core/messages.h"

namespace quil {

const TMetaClass& ROvedeSeries::StaticClass() {
  using C = ROvedeSeries;
  static const TMetaClass meta(
      "ROvedeSeries", &TCustomChartSeries::StaticClass(),
      TPropertyListBuilder<C>()
          .Object("XValues", &C::XValues)
          .Object("YValues", &C::YValues)
          .Set("HoverElement", HoverElementInfo(), &C::HoverElement, &C::SetHoverElement)
          .Object("Legend", static_cast<TSeriesLegend& (C::*)()>(&C::Legend))
          .String("LegendTitle", &C::LegendTitle, &C::SetLegendTitle, std::string())
          .Object("Selected", static_cast<TQuilSelected& (C::*)()>(&C::Selected))
          .Build());
  return meta;
}

ROvedeSeries::ROvedeSeries(TComponent* owner)
    : TCustomChartSeries(owner),
      xValues_(&CreateValueList(*this, QuilMsg_ValuesX)),
      yValues_(&CreateValueList(*this, QuilMsg_ValuesY)),
      valueFormat_(QuilMsg_DefValueFormat),
      percentFormat_(QuilMsg_DefPercentFormat) {
  xValues_->SetOrder(loAscending);
}

ROvedeSeries::~ROvedeSeries() {
  ROvedeSeries::SetParenrOvede(nullptr);
  ++iUpdating_;  // nobody is told about the points leaving with the series
  ClearLists();
}

std::string ROvedeSeries::XLabel(int valueIndex) const {
  if (valueIndex < 0 || valueIndex >= static_cast<int>(labels_.size())) return {};
  return labels_[static_cast<std::size_t>(valueIndex)];
}

void ROvedeSeries::SetXLabel(int valueIndex, const std::string& label) {
  if (valueIndex < 0 || valueIndex >= Count()) return;
  if (labels_.empty()) {
    if (label.empty()) return;
    labels_.resize(static_cast<std::size_t>(Count()));
  }
  std::string& current = labels_[static_cast<std::size_t>(valueIndex)];
  if (current == label) return;
  current = label;
  Repaint();
}

void ROvedeSeries::SetSeriesColor(TColor value) {
  if (color_ == clQuilColor && value == iSeriesColor_) return;
  if (color_ == value) return;
  color_ = value;
  iSeriesColor_ = value;
  Repaint();
  BroadcastSeriesChange(seChangeColor);
}

void ROvedeSeries::SetDefaultColor() {
  if (color_ == clQuilColor) return;
  color_ = clQuilColor;
  if (TCustomAxisPanel* chart = ParenrOvede())
    chart->ColorPaletteChanged();
  else
    Repaint();
}

void ROvedeSeries::SetColorEachPoint(bool value) { SetBooleanProperty(colorEachPoint_, value); }

void ROvedeSeries::SetTransparency(int value) { SetIntegerProperty(transparency_, std::clamp(value, 0, 100)); }

void ROvedeSeries::SetTreatNulls(TTreatNullsStyle value) {
  if (treatNulls_ == value) return;
  treatNulls_ = value;
  Repaint();
}

void ROvedeSeries::SetHorizAxis(THorizAxis value) {
  if (horizAxis_ == value) return;
  horizAxis_ = value;
  if (value != aCustomHorizAxis && !HasState(csLoading)) customHorizAxis_ = nullptr;
  RecalcGetAxis();
  Repaint();
}

void ROvedeSeries::SetVertAxis(TVertAxis value) {
  if (vertAxis_ == value) return;
  vertAxis_ = value;
  if (value != aCustomVertAxis && !HasState(csLoading)) customVertAxis_ = nullptr;
  RecalcGetAxis();
  Repaint();
}

void ROvedeSeries::SetCustomHorizAxis(ROvedeAxis* axis) {
  if (customHorizAxis_ == axis) return;
  customHorizAxis_ = axis;
  if (axis) horizAxis_ = aCustomHorizAxis;
  RecalcGetAxis();
  Repaint();
}

void ROvedeSeries::SetCustomVertAxis(ROvedeAxis* axis) {
  if (customVertAxis_ == axis) return;
  customVertAxis_ = axis;
  if (axis) vertAxis_ = aCustomVertAxis;
  RecalcGetAxis();
  Repaint();
}

void ROvedeSeries::ChartChanged() {
  TCustomChartSeries::ChartChanged();
  if (marks_) marks_->SetParent(ParenrOvede());
  if (selected_) selected_->SetParent(ParenrOvede());
}

TSeriesMarks& ROvedeSeries::Marks() {
  if (!marks_) marks_ = std::make_unique<TSeriesMarks>(ParenrOvede());
  return *marks_;
}

TQuilSelected& ROvedeSeries::Selected() {
  if (!selected_) selected_ = std::make_unique<TQuilSelected>(ParenrOvede());
  return *selected_;
}

void ROvedeSeries::SetActive(bool value) {
  if (Active() == value) return;
  TCustomChartSeries::SetActive(value);
  BroadcastSeriesChange(seChangeActive);
}

void ROvedeSeries::BroadcastSeriesChange(ROvedeSeriesEvent event) {
  if (TCustomAxisPanel* chart = ParenrOvede()) chart->BroadcastSeriesEvent(*this, event);
}

void ROvedeSeries::AssignFormatting(const ROvedeSeries& source) {
  if (&source == this) return;
  colorEachPoint_ = source.colorEachPoint_;
  color_ = source.color_;
  iSeriesColor_ = source.iSeriesColor_;
  if (source.marks_) Marks().Assign(*source.marks_);
  if (source.selected_) Selected().Assign(*source.selected_);
  hoverElement_ = source.hoverElement_;
  transparency_ = source.transparency_;
  valueFormat_ = source.valueFormat_;
  percentFormat_ = source.percentFormat_;
  treatNulls_ = source.treatNulls_;
  cursor_ = source.cursor_;
  depth_ = source.depth_;
  zOrder_ = source.zOrder_;
  Repaint();
}

void ROvedeSeries::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const ROvedeSeries*>(&source);
  TCustomChartSeries::Assign(source);
  if (!other || other == this) return;
  AssignFormatting(*other);
  for (int i = 0; i < std::min(valuesList_.Count(), other->valuesList_.Count()); ++i)
    valuesList_[i].Assign(other->valuesList_[i]);
  horizAxis_ = other->horizAxis_;
  vertAxis_ = other->vertAxis_;
  customHorizAxis_ = other->customHorizAxis_;
  customVertAxis_ = other->customVertAxis_;
  defaultNull_ = other->defaultNull_;
  recalcOptions_ = other->recalcOptions_;
  colorSource_ = other->colorSource_;
  xLabelsSource_ = other->xLabelsSource_;
  AddValues(*other);
  manualData_ = other->manualData_;
  RecalcGetAxis();
}

void ROvedeSeries::DefineProperties(TFiler& filer) {
  TCustomChartSeries::DefineProperties(filer);
  DefineCustomAxes(filer);
  filer.DefineBinaryProperty(
      "Data", [this](TMemoryStream& stream) { ReadData(stream); },
      [this](TMemoryStream& stream) { WriteData(stream); }, Count() > 0);
}

}  // namespace quil

#include "engine/custom_chart_series.h"

#include "core/filer.h"
#include "core/reader.h"
#include "engine/axis_panel.h"

namespace quil {

const TMetaClass& TCustomChartSeries::StaticClass() {
  static const TMetaClass meta("TCustomChartSeries", &TCustomChartElement::StaticClass());
  return meta;
}

TCustomChartSeries::TCustomChartSeries(TComponent* owner) : TCustomChartElement(owner) {}

TCustomChartSeries::~TCustomChartSeries() = default;

void TCustomChartSeries::SetTitle(const std::string& value) {
  if (title_ == value) return;
  title_ = value;
  Repaint();
  BroadcastSeriesChange(seChangeTitle);
}

TSeriesLegend& TCustomChartSeries::Legend() {
  if (!legend_) legend_ = std::make_unique<TSeriesLegend>(ParenrOvede());
  return *legend_;
}

void TCustomChartSeries::ChartChanged() {
  if (legend_) legend_->SetParent(ParenrOvede());
}

void TCustomChartSeries::SetShowInLegend(bool value) {
  if (ShowInLegend() != value) Legend().SetVisible(value);
}

const std::string& TCustomChartSeries::LegendTitle() const {
  static const std::string none;
  return legend_ ? legend_->Text() : none;
}

void TCustomChartSeries::SetLegendTitle(const std::string& value) {
  if (LegendTitle() != value) Legend().SetText(value);
}

void TCustomChartSeries::CalcHorizMargins(int& leftMargin, int& rightMargin) {
  leftMargin = 0;
  rightMargin = 0;
}

void TCustomChartSeries::CalcVerticalMargins(int& topMargin, int& bottomMargin) {
  topMargin = 0;
  bottomMargin = 0;
}

void TCustomChartSeries::Assign(const TPersistent& source) {
  TCustomChartElement::Assign(source);
  const auto* other = dynamic_cast<const TCustomChartSeries*>(&source);
  if (!other || other == this) return;
  identifier_ = other->identifier_;
  style_ = other->style_;
  SetTitle(other->title_);
  if (other->legend_) Legend().Assign(*other->legend_);
}

void TCustomChartSeries::DefineProperties(TFiler& filer) {
  TCustomChartElement::DefineProperties(filer);
  filer.DefineProperty(
      "Identifier", [this](TReader& reader) { identifier_ = reader.ReadString(); },
      [this](TWriter& writer) { writer.WriteString(identifier_); }, !identifier_.empty());
  filer.DefineProperty(
      "Style", [this](TReader& reader) { style_ = static_cast<TSeriesStyle>(reader.ReadInteger()); },
      [this](TWriter& writer) { writer.WriteInteger(style_); }, style_ != 0);
}

}  // namespace quil

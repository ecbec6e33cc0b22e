#include "engine/rovede_axis_sources.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/axis_panel.h"
#include "engine/format_float.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"
#include "engine/value_list.h"

namespace quil {

std::vector<const ROvedeSeries*> TAxisChartSeriesSource::Associated() const {
  std::vector<const ROvedeSeries*> result;
  const TCustomAxisPanel* chart = axis_.ParentChart();
  if (!chart) return result;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    const ROvedeSeries& series = chart->Series(i);
    if (series.Active() && series.AssociatedToAxis(axis_)) result.push_back(&series);
  }
  return result;
}

double TAxisChartSeriesSource::Extreme(bool maximum) const {
  bool any = false;
  double result = 0;
  for (const ROvedeSeries* series : Associated()) {
    double value = 0;
    if (axis_.IsDepthAxis())
      value = maximum ? series->MaxZValue() : series->MinZValue();
    else if (axis_.Horizontal())
      value = maximum ? series->MaxXValue() : series->MinXValue();
    else
      value = maximum ? series->MaxYValue() : series->MinYValue();
    if (!std::isfinite(value)) continue;
    result = !any ? value : (maximum ? std::max(result, value) : std::min(result, value));
    any = true;
  }
  return result;
}

std::vector<TAxisSeriesInfo> TAxisChartSeriesSource::ActiveSeries() const {
  std::vector<TAxisSeriesInfo> result;
  for (const ROvedeSeries* series : Associated()) result.push_back(InfoOf(*series));
  return result;
}

TAxisSeriesInfo TAxisChartSeriesSource::InfoOf(const ROvedeSeries& series) const {
  TAxisSeriesInfo info;
  const bool horizontal = axis_.Horizontal() && !axis_.IsDepthAxis();
  const bool mandatoryAxis = !axis_.IsDepthAxis() && horizontal != series.YMandatory();
  info.LabelStyle = series.AxisLabelStyle(axis_);
  if (!axis_.IsDepthAxis()) info.DateTime = (horizontal ? series.XValues() : series.YValues()).DateTime();
  info.PositionsOnAxis = !axis_.IsDepthAxis() && !mandatoryAxis;
  info.PointCount = series.Count();
  info.HasDepthValues = series.HasZValues() || series.MinZValue() != series.MaxZValue();
  return info;
}

std::string TAxisChartSeriesSource::SeriesTitle(int seriesIndex) const {
  const TCustomAxisPanel* chart = axis_.ParentChart();
  return chart ? chart->SeriesTitleLegend(seriesIndex) : std::string();
}

namespace {

// The mark a point shows by default: its label, or its value when it has none.
std::string MarkText(ROvedeSeries& series, int index) {
  std::string text = series.XLabel(index);
  if (text.empty()) text = FormatFloat(series.ValueFormat(), series.GetMarkValue(index));
  if (series.OnGetMarkText) series.OnGetMarkText(series, index, text);
  return text;
}

}  // namespace

const std::vector<TAxisPointLabel>& TAxisChartSeriesSource::PointLabels(TAxisLabelStyle style) const {
  if (!(drawing_ && labelsKept_ && keptStyle_ == style)) {
    labels_ = CollectPointLabels(style);
    labelsKept_ = drawing_;
    keptStyle_ = style;
  }
  return labels_;
}

void TAxisChartSeriesSource::BeginDrawing() {
  drawing_ = true;
  labelsKept_ = false;
}

void TAxisChartSeriesSource::EndDrawing() {
  drawing_ = false;
  labelsKept_ = false;
  labels_ = {};
}

std::vector<TAxisPointLabel> TAxisChartSeriesSource::CollectPointLabels(TAxisLabelStyle style) const {
  std::vector<TAxisPointLabel> labels;
  const TCustomAxisPanel* chart = axis_.ParentChart();
  ROvedeSeries* series = chart ? chart->GetAxisSeries(axis_) : nullptr;
  const ROvedeValueList* values = series ? series->ValueListOfAxis(axis_) : nullptr;
  if (!values) return labels;
  labels.reserve(static_cast<std::size_t>(series->Count()));
  for (int i = 0; i < series->Count(); ++i) {
    if (series->IsNull(i)) continue;
    std::string text;
    if (style == talText)
      text = series->XLabel(i);
    else if (style == talMark)
      text = MarkText(*series, i);
    labels.push_back({values->Value(i), std::move(text)});
  }
  return labels;
}

int TAxisCanvasMeasurer::TextWidth(std::string_view line) const {
  TCustomAxisPanel* chart = axis_.ParentChart();
  if (!chart) return 0;
  chart->PrepareFont3D(axis_.LabelsFormat().Font());
  return chart->Canvas().TextWidth(std::string(line));
}

int TAxisCanvasMeasurer::TextHeight() const {
  TCustomAxisPanel* chart = axis_.ParentChart();
  if (!chart) return 0;
  chart->PrepareFont3D(axis_.LabelsFormat().Font());
  return chart->Canvas().TextHeight("W");
}

}  // namespace quil

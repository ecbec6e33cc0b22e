#include "engine/rovede_axis_sources.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/axis_panel.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"
#include "engine/value_list.h"

namespace quil {

namespace {

bool OnHorizontalAxis(const ROvedeAxis& axis, const ROvedeSeries& series) {
  switch (series.HorizAxis()) {
    case aBottomAxis: return axis.IsStandard() && axis.Identifier() == "Bottom";
    case aTopAxis: return axis.IsStandard() && axis.Identifier() == "Top";
    case aBothHorizAxis: return axis.IsStandard();
    case aCustomHorizAxis: return series.CustomHorizAxis() == &axis;
  }
  return false;
}

bool OnVerticalAxis(const ROvedeAxis& axis, const ROvedeSeries& series) {
  switch (series.VertAxis()) {
    case aLeftAxis: return axis.IsStandard() && axis.Identifier() == "Left";
    case aRightAxis: return axis.IsStandard() && axis.Identifier() == "Right";
    case aBothVertAxis: return axis.IsStandard();
    case aCustomVertAxis: return series.CustomVertAxis() == &axis;
  }
  return false;
}

}  // namespace

bool TAxisChartSeriesSource::IsAssociated(const ROvedeAxis& axis, const ROvedeSeries& series) {
  if (!series.UseAxis()) return false;
  if (axis.IsDepthAxis()) return true;
  return axis.Horizontal() ? OnHorizontalAxis(axis, series) : OnVerticalAxis(axis, series);
}

const ROvedeSeries* TAxisChartSeriesSource::ActiveAt(int index) const {
  const TCustomAxisPanel* chart = axis_.ParentChart();
  if (!chart) return nullptr;
  int found = 0;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    const ROvedeSeries& series = chart->Series(i);
    if (!series.Active() || !IsAssociated(axis_, series)) continue;
    if (found++ == index) return &series;
  }
  return nullptr;
}

int TAxisChartSeriesSource::ActiveSeriesCount() const {
  int count = 0;
  while (ActiveAt(count)) ++count;
  return count;
}

double TAxisChartSeriesSource::Extreme(bool maximum) const {
  bool any = false;
  double result = 0;
  for (int i = 0; const ROvedeSeries* series = ActiveAt(i); ++i) {
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

TAxisSeriesInfo TAxisChartSeriesSource::ActiveSeries(int index) const {
  TAxisSeriesInfo info;
  const ROvedeSeries* series = ActiveAt(index);
  if (!series) return info;
  const bool horizontal = axis_.Horizontal() && !axis_.IsDepthAxis();
  const bool mandatoryAxis = !axis_.IsDepthAxis() && horizontal != series->YMandatory();
  info.LabelStyle = series->AxisLabelStyleFor(mandatoryAxis);
  if (!axis_.IsDepthAxis()) info.DateTime = (horizontal ? series->XValues() : series->YValues()).DateTime();
  info.PositionsOnAxis = !axis_.IsDepthAxis() && !mandatoryAxis;
  info.PointCount = series->Count();
  info.HasDepthValues = series->HasZValues() || series->MinZValue() != series->MaxZValue();
  return info;
}

std::string TAxisChartSeriesSource::SeriesTitle(int seriesIndex) const {
  const TCustomAxisPanel* chart = axis_.ParentChart();
  return chart ? chart->SeriesTitleLegend(seriesIndex) : std::string();
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

#include "chart/chart_legend.h"
#include "chart/custom_chart.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"

namespace quil {

namespace {

// The series part under p, when the series shows a mark or a point there.
bool SeriesPartAt(ROvedeSeries& series, TPoint p, ROvedeClickedPart& part) {
  if (const TSeriesMarks* marks = series.MarksOrNull(); marks && marks->Visible()) {
    if (const int mark = marks->Clicked(p); mark != -1) {
      part = {cpSeriesMarks, mark, &series, nullptr};
      return true;
    }
  }
  const int index = series.Clicked(p);
  if (index == -1) return false;
  part = {cpSeries, index, &series, nullptr};
  for (int i = 0; i < series.Count(); ++i)
    if (series.ClickedPointer(i, series.CalcXPos(i), series.CalcYPos(i), p)) {
      part = {cpSeriesPointer, i, &series, nullptr};
      break;
    }
  return true;
}

}  // namespace

ROvedeTitle* TCustomChart::TitleOfPart(ROvedeClickedPartStyle part) const {
  switch (part) {
    case cpTitle: return titles_[0].get();
    case cpSubTitle: return titles_[1].get();
    case cpFoot: return titles_[2].get();
    case cpSubFoot: return titles_[3].get();
    default: return nullptr;
  }
}

// The legend item under p, when the legend is shown and placed as asked (at a position of its
// own, or on its side of the chart).
bool TCustomChart::LegendPartAt(TPoint p, bool customPosition, ROvedeClickedPart& part) const {
  const ROvedeLegend& legend = Legend();
  if (!legend.Visible() || legend.CustomPosition() != customPosition) return false;
  const int item = legend.Clicked(p);
  if (item == -1) return false;
  part = {cpLegend, item, nullptr, nullptr};
  return true;
}

// The first match wins: a legend placed over the chart, series from the last (drawn on top) to
// the first, the axes and their titles, a legend on its side, the titles, and the plotting area.
ROvedeClickedPart TCustomChart::CalcNeedClickedPart(TPoint p, bool needed) {
  ROvedeClickedPart part;
  if (LegendPartAt(p, true, part)) return part;
  const std::vector<ROvedeSeries*> series = SeriesList().Items();
  for (auto it = series.rbegin(); it != series.rend(); ++it) {
    ROvedeSeries& s = **it;
    if (!s.Active() || (needed && !s.RaiseClicked() && !OnClickSeries)) continue;
    if (SeriesPartAt(s, p, part)) return part;
  }
  for (int i = 0; i < Axes().Count(); ++i) {
    ROvedeAxis& axis = Axes()[i];
    if (axis.Clicked(p)) return {cpAxis, -1, nullptr, &axis};
    if (axis.Title().Clicked(p)) return {cpAxisTitle, -1, nullptr, &axis};
  }
  if (LegendPartAt(p, false, part)) return part;
  for (ROvedeClickedPartStyle title : {cpTitle, cpSubTitle, cpFoot, cpSubFoot}) {
    const ROvedeTitle* shape = TitleOfPart(title);
    if (shape && shape->Clicked(p)) return {title, -1, nullptr, nullptr};
  }
  if (ChartRect.ContainsWithEdges(p) && CountActiveSeries() > 0) part.Part = cpChartRect;
  return part;
}

bool TCustomChart::ActiveSeriesCanZoomScroll() const {
  bool anyActive = false;
  for (const ROvedeSeries* series : SeriesList().Items()) {
    if (!series->Active()) continue;
    if (series->CanZoomScroll()) return true;
    anyActive = true;
  }
  return !anyActive;
}

}  // namespace quil

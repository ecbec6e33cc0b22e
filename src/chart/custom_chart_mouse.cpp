#include <cstdint>
#include <cstdlib>

#include "chart/chart_legend.h"
#include "chart/custom_chart.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"

namespace quil {

namespace {

bool AllHeld(TShiftState shift, TShiftState needed) { return (shift & needed) == needed; }

}  // namespace

// A click event claims the press by leaving CancelMouse as it found it (set); a handler that
// clears it lets the press go on to zoom or pan.
void TCustomChart::ChartMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const ROvedeClickedPart part = CalcNeedClickedPart({x, y}, true);
  bool handled = false;
  bool backgroundTold = false;
  const auto clickBackground = [&] {
    backgroundTold = true;
    if (!OnClickBackground) return;
    SetCancelMouse(true);
    OnClickBackground(*this, button, shift, x, y);
    handled = CancelMouse();
  };
  const auto startDrag = [&] {
    if (!handled) handled = StartZoomOrPan(button, shift, x, y);
  };
  switch (part.Part) {
    case cpLegend:
      handled = Legend().DoMouseDown(x, y, part.PointIndex);
      if (OnClickLegend) {
        SetCancelMouse(true);
        OnClickLegend(*this, button, shift, x, y);
        handled = CancelMouse();
      }
      break;
    case cpAxis:
      if (OnClickAxis) {
        SetCancelMouse(true);
        OnClickAxis(*this, *part.AAxis, button, shift, x, y);
        handled = CancelMouse();
      }
      startDrag();
      break;
    case cpSeries:
    case cpSeriesPointer:
      handled = ClickSeries(part, button, shift, x, y);
      startDrag();
      break;
    case cpTitle:
    case cpSubTitle:
    case cpFoot:
    case cpSubFoot:
      handled = ClickTitle(part.Part, button, shift, x, y);
      startDrag();
      break;
    case cpChartRect:
      clickBackground();
      startDrag();
      break;
    case cpNone:
    case cpSeriesMarks:
    case cpAxisTitle:
      break;
  }
  // The background hears of a press once, even when its handler let the press go on and
  // nothing started.
  if (!handled && !backgroundTold) clickBackground();
}

bool TCustomChart::ClickSeries(const ROvedeClickedPart& part, TMouseButton button, TShiftState shift, int x,
                               int y) {
  ROvedeSeries* series = part.ASeries;
  SetCancelMouse(false);
  series->MouseDown(part.PointIndex, part.Part == cpSeriesPointer, button, shift, x, y);
  bool handled = CancelMouse();
  // The series' own handler may have taken it out of the chart.
  if (OnClickSeries && SeriesList().IndexOf(series) >= 0) {
    SetCancelMouse(true);
    OnClickSeries(*this, *series, part.PointIndex, button, shift, x, y);
    handled = CancelMouse();
  }
  return handled;
}

bool TCustomChart::ClickTitle(ROvedeClickedPartStyle part, TMouseButton button, TShiftState shift, int x, int y) {
  ROvedeTitle* title = TitleOfPart(part);
  if (!OnClickTitle || !title) return false;
  SetCancelMouse(true);
  OnClickTitle(*this, *title, button, shift, x, y);
  return CancelMouse();
}

bool TCustomChart::StartZoomOrPan(TMouseButton button, TShiftState shift, int x, int y) {
  if (!ActiveSeriesCanZoomScroll()) return false;
  bool started = false;
  TQuilZoom& zoom = Zoom();
  if (zoom.Allow() && button == zoom.MouseButton() && AllHeld(shift, zoom.KeyShift())) {
    // A zoom in one direction spans the whole chart rectangle in the other.
    zoom.Activate(zoom.Direction() == tzdVertical ? ChartRect.Left : x,
                  zoom.Direction() == tzdHorizontal ? ChartRect.Top : y);
    if (zoom.Direction() == tzdVertical) zoom.X1 = ChartRect.Right;
    if (zoom.Direction() == tzdHorizontal) zoom.Y1 = ChartRect.Bottom;
    if (zoom.X0 != zoom.X1 || zoom.Y0 != zoom.Y1) TryDrawZoom();
    started = true;
  }
  if (AllowPanning() != pmNone && button == ScrollMouseButton() && AllHeld(shift, QuilScrollKeyShift)) {
    Panning().Activate(x, y);
    if (!Panning().InsideBounds() && Parent()) MouseCapture(true);
    started = true;
  }
  if (started) SetCursor(OriginalCursor());
  return started;
}

void TCustomChart::ChartMouseMove(TShiftState, int x, int y) {
  if (Zoom().Active()) {
    DragZoom(x, y);
  } else if (Panning().Active()) {
    DragPan(x, y);
  } else {
    TrackLegendAndSeries(x, y);
  }
}

// With no drag going on: the legend's cursor over its items, else the series' or the chart's
// own; and the item the mouse is over, or the one of a hovered series, is the legend's hovered
// item.
void TCustomChart::TrackLegendAndSeries(int x, int y) {
  ROvedeLegend& legend = Legend();
  const int cursor = legend.CalcCursor();
  int item = legend.Clicked(x, y);
  if (cursor != crDefault && item != -1)
    SetCursor(cursor);
  else if (item == -1 && !CheckMouseSeries(x, y))
    SetCursor(OriginalCursor());
  if (!Hover().Visible()) return;
  if (legend.CalcLegendStyle() == lsValues) {
    ROvedeSeries* series = legend.GetLegendSeries();
    if (!series)
      item = -1;
    else if (item == -1)
      item = series->ValueIndexToLegend(series->Selected().HoverIndex());
    else
      series->Selected().SetHoverIndex(series->LegendToValueIndex(item));
  } else if (item == -1) {
    item = HoveredSeriesLegendPosition();
  }
  legend.Selected().SetHoverIndex(item);
}

// The legend position of the last active series that has a hovered point, or -1 (also when that
// series is not listed in the legend).
int TCustomChart::HoveredSeriesLegendPosition() const {
  const std::vector<ROvedeSeries*> series = SeriesList().Items();
  for (int i = static_cast<int>(series.size()) - 1; i >= 0; --i) {
    const ROvedeSeries& s = *series[static_cast<std::size_t>(i)];
    if (!s.Active() || !s.SelectedOrNull() || s.SelectedOrNull()->HoverIndex() == -1) continue;
    if (!s.ShowInLegend()) return -1;
    int hidden = 0;
    for (int j = 0; j <= i; ++j)
      if (!series[static_cast<std::size_t>(j)]->ShowInLegend()) ++hidden;
    return i - hidden;
  }
  return -1;
}

void TCustomChart::DragZoom(int x, int y) {
  TQuilZoom& zoom = Zoom();
  if (zoom.Direction() == tzdVertical) x = ChartRect.Right;
  if (zoom.Direction() == tzdHorizontal) y = ChartRect.Bottom;
  if (x == zoom.X1 && y == zoom.Y1) return;
  TryDrawZoom();
  if (zoom.KeepAspectRatio()) {
    zoom.CorrectAspectRatio(ChartRect, x, y);
  } else {
    zoom.X1 = x;
    zoom.Y1 = y;
  }
  if (!zoom.FullRepaint()) DrawZoomRectangle();
}

void TCustomChart::DragPan(int x, int y) {
  TQuilPanning& panning = Panning();
  if (panning.InsideBounds() && !ChartRect.ContainsWithEdges({x, y})) {
    panning.SetActive(false);
    return;
  }
  if (x == panning.X1 && y == panning.Y1) return;
  SaveScalesOnce();
  const bool horizontalMoved = PanAxes(true, panning.X1, x);
  const bool verticalMoved = PanAxes(false, panning.Y1, y);
  panning.X1 = x;
  panning.Y1 = y;
  if (!horizontalMoved && !verticalMoved) return;
  if (OnScroll) OnScroll(*this);
  Invalidate();
}

void TCustomChart::ChartMouseUp(TMouseButton button, TShiftState, int x, int y) {
  if (Zoom().Active() && button == Zoom().MouseButton()) EndZoom(x, y);
  Panning().SetActive(false);
  if (!Panning().InsideBounds() && Parent()) MouseCapture(false);
}

// A drag towards the lower right zooms into the rectangle; towards the upper left (upwards for a
// vertical zoom) it undoes the zoom. Drags not longer than MinimumPixels do nothing.
void TCustomChart::EndZoom(int x, int y) {
  TQuilZoom& zoom = Zoom();
  zoom.SetActive(false);
  TryDrawZoom();
  Canvas().Pen().SetMode(pmCopy);
  if (!zoom.KeepAspectRatio()) {
    if (zoom.Direction() != tzdVertical) zoom.X1 = x;
    if (zoom.Direction() != tzdHorizontal) zoom.Y1 = y;
  }
  const int64_t width = std::llabs(static_cast<int64_t>(zoom.X1) - zoom.X0);
  const int64_t height = std::llabs(static_cast<int64_t>(zoom.Y1) - zoom.Y0);
  if ((zoom.Direction() != tzdVertical && width <= zoom.MinimumPixels()) ||
      (zoom.Direction() != tzdHorizontal && height <= zoom.MinimumPixels()))
    return;
  const bool forward = zoom.Direction() == tzdVertical ? zoom.Y1 > zoom.Y0 : zoom.X1 > zoom.X0;
  if (zoom.UpLeftZooms() || forward)
    CalcZoomPoints();
  else
    UndoZoom();
  Invalidate();
}

void TCustomChart::DrawZoomRectangleInFrame() {
  if (Zoom().Active()) PaintZoomRectangle();
}

}  // namespace quil

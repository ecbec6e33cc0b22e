#include <algorithm>

#include "engine/axis_panel.h"
#include "engine/series.h"

namespace quil {

namespace {

// A tool may leave the chart while it is told: walk a copy and skip those that left.
template <class Visit>
void ForEachActiveTool(const ROvedeTools& tools, Visit visit) {
  const std::vector<TQuilCustomTool*> snapshot = tools.Items();
  for (TQuilCustomTool* tool : snapshot) {
    if (tools.IndexOf(*tool) < 0 || !tool->Active()) continue;
    if (!visit(*tool)) return;
  }
}

}  // namespace

void TCustomAxisPanel::BroadcastToolEvent(ROvedeToolEvent event) {
  ForEachActiveTool(tools_, [&](TQuilCustomTool& tool) {
    tool.ChartEvent(event);
    return true;
  });
}

void TCustomAxisPanel::BroadcastToolSeriesEvent(ROvedeToolEvent event, ROvedeSeries& series) {
  ForEachActiveTool(tools_, [&](TQuilCustomTool& tool) {
    tool.SeriesEvent(event, series);
    return true;
  });
}

void TCustomAxisPanel::BroadcastToolMouseEvent(ROvedeMouseEvent event, TMouseButton button, TShiftState shift, int x,
                                               int y) {
  ForEachActiveTool(tools_, [&](TQuilCustomTool& tool) {
    tool.ChartMouseEvent(event, button, shift, x, y);
    return !CancelMouse();
  });
}

void TCustomAxisPanel::BroadcastWheelEvent(TWheelMouseEvent event, int delta, int x, int y) {
  ForEachActiveTool(tools_, [&](TQuilCustomTool& tool) {
    tool.WheelMouseEvent(event, delta, x, y);
    return !CancelMouse();
  });
}

void TCustomAxisPanel::BroadcastKeyEvent(ROvedeKeyEvent event, int& key, TShiftState shift) {
  ForEachActiveTool(tools_, [&](TQuilCustomTool& tool) {
    tool.ChartKeyEvent(event, key, shift);
    return true;
  });
}

void TCustomAxisPanel::BroadcastDragDropEvent(ROvedeDragDropEvent event, TComponent* source, int x, int y,
                                              bool& accept) {
  ForEachActiveTool(tools_, [&](TQuilCustomTool& tool) {
    tool.ChartDragDropEvent(event, source, x, y, accept);
    return true;
  });
}

void TCustomAxisPanel::BroadcastSeriesEvent(ROvedeSeries& series, ROvedeSeriesEvent event) {
  if (DoNotBroadcast || Listeners().empty()) return;
  TQuilSeriesEvent message;
  message.Event = event;
  message.Series = &series;
  Broadcast(message, false);
}

void TCustomAxisPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomQuilPanelExtended::MouseDown(button, shift, x, y);
  if (CancelMouse() || Zoom().Active() || Panning().Active()) return;
  SetCancelMouse(false);
  BroadcastToolMouseEvent(cmeDown, button, shift, x, y);
  if (!CancelMouse()) ChartMouseDown(button, shift, x, y);
  SetCancelMouse(false);
}

void TCustomAxisPanel::MouseMove(TShiftState shift, int x, int y) {
  TCustomQuilPanelExtended::MouseMove(shift, x, y);
  if (!HasState(csDesigning)) BroadcastToolMouseEvent(cmeMove, TMouseButton::mbLeft, shift, x, y);
  if (CancelMouse()) return;
  ChartMouseMove(shift, x, y);
}

void TCustomAxisPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomQuilPanelExtended::MouseUp(button, shift, x, y);
  ChartMouseUp(button, shift, x, y);
  BroadcastToolMouseEvent(cmeUp, button, shift, x, y);
}

void TCustomAxisPanel::MouseLeave() {
  TCustomQuilPanelExtended::MouseLeave();
  for (ROvedeSeries* series : seriesList_.Items())
    if (series->SelectedOrNull()) series->Selected().SetHoverIndex(-1);
  BroadcastToolEvent(cteMouseLeave);
}

bool TCustomAxisPanel::CheckMouseSeries(int x, int y) {
  const std::vector<ROvedeSeries*> all = seriesList_.Items();
  bool taken = false;
  for (auto it = all.rbegin(); it != all.rend(); ++it)
    if ((*it)->Active() && (*it)->CheckMouse(x, y)) taken = true;
  return taken;
}

}  // namespace quil

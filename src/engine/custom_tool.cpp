#include "engine/custom_tool.h"

#include "engine/axis_panel.h"

namespace quil {

const TMetaClass& TQuilCustomTool::StaticClass() {
  static const TMetaClass meta("TQuilCustomTool", &TCustomChartElement::StaticClass());
  return meta;
}

TQuilCustomTool::TQuilCustomTool(TComponent* owner) : TCustomChartElement(owner) {}

TQuilCustomTool::~TQuilCustomTool() { TQuilCustomTool::SetParenrOvede(nullptr); }

void TQuilCustomTool::ChartEvent(ROvedeToolEvent) {}

void TQuilCustomTool::ChartMouseEvent(ROvedeMouseEvent, TMouseButton, TShiftState, int, int) {}

void TQuilCustomTool::ChartDragDropEvent(ROvedeDragDropEvent, TComponent*, int, int, bool&) {}

void TQuilCustomTool::ChartKeyEvent(ROvedeKeyEvent, int&, TShiftState) {}

void TQuilCustomTool::SeriesEvent(ROvedeToolEvent, ROvedeSeries&) {}

void TQuilCustomTool::WheelMouseEvent(TWheelMouseEvent, int, int, int) {}

void TQuilCustomTool::SetParenrOvede(TCustomAxisPanel* chart) {
  TCustomAxisPanel* old = ParenrOvede();
  if (old == chart) return;
  if (old) {
    old->Tools().Remove(*this);
    if (!chart) old->Invalidate();
  }
  TCustomChartElement::SetParenrOvede(chart);
  if (chart) chart->Tools().InternalAdd(*this);
}

}  // namespace quil

#pragma once

#include <string>

#include "core/control.h"
#include "engine/chart_element.h"
#include "engine/tool_events.h"

namespace quil {

class ROvedeSeries;

// A chart element that draws nothing by itself but is told about every stage of a frame and
// about mouse, keyboard, wheel and drag-and-drop input, in the order tools joined the chart.
// Every event operation does nothing here; tool kinds override the ones they need.
class TQuilCustomTool : public TCustomChartElement {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilCustomTool(TComponent* owner = nullptr);
  ~TQuilCustomTool() override;

  virtual void ChartEvent(ROvedeToolEvent event);
  // A tool claims the event by setting the chart's CancelMouse; later tools do not see it then.
  virtual void ChartMouseEvent(ROvedeMouseEvent event, TMouseButton button, TShiftState shift, int x, int y);
  virtual void ChartDragDropEvent(ROvedeDragDropEvent event, TComponent* source, int x, int y, bool& accept);
  virtual void ChartKeyEvent(ROvedeKeyEvent event, int& key, TShiftState shift);
  // Told just before (cteBeforeDrawSeries) and after (cteAfterDrawSeries) a series draws its points.
  virtual void SeriesEvent(ROvedeToolEvent event, ROvedeSeries& series);
  virtual void WheelMouseEvent(TWheelMouseEvent event, int delta, int x, int y);

  // What editors show of the kind; empty here.
  virtual std::string Description() const { return {}; }
  virtual std::string LongDescription() const { return {}; }

  // Leaves the old chart's Tools and joins the new one's; nothing when unchanged.
  void SetParenrOvede(TCustomAxisPanel* chart) override;
};

}  // namespace quil

#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/axis_panel.h"
#include "engine/custom_tool_series.h"
#include "engine/series.h"

namespace quil::testing {

// An axis panel with the chart's hooks recorded into one shared log, so a test sees the
// whole frame in order.
class TTestAxisPanel : public TCustomAxisPanel {
 public:
  using TCustomAxisPanel::TCustomAxisPanel;

  std::vector<std::string>* Log = nullptr;
  bool InvertDepthAxis = false;

  using TCustomAxisPanel::SetSeriesWidth3D;

 protected:
  void CalcWallsRect() override { Note("CalcWallsRect"); }
  int CalcWallSize(const ROvedeAxis&) const override { return 0; }
  void DrawWalls() override { Note("DrawWalls"); }
  void DrawTitlesAndLegend(bool beforeSeries) override {
    Note(beforeSeries ? "TitlesBefore" : "TitlesAfter");
  }
  void DrawAxes() override { Note("DrawAxes"); }
  bool DepthAxisInverted() const override { return InvertDepthAxis; }

 private:
  void Note(const std::string& what) const {
    if (Log) Log->push_back(what);
  }
};

inline std::string ToolEventName(ROvedeToolEvent event) {
  static const char* const names[] = {"cteAfterDraw",      "cteBeforeDrawSeries", "cteBeforeDraw",
                                      "cteBeforeDrawAxes", "cteAfterDrawSeries",  "cteMouseLeave"};
  return names[event];
}

// A series tool that writes every event it is told into the shared log, prefixed with its tag.
class TLoggingTool : public TQuilCustomToolSeries {
 public:
  using TQuilCustomToolSeries::TQuilCustomToolSeries;

  std::vector<std::string>* Log = nullptr;
  std::string Tag = "tool";
  // Claims presses of this kind by setting the chart's CancelMouse.
  int CancelOn = -1;

  void ChartEvent(ROvedeToolEvent event) override { Note(ToolEventName(event)); }
  void ChartMouseEvent(ROvedeMouseEvent event, TMouseButton, TShiftState, int x, int y) override {
    Note("mouse" + std::to_string(event) + "@" + std::to_string(x) + "," + std::to_string(y));
    if (event == CancelOn && ParenrOvede()) ParenrOvede()->SetCancelMouse(true);
  }
  void SeriesEvent(ROvedeToolEvent event, ROvedeSeries& series) override {
    Note(ToolEventName(event) + "(" + series.Name() + ")");
  }
  void WheelMouseEvent(TWheelMouseEvent event, int, int, int) override {
    Note("wheel" + std::to_string(event));
    if (CancelOn == 100 && ParenrOvede()) ParenrOvede()->SetCancelMouse(true);
  }

 private:
  void Note(const std::string& what) const {
    if (Log) Log->push_back(Tag + ":" + what);
  }
};

// A series that logs the points it draws.
class TLoggingSeries : public ROvedeSeries {
 public:
  using ROvedeSeries::ROvedeSeries;

  std::vector<std::string>* Log = nullptr;
  std::vector<std::pair<TValueEvent, int>> ValueEvents;

  void DrawValue(int index) override {
    if (Log) Log->push_back(Name() + ".DrawValue(" + std::to_string(index) + ")");
  }
  void NotifyValue(TValueEvent event, int index) override {
    ROvedeSeries::NotifyValue(event, index);
    if (!Updating()) ValueEvents.emplace_back(event, index);
  }
};

// Records the series events a chart tells its listeners.
class TSeriesEventLog : public IQuilEventListener {
 public:
  void QuilEvent(const TQuilEvent& event) override {
    if (const auto* e = dynamic_cast<const TQuilSeriesEvent*>(&event)) Events.emplace_back(e->Event, e->Series);
  }
  std::vector<std::pair<ROvedeSeriesEvent, ROvedeSeries*>> Events;
};

inline std::vector<double> ListValues(const ROvedeValueList& list) {
  return {list.Values().begin(), list.Values().begin() + list.Count()};
}

}  // namespace quil::testing

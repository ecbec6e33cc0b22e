#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chart/rovede.h"
#include "engine/custom_tool.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"
#include "panel/headless_host.h"

namespace quil::testing {

// A series that answers clicks: a point is hit within 2 pixels of where it lies.
class TClickableSeries : public ROvedeSeries {
 public:
  int Clicked(int x, int y) override {
    for (int i = 0; i < Count(); ++i)
      if (std::abs(int64_t{CalcXPos(i)} - x) <= 2 && std::abs(int64_t{CalcYPos(i)} - y) <= 2) return i;
    return -1;
  }
  // The pointer of a point is hit only exactly on the point.
  bool ClickedPointer(int, int x, int y, TPoint p) override { return pointers && x == p.X && y == p.Y; }
  bool CanZoomScroll() const override { return canZoomScroll; }

  bool pointers = false;
  bool canZoomScroll = true;
};

// A tool that writes down the mouse and wheel events it hears and, when asked, claims presses.
class TMouseLogTool : public TQuilCustomTool {
 public:
  void ChartMouseEvent(ROvedeMouseEvent event, TMouseButton, TShiftState, int x, int y) override {
    log.push_back(std::string("mouse") + std::to_string(event) + "@" + std::to_string(x) + "," + std::to_string(y));
    if (events) events->push_back("tool " + std::to_string(event));
    if (event == cmeDown && claimPresses) ParenrOvede()->SetCancelMouse(true);
  }
  void WheelMouseEvent(TWheelMouseEvent event, int delta, int, int) override {
    log.push_back("wheel" + std::to_string(event) + ":" + std::to_string(delta));
  }

  std::vector<std::string> log;
  // Where the tool's mouse events go among the chart's own, when given.
  std::vector<std::string>* events = nullptr;
  bool claimPresses = false;
};

struct TRange {
  double Min = 0;
  double Max = 0;
  bool operator==(const TRange&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const TRange& r) { return out << r.Min << " .. " << r.Max; }

// A flat 600 x 400 chart with a series of points from (0, 0) to (100, 100), painted once, so
// that the axes are laid out as the mouse meets them.
class MouseChartTest : public ::testing::Test {
 protected:
  MouseChartTest() {
    chart.SetBounds(0, 0, 600, 400);
    chart.SetView3D(false);
    host = std::make_unique<THeadlessHost>(chart);
    series.SetParenrOvede(&chart);
    for (double v : {0.0, 25.0, 50.0, 75.0, 100.0}) series.AddXY(v, v);
    chart.OnAfterDraw = [this](TCustomQuilPanelExtended&) { ++frames; };
    Paint();
  }
  ~MouseChartTest() override { series.SetParenrOvede(nullptr); }

  const TBitmap& Paint() { return host->Render(); }

  static TRange RangeOf(const ROvedeAxis& axis) { return {axis.Minimum(), axis.Maximum()}; }
  TRange Bottom() const { return RangeOf(chart.BottomAxis()); }
  TRange Left() const { return RangeOf(chart.LeftAxis()); }

  // The pixel of a value on the bottom (x) or left (y) axis as the last paint laid them out.
  int X(double value) const { return chart.BottomAxis().CalcPosValue(value); }
  int Y(double value) const { return chart.LeftAxis().CalcPosValue(value); }

  static TShiftState ButtonShift(TMouseButton button) {
    return button == TMouseButton::mbLeft ? ssLeft : button == TMouseButton::mbRight ? ssRight : ssMiddle;
  }

  // A press, one move per listed point and the release at the last, as a hand would drag.
  void Drag(TMouseButton button, std::vector<TPoint> path, TShiftState extra = 0) {
    const TShiftState shift = ButtonShift(button) | extra;
    chart.MouseDown(button, shift, path.front().X, path.front().Y);
    for (std::size_t i = 1; i < path.size(); ++i) chart.MouseMove(shift, path[i].X, path[i].Y);
    chart.MouseUp(button, extra, path.back().X, path.back().Y);
  }
  void LeftDrag(TPoint from, TPoint to) { Drag(TMouseButton::mbLeft, {from, to}); }

  ROvede chart;
  std::unique_ptr<THeadlessHost> host;
  TClickableSeries series;
  int frames = 0;
};

// How many pixels of two pictures of one size differ.
inline int DifferingPixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int count = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) count += a.Pixel(x, y) != b.Pixel(x, y);
  return count;
}

// Every axis' settings, to compare before and after.
struct TAxisState {
  bool Automatic, AutomaticMinimum, AutomaticMaximum;
  double Minimum, Maximum;
  bool operator==(const TAxisState&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const TAxisState& s) {
  return out << (s.Automatic ? "auto " : "") << (s.AutomaticMinimum ? "automin " : "")
             << (s.AutomaticMaximum ? "automax " : "") << s.Minimum << " .. " << s.Maximum;
}

inline std::vector<TAxisState> AxesState(const TCustomChart& chart) {
  std::vector<TAxisState> states;
  for (int i = 0; i < chart.Axes().Count(); ++i) {
    const ROvedeAxis& a = chart.Axes()[i];
    states.push_back({a.Automatic(), a.AutomaticMinimum(), a.AutomaticMaximum(), a.Minimum(), a.Maximum()});
  }
  return states;
}

// Every axis keeps finite ends.
inline ::testing::AssertionResult AxesFinite(const TCustomChart& chart) {
  for (int i = 0; i < chart.Axes().Count(); ++i) {
    const ROvedeAxis& axis = chart.Axes()[i];
    if (!std::isfinite(axis.Minimum()) || !std::isfinite(axis.Maximum()) || !std::isfinite(axis.IMinimum()) ||
        !std::isfinite(axis.IMaximum()))
      return ::testing::AssertionFailure() << "axis " << axis.Identifier() << ": " << axis.Minimum() << " .. "
                                           << axis.Maximum();
  }
  return ::testing::AssertionSuccess();
}

}  // namespace quil::testing

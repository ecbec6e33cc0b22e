#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "canvas/view3d_options.h"
#include "chart/custom_chart.h"
#include "engine/rovede_axis.h"

namespace quil {

namespace {

// More notches than this in one wheel message are no real wheel; each notch moves or zooms
// every axis (zooming repaints at once), so a flood of them must not hold the chart.
constexpr int kMaxWheelNotches = 10;

// An end beyond the largest double (or not a number) is not taken.
double KeptIfOverflowing(double value, double old) {
  return std::fabs(value) <= std::numeric_limits<double>::max() ? value : old;
}

bool Flipped(bool up, TMouseWheelStyle style) { return style == pmwInverted ? !up : up; }

// The value at pixel + shift, for mouse moves as far as an int reaches.
double ValueAtShiftedPixel(const ROvedeAxis& axis, int pixel, int64_t shift) {
  const int64_t shifted = std::clamp<int64_t>(int64_t{pixel} + shift, INT_MIN, INT_MAX);
  return axis.CalcPosPoint(static_cast<int>(shifted));
}

}  // namespace

bool TCustomChart::PanAxes(bool horizontal, int from, int to) {
  if (from == to) return false;
  const TPanningMode mode = AllowPanning();
  if (mode != pmBoth && mode != (horizontal ? pmHorizontal : pmVertical)) return false;
  // An OnAllowScroll handler may add or remove axes: walk the list as it was.
  std::vector<ROvedeAxis*> axes;
  for (int i = 0; i < Axes().Count(); ++i) axes.push_back(&Axes()[i]);
  for (ROvedeAxis* axis : axes)
    if (Axes().IndexOf(axis) >= 0 && !axis->IsDepthAxis() && axis->Horizontal() == horizontal)
      PanAxis(*axis, from, to);
  return true;
}

// Dragging to the right or down moves the values with the mouse. A logarithmic pan that would
// turn the range round keeps the range it has.
void TCustomChart::PanAxis(ROvedeAxis& axis, int from, int to) {
  const double min = axis.MinimumOffset() != 0 ? axis.Minimum() : axis.IMinimum();
  const double max = axis.MaximumOffset() != 0 ? axis.Maximum() : axis.IMaximum();
  double newMin = 0;
  double newMax = 0;
  if (axis.Logarithmic()) {
    const int64_t d = int64_t{to} - from;
    newMin = min + (min - ValueAtShiftedPixel(axis, axis.CalcPosValue(min), d));
    newMax = max + (max - ValueAtShiftedPixel(axis, axis.CalcPosValue(max), d));
    if (!(newMax >= newMin)) {
      newMin = min;
      newMax = max;
    }
  } else {
    const double diff = axis.CalcPosPoint(from) - axis.CalcPosPoint(to);
    newMin = min + diff;
    newMax = max + diff;
  }
  newMin = KeptIfOverflowing(newMin, min);
  newMax = KeptIfOverflowing(newMax, max);
  bool allow = true;
  if (OnAllowScroll) OnAllowScroll(axis, newMin, newMax, allow);
  if (!allow || !std::isfinite(newMin) || !std::isfinite(newMax)) return;
  axis.SetMinMax(newMin, newMax);
  // The next move of the same drag may come before a paint lays the axis out again: it pans
  // from the range now shown, not from the last painted one.
  if (axis.MinimumOffset() == 0 && axis.MaximumOffset() == 0) axis.Scale().SetRange(axis.Minimum(), axis.Maximum());
}

bool TCustomChart::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint pos) {
  const int limit = kMaxWheelNotches * WHEEL_DELTA;
  const int delta = std::clamp(wheelDelta, -limit, limit);
  const bool handled = TCustomAxisPanel::DoMouseWheel(shift, delta, pos);
  BroadcastWheelEvent(wmeMove, delta, pos.X, pos.Y);
  return handled;
}

bool TCustomChart::DoMouseWheelUp(TShiftState shift, TPoint pos) {
  const bool handled = TCustomAxisPanel::DoMouseWheelUp(shift, pos);
  InternalWheel(1);
  return handled;
}

bool TCustomChart::DoMouseWheelDown(TShiftState shift, TPoint pos) {
  const bool handled = TCustomAxisPanel::DoMouseWheelDown(shift, pos);
  InternalWheel(-1);
  return handled;
}

bool TCustomChart::CanWheelScroll() {
  return Panning().MouseWheel() != pmwNone && AllowPanning() != pmNone && !HasState(csDesigning);
}

void TCustomChart::InternalWheel(int delta) {
  bool up = delta > 0;
  if (CanWheelScroll()) {
    up = Flipped(up, Panning().MouseWheel());
    if (AllowPanning() == pmHorizontal)
      ScrollHorizontalAxes(up);
    else
      ScrollVerticalAxes(up);
  } else if (Zoom().Allow() && Zoom().MouseWheel() != pmwNone) {
    up = Flipped(up, Zoom().MouseWheel());
    ZoomPercent(up ? 110 : 90);
  } else if (ZoomWheel() != pmwNone && (View3D() || Canvas().GetSupportsFullRotation())) {
    up = Flipped(up, ZoomWheel());
    View3DOptions().SetZoomFloat(View3DOptions().ZoomFloat() * (up ? 1.1 : 0.9));
  }
  const TPoint pos = ScreenCursorPos();
  BroadcastWheelEvent(up ? wmeUp : wmeDown, delta, pos.X, pos.Y);
}

// Depth axes are not horizontal, so scrolling the vertical axes moves them too. OnAllowScroll
// sees the new ends but may only refuse them.
void TCustomChart::ScrollAxes(bool horizontal, bool up) {
  SaveScalesOnce();
  std::vector<ROvedeAxis*> axes;
  for (int i = 0; i < Axes().Count(); ++i) axes.push_back(&Axes()[i]);
  for (ROvedeAxis* axis : axes) {
    if (Axes().IndexOf(axis) < 0 || axis->Horizontal() != horizontal) continue;
    double offset = (axis->Maximum() - axis->Minimum()) * 3 * 0.01;
    // A range wider than the largest double still has a finite 3 %.
    if (!std::isfinite(offset)) offset = axis->Maximum() * 0.03 - axis->Minimum() * 0.03;
    if (!up) offset = -offset;
    bool allow = true;
    if (OnAllowScroll) {
      double min = axis->Minimum() + offset;
      double max = axis->Maximum() + offset;
      OnAllowScroll(*axis, min, max, allow);
    }
    if (allow) axis->Scroll(offset, false);
  }
}

}  // namespace quil

#pragma once

#include <vector>

namespace quil {

// One axis' automatic flags and ends as they were before zooming or scrolling fixed them.
struct TAxisSavedScales {
  bool Auto = true;
  bool AutoMin = true;
  bool AutoMax = true;
  double Min = 0;
  double Max = 0;
};

// One entry per axis of the chart's Axes list, in list order.
using TAllAxisSavedScales = std::vector<TAxisSavedScales>;

// The range a zoom gives one axis.
struct TZoomRange {
  double Min = 0;
  double Max = 0;
};

// The ranges a zoom gives the four standard axes around the plotting area.
struct TZoomRanges {
  TZoomRange Top;
  TZoomRange Bottom;
  TZoomRange Left;
  TZoomRange Right;
};

}  // namespace quil

#pragma once

#include <string>
#include <vector>

namespace quil {

class TAxisScale;

// What the drawing of an axis asks for when it generates its labels.
struct TAxisLabelOptions {
  // The labels are shown, so their texts are needed.
  bool LabelsVisible = true;
  // The grid is visible with DrawAlways: positions (and texts) are computed even for an axis
  // whose label style is talNone.
  bool GridDrawAlways = false;
  // A logarithmic axis then adds one tick below its minimum, where the minor grid starts.
  bool MinorGridVisible = false;
  // The axis has an internal gap: labels exactly at its ends are dropped.
  bool HasGap = false;
};

struct TAxisLabel {
  double Value = 0;
  int Pos = 0;  // pixel along the axis
  std::string Text;
};

// The labels of one frame, in generation order: from the maximum down.
struct TAxisLabels {
  std::vector<int> Ticks;
  std::vector<TAxisLabel> Items;

  void Clear() {
    Ticks.clear();
    Items.clear();
  }
};

// Generates the ticks and labels of the axis' current range and increment into labels (cleared
// first, its storage reused). Value labels step down from the top of the range by the increment
// (by calendar months and years on an exact date-time axis), logarithmic axes label the powers
// of their base, the chart's label-value hook replaces both when set, and the depth axis labels
// its series' slots with their titles. Point labels (talText, talMark, talPointValue elsewhere)
// come from the series and are left to the axis' drawing. At most 10000 values are visited
// (2001 through the hook), whatever the range and increment.
void CalcAxisLabels(const TAxisScale& scale, const TAxisLabelOptions& options, TAxisLabels& labels);
TAxisLabels CalcAxisLabels(const TAxisScale& scale, const TAxisLabelOptions& options);

}  // namespace quil

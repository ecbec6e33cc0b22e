#pragma once

#include <string>
#include <vector>

#include "engine/axis_label_style.h"

namespace quil {

// What an axis needs to know about one active series associated with it.
struct TAxisSeriesInfo {
  // The series' answer to AxisLabelStyle for this axis.
  TAxisLabelStyle LabelStyle = talValue;
  // The series' value list for this axis holds date-times.
  bool DateTime = false;
  // The series places its points at positions along this axis (its non-mandatory values);
  // with few such points the axis prefers whole-number increments.
  bool PositionsOnAxis = false;
  int PointCount = 0;
  // For the depth axis: the series has Z values of its own, or a minimum Z that differs from
  // its maximum Z.
  bool HasDepthValues = false;
};

// One point of a series labelled on an axis: its value along the axis and its text.
struct TAxisPointLabel {
  double Value = 0;
  std::string Text;
};

// The series side of one axis, implemented by the chart that owns the axis. The axis asks it
// on every layout; only the point labels are kept, for the length of one drawing.
class IAxisSeriesSource {
 public:
  virtual ~IAxisSeriesSource() = default;

  // The automatic ends of the axis' range over the series that count for it, 0 when none
  // counts. Values that are not finite take no part in them (see TAxisExtent).
  virtual double SeriesMinimum() const = 0;
  virtual double SeriesMaximum() const = 0;

  // The active series associated with the axis, in the chart's series order, gathered in one
  // pass over the chart's series.
  virtual std::vector<TAxisSeriesInfo> ActiveSeries() const = 0;

  // The legend title of the chart's series at index, which the depth axis shows at that
  // series' depth slot.
  virtual std::string SeriesTitle(int seriesIndex) const = 0;

  // The points of the first series associated with the axis, in point order, for the label
  // styles that label points: talText gives each point's label, talMark its mark text;
  // talPointValue leaves the text empty for the axis to format the value. Null points are left
  // out. None by default. The list stays valid until the next call.
  virtual const std::vector<TAxisPointLabel>& PointLabels(TAxisLabelStyle) const {
    static const std::vector<TAxisPointLabel> none;
    return none;
  }
};

}  // namespace quil

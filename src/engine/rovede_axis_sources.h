#pragma once

#include <string_view>

#include "engine/axis_series_source.h"
#include "engine/axis_text_measurer.h"

namespace quil {

class ROvedeAxis;
class ROvedeSeries;

// The series side of an axis: the chart's active series associated with it.
class TAxisChartSeriesSource : public IAxisSeriesSource {
 public:
  explicit TAxisChartSeriesSource(const ROvedeAxis& axis) : axis_(axis) {}

  double SeriesMinimum() const override { return Extreme(false); }
  double SeriesMaximum() const override { return Extreme(true); }
  std::vector<TAxisSeriesInfo> ActiveSeries() const override;
  std::string SeriesTitle(int seriesIndex) const override;
  const std::vector<TAxisPointLabel>& PointLabels(TAxisLabelStyle style) const override;

  // Within one drawing the axis' size and its labels both ask for the point labels; they are
  // collected once between these calls, and afresh on every call outside a drawing.
  void BeginDrawing();
  void EndDrawing();

 private:
  double Extreme(bool maximum) const;
  // The chart's active series associated with the axis, in series order.
  std::vector<const ROvedeSeries*> Associated() const;
  TAxisSeriesInfo InfoOf(const ROvedeSeries& series) const;

  std::vector<TAxisPointLabel> CollectPointLabels(TAxisLabelStyle style) const;

  const ROvedeAxis& axis_;
  bool drawing_ = false;
  mutable bool labelsKept_ = false;
  mutable TAxisLabelStyle keptStyle_ = talAuto;
  mutable std::vector<TAxisPointLabel> labels_;
};

// Label text sizes in the axis' label font, on the chart's canvas.
class TAxisCanvasMeasurer : public IAxisTextMeasurer {
 public:
  explicit TAxisCanvasMeasurer(const ROvedeAxis& axis) : axis_(axis) {}

  int TextWidth(std::string_view line) const override;
  int TextHeight() const override;

 private:
  const ROvedeAxis& axis_;
};

}  // namespace quil

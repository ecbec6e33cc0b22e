#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/axis_extent.h"
#include "engine/axis_scale.h"
#include "engine/axis_series_source.h"
#include "engine/axis_text_measurer.h"

namespace quil::axistest {

// The series side of an axis without a chart: the data values of the series that count for the
// axis, and the descriptions of its active associated series.
class TFakeSeriesSource : public IAxisSeriesSource {
 public:
  std::vector<double> Values;
  std::vector<TAxisSeriesInfo> Series;
  std::vector<std::string> Titles;

  double SeriesMinimum() const override { return Extent().Minimum(); }
  double SeriesMaximum() const override { return Extent().Maximum(); }
  std::vector<TAxisSeriesInfo> ActiveSeries() const override { return Series; }
  std::string SeriesTitle(int seriesIndex) const override {
    return seriesIndex >= 0 && seriesIndex < static_cast<int>(Titles.size()) ? Titles[seriesIndex] : "";
  }

  // One active series showing values on the axis.
  static TFakeSeriesSource WithValues(std::vector<double> values, bool dateTime = false) {
    TFakeSeriesSource source;
    source.Values = std::move(values);
    TAxisSeriesInfo info;
    info.DateTime = dateTime;
    source.Series.push_back(info);
    return source;
  }

 private:
  TAxisExtent Extent() const {
    TAxisExtent extent;
    for (const double value : Values) extent.Include(value);
    return extent;
  }
};

// A monospaced label font: every character is CharWidth pixels wide, a line LineHeight tall.
// It remembers every text it measured.
class TFakeMeasurer : public IAxisTextMeasurer {
 public:
  int CharWidth = 7;
  int LineHeight = 10;
  mutable std::vector<std::string> Measured;

  int TextWidth(std::string_view line) const override {
    Measured.emplace_back(line);
    return CharWidth * static_cast<int>(line.size());
  }
  int TextHeight() const override { return LineHeight; }
};

// A scale wired to a source and a measurer, laid out over the pixels start..end.
struct TScaleFixture {
  TFakeSeriesSource Source;
  TFakeMeasurer Measurer;
  TAxisScale Scale;

  explicit TScaleFixture(TAxisDirection direction = TAxisDirection::Horizontal) : Scale(direction) {
    Scale.SetSeriesSource(&Source);
    Scale.SetTextMeasurer(&Measurer);
  }

  void Layout(int start, int end) {
    Scale.SetPositions(start, end);
    Scale.AdjustMaxMin();
  }
};

}  // namespace quil::axistest

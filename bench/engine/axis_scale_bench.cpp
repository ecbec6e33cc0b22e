#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "engine/axis_labels.h"
#include "engine/axis_scale.h"
#include "engine/axis_series_source.h"
#include "engine/axis_text_measurer.h"
#include "engine/date_time.h"
#include "engine/date_time_step.h"

namespace quil {
namespace {

class TBenchSource : public IAxisSeriesSource {
 public:
  TBenchSource(double min, double max, bool dateTime) : min_(min), max_(max) { info_.DateTime = dateTime; }
  double SeriesMinimum() const override { return min_; }
  double SeriesMaximum() const override { return max_; }
  std::vector<TAxisSeriesInfo> ActiveSeries() const override { return {info_}; }
  std::string SeriesTitle(int) const override { return {}; }

 private:
  double min_, max_;
  TAxisSeriesInfo info_;
};

// A label font of 7 pixels a character: the cost measured is the scale's, not a font engine's.
class TBenchMeasurer : public IAxisTextMeasurer {
 public:
  int TextWidth(std::string_view line) const override { return 7 * static_cast<int>(line.size()); }
  int TextHeight() const override { return 13; }
};

// What every paint does for one axis: the range, the increment from the label sizes, and the
// labels with their texts and positions.
void RunAxisPaint(benchmark::State& state, TAxisScale& scale) {
  TAxisLabels labels;
  for (auto _ : state) {
    scale.AdjustMaxMin();
    CalcAxisLabels(scale, TAxisLabelOptions{}, labels);
    benchmark::DoNotOptimize(labels.Items.data());
  }
  state.counters["labels"] = static_cast<double>(labels.Items.size());
}

void BM_AxisLabelsValues(benchmark::State& state) {
  TBenchSource source(-1234.5, 98765.4, false);
  TBenchMeasurer measurer;
  TAxisScale scale(TAxisDirection::Horizontal);
  scale.SetSeriesSource(&source);
  scale.SetTextMeasurer(&measurer);
  scale.SetPositions(40, 40 + static_cast<int>(state.range(0)));
  RunAxisPaint(state, scale);
}
BENCHMARK(BM_AxisLabelsValues)->Arg(400)->Arg(1600);

void BM_AxisLabelsVertical(benchmark::State& state) {
  TBenchSource source(0.001, 0.0375, false);
  TBenchMeasurer measurer;
  TAxisScale scale(TAxisDirection::Vertical);
  scale.SetSeriesSource(&source);
  scale.SetTextMeasurer(&measurer);
  scale.SetPositions(20, 620);
  RunAxisPaint(state, scale);
}
BENCHMARK(BM_AxisLabelsVertical);

void BM_AxisLabelsMonths(benchmark::State& state) {
  TBenchSource source(EncodeDate(2020, 1, 10), EncodeDate(2021, 12, 20), true);
  TBenchMeasurer measurer;
  TAxisScale scale(TAxisDirection::Horizontal);
  scale.SetSeriesSource(&source);
  scale.SetTextMeasurer(&measurer);
  scale.SetIncrement(DateTimeStep[dtOneMonth]);
  scale.SetPositions(40, 2040);
  RunAxisPaint(state, scale);
}
BENCHMARK(BM_AxisLabelsMonths);

void BM_AxisLabelsLogarithmic(benchmark::State& state) {
  TBenchSource source(1, 1e6, false);
  TBenchMeasurer measurer;
  TAxisScale scale(TAxisDirection::Vertical);
  scale.SetSeriesSource(&source);
  scale.SetTextMeasurer(&measurer);
  scale.SetPositions(20, 620);
  scale.SetLogarithmic(true);
  RunAxisPaint(state, scale);
}
BENCHMARK(BM_AxisLabelsLogarithmic);

// Series place every point through the mapping.
void BM_AxisCalcPosValue(benchmark::State& state) {
  TBenchSource source(0, 1000, false);
  TAxisScale scale(TAxisDirection::Vertical);
  scale.SetSeriesSource(&source);
  scale.SetPositions(20, 620);
  scale.AdjustMaxMin();
  double value = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scale.CalcPosValue(value));
    value += 0.37;
    if (value > 1000) value = 0;
  }
}
BENCHMARK(BM_AxisCalcPosValue);

}  // namespace
}  // namespace quil

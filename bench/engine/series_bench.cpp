#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/series.h"

namespace quil {
namespace {

constexpr int kPoints = 1000000;

const std::vector<double>& RandomValues() {
  static const std::vector<double> values = [] {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> uniform(-1e6, 1e6);
    std::vector<double> v(kPoints);
    for (double& x : v) x = uniform(random);
    return v;
  }();
  return values;
}

// X arriving in ascending order into the default ascending X list: every point is appended.
void BM_SeriesAddXYSorted(benchmark::State& state) {
  const auto& y = RandomValues();
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    ROvedeSeries series;
    for (int i = 0; i < count; ++i) series.AddXY(i, y[static_cast<std::size_t>(i)]);
    benchmark::DoNotOptimize(series.YValues().Values().data());
  }
  state.SetItemsProcessed(state.iterations() * count);
  state.SetComplexityN(count);
}
BENCHMARK(BM_SeriesAddXYSorted)->Arg(kPoints / 10)->Arg(kPoints)->Unit(benchmark::kMillisecond)->Complexity();

// Random X into a series whose X list keeps no order.
void BM_SeriesAddXYUnsorted(benchmark::State& state) {
  const auto& values = RandomValues();
  for (auto _ : state) {
    ROvedeSeries series;
    series.XValues().SetOrder(loNone);
    for (int i = 0; i < kPoints; ++i) series.AddXY(values[static_cast<std::size_t>(i)], i);
    benchmark::DoNotOptimize(series.YValues().Values().data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_SeriesAddXYUnsorted)->Unit(benchmark::kMillisecond);

// Add(value): the position is the next index, so the ascending X list appends.
void BM_SeriesAdd(benchmark::State& state) {
  const auto& values = RandomValues();
  for (auto _ : state) {
    ROvedeSeries series;
    for (double v : values) series.Add(v);
    benchmark::DoNotOptimize(series.YValues().Values().data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_SeriesAdd)->Unit(benchmark::kMillisecond);

// Random X into the ascending list: each point moves the tail of every list, so this grows
// with the square of the count and is measured on fewer points.
void BM_SeriesAddXYRandomIntoAscending(benchmark::State& state) {
  const auto& values = RandomValues();
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    ROvedeSeries series;
    for (int i = 0; i < count; ++i) series.AddXY(values[static_cast<std::size_t>(i)], i);
    benchmark::DoNotOptimize(series.YValues().Values().data());
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_SeriesAddXYRandomIntoAscending)->Arg(50000)->Unit(benchmark::kMillisecond);

// Labels and colours on every point: the two optional lists grow with the values.
void BM_SeriesAddXYWithLabelAndColor(benchmark::State& state) {
  const auto& y = RandomValues();
  for (auto _ : state) {
    ROvedeSeries series;
    for (int i = 0; i < kPoints; ++i) series.AddXY(i, y[static_cast<std::size_t>(i)], "p", clRed);
    benchmark::DoNotOptimize(series.Labels().data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_SeriesAddXYWithLabelAndColor)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quil

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "series/surface/custom3d_grid_series.h"

namespace quil {
namespace {

constexpr int kColumns = 1000;

// A grid of 1000 columns by rows, added row by row. A regular grid has integer X and Z; an
// irregular one uneven steps (each column and row its own value).
std::unique_ptr<TCustom3DGridSeries> GridSeries(int rows, bool irregular) {
  auto series = std::make_unique<TCustom3DGridSeries>();
  series->SetIrregularGrid(irregular);
  const auto position = [irregular](int i) { return irregular ? i + 0.4 * std::sin(i * 1.7) : i; };
  series->BeginUpdate();
  for (int z = 0; z < rows; ++z)
    for (int x = 0; x < kColumns; ++x) series->AddXYZ(position(x), x + z, position(z));
  series->EndUpdate();
  return series;
}

void FillGridIndex(benchmark::State& state, bool irregular) {
  const int rows = static_cast<int>(state.range(0));
  const auto series = GridSeries(rows, irregular);
  for (auto _ : state) {
    series->FillGridIndex();
    benchmark::DoNotOptimize(series->GridIndex()(1, 1));
  }
  state.SetItemsProcessed(state.iterations() * kColumns * rows);
  state.SetComplexityN(static_cast<int64_t>(kColumns) * rows);
}

void BM_FillGridIndexRegular(benchmark::State& state) { FillGridIndex(state, false); }
BENCHMARK(BM_FillGridIndexRegular)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_FillGridIndexIrregular(benchmark::State& state) { FillGridIndex(state, true); }
BENCHMARK(BM_FillGridIndexIrregular)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
}  // namespace quil

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "series/surface/custom3d_palette_series.h"

namespace quil {
namespace {

constexpr int kValues = 1000000;

// A million random values from 0 to 1000 in a palette series whose palette has steps entries
// over that range.
std::unique_ptr<TCustom3DPaletteSeries> PaletteSeries(int steps, bool colorRange) {
  auto series = std::make_unique<TCustom3DPaletteSeries>();
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> value(0, 1000);
  series->BeginUpdate();
  for (int i = 0; i < kValues; ++i) series->AddXYZ(i, value(random), 0);
  series->EndUpdate();
  series->SetUseColorRange(colorRange);
  series->SetUsePalette(!colorRange);
  series->SetPaletteSteps(steps);
  return series;
}

// What drawing asks for every cell corner: the colour of point i.
void BM_GetValueColor(benchmark::State& state) {
  const auto series = PaletteSeries(static_cast<int>(state.range(0)), false);
  for (auto _ : state) {
    TColor mix = 0;
    for (int i = 0; i < kValues; ++i) mix ^= series->GetValueColor(i);
    benchmark::DoNotOptimize(mix);
  }
  state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_GetValueColor)->Arg(32)->Arg(4096)->Unit(benchmark::kMillisecond);

// The reference: the same values looked up by a bare binary search over the same palette array.
void BM_PlainBinarySearch(benchmark::State& state) {
  const auto series = PaletteSeries(static_cast<int>(state.range(0)), false);
  const TCustom3DPalette& palette = series->Palette();
  const double* values = series->YValues().Values().data();
  for (auto _ : state) {
    TColor mix = 0;
    for (int i = 0; i < kValues; ++i) {
      int lo = 0;
      int hi = static_cast<int>(palette.size()) - 1;
      while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (values[i] > palette[static_cast<std::size_t>(mid)].UpToValue)
          lo = mid + 1;
        else
          hi = mid;
      }
      mix ^= palette[static_cast<std::size_t>(lo)].Color;
    }
    benchmark::DoNotOptimize(mix);
  }
  state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_PlainBinarySearch)->Arg(32)->Arg(4096)->Unit(benchmark::kMillisecond);

// The colour ramp (the default mode): no search, four interpolated bytes.
void BM_GetValueColorRange(benchmark::State& state) {
  const auto series = PaletteSeries(32, true);
  for (auto _ : state) {
    TColor mix = 0;
    for (int i = 0; i < kValues; ++i) mix ^= series->GetValueColor(i);
    benchmark::DoNotOptimize(mix);
  }
  state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_GetValueColorRange)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quil

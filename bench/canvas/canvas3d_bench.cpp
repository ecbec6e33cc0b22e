#include <benchmark/benchmark.h>

#include <cairo.h>

#include <vector>

#include "quad_scene.h"

namespace quil {
namespace {

using namespace benchscene;

void BM_ProjectPoints(benchmark::State& state) {
  TQuilCanvas3D canvas;
  TView3DOptions options;
  SetUpCanvas(canvas, options);
  const TGrid grid = MakeGrid();
  for (auto _ : state) {
    long sum = 0;
    for (std::size_t i = 0; i < grid.corners.size(); ++i) {
      const TPoint p = canvas.Calculate3DPosition(grid.corners[i], grid.depths[i / 4]);
      sum += p.X + p.Y;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(grid.corners.size()));
}
BENCHMARK(BM_ProjectPoints);

// Each cell projected by the canvas and filled through it, colour by colour.
void BM_CanvasFillQuads(benchmark::State& state) { FillQuads<TQuilCanvas3D>(state); }
BENCHMARK(BM_CanvasFillQuads)->Unit(benchmark::kMillisecond);

// The same quadrilaterals, already projected, filled by bare Cairo calls.
void BM_BareCairoFillQuads(benchmark::State& state) { BareCairoQuads(state, CAIRO_ANTIALIAS_NONE); }
BENCHMARK(BM_BareCairoFillQuads)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quil

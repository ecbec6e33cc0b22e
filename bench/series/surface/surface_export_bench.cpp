#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_startup.h"
#include "chart/rovede.h"
#include "series/surface/surface_series.h"

namespace quil {
namespace {

// An n x n surface on the anti-aliased canvas at 1000 x 800 pixels, saved as SVG, PDF or PNG:
// time and file size should grow with the cells (the vector files hold one shape per cell).
void SaveSurface(benchmark::State& state, const std::string& extension) {
  const int n = static_cast<int>(state.range(0));
  GDIPlusStartup();
  {
    ROvede chart;
    chart.SetInternalCanvas(std::make_unique<TGDIPlusCanvas>());
    chart.SetBounds(0, 0, 1000, 800);
    TSurfaceSeries series;
    series.SetParenrOvede(&chart);
    series.Pen().SetVisible(false);
    series.BeginUpdate();
    for (int z = 0; z < n; ++z)
      for (int x = 0; x < n; ++x) series.AddXYZ(x, std::sin(x * 6.0 / n) * std::cos(z * 6.0 / n), z);
    series.EndUpdate();
    const std::string path = (std::filesystem::temp_directory_path() / ("quil-export-bench" + extension)).string();
    for (auto _ : state) chart.SaveToFile(path);
    state.counters["MiB"] = double(std::filesystem::file_size(path)) / (1 << 20);
    state.counters["bytes_per_cell"] = double(std::filesystem::file_size(path)) / (double(n) * n);
    std::filesystem::remove(path);
    series.SetParenrOvede(nullptr);
    chart.SetInternalCanvas(std::make_unique<TQuilCanvas3D>());
  }
  GDIPlusShutdown();
  state.SetComplexityN(static_cast<int64_t>(n) * n);
}

void BM_SaveSurfaceSvg(benchmark::State& state) { SaveSurface(state, ".svg"); }
BENCHMARK(BM_SaveSurfaceSvg)->Arg(100)->Arg(300)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_SaveSurfacePdf(benchmark::State& state) { SaveSurface(state, ".pdf"); }
BENCHMARK(BM_SaveSurfacePdf)->Arg(100)->Arg(300)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_SaveSurfacePng(benchmark::State& state) { SaveSurface(state, ".png"); }
BENCHMARK(BM_SaveSurfacePng)->Arg(100)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quil

#include <benchmark/benchmark.h>

#include <cairo.h>

#include <cmath>
#include <memory>
#include <string>

#include "app/library_startup.h"
#include "canvas/bitmap.h"
#include "canvas/canvas_classes.h"
#include "canvas/device_context.h"
#include "canvas/view3d_options.h"
#include "chart/rovede.h"
#include "core/messages.h"
#include "series/surface/surface_series.h"

namespace {

using namespace quil;

// Full repaints of a 913 x 705 chart holding an N x N cell surface without outlines, in the
// rotated view; the points stay, only the picture is drawn again, as while the view turns.
void SurfacePaint(benchmark::State& state, const std::string& canvasClass) {
  {
    TLibraryStartup library;
    ROvede chart;
    chart.SetBounds(0, 0, 913, 705);
    chart.SetInternalCanvas(CreateCanvasByClassName(canvasClass));
    chart.View3DOptions().SetOrthogonal(false);
    chart.View3DOptions().SetElevation(330);
    chart.View3DOptions().SetRotation(330);
    TSurfaceSeries series;
    series.Pen().SetVisible(false);
    series.SetParenrOvede(&chart);
    const int n = static_cast<int>(state.range(0));
    series.BeginUpdate();
    for (int z = 0; z <= n; ++z)
      for (int x = 0; x <= n; ++x) series.AddXYZ(x, std::sin(x * 6.0 / n) * std::cos(z * 6.0 / n), z);
    series.EndUpdate();
    TBitmap destination(913, 705);
    const auto paint = [&] {
      cairo_t* cr = cairo_create(destination.Surface());
      TCairoDeviceContext dc(cr);
      chart.Invalidate();
      chart.Paint(dc);
      cairo_destroy(cr);
    };
    paint();
    for (auto _ : state) {
      paint();
      benchmark::DoNotOptimize(destination.Surface());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(n) * n);
    series.SetParenrOvede(nullptr);
  }
  // The library's shut-down emptied the texts that the other benchmarks measure with.
  InitializeMessages();
}

void BM_SurfacePaint_PlainCanvas(benchmark::State& state) { SurfacePaint(state, "TQuilCanvas3D"); }
BENCHMARK(BM_SurfacePaint_PlainCanvas)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_SurfacePaint_GDIPlusCanvas(benchmark::State& state) { SurfacePaint(state, "TGDIPlusCanvas"); }
BENCHMARK(BM_SurfacePaint_GDIPlusCanvas)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

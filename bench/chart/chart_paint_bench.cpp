#include <benchmark/benchmark.h>

#include <cairo.h>

#include <cmath>
#include <string>

#include "core/messages.h"
#include "engine/chart_tools.h"
#include "main_chart.h"
#include "series/surface/surface_series.h"

namespace {

using namespace quil;

using bench::kHeight;
using bench::kWidth;
using bench::ReadyOrSkip;
using bench::ReportDraws;
using bench::TMainChart;

// Paints the main chart on every iteration. With changed, each iteration first marks the chart
// changed, so the whole picture is drawn into the canvas's buffer and copied out; without, the
// panel only shows its buffer again.
void PaintLoop(benchmark::State& state, const std::string& canvasClass, bool changed,
               const std::function<void(TMainChart&)>& setup = nullptr) {
  {
    TMainChart main;
    if (ReadyOrSkip(state, main, canvasClass)) {
      if (setup) setup(main);
      main.Paint();
      const int drawsBefore = main.Draws();
      for (auto _ : state) {
        if (changed) main.Chart()->Invalidate();
        main.Paint();
        benchmark::DoNotOptimize(main.Destination().Surface());
      }
      ReportDraws(state, main, drawsBefore);
    }
  }
  // The library's shut-down emptied the texts that the other benchmarks measure with.
  InitializeMessages();
}

void BM_ChartFullPaint_GDIPlusCanvas(benchmark::State& state) { PaintLoop(state, "TGDIPlusCanvas", true); }
BENCHMARK(BM_ChartFullPaint_GDIPlusCanvas)->Unit(benchmark::kMillisecond);

void BM_ChartFullPaint_PlainCanvas(benchmark::State& state) { PaintLoop(state, "TQuilCanvas3D", true); }
BENCHMARK(BM_ChartFullPaint_PlainCanvas)->Unit(benchmark::kMillisecond);

// The main chart with a plain series of 20 labelled points, so the legend lists 20 values
// beside the chart; with the legend hidden, the same chart without it.
void WithTwentyPoints(TMainChart& main, bool legendVisible) {
  ROvedeSeries& series = main.AddSeries();
  for (int i = 0; i < 20; ++i) series.Add(i * 1.5, "point " + std::to_string(i));
  auto& legend = dynamic_cast<TCustomChart&>(*main.Chart()).Legend();
  legend.SetLegendStyle(lsValues);  // the values of the first series in the legend
  if (auto* surface = dynamic_cast<ROvedeSeries*>(main.Find("Series1"))) surface->SetShowInLegend(false);
  legend.SetVisible(legendVisible);
}

void BM_ChartLegendPaint_GDIPlusCanvas(benchmark::State& state) {
  PaintLoop(state, "TGDIPlusCanvas", true, [&](TMainChart& main) { WithTwentyPoints(main, state.range(0) != 0); });
}
BENCHMARK(BM_ChartLegendPaint_GDIPlusCanvas)->Arg(0)->Arg(1)->ArgName("legend")->Unit(benchmark::kMillisecond);

void BM_ChartLegendPaint_PlainCanvas(benchmark::State& state) {
  PaintLoop(state, "TQuilCanvas3D", true, [&](TMainChart& main) { WithTwentyPoints(main, state.range(0) != 0); });
}
BENCHMARK(BM_ChartLegendPaint_PlainCanvas)->Arg(0)->Arg(1)->ArgName("legend")->Unit(benchmark::kMillisecond);

// The main chart's own surface with 100 x 100 cells (101 x 101 points, a hill and a valley,
// coloured by the default ramp). With legends on, the legend lists its palette and the
// palette legend (ChartTool1) draws its bar over the chart; off, both are hidden and the chart
// takes the legend's room.
void WithSurface(TMainChart& main, bool legendAndPalette) {
  auto* surface = dynamic_cast<TSurfaceSeries*>(main.Find("Series1"));
  auto* tool = dynamic_cast<TQuilCustomTool*>(main.Find("ChartTool1"));
  if (!surface || !tool) return;
  constexpr int kCells = 100;
  surface->BeginUpdate();
  for (int z = 0; z <= kCells; ++z)
    for (int x = 0; x <= kCells; ++x) surface->AddXYZ(x, std::sin(x * 6.0 / kCells) * std::cos(z * 6.0 / kCells), z);
  surface->EndUpdate();
  dynamic_cast<TCustomChart&>(*main.Chart()).Legend().SetVisible(legendAndPalette);
  tool->SetActive(legendAndPalette);
}

void BM_ChartSurfacePaint_GDIPlusCanvas(benchmark::State& state) {
  PaintLoop(state, "TGDIPlusCanvas", true, [&](TMainChart& main) { WithSurface(main, state.range(0) != 0); });
}
BENCHMARK(BM_ChartSurfacePaint_GDIPlusCanvas)->Arg(0)->Arg(1)->ArgName("legends")->Unit(benchmark::kMillisecond);

void BM_ChartSurfacePaint_PlainCanvas(benchmark::State& state) {
  PaintLoop(state, "TQuilCanvas3D", true, [&](TMainChart& main) { WithSurface(main, state.range(0) != 0); });
}
BENCHMARK(BM_ChartSurfacePaint_PlainCanvas)->Arg(0)->Arg(1)->ArgName("legends")->Unit(benchmark::kMillisecond);

void BM_ChartUnchangedRepaint(benchmark::State& state) { PaintLoop(state, "TGDIPlusCanvas", false); }
BENCHMARK(BM_ChartUnchangedRepaint)->Unit(benchmark::kMicrosecond);

// The reference for the unchanged repaint: one buffer of the chart's size copied to a
// destination of the same size with plain Cairo, a fresh context per copy.
void BM_BareCairoBufferCopy(benchmark::State& state) {
  TBitmap buffer(kWidth, kHeight);
  buffer.Fill(0x00C0A080);
  TBitmap destination(kWidth, kHeight);
  for (auto _ : state) {
    cairo_t* cr = cairo_create(destination.Surface());
    cairo_set_source_surface(cr, buffer.Surface(), 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    benchmark::DoNotOptimize(destination.Surface());
  }
}
BENCHMARK(BM_BareCairoBufferCopy)->Unit(benchmark::kMicrosecond);

}  // namespace

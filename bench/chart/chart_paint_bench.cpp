#include <benchmark/benchmark.h>

#include <cairo.h>

#include <functional>
#include <memory>
#include <string>

#include "app/library_startup.h"
#include "app/main_form.h"
#include "canvas/bitmap.h"
#include "canvas/canvas_classes.h"
#include "canvas/device_context.h"
#include "chart/custom_chart.h"
#include "engine/series.h"
#include "core/messages.h"
#include "panel/headless_host.h"
#include "panel/quil_panel_extended.h"

namespace {

using namespace quil;

constexpr int kWidth = 913;
constexpr int kHeight = 705;

// The program's main chart, started and built as the program builds it, painted into one
// destination image that lives as long as the chart, as a window's surface does. Each paint
// gets its own Cairo context, as each draw request of the window does.
class TMainChart {
 public:
  TMainChart()
      : form_(CreateMainForm()), chart_(dynamic_cast<TCustomQuilPanelExtended*>(form_->FindComponent("Chart1"))) {
    if (!chart_) return;
    host_ = std::make_unique<THeadlessHost>(*chart_);
    chart_->OnAfterDraw = [this](TCustomQuilPanelExtended&) { ++draws_; };
  }
  TMainChart(const TMainChart&) = delete;
  TMainChart& operator=(const TMainChart&) = delete;

  TCustomQuilPanelExtended* Chart() const { return chart_; }
  ROvedeSeries* Series() const { return dynamic_cast<ROvedeSeries*>(form_->FindComponent("Series1")); }
  // How often the chart has drawn its picture (not just shown its buffer again).
  int Draws() const { return draws_; }

  // Chooses the canvas by class name, carrying the current one's settings over.
  bool UseCanvas(const std::string& className) {
    if (chart_->Canvas().ClassName() == className) return true;
    auto canvas = CreateCanvasByClassName(className);
    if (!canvas) return false;
    chart_->SetInternalCanvas(std::move(canvas));
    return chart_->Canvas().ClassName() == className;
  }

  void Paint() {
    const std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(destination_.Surface()), cairo_destroy);
    TCairoDeviceContext dc(cr.get());
    chart_->Paint(dc);
  }

  const TBitmap& Destination() const { return destination_; }

 private:
  // Members go in reverse order: the host, then the form with its canvases, and the
  // library's global state last.
  TLibraryStartup library_;
  std::unique_ptr<TForm> form_;
  TCustomQuilPanelExtended* chart_;
  std::unique_ptr<THeadlessHost> host_;
  int draws_ = 0;
  TBitmap destination_{kWidth, kHeight};
};

// Draws per paint, which tells a real redraw (1) from a buffer shown again (0).
void ReportDraws(benchmark::State& state, const TMainChart& main, int drawsBefore) {
  state.counters["draws_per_paint"] =
      benchmark::Counter(main.Draws() - drawsBefore, benchmark::Counter::kAvgIterations);
}

bool ReadyOrSkip(benchmark::State& state, TMainChart& main, const std::string& canvasClass) {
  if (!main.Chart()) {
    state.SkipWithError("the main form has no Chart1");
    return false;
  }
  if (main.Chart()->Width() != kWidth || main.Chart()->Height() != kHeight) {
    state.SkipWithError("Chart1 is not 913 x 705");
    return false;
  }
  if (!main.UseCanvas(canvasClass)) {
    state.SkipWithError(("no canvas class " + canvasClass).c_str());
    return false;
  }
  return true;
}

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

// The main chart's series with 20 labelled points, so the legend lists 20 values beside the
// chart; with the legend hidden, the same chart without it.
void WithTwentyPoints(TMainChart& main, bool legendVisible) {
  ROvedeSeries* series = main.Series();
  for (int i = 0; i < 20; ++i) series->Add(i * 1.5, "point " + std::to_string(i));
  dynamic_cast<TCustomChart&>(*main.Chart()).Legend().SetVisible(legendVisible);
}

void BM_ChartLegendPaint_GDIPlusCanvas(benchmark::State& state) {
  PaintLoop(state, "TGDIPlusCanvas", true, [&](TMainChart& main) { WithTwentyPoints(main, state.range(0) != 0); });
}
BENCHMARK(BM_ChartLegendPaint_GDIPlusCanvas)->Arg(0)->Arg(1)->ArgName("legend")->Unit(benchmark::kMillisecond);

void BM_ChartLegendPaint_PlainCanvas(benchmark::State& state) {
  PaintLoop(state, "TQuilCanvas3D", true, [&](TMainChart& main) { WithTwentyPoints(main, state.range(0) != 0); });
}
BENCHMARK(BM_ChartLegendPaint_PlainCanvas)->Arg(0)->Arg(1)->ArgName("legend")->Unit(benchmark::kMillisecond);

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

#include <benchmark/benchmark.h>

#include <cairo.h>

#include <cmath>
#include <memory>

#include "app/library_startup.h"
#include "canvas/bitmap.h"
#include "canvas/canvas_classes.h"
#include "canvas/device_context.h"
#include "canvas/view3d_options.h"
#include "chart/rovede.h"
#include "core/messages.h"
#include "panel/headless_host.h"
#include "series/surface/surface_series.h"
#include "tools/rotate_tool.h"

namespace {

using namespace quil;

constexpr int kWidth = 913;
constexpr int kHeight = 705;
constexpr int kGrid = 300;
constexpr int kPressX = 450;
constexpr int kPressY = 350;

// A 913 x 705 chart on the anti-aliased canvas holding a 300 x 300 surface in the rotated view,
// with a rotate tool on the middle button, painted into one destination image as a window's
// surface is.
class TSurfaceMouseChart {
 public:
  TSurfaceMouseChart() {
    chart_.SetBounds(0, 0, kWidth, kHeight);
    chart_.SetInternalCanvas(CreateCanvasByClassName("TGDIPlusCanvas"));
    chart_.View3DOptions().SetOrthogonal(false);
    chart_.View3DOptions().SetElevation(330);
    chart_.View3DOptions().SetRotation(330);
    series_.Pen().SetVisible(false);
    series_.SetParenrOvede(&chart_);
    series_.BeginUpdate();
    for (int z = 0; z <= kGrid; ++z)
      for (int x = 0; x <= kGrid; ++x)
        series_.AddXYZ(x, std::sin(x * 6.0 / kGrid) * std::cos(z * 6.0 / kGrid), z);
    series_.EndUpdate();
    rotate_.SetButton(TMouseButton::mbMiddle);
    rotate_.SetParenrOvede(&chart_);
    host_ = std::make_unique<THeadlessHost>(chart_);
    chart_.OnAfterDraw = [this](TCustomQuilPanelExtended&) { ++draws_; };
  }
  ~TSurfaceMouseChart() {
    host_.reset();
    rotate_.SetParenrOvede(nullptr);
    series_.SetParenrOvede(nullptr);
  }

  ROvede& Chart() { return chart_; }
  int Draws() const { return draws_; }
  const TBitmap& Destination() const { return destination_; }

  void Paint() {
    const std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(destination_.Surface()), cairo_destroy);
    TCairoDeviceContext dc(cr.get());
    chart_.Paint(dc);
  }

 private:
  ROvede chart_;
  TSurfaceSeries series_;
  TRotateTool rotate_;
  std::unique_ptr<THeadlessHost> host_;
  TBitmap destination_{kWidth, kHeight};
  int draws_ = 0;
};

void ReportDraws(benchmark::State& state, int draws) {
  state.counters["draws_per_paint"] = benchmark::Counter(draws, benchmark::Counter::kAvgIterations);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kGrid) * kGrid);
}

// The whole chart drawn again and shown: what every frame would cost without anything kept.
void BM_SurfaceFullPaint(benchmark::State& state) {
  {
    TLibraryStartup library;
    TSurfaceMouseChart surface;
    surface.Paint();
    const int before = surface.Draws();
    for (auto _ : state) {
      surface.Chart().Invalidate();
      surface.Paint();
      benchmark::DoNotOptimize(surface.Destination().Surface());
    }
    ReportDraws(state, surface.Draws() - before);
  }
  InitializeMessages();
}
BENCHMARK(BM_SurfaceFullPaint)->Unit(benchmark::kMillisecond);

// One frame of a drag: a mouse move with the button held, then the paint the move asked for.
// The drag swings between two positions, so every move changes the picture.
void DragFrames(benchmark::State& state, TMouseButton button, TShiftState shift, int dx, int dy) {
  {
    TLibraryStartup library;
    TSurfaceMouseChart surface;
    ROvede& chart = surface.Chart();
    surface.Paint();
    chart.MouseDown(button, shift, kPressX, kPressY);
    surface.Paint();
    const int before = surface.Draws();
    bool out = false;
    for (auto _ : state) {
      out = !out;
      chart.MouseMove(shift, kPressX + (out ? dx : 0), kPressY + (out ? dy : 0));
      surface.Paint();
      benchmark::DoNotOptimize(surface.Destination().Surface());
    }
    ReportDraws(state, surface.Draws() - before);
    chart.MouseUp(button, 0, kPressX, kPressY);
  }
  InitializeMessages();
}

// A pan step moves every axis' range; the chart is drawn again.
void BM_SurfacePanFrame(benchmark::State& state) { DragFrames(state, TMouseButton::mbRight, ssRight, 40, 30); }
BENCHMARK(BM_SurfacePanFrame)->Unit(benchmark::kMillisecond);

// A rotate step turns the view by the rotate tool; the chart is drawn again.
void BM_SurfaceRotateFrame(benchmark::State& state) {
  DragFrames(state, TMouseButton::mbMiddle, ssMiddle, 40, 30);
}
BENCHMARK(BM_SurfaceRotateFrame)->Unit(benchmark::kMillisecond);

}  // namespace

#pragma once

#include <benchmark/benchmark.h>

#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

#include "app/library_startup.h"
#include "app/main_form.h"
#include "canvas/bitmap.h"
#include "canvas/canvas_classes.h"
#include "canvas/device_context.h"
#include "chart/custom_chart.h"
#include "engine/series.h"
#include "panel/headless_host.h"
#include "panel/quil_panel_extended.h"

namespace quil::bench {

inline constexpr int kWidth = 913;
inline constexpr int kHeight = 705;

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
  TComponent* Find(const std::string& name) const { return form_->FindComponent(name); }
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

  // A plain series added to the chart, owned here and gone before the form.
  ROvedeSeries& AddSeries() {
    extraSeries_.push_back(std::make_unique<ROvedeSeries>());
    extraSeries_.back()->SetParenrOvede(dynamic_cast<TCustomChart*>(chart_));
    return *extraSeries_.back();
  }

 private:
  // Members go in reverse order: the host, then the form with its canvases, and the
  // library's global state last.
  TLibraryStartup library_;
  std::unique_ptr<TForm> form_;
  TCustomQuilPanelExtended* chart_;
  std::unique_ptr<THeadlessHost> host_;
  std::vector<std::unique_ptr<ROvedeSeries>> extraSeries_;
  int draws_ = 0;
  TBitmap destination_{kWidth, kHeight};
};

// Draws per paint, which tells a real redraw (1) from a buffer shown again (0).
inline void ReportDraws(benchmark::State& state, const TMainChart& main, int drawsBefore) {
  state.counters["draws_per_paint"] =
      benchmark::Counter(main.Draws() - drawsBefore, benchmark::Counter::kAvgIterations);
}

inline bool ReadyOrSkip(benchmark::State& state, TMainChart& main, const std::string& canvasClass) {
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

}  // namespace quil::bench

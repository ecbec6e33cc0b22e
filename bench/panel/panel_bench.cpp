#include <benchmark/benchmark.h>

#include "canvas/canvas_classes.h"
#include "panel/headless_host.h"
#include "panel/quil_panel_extended.h"

namespace {

using namespace quil;

// The background a chart draws first: fill, bevels and the paint cycle around them.
class TBackgroundPanel : public TCustomQuilPanelExtended {
 public:
  using TCustomQuilPanelExtended::TCustomQuilPanelExtended;

 protected:
  void InternalDraw(const TRect& userRect) override { PanelPaint(userRect); }
};

void BM_PanelFullRepaint(benchmark::State& state) {
  InitializeCanvas3DUnit();
  TBackgroundPanel panel;
  panel.SetBounds(0, 0, 913, 705);
  THeadlessHost host(panel);
  for (auto _ : state) {
    panel.Invalidate();
    benchmark::DoNotOptimize(host.Render().Surface());
  }
  FinalizeCanvas3DUnit();
}
BENCHMARK(BM_PanelFullRepaint)->Unit(benchmark::kMicrosecond);

void BM_PanelUnchangedRepaint(benchmark::State& state) {
  InitializeCanvas3DUnit();
  TBackgroundPanel panel;
  panel.SetBounds(0, 0, 913, 705);
  THeadlessHost host(panel);
  host.Render();
  for (auto _ : state) benchmark::DoNotOptimize(host.Render().Surface());
  FinalizeCanvas3DUnit();
}
BENCHMARK(BM_PanelUnchangedRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

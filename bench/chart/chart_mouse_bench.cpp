#include <benchmark/benchmark.h>

#include "core/messages.h"
#include "main_chart.h"

namespace {

using namespace quil;

using bench::ReadyOrSkip;
using bench::ReportDraws;
using bench::TMainChart;

// Inside the main chart's plotting area.
constexpr int kPressX = 300;
constexpr int kPressY = 250;

// One frame of a drag as the window sees it: a mouse move with the button held, then the paint
// the move asked for. The drag swings between two positions, so every move changes something.
void DragFrames(benchmark::State& state, TMouseButton button, TShiftState shift, int dx, int dy) {
  {
    TMainChart main;
    if (ReadyOrSkip(state, main, "TGDIPlusCanvas")) {
      TCustomQuilPanelExtended& chart = *main.Chart();
      main.Paint();
      chart.MouseDown(button, shift, kPressX, kPressY);
      main.Paint();
      const int drawsBefore = main.Draws();
      bool out = false;
      for (auto _ : state) {
        out = !out;
        chart.MouseMove(shift, kPressX + (out ? dx : 0), kPressY + (out ? dy : 0));
        main.Paint();
        benchmark::DoNotOptimize(main.Destination().Surface());
      }
      ReportDraws(state, main, drawsBefore);
      chart.MouseUp(button, 0, kPressX, kPressY);
    }
  }
  InitializeMessages();
}

// The zoom band moves: the old band is taken away and the new one drawn in exclusive-or mode
// over the buffer, which is then shown with one copy; the chart is not drawn.
void BM_ZoomBandFrame(benchmark::State& state) { DragFrames(state, TMouseButton::mbLeft, ssLeft, 240, 160); }
BENCHMARK(BM_ZoomBandFrame)->Unit(benchmark::kMicrosecond);

// A pan step moves the axes' ranges and the chart is drawn again.
void BM_PanFrame(benchmark::State& state) { DragFrames(state, TMouseButton::mbRight, ssRight, 40, 30); }
BENCHMARK(BM_PanFrame)->Unit(benchmark::kMillisecond);

}  // namespace

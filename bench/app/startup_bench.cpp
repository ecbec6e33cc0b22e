#include <benchmark/benchmark.h>

#include "app/library_startup.h"
#include "app/main_form.h"
#include "core/messages.h"
#include "panel/headless_host.h"

namespace {

using namespace quil;

// From nothing to the main window's chart painted once: module start-up, the window and its
// components with their loading steps, the first full paint, then shut-down in reverse.
void BM_StartupToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    const TLibraryStartup library;
    auto form = CreateMainForm();
    auto* chart = dynamic_cast<TControl*>(form->FindComponent("Chart1"));
    THeadlessHost host(*chart);
    benchmark::DoNotOptimize(host.Render().Surface());
  }
  // Shut-down emptied the texts the other benchmarks use.
  InitializeMessages();
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace

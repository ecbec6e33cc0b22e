#include <benchmark/benchmark.h>

#include "core/rounding.h"

namespace {

// Every projected point goes through QuilRound; its range check must stay cheap.
void BM_QuilRound(benchmark::State& state) {
  double v = 0.25;
  for (auto _ : state) {
    benchmark::DoNotOptimize(quil::QuilRound(v));
    v += 0.5;
    if (v > 1e6) v = 0.25;
  }
}
BENCHMARK(BM_QuilRound);

}  // namespace

#include <benchmark/benchmark.h>

#include "core/messages.h"

// The library's texts (default font name, value pictures) are filled by its start-up; the
// benchmarks measure with them in place, as the program runs.
int main(int argc, char** argv) {
  quil::InitializeMessages();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

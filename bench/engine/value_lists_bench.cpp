#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/value_lists.h"

namespace quil {
namespace {

constexpr int kValues = 1000000;

const std::vector<double>& RandomValues() {
  static const std::vector<double> values = [] {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> uniform(-1e6, 1e6);
    std::vector<double> v(kValues);
    for (double& x : v) x = uniform(random);
    return v;
  }();
  return values;
}

void BM_ValueListAddUnsorted(benchmark::State& state) {
  const auto& values = RandomValues();
  for (auto _ : state) {
    ROvedeValueList list(nullptr, "Y");
    for (double v : values) list.AddChartValue(v);
    benchmark::DoNotOptimize(list.Values().data());
  }
  state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_ValueListAddUnsorted)->Unit(benchmark::kMillisecond);

void BM_ValueListAddAscendingInOrder(benchmark::State& state) {
  for (auto _ : state) {
    ROvedeValueList list(nullptr, "X");
    list.SetOrder(loAscending);
    for (int i = 0; i < kValues; ++i) list.AddChartValue(i);
    benchmark::DoNotOptimize(list.Values().data());
  }
  state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_ValueListAddAscendingInOrder)->Unit(benchmark::kMillisecond);

void BM_ValueListSort(benchmark::State& state) {
  const auto& values = RandomValues();
  for (auto _ : state) {
    state.PauseTiming();
    ROvedeValueList list(nullptr, "X");
    for (double v : values) list.AddChartValue(v);
    list.SetOrder(loAscending);
    state.ResumeTiming();
    list.Sort();
    benchmark::DoNotOptimize(list.Values().data());
  }
  state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_ValueListSort)->Unit(benchmark::kMillisecond);

// A series-like owner: sorting by X moves X, Y and Z together through one swap.
class TThreeLists : public IValueListOwner {
 public:
  ROvedeValueLists& ValuesList() override { return lists_; }
  void NotifyValue(TValueEvent, int) override {}
  void SwapValueIndex(int a, int b) override { lists_.Exchange(a, b); }
  void Repaint() override {}
  void CheckDataSource() override {}

 private:
  ROvedeValueLists lists_;

 public:
  ROvedeValueList& X = CreateValueList(*this, "X");
  ROvedeValueList& Y = CreateValueList(*this, "Y");
  ROvedeValueList& Z = CreateValueList(*this, "Z");
};

void BM_ValueListSortThreeListsTogether(benchmark::State& state) {
  const auto& values = RandomValues();
  for (auto _ : state) {
    state.PauseTiming();
    TThreeLists owner;
    for (int i = 0; i < kValues; ++i) {
      owner.X.AddChartValue(values[i]);
      owner.Y.AddChartValue(i);
      owner.Z.AddChartValue(-i);
    }
    owner.X.SetOrder(loAscending);
    state.ResumeTiming();
    owner.X.Sort();
    benchmark::DoNotOptimize(owner.Z.Values().data());
  }
  state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_ValueListSortThreeListsTogether)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quil

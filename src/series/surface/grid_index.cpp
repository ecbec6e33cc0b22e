#include "series/surface/grid_index.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <string>

#include "core/exceptions.h"
#include "core/messages.h"
#include "core/rounding.h"

namespace quil {

bool GridSizeAllowed(int64_t numX, int64_t numZ) {
  return numX >= 0 && numZ >= 0 && numX < kMaxGridCells && numZ < kMaxGridCells &&
         (numX + 1) * (numZ + 1) <= kMaxGridCells;
}

void TGridIndex::Reset(int numX, int numZ) {
  columns_ = numX + 1;
  rows_ = numZ + 1;
  cells_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), -1);
}

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::string Text(double value) { return std::to_string(static_cast<int64_t>(value)); }

void CheckSize(double numX, double numZ) {
  if (!(numX < static_cast<double>(kMaxGridCells) && numZ < static_cast<double>(kMaxGridCells)) ||
      !GridSizeAllowed(static_cast<int64_t>(numX), static_cast<int64_t>(numZ)))
    throw ERangeError(QuilFormat(QuilMsg_GridSize, Text(std::min(numX, 9e18)), Text(std::min(numZ, 9e18)),
                                 std::to_string(kMaxGridCells)));
}

struct TExtremes {
  double Min = kInfinity;
  double Max = -kInfinity;
  bool Any() const { return Min <= Max; }
};

// The extremes of the points whose X and Z are both finite: the points a regular grid places.
std::pair<TExtremes, TExtremes> FiniteExtremes(std::span<const double> x, std::span<const double> z) {
  TExtremes ex;
  TExtremes ez;
  for (std::size_t t = 0; t < x.size(); ++t) {
    if (!std::isfinite(x[t]) || !std::isfinite(z[t])) continue;
    ex.Min = std::min(ex.Min, x[t]);
    ex.Max = std::max(ex.Max, x[t]);
    ez.Min = std::min(ez.Min, z[t]);
    ez.Max = std::max(ez.Max, z[t]);
  }
  return {ex, ez};
}

// The different values of one direction, each with its rank once they are sorted. A hash table
// finds a value in constant time, so a build is linear in the number of points; the table
// grows with the values found and stops at kMaxIrregularValues.
class TDistinctValues {
 public:
  TDistinctValues() : slots_(64) {}

  // Raises ERangeError once a value beyond the limit arrives.
  void Add(double value, const char* name) {
    TSlot& slot = Find(value);
    if (slot.Used) return;
    if (values_.size() == static_cast<std::size_t>(kMaxIrregularValues))
      throw ERangeError(QuilFormat(QuilMsg_GridTooManyValues, std::to_string(kMaxIrregularValues), name));
    slot = {Key(value), 0, true};
    values_.push_back(Key(value));
    if (2 * values_.size() > slots_.size()) Grow();
  }

  // Sorts the values and gives each its 1-based position.
  void Rank() {
    std::sort(values_.begin(), values_.end());
    for (std::size_t i = 0; i < values_.size(); ++i) Find(values_[i]).Position = static_cast<int>(i) + 1;
  }

  // The position of a value that was added.
  int PositionOf(double value) { return Find(value).Position; }
  std::vector<double>& Values() { return values_; }

 private:
  struct TSlot {
    double Value = 0;
    int Position = 0;
    bool Used = false;
  };

  // Minus zero equals zero and is kept as zero.
  static double Key(double value) { return value + 0.0; }

  TSlot& Find(double value) {
    const double key = Key(value);
    uint64_t bits = std::bit_cast<uint64_t>(key);
    bits ^= bits >> 33;
    bits *= 0xFF51AFD7ED558CCDull;
    bits ^= bits >> 33;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = static_cast<std::size_t>(bits) & mask;; i = (i + 1) & mask)
      if (!slots_[i].Used || slots_[i].Value == key) return slots_[i];
  }

  void Grow() {
    std::vector<TSlot> old(slots_.size() * 2);
    old.swap(slots_);
    for (const TSlot& slot : old)
      if (slot.Used) Find(slot.Value) = slot;
  }

  std::vector<TSlot> slots_;
  std::vector<double> values_;
};

// The different values of one direction: those of the placed points and the smallest of all
// points.
void CollectValues(TDistinctValues& distinct, std::span<const double> values, std::span<const double> other,
                   std::size_t start, const char* name) {
  double minimum = kInfinity;
  bool any = false;
  for (std::size_t t = 0; t < values.size(); ++t) {
    if (std::isnan(values[t])) continue;
    if (!any || values[t] < minimum) minimum = values[t];
    any = true;
    if (t >= start && !std::isnan(other[t])) distinct.Add(values[t], name);
  }
  if (any) distinct.Add(minimum, name);
  distinct.Rank();
}

}  // namespace

TGridBuild EmptyGridBuild(int numX, int numZ) {
  TGridBuild build;
  build.Index.Reset(numX, numZ);
  build.X.Minimum = kInfinity;
  build.Z.Minimum = kInfinity;
  return build;
}

TGridBuild BuildRegularGrid(std::span<const double> x, std::span<const double> z, int startIndex, int numX, int numZ) {
  const auto [ex, ez] = FiniteExtremes(x, z);
  if (!ex.Any()) return EmptyGridBuild(numX, numZ);
  const double x0 = QuilRoundFloat(ex.Min) - 1;
  const double z0 = QuilRoundFloat(ez.Min) - 1;
  const double columns = QuilRoundFloat(ex.Max) - x0;
  const double rows = QuilRoundFloat(ez.Max) - z0;
  CheckSize(columns, rows);
  TGridBuild build;
  build.Index.Reset(static_cast<int>(columns), static_cast<int>(rows));
  build.X = {x0, {}, ex.Min};
  build.Z = {z0, {}, ez.Min};
  build.XStartIndex = ex.Min == 0 ? 0 : 1;
  build.ZStartIndex = ez.Min == 0 ? 0 : 1;
  for (std::size_t t = static_cast<std::size_t>(std::max(startIndex, 0)); t < x.size(); ++t) {
    if (!std::isfinite(x[t]) || !std::isfinite(z[t])) continue;
    build.Index(static_cast<int>(QuilRoundFloat(x[t]) - x0), static_cast<int>(QuilRoundFloat(z[t]) - z0)) =
        static_cast<int>(t);
  }
  return build;
}

// Ranking the different values through a hash table gives the same index as collecting them one
// by one and matching each point in the sorted lists, in linear time instead of the square of
// the number of different values.
TGridBuild BuildIrregularGrid(std::span<const double> x, std::span<const double> z, int startIndex, int numX,
                              int numZ) {
  const std::size_t start = static_cast<std::size_t>(std::max(startIndex, 0));
  TDistinctValues columns;
  CollectValues(columns, x, z, start, "X");
  TDistinctValues rows;
  CollectValues(rows, z, x, start, "Z");
  if (columns.Values().empty() || rows.Values().empty()) return EmptyGridBuild(numX, numZ);
  CheckSize(static_cast<double>(columns.Values().size()), static_cast<double>(rows.Values().size()));
  TGridBuild build;
  build.Index.Reset(static_cast<int>(columns.Values().size()), static_cast<int>(rows.Values().size()));
  for (std::size_t t = start; t < x.size(); ++t) {
    if (std::isnan(x[t]) || std::isnan(z[t])) continue;
    build.Index(columns.PositionOf(x[t]), rows.PositionOf(z[t])) = static_cast<int>(t);
  }
  build.X = {0, std::move(columns.Values()), 0};
  build.Z = {0, std::move(rows.Values()), 0};
  build.X.Minimum = build.X.Values.front();
  build.Z.Minimum = build.Z.Values.front();
  build.XStartIndex = build.X.Minimum == 0 ? 0 : 1;
  build.ZStartIndex = build.Z.Minimum == 0 ? 0 : 1;
  return build;
}

}  // namespace quil

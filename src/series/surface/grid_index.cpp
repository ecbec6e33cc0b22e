#include "series/surface/grid_index.h"

#include <algorithm>
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

// Finds values in a sorted list starting from where the last one was found: points usually come
// row by row, so the next value is the same one or the next, and a whole grid costs a
// constant number of comparisons a point instead of a search each.
class THintedSearch {
 public:
  explicit THintedSearch(const std::vector<double>& sorted) : sorted_(sorted) {}
  // The first position whose value is not less than value.
  std::size_t LowerBound(double value) {
    const std::size_t n = sorted_.size();
    if (hint_ < n && sorted_[hint_] == value) return hint_;
    if (hint_ + 1 < n && sorted_[hint_ + 1] == value) return ++hint_;
    hint_ = static_cast<std::size_t>(std::lower_bound(sorted_.begin(), sorted_.end(), value) - sorted_.begin());
    return hint_;
  }

 private:
  const std::vector<double>& sorted_;
  std::size_t hint_ = 0;
};

// The sorted different values of one direction: those of the placed points and the smallest of
// all points. They are collected into a sorted list as they come, so a large grid with few
// different values is never sorted whole.
std::vector<double> DistinctValues(std::span<const double> values, std::span<const double> other, std::size_t start,
                                   const char* name) {
  std::vector<double> distinct;
  THintedSearch search(distinct);
  double minimum = kInfinity;
  bool any = false;
  const auto tooMany = [&] {
    return ERangeError(QuilFormat(QuilMsg_GridTooManyValues, std::to_string(kMaxIrregularValues), name));
  };
  const auto add = [&](double value) {
    const std::size_t at = search.LowerBound(value);
    if (at < distinct.size() && distinct[at] == value) return;
    if (distinct.size() == static_cast<std::size_t>(kMaxIrregularValues)) throw tooMany();
    distinct.insert(distinct.begin() + static_cast<std::ptrdiff_t>(at), value);
  };
  for (std::size_t t = 0; t < values.size(); ++t) {
    if (std::isnan(values[t])) continue;
    if (!any || values[t] < minimum) minimum = values[t];
    any = true;
    if (t >= start && !std::isnan(other[t])) add(values[t]);
  }
  if (any) add(minimum);
  return distinct;
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

// Collecting the different values in order and searching them gives the same index as
// collecting them one by one and matching each point in the sorted lists, without the square
// of the number of different values.
TGridBuild BuildIrregularGrid(std::span<const double> x, std::span<const double> z, int startIndex, int numX,
                              int numZ) {
  const std::size_t start = static_cast<std::size_t>(std::max(startIndex, 0));
  std::vector<double> columns = DistinctValues(x, z, start, "X");
  std::vector<double> rows = DistinctValues(z, x, start, "Z");
  if (columns.empty() || rows.empty()) return EmptyGridBuild(numX, numZ);
  CheckSize(static_cast<double>(columns.size()), static_cast<double>(rows.size()));
  TGridBuild build;
  build.Index.Reset(static_cast<int>(columns.size()), static_cast<int>(rows.size()));
  THintedSearch column(columns);
  THintedSearch row(rows);
  for (std::size_t t = start; t < x.size(); ++t) {
    if (std::isnan(x[t]) || std::isnan(z[t])) continue;
    build.Index(static_cast<int>(column.LowerBound(x[t])) + 1, static_cast<int>(row.LowerBound(z[t])) + 1) =
        static_cast<int>(t);
  }
  build.X = {0, std::move(columns), 0};
  build.Z = {0, std::move(rows), 0};
  build.X.Minimum = build.X.Values.front();
  build.Z.Minimum = build.Z.Values.front();
  build.XStartIndex = build.X.Minimum == 0 ? 0 : 1;
  build.ZStartIndex = build.Z.Minimum == 0 ? 0 : 1;
  return build;
}

}  // namespace quil

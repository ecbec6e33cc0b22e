#include "data/surface_data_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "core/messages.h"
#include "data/data_file_error.h"
#include "series/surface/grid_index.h"

namespace quil {

namespace {

// The different values of a list, smallest first.
std::vector<double> DistinctValues(const std::vector<double>& values) {
  std::vector<double> sorted(values);
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  return sorted;
}

// The regular grid places a value at its rounded distance from the smallest one, so only whole
// numbers without gaps land where they are.
bool ConsecutiveIntegers(const std::vector<double>& distinct) {
  constexpr double kLargest = 1e9;
  if (distinct.empty() || std::fabs(distinct.front()) > kLargest || std::fabs(distinct.back()) > kLargest) return false;
  for (const double value : distinct)
    if (value != std::floor(value)) return false;
  return distinct.back() - distinct.front() + 1 == static_cast<double>(distinct.size());
}

std::string NumberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

// The repeated point with the earliest later line, if any.
void CheckNoDuplicates(const TSurfaceData& data, const std::vector<uint32_t>& lines, const std::string& fileName) {
  std::vector<uint32_t> order(data.X.size());
  std::iota(order.begin(), order.end(), 0u);
  const auto before = [&](uint32_t a, uint32_t b) {
    if (data.X[a] != data.X[b]) return data.X[a] < data.X[b];
    if (data.Z[a] != data.Z[b]) return data.Z[a] < data.Z[b];
    return a < b;
  };
  std::sort(order.begin(), order.end(), before);
  std::size_t found = order.size();
  for (std::size_t i = 1; i < order.size(); ++i) {
    const uint32_t a = order[i - 1];
    const uint32_t b = order[i];
    if (data.X[a] == data.X[b] && data.Z[a] == data.Z[b] && (found == order.size() || b < order[found])) found = i;
  }
  if (found == order.size()) return;
  // The first of the run is the earliest line with that position.
  std::size_t first = found;
  while (first > 0 && data.X[order[first - 1]] == data.X[order[found]] && data.Z[order[first - 1]] == data.Z[order[found]])
    --first;
  const uint32_t later = order[found];
  const uint32_t earlier = order[first];
  const int line = static_cast<int>(lines[later]);
  throw EDataFileError(QuilFormat(QuilMsg_DataFileDuplicate, fileName, std::to_string(line), NumberText(data.X[later]),
                                  NumberText(data.Z[later]), std::to_string(lines[earlier])),
                       fileName, line);
}

[[noreturn]] void FailTooSmall(const std::string& fileName) {
  throw EDataFileError(QuilFormat(QuilMsg_DataFileTooSmall, fileName), fileName, 0);
}

}  // namespace

void CheckPointGrid(TSurfaceData& data, const std::vector<uint32_t>& lines, const std::string& fileName) {
  int64_t numX = 0;
  int64_t numZ = 0;
  bool regular = false;
  {
    const std::vector<double> xs = DistinctValues(data.X);
    numX = static_cast<int64_t>(xs.size());
    regular = ConsecutiveIntegers(xs);
  }
  {
    const std::vector<double> zs = DistinctValues(data.Z);
    numZ = static_cast<int64_t>(zs.size());
    regular = regular && ConsecutiveIntegers(zs);
  }
  if (numX < 2 || numZ < 2) FailTooSmall(fileName);
  const bool indexable = GridSizeAllowed(numX, numZ) && (regular || (numX <= kMaxIrregularValues && numZ <= kMaxIrregularValues));
  if (!indexable)
    throw EDataFileError(QuilFormat(QuilMsg_DataFileTooManyValues, fileName, std::to_string(numX), std::to_string(numZ)),
                         fileName, 0);
  CheckNoDuplicates(data, lines, fileName);
  data.IrregularGrid = !regular;
}

void CheckMatrixGrid(const TSurfaceData& data, const std::string& fileName) {
  if (data.Columns < 2 || data.Rows < 2) FailTooSmall(fileName);
  if (!GridSizeAllowed(data.Columns, data.Rows))
    throw EDataFileError(QuilFormat(QuilMsg_DataFileTooLarge, fileName, std::to_string(kMaxDataPoints)), fileName, 0);
}

}  // namespace quil

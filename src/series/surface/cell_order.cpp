#include "series/surface/cell_order.h"

#include <algorithm>

namespace quil {

TCellsOrientation CellsOrientation(int numX, int numZ, bool backFaced, bool forward) {
  TCellsOrientation o;
  if (backFaced) {
    o.InitZ = 1, o.EndZ = numZ, o.IncZ = 1;
  } else {
    o.InitZ = numZ, o.EndZ = 1, o.IncZ = -1;
  }
  if (forward) {
    o.InitX = 2, o.EndX = numX + 1, o.IncX = 1;
  } else {
    o.InitX = numX - 1, o.EndX = 0, o.IncX = -1;
  }
  return o;
}

std::vector<int> ColumnOrder(const TCellsOrientation& o, bool perspectiveCorrection) {
  std::vector<int> columns;
  for (int x = o.InitX; o.IncX > 0 ? x < o.EndX : x > o.EndX; x += o.IncX) columns.push_back(x);
  if (!perspectiveCorrection || columns.size() < 3) return columns;
  std::vector<int> alternating;
  alternating.reserve(columns.size());
  std::size_t first = 0, last = columns.size() - 1;
  while (first < last) {
    alternating.push_back(columns[first++]);
    alternating.push_back(columns[last--]);
  }
  if (first == last) alternating.push_back(columns[first]);
  return alternating;
}

TSortingRange InRangeRotation(int rotation) {
  TSortingRange r;
  r.Reversed = rotation > 150 && rotation < 210;
  r.Sorted = r.Reversed || rotation < 30 || rotation > 330;
  return r;
}

void SortCellRuns(std::vector<TCellRun>& runs, bool ascending) {
  if (ascending)
    std::stable_sort(runs.begin(), runs.end(), [](const TCellRun& a, const TCellRun& b) { return a.Z < b.Z; });
  else
    std::stable_sort(runs.begin(), runs.end(), [](const TCellRun& a, const TCellRun& b) { return a.Z > b.Z; });
}

}  // namespace quil

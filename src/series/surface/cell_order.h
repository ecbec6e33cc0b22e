#pragma once

#include <cstdint>
#include <vector>

namespace quil {

// The grid columns and rows a cell walk visits, each from Init up to but excluding End in steps
// of Inc (+1 or -1). Every visited position is a cell's first corner.
struct TCellsOrientation {
  int InitX = 0;
  int EndX = 0;
  int IncX = 1;
  int InitZ = 0;
  int EndZ = 0;
  int IncZ = 1;
};

// The orientation that draws far cells before near ones on a grid of numX columns and numZ
// rows: rows from the back (the last row, or the first when the surface is seen from behind),
// columns in the direction the series draws its values. The cell directions (towards a cell's
// other corners) are the steps: -1 unless a walk goes upwards from the first row or column.
TCellsOrientation CellsOrientation(int numX, int numZ, bool backFaced, bool forward);

// The columns of an orientation in the order they are drawn: in their order, or, with the
// perspective correction, alternately from both ends towards the middle (first, last, second,
// second-to-last, ...), so that the cells either side of the view's centre line overlap
// symmetrically.
std::vector<int> ColumnOrder(const TCellsOrientation& o, bool perspectiveCorrection);

// Whether a view rotation (whole degrees) looks at the surface nearly from the front or the
// back, where cells can hide each other and are drawn sorted by depth; reversed: from the back.
struct TSortingRange {
  bool Sorted = false;
  bool Reversed = false;
};
TSortingRange InRangeRotation(int rotation);

// One stretch of cells in one row whose first corners share a depth value: Count cells from
// column position First (an index into the column order) on.
struct TCellRun {
  double Z = 0;
  int Row = 0;
  int First = 0;
  int Count = 0;
};

// Largest depth value first (smallest first when ascending); stable, so runs of equal value
// keep their order.
void SortCellRuns(std::vector<TCellRun>& runs, bool ascending);

// The cells of a walk sorted by the depth value of their first corner, largest first (smallest
// first when ascending), each row's cells kept in column order among equal values. cellZ
// answers a cell's depth value, or nothing for a cell that is not drawn (a missing corner, a
// value that is not a number); those cells take no part in the order. Rows come in the walk's
// order, so cells of equal depth in different rows keep that order too.
template <class CellZ>  // bool(int column, int row, double& z)
std::vector<TCellRun> SortedCellRuns(const TCellsOrientation& o, const std::vector<int>& columns, bool ascending,
                                     CellZ cellZ) {
  std::vector<TCellRun> runs;
  const int count = static_cast<int>(columns.size());
  for (int z = o.InitZ; o.IncZ > 0 ? z < o.EndZ : z > o.EndZ; z += o.IncZ) {
    bool open = false;
    for (int k = 0; k < count; ++k) {
      double value = 0;
      if (!cellZ(columns[static_cast<std::size_t>(k)], z, value)) {
        open = false;
        continue;
      }
      if (open && runs.back().Z == value) {
        ++runs.back().Count;
      } else {
        runs.push_back({value, z, k, 1});
        open = true;
      }
    }
  }
  SortCellRuns(runs, ascending);
  return runs;
}

}  // namespace quil

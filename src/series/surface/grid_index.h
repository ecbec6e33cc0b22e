#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace quil {

// The most cells a grid index (or a grid of sample values) may have: 32 M, a 5,792 x 5,792
// grid. It bounds what a grid size in a setting, or two far-apart points of a regular grid, can
// make a series allocate.
inline constexpr int64_t kMaxGridCells = int64_t{1} << 25;

// The most different X (or Z) values an irregular grid tells apart.
inline constexpr int kMaxIrregularValues = 20000;

// Whether a grid of numX columns and numZ rows is possible: neither size negative and the index
// (one more column and row than the grid) within kMaxGridCells.
bool GridSizeAllowed(int64_t numX, int64_t numZ);

// Which point lies at each position of a grid: columns 0..NumX, rows 0..NumZ, -1 where no point
// lies. Positions are 1-based; column and row 0 are never filled, so a cell walk may step onto
// them and find nothing.
class TGridIndex {
 public:
  int NumX() const { return columns_ - 1; }
  int NumZ() const { return rows_ - 1; }
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  bool Contains(int x, int z) const { return x >= 0 && x < columns_ && z >= 0 && z < rows_; }
  // Unchecked: (x, z) must be Contained.
  int operator()(int x, int z) const { return cells_[Offset(x, z)]; }
  int& operator()(int x, int z) { return cells_[Offset(x, z)]; }
  // numX + 1 columns by numZ + 1 rows, all -1.
  void Reset(int numX, int numZ);

 private:
  std::size_t Offset(int x, int z) const {
    return static_cast<std::size_t>(x) * static_cast<std::size_t>(rows_) + static_cast<std::size_t>(z);
  }

  std::vector<int> cells_;
  int columns_ = 0;
  int rows_ = 0;
};

// How grid positions along one direction map back to values: position p holds the value
// Values[p - 1] of an irregular grid, or p + Origin on a regular one.
struct TGridAxis {
  double Origin = -1;
  std::vector<double> Values;
  // The smallest value placed, or +infinity when none was.
  double Minimum = 0;

  double ValueAt(int position) const {
    return Values.empty() ? position + Origin : Values[static_cast<std::size_t>(position - 1)];
  }
};

// What a grid build finds: the index, the grid's size and how its positions map to values.
struct TGridBuild {
  TGridIndex Index;
  TGridAxis X;
  TGridAxis Z;
  // 0 when the smallest value is exactly 0, else 1.
  int XStartIndex = 1;
  int ZStartIndex = 1;
};

// The index of a grid without points: numX by numZ, nothing placed, position p mapping to the
// value p - 1.
TGridBuild EmptyGridBuild(int numX, int numZ);

// Integer steps: a value goes to the column of its rounded value minus the rounded minimum,
// plus one; a later point at the same rounded position replaces an earlier one. Points from
// startIndex on are placed; the extremes come from all points. Points whose X or Z is not a
// finite number have no position and are left out; when no point has one, the grid keeps
// numX by numZ. Raises ERangeError (QuilMsg_GridSize) when the grid would exceed kMaxGridCells.
TGridBuild BuildRegularGrid(std::span<const double> x, std::span<const double> z, int startIndex, int numX, int numZ);

// Arbitrary values matched exactly: column i holds the i-th smallest different X value (the
// smallest of all points' X always among them), likewise rows for Z. Points with a NaN X or Z are
// left out. Raises ERangeError (QuilMsg_GridTooManyValues) beyond kMaxIrregularValues different
// values, or (QuilMsg_GridSize) beyond kMaxGridCells.
TGridBuild BuildIrregularGrid(std::span<const double> x, std::span<const double> z, int startIndex, int numX,
                              int numZ);

}  // namespace quil

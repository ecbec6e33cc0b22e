#pragma once

#include <array>
#include <functional>

#include "series/surface/custom3d_palette_series.h"
#include "series/surface/grid_index.h"

namespace quil {

// A 3D palette series whose points sample a function Y(X, Z) on a grid of X columns and Z rows.
// Points may come in any order; before drawing, the series builds a grid index that tells which
// point lies at each grid position, so that a cell's four corners are found by table look-ups.
// On a regular grid X and Z are integer steps; on an irregular one, any numbers, matched exactly.
class TCustom3DGridSeries : public TCustom3DPaletteSeries {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TCustom3DGridSeries(TComponent* owner = nullptr);

  bool IrregularGrid() const { return irregularGrid_; }
  // Takes effect at the next build of the index.
  void SetIrregularGrid(bool value);
  // The grid's size: as set, or as the last build found it in the points.
  int NumXValues() const { return numXValues_; }
  int NumZValues() const { return numZValues_; }
  // Empties the series and creates values again when it can (CreateValues). Raises
  // ChartException (QuilMsg_GridSize) for a negative size or a grid beyond kMaxGridCells,
  // changing nothing.
  void SetNumXValues(int value);
  void SetNumZValues(int value);

  const TGridIndex& GridIndex() const { return gridIndex_; }
  // Values changed since the index was built.
  bool DirtyGrid() const { return dirtyGrid_; }
  // Rebuilds the index from the points from startIndex on. A build that fails (too many
  // different values, a grid too large) raises ERangeError and leaves the index as it was, still
  // out of date.
  void FillGridIndex(int startIndex = 0);
  // Whether the four corners of the cell whose first corner is (x, z) hold points; the corners
  // run (x, z), (x + INextXCell, z), (x + INextXCell, z + INextZCell), (x, z + INextZCell) and
  // their point indices are kept in ValueIndex(0..3), up to the first missing one. Raises
  // ERangeError when a corner lies outside the index.
  bool ExistFourGridIndex(int x, int z);
  int ValueIndex(int corner) const { return valueIndex_[static_cast<std::size_t>(corner)]; }
  // The direction from a cell's first corner to its neighbours along X and Z, +1 or -1.
  int INextXCell() const { return iNextXCell_; }
  int INextZCell() const { return iNextZCell_; }
  void SetCellDirections(int nextX, int nextZ);

  // The value at a grid position (1..NumXValues, 1..NumZValues), after rebuilding an out-of-date
  // index. Raises ChartException (QuilMsg_NoValueAtXZ) where no point lies and ERangeError
  // outside the grid.
  double GetValue(int x, int z);
  // Overwrites the value at a grid position, or adds a point there whose X and Z read back to
  // that position. The index stays current, so GetValue at once finds the value.
  void SetValue(int x, int z, double value);
  // The X or Z value of a grid position, as the last build mapped them.
  double GridXValue(int x) const { return xAxis_.ValueAt(x); }
  double GridZValue(int z) const { return zAxis_.ValueAt(z); }
  // 0 when the smallest X (Z) value of the last build was exactly 0, else 1.
  int XStartIndex() const { return xStartIndex_; }
  int ZStartIndex() const { return zStartIndex_; }

  // Empties the series and adds numX x numZ points (X, GetXZValue(X, Z), Z), row by row, when
  // values may be created: with a value provider, while designing or making sample values.
  virtual void CreateValues(int numX, int numZ);
  void ReCreateValues() { CreateValues(numXValues_, numZValues_); }
  // The provider's value, else while designing or making samples a smooth sample surface, else 0.
  virtual double GetXZValue(int x, int z);
  bool CanCreateValues() const;
  // Forbids creating values at all.
  bool NoRandom() const { return iNoRandom_; }
  void SetNoRandom(bool value) { iNoRandom_ = value; }

  // A grid of count x count sample values (NumXValues x NumXValues for 0). Raises
  // ChartException before anything changes when that grid is not possible.
  void FillSampleValues(int count = 0) override;
  int NumSampleValues() const override { return numXValues_; }

  void Clear() override;
  void NotifyValue(TValueEvent event, int valueIndex) override;
  void DoBeforeDrawChart() override;
  void AddValues(const ROvedeSeries& source) override;
  void Assign(const TPersistent& source) override;

  std::function<double(ROvedeSeries& sender, int x, int z)> OnGetYValue;

 protected:
  void AddSampleValues(int count, bool onlyMandatory) override;
  // Sizes the grid to the image and sets each pixel's value at its grid position.
  void LoadPixels(const TBitmap& image, bool inverted) override;

  int iNextXCell_ = 1;
  int iNextZCell_ = 1;
  std::array<int, 4> valueIndex_{-1, -1, -1, -1};

 private:
  void SetGridSize(int& field, int value, int numX, int numZ);
  void TakeBuild(TGridBuild build);
  void CheckPosition(int x, int z, int first) const;
  int AddAtPosition(int x, int z, double value);

  TGridIndex gridIndex_;
  TGridAxis xAxis_;
  TGridAxis zAxis_;
  int numXValues_ = 10;
  int numZValues_ = 10;
  int xStartIndex_ = 1;
  int zStartIndex_ = 1;
  bool irregularGrid_ = false;
  bool reuseGrid_ = true;
  bool dirtyGrid_ = true;
  bool iNoRandom_ = false;
  bool inSampleMode_ = false;
};

}  // namespace quil

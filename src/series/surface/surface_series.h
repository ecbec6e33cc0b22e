#pragma once

#include <memory>
#include <vector>

#include "canvas/brush.h"
#include "canvas/pen.h"
#include "engine/axis_mapping.h"
#include "series/surface/cell_order.h"
#include "series/surface/custom3d_grid_series.h"

namespace quil {

class TCanvas3D;
class TQuilBlend;
class TSolidQuadFill;

// The surface: a grid series drawn as cells between neighbouring grid points, each cell a
// quadrilateral in 3D filled with the colour of one of its corners (or of the mean of its four
// values), far cells first. It can draw only the cells' outlines (WireFrame) or corner dots
// (DotFrame), translucent cells, and side walls down to its lowest value. It never shares its
// depth slot with another series.
class TSurfaceSeries : public TCustom3DGridSeries {
  QUIL_PERSISTENT_CLASS

 public:
  // Cells are walked from their first corner towards lower columns and rows.
  explicit TSurfaceSeries(TComponent* owner = nullptr);
  ~TSurfaceSeries() override;

  // Only the corner dots of each cell; turning it on shows the pen and turns WireFrame off.
  bool DotFrame() const { return dotFrame_; }
  void SetDotFrame(bool value);
  // Only the cells' outlines, in the cell colours; turning it on shows the pen and turns
  // DotFrame off.
  bool WireFrame() const { return wireFrame_; }
  void SetWireFrame(bool value);
  // Cell colours through the canvas's fast solid brush where it has one (neither canvas of this
  // library has).
  bool FastBrush() const { return fastBrush_; }
  void SetFastBrush(bool value) { SetBooleanProperty(fastBrush_, value); }
  // Sorts cells by depth in the views where they can hide each other.
  bool HideCells() const { return hideCells_; }
  void SetHideCells(bool value) { SetBooleanProperty(hideCells_, value); }
  // Each cell takes the colour of the mean of its four values.
  bool SmoothPalette() const { return smoothPalette_; }
  void SetSmoothPalette(bool value) { SetBooleanProperty(smoothPalette_, value); }
  // Fill and outline of the side walls; none is drawn while the brush is clear and the pen hidden.
  TQuilBrush& SideBrush() { return *sideBrush_; }
  const TQuilBrush& SideBrush() const { return *sideBrush_; }
  void SetSideBrush(const TQuilBrush& brush) { sideBrush_->Assign(brush); }
  TQuilHiddenPen& SideLines() { return *sideLines_; }
  const TQuilHiddenPen& SideLines() const { return *sideLines_; }
  void SetSideLines(const TQuilPen& pen) { sideLines_->Assign(pen); }

  bool MoreSameZOrder() const override { return false; }
  void DrawAllValues() override;
  // Draws the cell whose first corner is the point's own grid position.
  void DrawValue(int valueIndex) override;
  // The first point (in index order) whose projection lies less than 4 pixels from (x, y) in
  // both directions, or -1.
  int Clicked(int x, int y) override;
  // The first corner's point of the nearest cell whose projected outline holds (x, y), or -1.
  int ClickedCell(int x, int y);

  // From another surface also HideCells.
  void Assign(const TPersistent& source) override;
  // DotFrame, SideBrush, SideLines, SmoothPalette and WireFrame, then the palette's look.
  void AssignFormatting(const ROvedeSeries& source) override;

 protected:
  // Draws the cell whose first corner is grid position (x, z) in the current cell directions.
  virtual void DrawCell(int x, int z);
  // One side wall piece: corners 0 and 1 at depth z0, 2 and 3 at depth z1.
  virtual void DrawSidePortion(const TPoint (&points)[4], int z0, int z1);
  // Captures the axes' value-to-pixel mappings and the value arrays for a drawing or a hit test.
  virtual void PrepareCalcPos();
  virtual bool ShouldDrawSides() const;

 private:
  // A point as one drawing sees it: where it lands on the screen at its own depth, the depth,
  // and its colour; Depth is kNoDepth for a point that cannot be drawn (a value that is not a
  // finite number).
  struct TDrawnPoint {
    TPoint Screen;
    int Depth = 0;
    TColor Color = clNone;
  };
  static constexpr int kNoDepth = -2147483647 - 1;

  TCanvas3D& Canvas() const;
  void PrepareCanvas();
  void PrepareDrawnPoints();
  TPoint CalcPointPos(int valueIndex) const;
  int CalcPointDepth(int valueIndex) const;
  bool PointDrawable(int valueIndex) const;
  TCellsOrientation Orientation();
  void DrawAllCells();
  void DrawAllSorted(bool reversed);
  // The cell of (x, z) in the current directions when all four corners exist and can be drawn.
  bool CellCorners(int x, int z, int (&indices)[4]) const;
  void DrawCellCorners(const int (&indices)[4]);
  void ProjectCell(const int (&indices)[4], TPoint (&projected)[4]) const;
  TColor CellColor(const int (&indices)[4]) const;
  void SetBrushColor(TColor color);
  void DrawTranslucentCell(const TPoint (&projected)[4]);
  void DrawHoverMark(int valueIndex);
  void DrawSides(bool back);
  void DrawZSide(int column);
  void DrawXSide(int row);
  void DrawSideBetween(int p, int q, int bottomY);
  bool DrawFrontSideFirst(int z) const;
  int SideBottomY() const;
  bool GridPosition(int valueIndex, int& x, int& z) const;

  std::unique_ptr<TQuilBrush> sideBrush_;
  std::unique_ptr<TQuilHiddenPen> sideLines_;
  bool dotFrame_ = false;
  bool fastBrush_ = false;
  bool hideCells_ = true;
  bool smoothPalette_ = false;
  bool wireFrame_ = false;
  bool sameBrush_ = false;

  // State of one drawing; the mappings and arrays also serve the hit tests until the next one.
  TAxisMapping iCalcX_;
  TAxisMapping iCalcY_;
  TAxisMapping iCalcZ_;
  const double* iXValue_ = nullptr;
  const double* iYValue_ = nullptr;
  const double* iZValue_ = nullptr;
  std::vector<TDrawnPoint> drawnPoints_;
  std::unique_ptr<TQuilBlend> iBlender_;
  std::unique_ptr<TSolidQuadFill> fill_;
  bool isFastBrush_ = false;
};

}  // namespace quil

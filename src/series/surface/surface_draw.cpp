#include <cmath>

#include "canvas/canvas3d.h"
#include "canvas/canvas_geometry.h"
#include "canvas/quil_blend.h"
#include "canvas/solid_quad_fill.h"
#include "canvas/view3d_options.h"
#include "engine/axis_panel.h"
#include "engine/rovede_axis.h"
#include "series/surface/surface_series.h"

namespace quil {

namespace {

// The colour lookup of a value palette that only colours by value: the entries' bounds and
// colours side by side, searched as the palette is.
class TPaletteLookup {
 public:
  explicit TPaletteLookup(const TCustom3DPalette& palette) {
    bounds_.reserve(palette.size());
    colors_.reserve(palette.size());
    for (const TGridPalette& entry : palette) {
      bounds_.push_back(entry.UpToValue);
      colors_.push_back(entry.Color);
    }
  }
  TColor operator()(double value) const {
    std::size_t lo = 0, hi = bounds_.size() - 1;
    while (lo < hi) {
      const std::size_t mid = (lo + hi) / 2;
      if (value > bounds_[mid])
        lo = mid + 1;
      else
        hi = mid;
    }
    return colors_[lo];
  }

 private:
  std::vector<double> bounds_;
  std::vector<TColor> colors_;
};

// Ends a drawing's direct fill however the drawing ends, so the surface learns of its pixels.
class TFillScope {
 public:
  TFillScope(std::unique_ptr<TSolidQuadFill>& fill, std::unique_ptr<TSolidQuadFill> created) : fill_(fill) {
    fill_ = std::move(created);
  }
  ~TFillScope() { fill_.reset(); }
  TFillScope(const TFillScope&) = delete;
  TFillScope& operator=(const TFillScope&) = delete;

 private:
  std::unique_ptr<TSolidQuadFill>& fill_;
};

int Rotation(TCustomAxisPanel& chart) { return chart.View3DOptions().Rotation(); }

}  // namespace

TCanvas3D& TSurfaceSeries::Canvas() const { return ParenrOvede()->Canvas(); }

void TSurfaceSeries::PrepareCalcPos() {
  const ROvedeAxis* horizontal = GetHorizAxis();
  const ROvedeAxis* vertical = GetVertAxis();
  const ROvedeAxis* depth = DepthAxis();
  iCalcX_ = horizontal ? horizontal->Scale().Mapping() : TAxisMapping{};
  iCalcY_ = vertical ? vertical->Scale().Mapping() : TAxisMapping{};
  iCalcZ_ = depth ? depth->Scale().Mapping() : TAxisMapping{};
  iXValue_ = XValues().Values().data();
  iYValue_ = YValues().Values().data();
  iZValue_ = ZValues().Values().data();
}

bool TSurfaceSeries::PointDrawable(int i) const {
  return std::isfinite(iXValue_[i]) && std::isfinite(iYValue_[i]) && std::isfinite(iZValue_[i]);
}

TPoint TSurfaceSeries::CalcPointPos(int i) const { return {iCalcX_.CalcPosValue(iXValue_[i]), iCalcY_.CalcPosValue(iYValue_[i])}; }

int TSurfaceSeries::CalcPointDepth(int i) const { return iCalcZ_.CalcPosValue(iZValue_[i]); }

// Every point is mapped, projected and coloured once per drawing, so a cell costs look-ups.
// The colours are the ones GetValueColor gives; a palette that only colours by value is
// searched directly.
void TSurfaceSeries::PrepareDrawnPoints() {
  const int count = Count();
  drawnPoints_.resize(static_cast<std::size_t>(count));
  const TCanvas3D& canvas = Canvas();
  const bool paletteOnly = !OnGetColor && !Colors() && UsePalette() && !UseColorRange() && !Palette().empty();
  const TPaletteLookup lookup(paletteOnly ? Palette() : TCustom3DPalette{});
  for (int i = 0; i < count; ++i) {
    TDrawnPoint& p = drawnPoints_[static_cast<std::size_t>(i)];
    if (!PointDrawable(i)) {
      p.Depth = kNoDepth;
      continue;
    }
    const TPoint screen = CalcPointPos(i);
    p.Depth = CalcPointDepth(i);
    p.Screen = canvas.Calculate3DPosition(screen.X, screen.Y, p.Depth);
    p.Color = paletteOnly ? lookup(iYValue_[i]) : GetValueColor(i);
  }
}

// Pen, brush and back mode the cells are drawn with.
void TSurfaceSeries::PrepareCanvas() {
  TCanvas3D& canvas = Canvas();
  if (Pen().Visible() || wireFrame_ || dotFrame_)
    canvas.AssignVisiblePenColor(Pen(), Pen().Color());
  else
    canvas.Pen().SetStyle(psClear);
  canvas.AssignBrush(Brush(), SeriesColor(), Brush().BackColor());
  sameBrush_ = !(UseColorRange() || UsePalette()) || Brush().HasGraphic();
  if (wireFrame_ || dotFrame_) canvas.Brush().SetStyle(bsClear);
  canvas.SetBackMode(cbmTransparent);
}

TCellsOrientation TSurfaceSeries::Orientation() {
  const TCellsOrientation o = CellsOrientation(NumXValues(), NumZValues(), BackFaced(), DrawValuesForward());
  SetCellDirections(-o.IncX, o.IncZ);
  return o;
}

void TSurfaceSeries::DrawAllValues() {
  TCustomAxisPanel* chart = ParenrOvede();
  if (Count() == 0 || !chart) return;
  // Values changed after the chart prepared the series (a handler before the drawing, say).
  if (DirtyGrid()) FillGridIndex();
  TCanvas3D& canvas = chart->Canvas();
  PrepareCanvas();
  PrepareCalcPos();
  PrepareDrawnPoints();
  const bool sides = ShouldDrawSides();
  if (sides) {
    DrawSides(true);
    PrepareCanvas();
  }
  if (Transparency() > 0) iBlender_ = canvas.BeginBlending({}, Transparency());
  isFastBrush_ = fastBrush_ && !wireFrame_ && Brush().Style() == bsSolid && canvas.CheckFastBrush();
  const bool penHidden = !Pen().Visible();
  if (penHidden) canvas.SetAntiAlias(false);
  {
    // Plain cells go straight into the pixels where the canvas can promise the same ones.
    TFillScope scope(fill_, dotFrame_ || wireFrame_ || Transparency() > 0 ? std::unique_ptr<TSolidQuadFill>()
                                                                          : canvas.SolidQuadFill());
    const TSortingRange range = InRangeRotation(Rotation(*chart));
    if (hideCells_ && !canvas.GetSupportsFullRotation() && range.Sorted)
      DrawAllSorted(range.Reversed);
    else
      DrawAllCells();
  }
  if (penHidden) canvas.SetAntiAlias(true);
  if (HoverEnabled()) {
    const int hover = Selected().HoverIndex();
    if (hover >= 0 && hover < Count() && PointDrawable(hover)) DrawHoverMark(hover);
  }
  if (Transparency() > 0) {
    // Every cell was blended as it was drawn; the blend ends on an area where nothing new was
    // drawn, or it would mix the last cell with its background a second time.
    if (iBlender_) iBlender_->SetRectangle({});
    canvas.EndBlending(std::move(iBlender_));
  }
  if (sides) DrawSides(false);
  SaveChartRect();
}

void TSurfaceSeries::DrawAllCells() {
  const TCellsOrientation o = Orientation();
  TCustomAxisPanel& chart = *ParenrOvede();
  const int rotation = ((Rotation(chart) % 360) + 360) % 360;
  const bool perspective = !Canvas().GetSupportsFullRotation() && chart.View3DOptions().Perspective() > 0 &&
                           (rotation == 0 || rotation == 180);
  for (int x : ColumnOrder(o, perspective))
    for (int z = o.InitZ; o.IncZ > 0 ? z < o.EndZ : z > o.EndZ; z += o.IncZ) DrawCell(x, z);
}

void TSurfaceSeries::DrawAllSorted(bool reversed) {
  const TCellsOrientation o = Orientation();
  const std::vector<int> columns = ColumnOrder(o, false);
  const ROvedeAxis* depth = DepthAxis();
  const bool ascending = reversed != (depth && depth->Inverted());
  const std::vector<TCellRun> runs = SortedCellRuns(o, columns, ascending, [&](int x, int z, double& value) {
    int corners[4];
    if (!CellCorners(x, z, corners)) return false;
    value = iZValue_[corners[0]];
    return true;
  });
  for (const TCellRun& run : runs)
    for (int k = 0; k < run.Count; ++k) DrawCell(columns[static_cast<std::size_t>(run.First + k)], run.Row);
}

bool TSurfaceSeries::CellCorners(int x, int z, int (&indices)[4]) const {
  const TGridIndex& grid = GridIndex();
  const int x1 = x + iNextXCell_, z1 = z + iNextZCell_;
  indices[0] = grid(x, z);
  indices[1] = grid(x1, z);
  indices[2] = grid(x1, z1);
  indices[3] = grid(x, z1);
  for (int i : indices)
    if (i < 0 || static_cast<std::size_t>(i) >= drawnPoints_.size() ||
        drawnPoints_[static_cast<std::size_t>(i)].Depth == kNoDepth)
      return false;
  return true;
}

void TSurfaceSeries::DrawCell(int x, int z) {
  const TGridIndex& grid = GridIndex();
  // Outside the index the checked search raises the range error.
  if (!grid.Contains(x, z) || !grid.Contains(x + iNextXCell_, z + iNextZCell_)) {
    ExistFourGridIndex(x, z);
    return;
  }
  int corners[4];
  const bool drawable = CellCorners(x, z, corners);
  for (int i = 0; i < 4; ++i) valueIndex_[static_cast<std::size_t>(i)] = corners[i];
  if (drawable) DrawCellCorners(corners);
}

// The colour of the corner at the lower column and the higher row.
TColor TSurfaceSeries::CellColor(const int (&indices)[4]) const {
  const int corner = iNextXCell_ == 1 ? (iNextZCell_ == 1 ? 3 : 0) : (iNextZCell_ == 1 ? 2 : 1);
  return drawnPoints_[static_cast<std::size_t>(indices[corner])].Color;
}

// Corners 0 and 1 lie at the depth of corner 0, corners 2 and 3 at that of corner 2; a point at
// that depth already has its projection.
void TSurfaceSeries::ProjectCell(const int (&indices)[4], TPoint (&projected)[4]) const {
  const TCanvas3D& canvas = Canvas();
  const auto at = [&](int corner, int depth) {
    const TDrawnPoint& p = drawnPoints_[static_cast<std::size_t>(indices[corner])];
    if (p.Depth == depth) return p.Screen;
    const TPoint screen = CalcPointPos(indices[corner]);
    return canvas.Calculate3DPosition(screen.X, screen.Y, depth);
  };
  const int z0 = drawnPoints_[static_cast<std::size_t>(indices[0])].Depth;
  const int z2 = drawnPoints_[static_cast<std::size_t>(indices[2])].Depth;
  projected[0] = at(0, z0);
  projected[1] = at(1, z0);
  projected[2] = at(2, z2);
  projected[3] = at(3, z2);
}

void TSurfaceSeries::DrawCellCorners(const int (&indices)[4]) {
  TColor color = CellColor(indices);
  if (color == clNone) return;
  TCanvas3D& canvas = Canvas();
  if (!sameBrush_ && smoothPalette_) {
    double sum = 0;
    for (int i : indices) sum += iYValue_[i];
    color = GetValueColorValue(sum * 0.25);
  }
  if (fill_) {
    TPoint projected[4];
    ProjectCell(indices, projected);
    fill_->Fill(projected, sameBrush_ ? canvas.Brush().Color() : color);
    return;
  }
  if (!sameBrush_) {
    if (wireFrame_)
      canvas.Pen().SetColor(color);
    else
      SetBrushColor(color);
  }
  if (dotFrame_) {
    const int z0 = drawnPoints_[static_cast<std::size_t>(indices[0])].Depth;
    const int z2 = drawnPoints_[static_cast<std::size_t>(indices[2])].Depth;
    for (int corner = 0; corner < 4; ++corner) {
      const TPoint p = CalcPointPos(indices[corner]);
      canvas.SetPixel3D(p.X, p.Y, corner < 2 ? z0 : z2, drawnPoints_[static_cast<std::size_t>(indices[corner])].Color);
    }
    return;
  }
  TPoint projected[4];
  ProjectCell(indices, projected);
  if (Transparency() > 0)
    DrawTranslucentCell(projected);
  else
    canvas.Polygon(projected, 4);
}

// The brush keeps its colour when it is clear or already has it, so an unchanged colour costs
// no change notice.
void TSurfaceSeries::SetBrushColor(TColor color) {
  TQuilBrush& brush = Canvas().Brush();
  if (brush.Style() != bsClear && brush.Color() != color) brush.SetColor(color);
}

void TSurfaceSeries::DrawTranslucentCell(const TPoint (&projected)[4]) {
  TCanvas3D& canvas = Canvas();
  if (!canvas.SupportsAlpha() && iBlender_) iBlender_->SetRectangle(RectFromPolygon(projected, 4));
  canvas.Polygon(projected, 4);
  if (iBlender_) iBlender_->DoBlend(Transparency());
}

void TSurfaceSeries::DrawHoverMark(int valueIndex) {
  TCanvas3D& canvas = Canvas();
  TQuilHover& hover = Selected().Hover();
  canvas.AssignVisiblePen(hover.Pen());
  canvas.AssignBrush(hover.Brush());
  const TPoint p = CalcPointPos(valueIndex);
  const TRect r{p.X - 4, p.Y - 4, p.X + 4, p.Y + 4};
  const int z = CalcPointDepth(valueIndex);
  switch (hover.ShapeStyle()) {
    case fosRectangle: canvas.RectangleWithZ(r, z); break;
    case fosRoundRectangle: canvas.RoundRect(r, hover.RoundSize(), hover.RoundSize(), z, z); break;
    default: canvas.EllipseWithZ(r, z); break;
  }
}

// The grid position holding the point, found from its X and Z the way the index placed it.
bool TSurfaceSeries::GridPosition(int valueIndex, int& x, int& z) const {
  const auto position = [&](double value, int count, auto gridValue) {
    if (!IrregularGrid()) return static_cast<int>(std::lround(std::nearbyint(value) - gridValue(0)));
    int lo = 1, hi = count;
    while (lo < hi) {
      const int mid = (lo + hi) / 2;
      if (gridValue(mid) < value)
        lo = mid + 1;
      else
        hi = mid;
    }
    return lo;
  };
  const double vx = XValues().Value(valueIndex), vz = ZValues().Value(valueIndex);
  if (!std::isfinite(vx) || !std::isfinite(vz)) return false;
  x = position(vx, NumXValues(), [this](int p) { return GridXValue(p); });
  z = position(vz, NumZValues(), [this](int p) { return GridZValue(p); });
  return GridIndex().Contains(x, z) && GridIndex()(x, z) == valueIndex;
}

void TSurfaceSeries::DrawValue(int valueIndex) {
  if (!ParenrOvede() || valueIndex < 0 || valueIndex >= Count()) return;
  if (DirtyGrid()) FillGridIndex();
  int x = 0, z = 0;
  if (!GridPosition(valueIndex, x, z)) return;
  PrepareCanvas();
  PrepareCalcPos();
  PrepareDrawnPoints();
  const TGridIndex& grid = GridIndex();
  if (grid.Contains(x + iNextXCell_, z + iNextZCell_)) DrawCell(x, z);
}

}  // namespace quil

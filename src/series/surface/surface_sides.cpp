#include "canvas/canvas3d.h"
#include "canvas/canvas_geometry.h"
#include "chart/custom_chart.h"
#include "engine/rovede_axis.h"
#include "series/surface/surface_series.h"

namespace quil {

// The base line of the walls: the lowest value's pixel (the highest's on an inverted axis).
int TSurfaceSeries::SideBottomY() const {
  const ROvedeAxis* vertical = GetVertAxis();
  return iCalcY_.CalcPosValue(vertical && vertical->Inverted() ? MaxYValue() : MinYValue());
}

// Whether the chart's front plane at depth z faces the viewer.
bool TSurfaceSeries::DrawFrontSideFirst(int z) const {
  const TCustomAxisPanel& chart = *ParenrOvede();
  const TCanvas3D& canvas = Canvas();
  const TRect& r = chart.ChartRect;
  const auto* full = dynamic_cast<const TCustomChart*>(&chart);
  const int bottom = r.Bottom + (full ? full->BottomAxis().IWallSize : 0);
  return !QuilCull(canvas.Calculate3DPosition(r.Right, r.Top, z), canvas.Calculate3DPosition(r.Right, bottom, z),
                   canvas.Calculate3DPosition(r.Left, bottom, z));
}

void TSurfaceSeries::DrawSidePortion(const TPoint (&points)[4], int z0, int z1) {
  Canvas().PlaneFour3D(points, z0, z1);
}

// A wall piece from grid point p to q down to the base line; left out next to a missing point.
void TSurfaceSeries::DrawSideBetween(int p, int q, int bottomY) {
  if (p < 0 || q < 0 || !PointDrawable(p) || !PointDrawable(q)) return;
  const TPoint top0 = CalcPointPos(p), top1 = CalcPointPos(q);
  const TPoint points[4] = {top0, {top0.X, bottomY}, {top1.X, bottomY}, top1};
  DrawSidePortion(points, CalcPointDepth(p), CalcPointDepth(q));
}

void TSurfaceSeries::DrawZSide(int column) {
  const TGridIndex& grid = GridIndex();
  const int bottomY = SideBottomY();
  for (int row = NumZValues(); row >= 2; --row) DrawSideBetween(grid(column, row), grid(column, row - 1), bottomY);
}

void TSurfaceSeries::DrawXSide(int row) {
  const TGridIndex& grid = GridIndex();
  const int bottomY = SideBottomY();
  for (int column = 2; column <= NumXValues(); ++column)
    DrawSideBetween(grid(column, row), grid(column - 1, row), bottomY);
}

// The walls along the outer rows and columns: each is drawn in the pass (behind the cells, or
// in front of them) its side of the chart's box is drawn in.
void TSurfaceSeries::DrawSides(bool back) {
  TCanvas3D& canvas = Canvas();
  canvas.AssignBrush(*sideBrush_);
  canvas.AssignVisiblePenColor(*sideLines_, sideLines_->Color());
  const int numX = NumXValues(), numZ = NumZValues();
  if (numX < 1 || numZ < 1) return;
  const ROvedeAxis* horizontal = GetHorizAxis();
  const ROvedeAxis* depth = DepthAxis();
  const bool xInverted = horizontal && horizontal->Inverted();
  const bool zInverted = depth && depth->Inverted();
  auto* chart = dynamic_cast<TCustomChart*>(ParenrOvede());
  const bool leftFirst = chart && chart->DrawLeftWallFirst();
  const bool rightAfter = chart && chart->DrawRightWallAfter();
  if (leftFirst != back) DrawZSide(xInverted ? numX : 1);
  if (rightAfter != back) DrawZSide(xInverted ? 1 : numX);
  if (!DrawFrontSideFirst(EndZ()) == back) DrawXSide(zInverted ? 1 : numZ);
  if (!DrawFrontSideFirst(0) != back) {
    const int row = zInverted ? numZ : 1;
    DrawXSide(row);
    // The near wall's end closes with a vertical edge at the last column.
    canvas.Pen().SetStyle(psSolid);
    const int corner = GridIndex()(numX, row);
    if (corner >= 0 && PointDrawable(corner)) {
      const TPoint p = CalcPointPos(corner);
      canvas.VertLine3D(p.X, p.Y, SideBottomY(), CalcPointDepth(corner));
    }
  }
}

}  // namespace quil

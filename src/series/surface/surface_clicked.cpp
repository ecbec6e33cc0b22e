#include <cstdlib>

#include "canvas/canvas3d.h"
#include "engine/axis_panel.h"
#include "series/surface/surface_series.h"

namespace quil {

namespace {

// Even-odd: whether (x, y) lies inside the polygon's outline.
bool PointInPolygon(int x, int y, const TPoint (&polygon)[4]) {
  bool inside = false;
  for (int i = 0, j = 3; i < 4; j = i++) {
    const TPoint& a = polygon[i];
    const TPoint& b = polygon[j];
    if ((a.Y > y) != (b.Y > y) &&
        x < (double(b.X) - a.X) * (double(y) - a.Y) / (double(b.Y) - a.Y) + a.X)
      inside = !inside;
  }
  return inside;
}

}  // namespace

int TSurfaceSeries::Clicked(int x, int y) {
  if (DirtyGrid() || Count() == 0 || !ParenrOvede()) return -1;
  PrepareCalcPos();
  const TCanvas3D& canvas = Canvas();
  for (int i = 0; i < Count(); ++i) {
    if (!PointDrawable(i)) continue;
    const TPoint p = CalcPointPos(i);
    const TPoint projected = canvas.Calculate3DPosition(p.X, p.Y, CalcPointDepth(i));
    if (std::abs(projected.X - x) < 4 && std::abs(projected.Y - y) < 4) return i;
  }
  return -1;
}

// The walk of the drawing turned round, so the near cells come first: the same cells, reached
// from their other row.
int TSurfaceSeries::ClickedCell(int x, int y) {
  if (DirtyGrid() || Count() == 0 || !ParenrOvede()) return -1;
  SetCellDirections(-1, -1);
  PrepareCalcPos();
  const TCellsOrientation o = Orientation();
  if (o.IncZ > 0 ? o.InitZ >= o.EndZ : o.InitZ <= o.EndZ) return -1;
  iNextZCell_ = -iNextZCell_;
  const int firstRow = o.EndZ;
  const int lastRow = o.InitZ + o.IncZ;
  const int step = -o.IncZ;
  const TCanvas3D& canvas = Canvas();
  const std::vector<int> columns = ColumnOrder(o, false);
  for (int z = firstRow;; z += step) {
    for (int column : columns) {
      if (!ExistFourGridIndex(column, z)) continue;
      int corners[4];
      for (int i = 0; i < 4; ++i) corners[i] = ValueIndex(i);
      bool drawable = true;
      for (int i : corners) drawable = drawable && PointDrawable(i);
      if (!drawable) continue;
      const int z0 = CalcPointDepth(corners[0]), z2 = CalcPointDepth(corners[2]);
      TPoint polygon[4];
      for (int i = 0; i < 4; ++i) {
        const TPoint p = CalcPointPos(corners[i]);
        polygon[i] = canvas.Calculate3DPosition(p.X, p.Y, i < 2 ? z0 : z2);
      }
      if (PointInPolygon(x, y, polygon)) return corners[0];
    }
    if (z == lastRow) break;
  }
  return -1;
}

}  // namespace quil

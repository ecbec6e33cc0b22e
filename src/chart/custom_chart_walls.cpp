#include <cstdlib>

#include "canvas/canvas3d.h"
#include "canvas/canvas_geometry.h"
#include "canvas/quil_blend.h"
#include "canvas/view3d_options.h"
#include "chart/custom_chart.h"
#include "core/rounding.h"

namespace quil {

void TCustomChart::CalcWallsRect() {
  CalcSize3DWalls();
  if (!CustomChartRect() && View3D() && View3DOptions().Orthogonal()) {
    const int back = ActiveSeriesUseAxis() ? walls_->Back().Size() : 0;
    const int depth = std::abs(Width3D()) + back;
    if (View3DOptions().OrthoAngle() <= 90) {
      ChartRect.Right -= depth;
      if (walls_->RightOrNull() && walls_->RightOrNull()->Visible()) ChartRect.Right -= walls_->RightOrNull()->Size() + 1;
    } else {
      ChartRect.Left += depth;
      if (walls_->Left().Visible()) ChartRect.Left += walls_->Left().Size() + 1;
    }
    ChartRect.Top += std::abs(Height3D()) + back;
  }
  ReCalcWidthHeight();
}

// The standard axes are listed first, in the order bottom, top, left, right, depth, depth top.
int TCustomChart::CalcWallSize(const ROvedeAxis& axis) const {
  if (!View3D() || !View3DWalls()) return 0;
  switch (Axes().IndexOf(&axis)) {
    case 0:
      return WallSize(&walls_->Bottom());
    case 2:
      return WallSize(&walls_->Left());
    case 3:
      return WallSize(walls_->RightOrNull());
    default:
      return WallSize(&walls_->Back());
  }
}

int TCustomChart::BottomWallSize() const {
  return View3D() && View3DWalls() ? WallSize(&walls_->Bottom()) : 0;
}

bool TCustomChart::DrawWallFirst(int x) {
  if (Canvas().GetSupportsFullRotation()) return true;
  const int bottom = ChartRect.Bottom + BottomWallSize();
  return QuilCull(Canvas().Calculate3DPosition(x, ChartRect.Top, 0), Canvas().Calculate3DPosition(x, bottom, 0),
                  Canvas().Calculate3DPosition(x, bottom, walls_->Back().Size() + Width3D()));
}

bool TCustomChart::DrawBackWallAfter(int z) {
  if (Canvas().GetSupportsFullRotation()) return false;
  const auto corners = Canvas().FourPointsFromRect(ChartRect, z);
  return !QuilCull(corners[0], corners[1], corners[2]);
}

}  // namespace quil

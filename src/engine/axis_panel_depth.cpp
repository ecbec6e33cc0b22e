#include <cmath>
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <numbers>

#include "canvas/view3d_options.h"
#include "core/rounding.h"
#include "engine/axis_panel.h"

namespace quil {

double CalcOrthoRatio(bool orthogonal, int orthoAngle) {
  if (!orthogonal) return 1.0;
  int folded = std::abs(orthoAngle) % 180;
  if (folded > 90) folded = 180 - folded;
  if (folded == 90) return std::numeric_limits<double>::infinity();
  return std::tan(folded * std::numbers::pi / 180.0);
}

void TCustomAxisPanel::SetCustomWidth3D(int width3D) {
  customWidth3D_ = true;
  SetWidth3D(width3D);
  Invalidate();
}

// The oblique height of a slot always follows its depth through the ortho ratio, whether the
// depth comes from the chart width or from the user, so a fixed depth draws the same box the
// automatic one would at that depth. At an ortho angle of 90 degrees the depth runs straight
// up: the slot keeps no horizontal depth and its whole size goes into the height.
void TCustomAxisPanel::CalcSize3DWalls() {
  if (!View3D()) {
    seriesWidth3D_ = seriesHeight3D_ = 0;
    SetWidth3D(0);
    SetHeight3D(0);
    return;
  }
  const int slots = ApplyZOrder() ? std::max(1, maxZOrder_ + 1) : 1;
  const bool orthogonal = View3DOptions().Orthogonal();
  const double factor = chart3DPercent_ * 0.001 * (orthogonal ? 1.0 : 2.0);
  const double ratio = CalcOrthoRatio(orthogonal, View3DOptions().OrthoAngle());
  const int slot = customWidth3D_ ? QuilRound(static_cast<double>(Width3D()) / slots)
                                  : QuilRound(ChartWidth() * factor);
  if (std::isinf(ratio)) {
    seriesWidth3D_ = 0;
    seriesHeight3D_ = slot;
  } else {
    seriesWidth3D_ = ratio > 1 && !customWidth3D_ ? QuilRound(slot / ratio) : slot;
    seriesHeight3D_ = QuilRound(seriesWidth3D_ * ratio);
  }
  SetHeight3D(slots * seriesHeight3D_);
  if (!customWidth3D_) SetWidth3D(slots * seriesWidth3D_);
}

}  // namespace quil

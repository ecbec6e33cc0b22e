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
  if (!customWidth3D_) FitSlotsInChart(slots);
  SetHeight3D(slots * seriesHeight3D_);
  if (!customWidth3D_) SetWidth3D(slots * seriesWidth3D_);
}

// The automatic depth grows with the number of slots; with hundreds of series it would push
// the whole box off the chart. The slots shrink together, keeping their shape, until the box
// takes at most two thirds of the chart's width and of its height.
void TCustomAxisPanel::FitSlotsInChart(int slots) {
  const double width = static_cast<double>(slots) * seriesWidth3D_;
  const double height = static_cast<double>(slots) * seriesHeight3D_;
  const double maxWidth = std::max(0, ChartWidth()) * 2 / 3.0;
  const double maxHeight = std::max(0, ChartHeight()) * 2 / 3.0;
  double scale = 1;
  if (width > maxWidth) scale = std::min(scale, maxWidth / width);
  if (height > maxHeight) scale = std::min(scale, maxHeight / height);
  if (scale == 1) return;
  seriesWidth3D_ = static_cast<int>(seriesWidth3D_ * scale);
  seriesHeight3D_ = static_cast<int>(seriesHeight3D_ * scale);
}

}  // namespace quil

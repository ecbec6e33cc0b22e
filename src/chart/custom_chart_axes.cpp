#include <algorithm>

#include "chart/custom_chart.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"

namespace quil {

bool TCustomChart::HasActiveSeries(const ROvedeAxis& axis) const {
  bool anyActive = false;
  for (const ROvedeSeries* series : SeriesList().Items()) {
    if (!series->Active()) continue;
    anyActive = true;
    if (!series->UseAxis()) return false;
    if (series->AssociatedToAxis(axis)) return true;
  }
  return !anyActive;
}

bool TCustomChart::CalcIsAxisVisible(const ROvedeAxis& axis) const {
  if (!AxisVisible() || !axis.Visible()) return false;
  return axis.IsDepthAxis() ? View3D() : HasActiveSeries(axis);
}

// One pass: horizontal axes take their height at the full width, vertical axes their width
// from what is left, and every axis then follows the final rectangle.
void TCustomChart::CalcAxisRect() {
  const int count = Axes().Count();
  for (int i = 0; i < count; ++i) {
    ROvedeAxis& axis = Axes()[i];
    axis.SetIsVisible(CalcIsAxisVisible(axis));
    axis.AdjustMaxMin();
  }
  for (int i = 0; i < count; ++i) Axes()[i].InternalCalcPositions();
  TRect r = ChartRect;
  for (int i = 0; i < count; ++i) {
    ROvedeAxis& axis = Axes()[i];
    if (!axis.IsVisible()) continue;
    TRect r2 = r;
    axis.CalcRect(r2, axis.ResizeChart());
    const TRect both{std::max(r.Left, r2.Left), std::max(r.Top, r2.Top), std::min(r.Right, r2.Right),
                     std::min(r.Bottom, r2.Bottom)};
    if (both.Left < both.Right && both.Top < both.Bottom) r = both;
  }
  ChartRect = r;
  ReCalcWidthHeight();
  for (int i = 0; i < count; ++i) Axes()[i].InternalCalcPositions();
}

bool TCustomChart::DepthAxisInverted() const { return DepthAxis().Inverted(); }

// The bottom axis waits for the back wall when that wall is drawn over the series.
void TCustomChart::DrawAxes() {
  const bool bottomLater = DrawBackWallAfter(0);
  for (int i = 0; i < Axes().Count(); ++i) {
    ROvedeAxis& axis = Axes()[i];
    if (!axis.IsVisible() || (i == 0 && bottomLater)) continue;
    axis.Draw(true);
  }
}

}  // namespace quil

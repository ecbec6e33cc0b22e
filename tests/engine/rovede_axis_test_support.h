#pragma once

#include <memory>
#include <vector>

#include "engine/rovede_axis.h"
#include "series_test_support.h"

namespace quil::testing {

// A chart with the six standard axes that lays them out and draws them the way the chart's
// frame does: visibility from Visible, ranges, spans, room from the chart rectangle, drawing.
class TAxisTestChart : public TTestAxisPanel {
 public:
  explicit TAxisTestChart(TComponent* owner) : TTestAxisPanel(owner), axes_(CreateStandardAxes(*this)) {}

  ROvedeAxis& Bottom() { return *axes_[0]; }
  ROvedeAxis& Top() { return *axes_[1]; }
  ROvedeAxis& Left() { return *axes_[2]; }
  ROvedeAxis& Right() { return *axes_[3]; }
  ROvedeAxis& Depth() { return *axes_[4]; }
  ROvedeAxis& DepthTop() { return *axes_[5]; }
  const std::vector<std::unique_ptr<ROvedeAxis>>& StandardAxes() const { return axes_; }

  // Only these axes take part in the frame.
  std::vector<ROvedeAxis*> Shown;

  // The axis' span along the current chart rectangle.
  void PlaceAxis(ROvedeAxis& axis) {
    ReCalcWidthHeight();
    axis.AdjustMaxMin();
    axis.InternalCalcPositions();
  }

 protected:
  void CalcAxisRect() override {
    for (ROvedeAxis* axis : Shown) {
      axis->SetIsVisible(axis->Visible());
      axis->AdjustMaxMin();
    }
    for (ROvedeAxis* axis : Shown) axis->InternalCalcPositions();
    TRect rect = ChartRect;
    for (ROvedeAxis* axis : Shown) {
      if (!axis->IsVisible()) continue;
      TRect inner = rect;
      axis->CalcRect(inner, axis->ResizeChart());
      rect = inner;
    }
    ChartRect = rect;
    ReCalcWidthHeight();
    for (ROvedeAxis* axis : Shown) axis->InternalCalcPositions();
  }
  void DrawAxes() override {
    for (ROvedeAxis* axis : Shown)
      if (axis->IsVisible()) axis->Draw(true);
  }

 private:
  std::vector<std::unique_ptr<ROvedeAxis>> axes_;
};

}  // namespace quil::testing

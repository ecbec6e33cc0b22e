#include <string_view>

#include "core/geometry.h"
#include "engine/axis_panel.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"

namespace quil {

namespace {

ROvedeAxis* StandardAxis(const TCustomAxisPanel& chart, std::string_view identifier) {
  const ROvedeAxes& axes = chart.Axes();
  for (int i = 0; i < axes.Count(); ++i)
    if (axes[i].IsStandard() && axes[i].Identifier() == identifier) return &axes[i];
  return nullptr;
}

}  // namespace

void ROvedeSeries::RecalcGetAxis() {
  const TCustomAxisPanel* chart = ParenrOvede();
  if (!chart) {
    getHorizAxis_ = nullptr;
    getVertAxis_ = nullptr;
    return;
  }
  if (horizAxis_ == aCustomHorizAxis && customHorizAxis_)
    getHorizAxis_ = customHorizAxis_;
  else
    getHorizAxis_ = StandardAxis(*chart, horizAxis_ == aTopAxis ? "Top" : "Bottom");
  if (vertAxis_ == aCustomVertAxis && customVertAxis_)
    getVertAxis_ = customVertAxis_;
  else
    getVertAxis_ = StandardAxis(*chart, vertAxis_ == aRightAxis ? "Right" : "Left");
}

void ROvedeSeries::ForgetCustomAxis(const ROvedeAxis& axis) {
  if (customHorizAxis_ == &axis) customHorizAxis_ = nullptr;
  if (customVertAxis_ == &axis) customVertAxis_ = nullptr;
  RecalcGetAxis();
}

bool ROvedeSeries::AssociatedToAxis(const ROvedeAxis& axis) const {
  if (!UseAxis()) return false;
  if (axis.IsDepthAxis()) return true;
  if (axis.Horizontal()) return horizAxis_ == aBothHorizAxis || &axis == getHorizAxis_;
  return vertAxis_ == aBothVertAxis || &axis == getVertAxis_;
}

ROvedeValueList* ROvedeSeries::ValueListOfAxis(const ROvedeAxis& axis) const {
  if (axis.IsDepthAxis() || !AssociatedToAxis(axis)) return nullptr;
  return axis.Horizontal() ? xValues_ : yValues_;
}

TAxisLabelStyle ROvedeSeries::AxisLabelStyle(const ROvedeAxis& axis) const {
  const bool horizontal = axis.Horizontal() && !axis.IsDepthAxis();
  return AxisLabelStyleFor(!axis.IsDepthAxis() && horizontal != yMandatory_);
}

int ROvedeSeries::CalcXPosValue(double value) const {
  return getHorizAxis_ ? getHorizAxis_->CalcXPosValue(value) : 0;
}

int ROvedeSeries::CalcYPosValue(double value) const {
  return getVertAxis_ ? getVertAxis_->CalcYPosValue(value) : 0;
}

int ROvedeSeries::CalcXSizeValue(double value) const {
  return getHorizAxis_ ? getHorizAxis_->Scale().CalcSizeValue(value) : 0;
}

int ROvedeSeries::CalcYSizeValue(double value) const {
  return getVertAxis_ ? getVertAxis_->Scale().CalcSizeValue(value) : 0;
}

double ROvedeSeries::XScreenToValue(int pixel) const {
  return getHorizAxis_ ? getHorizAxis_->CalcPosPoint(pixel) : 0;
}

double ROvedeSeries::YScreenToValue(int pixel) const {
  return getVertAxis_ ? getVertAxis_->CalcPosPoint(pixel) : 0;
}

bool ROvedeSeries::IsPointInChartRect(int valueIndex) const {
  const TCustomAxisPanel* chart = ParenrOvede();
  if (!chart) return false;
  const TRect& r = chart->ChartRect;
  const int x = CalcXPos(valueIndex);
  const int y = CalcYPos(valueIndex);
  return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

bool ROvedeSeries::VisibleAxisRange(double& minimum, double& maximum) const {
  const ROvedeAxis* axis = yMandatory_ ? getHorizAxis_ : getVertAxis_;
  if (!axis) return false;
  minimum = axis->IMinimum();
  maximum = axis->IMaximum();
  return true;
}

bool ROvedeSeries::PositionAxisInverted() const {
  const ROvedeAxis* axis = yMandatory_ ? getHorizAxis_ : getVertAxis_;
  return axis && axis->Inverted();
}

}  // namespace quil

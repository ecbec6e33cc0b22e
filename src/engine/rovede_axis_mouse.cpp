#include <algorithm>
#include <cmath>

#include "canvas/canvas3d.h"
#include "engine/axis_panel.h"
#include "engine/axis_series_source.h"
#include "engine/rovede_axis.h"

namespace quil {

int QuilAxisClickGap = 3;

TRect ROvedeAxis::AxisRect() const {
  const int start = std::min(IStartPos(), IEndPos());
  const int end = std::max(IStartPos(), IEndPos());
  int crossStart = PosAxis;
  int crossEnd = PosAxis;
  if (labels_ && labelsFormat_->Visible()) {
    // The gap lies on the line's far side from the labels.
    const int line = PosLabels < PosAxis ? PosAxis + QuilAxisClickGap : PosAxis - QuilAxisClickGap;
    crossStart = std::min(PosLabels, line);
    crossEnd = std::max(PosLabels, line);
  }
  if (horizontal_) return {start, crossStart, end, crossEnd};
  return {crossStart, start, crossEnd, end};
}

bool ROvedeAxis::Clicked(TPoint p) const {
  if (!chart_ || !isVisible_) return false;
  TRect r = AxisRect();
  if (chart_->View3D()) r = chart_->Canvas().CalcRect3D(r, otherSide_ ? chart_->Width3D() : 0);
  return r.ContainsWithEdges(p);
}

void ROvedeAxis::Scroll(double offset, bool checkLimits) {
  const double min = Minimum();
  const double max = Maximum();
  if (checkLimits) {
    const IAxisSeriesSource* source = scale_->SeriesSource();
    const double dataMin = source ? source->SeriesMinimum() : 0;
    const double dataMax = source ? source->SeriesMaximum() : 0;
    const bool inside = offset > 0 ? max < dataMax - offset : offset < 0 && min > dataMin - offset;
    if (!inside) return;
  }
  const double newMin = min + offset;
  const double newMax = max + offset;
  if (!std::isfinite(newMin) || !std::isfinite(newMax)) return;
  scale_->SetMinMax(newMin, newMax);
}

}  // namespace quil

#include <algorithm>

#include "engine/axis_panel.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"

namespace quil {

namespace {

bool AutomaticMinimum(const ROvedeAxis& axis) { return axis.Automatic() || axis.AutomaticMinimum(); }
bool AutomaticMaximum(const ROvedeAxis& axis) { return axis.Automatic() || axis.AutomaticMaximum(); }
bool HasAutomaticEnd(const ROvedeAxis& axis) { return AutomaticMinimum(axis) || AutomaticMaximum(axis); }
bool IsZero(const TRect& r) { return r.Left == 0 && r.Top == 0 && r.Right == 0 && r.Bottom == 0; }

}  // namespace

ROvedeSeries* TCustomAxisPanel::GetAxisSeries(const ROvedeAxis& axis) const {
  ROvedeSeries* anyAssociated = nullptr;
  for (ROvedeSeries* series : seriesList_.Items()) {
    if (!series->AssociatedToAxis(axis)) continue;
    if (series->Active()) return series;
    if (!anyAssociated) anyAssociated = series;
  }
  return anyAssociated;
}

// Margins grow only at the automatic ends: a range the user fixed stays where it is.
TRect TCustomAxisPanel::SeriesMarginsOf(const ROvedeAxis& axis) const {
  TRect m{};
  if (axis.IsDepthAxis() || !HasAutomaticEnd(axis)) return m;
  for (ROvedeSeries* series : seriesList_.Items()) {
    if (!series->Active() || !series->AssociatedToAxis(axis)) continue;
    int low = 0;
    int high = 0;
    if (axis.Horizontal()) {
      series->CalcHorizMargins(low, high);
      if (AutomaticMinimum(axis)) m.Left = std::max(m.Left, low);
      if (AutomaticMaximum(axis)) m.Right = std::max(m.Right, high);
    } else {
      series->CalcVerticalMargins(high, low);
      if (AutomaticMinimum(axis)) m.Bottom = std::max(m.Bottom, low);
      if (AutomaticMaximum(axis)) m.Top = std::max(m.Top, high);
    }
  }
  return m;
}

// The offsets name the minimum and maximum ends, which trade screen sides when inverted.
void TCustomAxisPanel::ApplyAxisOffsets(const ROvedeAxis& axis, TRect& margins) const {
  if (axis.MinimumOffset() == 0 && axis.MaximumOffset() == 0) return;
  const bool vertical = !axis.Horizontal() && !axis.IsDepthAxis();
  int& minimumSide = vertical ? margins.Bottom : margins.Left;
  int& maximumSide = vertical ? margins.Top : margins.Right;
  (axis.Inverted() ? maximumSide : minimumSide) += axis.MinimumOffset();
  (axis.Inverted() ? minimumSide : maximumSide) += axis.MaximumOffset();
}

void TCustomAxisPanel::ApplyRecalcAxisMargins(ROvedeAxis& axis) const {
  TRect m{};
  for (ROvedeSeries* series : seriesList_.Items())
    if (series->Active()) series->RecalcAxisMargins(axis, m);
  if (!IsZero(m)) axis.Scale().AdjustMaxMinRect(m);
}

void TCustomAxisPanel::CalcSeriesRect() {
  const auto counts = [this](const ROvedeAxis& axis) { return !axis.IsDepthAxis() || View3D(); };
  for (int i = 0; i < axes_.Count(); ++i) {
    ROvedeAxis& axis = axes_[i];
    if (!counts(axis)) continue;
    TRect m = SeriesMarginsOf(axis);
    ApplyAxisOffsets(axis, m);
    if (IsZero(m)) continue;
    axis.Scale().AdjustMaxMinRect(m);
    axis.Scale().CalcRoundScales();
  }
  for (int i = 0; i < axes_.Count(); ++i) {
    ROvedeAxis& axis = axes_[i];
    if (counts(axis) && HasAutomaticEnd(axis)) ApplyRecalcAxisMargins(axis);
  }
}

}  // namespace quil

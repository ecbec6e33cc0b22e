#include "series/surface/custom3d_series.h"

#include <algorithm>

#include "core/class_registry.h"
#include "engine/axis_panel.h"

namespace quil {

const TMetaClass& TCustom3DSeries::StaticClass() {
  using C = TCustom3DSeries;
  static const TMetaClass meta("TCustom3DSeries", &ROvedeSeries::StaticClass(),
                               TPropertyListBuilder<C>().Int("TimesZOrder", &C::TimesZOrder, &C::SetTimesZOrder, 3).Build(),
                               ComponentFactory<TCustom3DSeries>());
  return meta;
}

TCustom3DSeries::TCustom3DSeries(TComponent* owner) : ROvedeSeries(owner) {}

void TCustom3DSeries::SetTimesZOrder(int value) {
  if (timesZOrder_ == value) return;
  timesZOrder_ = value;
  Repaint();
}

void TCustom3DSeries::CalcZOrder() {
  ROvedeSeries::CalcZOrder();
  TCustomAxisPanel* chart = ParenrOvede();
  if (chart && chart->View3D()) chart->SetMaxZOrder(std::max(chart->MaxZOrder(), ZOrder() + timesZOrder_));
}

}  // namespace quil

#include "chart/chart_stand_in.h"

namespace quil {

const TMetaClass& TChartStandIn::StaticClass() {
  static const TMetaClass meta("TChartStandIn", &TCustomQuilPanelExtended::StaticClass(), {},
                               ComponentFactory<TChartStandIn>());
  return meta;
}

void TChartStandIn::InternalDraw(const TRect& userRect) { PanelPaint(userRect); }

}  // namespace quil

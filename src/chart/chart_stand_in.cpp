#include "chart/chart_stand_in.h"

#include "panel/option_store.h"

namespace quil {

const TMetaClass& TChartStandIn::StaticClass() {
  static const TMetaClass meta("TChartStandIn", &TCustomQuilPanelExtended::StaticClass(), {},
                               ComponentFactory<TChartStandIn>());
  return meta;
}

TChartStandIn::TChartStandIn(TComponent* owner)
    : TCustomQuilPanelExtended(owner), colorPaletteIndex_(QuilReadIntegerOption("DefaultPalette", 13)) {}

void TChartStandIn::InternalDraw(const TRect& userRect) { PanelPaint(userRect); }

}  // namespace quil

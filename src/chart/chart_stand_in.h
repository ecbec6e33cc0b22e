#pragma once

#include "panel/quil_panel_extended.h"

namespace quil {

// The main window's chart until the chart with axes and series takes its place: a chart
// panel that draws its background through the full paint cycle.
class TChartStandIn : public TCustomQuilPanelExtended {
  QUIL_PERSISTENT_CLASS

 public:
  using TCustomQuilPanelExtended::TCustomQuilPanelExtended;

 protected:
  void InternalDraw(const TRect& userRect) override;
};

}  // namespace quil

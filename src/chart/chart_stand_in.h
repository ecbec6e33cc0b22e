#pragma once

#include "panel/quil_panel_extended.h"

namespace quil {

// The main window's chart until the chart with axes and series takes its place: a chart
// panel that draws its background through the full paint cycle.
class TChartStandIn : public TCustomQuilPanelExtended {
  QUIL_PERSISTENT_CLASS

 public:
  // Reads the palette option as the chart does at creation.
  explicit TChartStandIn(TComponent* owner = nullptr);

  int ColorPaletteIndex() const { return colorPaletteIndex_; }

 protected:
  void InternalDraw(const TRect& userRect) override;

 private:
  int colorPaletteIndex_;
};

}  // namespace quil

#pragma once

#include "engine/series.h"

namespace quil {

class TLegendPaletteTool;

// The only series of a palette chart: one point per palette entry, at the entry's position
// and value, in the entry's colour. Point i is drawn as the band between the values of entries
// i - 1 and i, filled with entry i's colour (or blended from entry i - 1's when the tool is
// smooth) and framed with the series pen where bands meet.
class TPaletteSeries : public ROvedeSeries {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TPaletteSeries(TLegendPaletteTool& tool);

  TLegendPaletteTool& ITool() const { return tool_; }

  // Translucent with the series' Transparency on a canvas that blends.
  void DrawAllValues() override;
  // Fills the band of the point and draws its lines.
  void DrawValue(int valueIndex) override;

 private:
  TRect BandRect(int valueIndex) const;
  void FillBand(int valueIndex, const TRect& band);
  void DrawSeparators(int valueIndex, const TRect& band);

  TLegendPaletteTool& tool_;
  bool fillsOnly_ = false;
};

}  // namespace quil

#include <string>

#include "canvas/canvas3d.h"
#include "engine/axis_panel.h"
#include "engine/format_float.h"
#include "panel/text_lines.h"
#include "series/surface/custom3d_palette_series.h"

namespace quil {

// One row per listed entry: entries n-1, n-1-every, ... down to the last one at or above 0.
int TCustom3DPaletteSeries::CountLegendItems() const {
  if (Count() == 0 || !ColorMode()) return TCustom3DSeries::CountLegendItems();
  const int n = static_cast<int>(palette_.size());
  return legendEvery_ < 2 ? n : (n + legendEvery_ - 1) / legendEvery_;
}

int TCustom3DPaletteSeries::CalcLegendIndex(int legendIndex) const {
  if (!ColorMode()) return TCustom3DSeries::CalcLegendIndex(legendIndex);
  return static_cast<int>(palette_.size()) - 1 - legendIndex * legendEvery_;
}

std::string TCustom3DPaletteSeries::LegendString(int legendIndex, TLegendTextStyle style) const {
  if (!ColorMode()) return TCustom3DSeries::LegendString(legendIndex, style);
  if (legendIndex < 0 || legendIndex >= CountLegendItems()) return {};
  const int e = CalcLegendIndex(legendIndex);
  if (e < 0 || e >= static_cast<int>(palette_.size())) return {};
  const TGridPalette& entry = palette_[static_cast<std::size_t>(e)];
  const std::string value = FormatFloat(ValueFormat(), entry.UpToValue);
  const std::string index = std::to_string(e);
  const std::string s(1, QuilColumnSeparator);
  switch (style) {
    case ltsPlain:
      return entry.Text;
    case ltsLeftValue:
    case ltsLeftPercent:
      return value + s + entry.Text;
    case ltsRightValue:
    case ltsRightPercent:
      return entry.Text + s + value;
    case ltsXValue:
      return index;
    case ltsXAndValue:
    case ltsXAndPercent:
      return index + s + value;
    case ltsXAndText:
      return index + s + entry.Text;
    case ltsValue:
    case ltsPercent:
    case ltsXAndValueAndText:
      return value;
  }
  return value;
}

TColor TCustom3DPaletteSeries::LegendItemColor(int index) const {
  const bool inPalette = index >= 0 && index < static_cast<int>(palette_.size());
  if (inPalette && useColorRange_) return GetValueColorValue(palette_[static_cast<std::size_t>(index)].UpToValue);
  if (inPalette && usePalette_) return palette_[static_cast<std::size_t>(index)].Color;
  return TCustom3DSeries::LegendItemColor(index);
}

void TCustom3DPaletteSeries::DrawLegendShape(int valueIndex, const TRect& rect) {
  TCustomAxisPanel* chart = ParenrOvede();
  if (valueIndex != -1 || !useColorRange_ || !chart) {
    TCustom3DSeries::DrawLegendShape(valueIndex, rect);
    return;
  }
  TCanvas3D& canvas = chart->Canvas();
  canvas.Brush().SetStyle(bsClear);
  canvas.Rectangle(rect);
  // From the lowest values' colour to the highest, as the ramp runs.
  TQuilGradient ramp;
  ramp.SetVisible(true);
  ramp.SetStartColor(endColor_);
  ramp.SetMidColor(midColor_);
  ramp.SetEndColor(startColor_);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().Gradient().AssignSettings(ramp);
  canvas.FillRect(InflateRect(rect, -1, -1));
  canvas.Brush().Gradient().SetVisible(false);
}

}  // namespace quil

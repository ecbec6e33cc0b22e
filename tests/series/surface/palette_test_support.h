#pragma once

#include <vector>

#include "series/surface/custom3d_palette_series.h"

namespace quil::testing {

// A palette series holding the values 0 .. count-1 (X and Z follow the value).
inline void FillValues(TCustom3DPaletteSeries& series, int count) {
  for (int i = 0; i < count; ++i) series.AddXYZ(i, i, i);
}

inline std::vector<TColor> PaletteColors(const TCustom3DPaletteSeries& series) {
  std::vector<TColor> colors;
  for (const TGridPalette& entry : series.Palette()) colors.push_back(entry.Color);
  return colors;
}

inline std::vector<double> PaletteBounds(const TCustom3DPaletteSeries& series) {
  std::vector<double> bounds;
  for (const TGridPalette& entry : series.Palette()) bounds.push_back(entry.UpToValue);
  return bounds;
}

}  // namespace quil::testing

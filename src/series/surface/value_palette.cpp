#include "series/surface/value_palette.h"

#include <algorithm>
#include <cmath>

#include "core/rounding.h"

namespace quil {

const TEnumInfo& PaletteStyleInfo() {
  static const TEnumInfo info{"TQuilPaletteStyle",
                              {"psPale", "psStrong", "psGrayScale", "psInvGray", "psRainbow", "psCustom"}};
  return info;
}

const std::vector<TColor>& RainbowPalette() {
  static const std::vector<TColor> colors = {
      RGBColor(153, 0, 0),    RGBColor(195, 0, 0),    RGBColor(238, 0, 0),    RGBColor(255, 26, 0),
      RGBColor(255, 70, 0),   RGBColor(255, 115, 0),  RGBColor(255, 159, 0),  RGBColor(255, 203, 0),
      RGBColor(255, 247, 0),  RGBColor(227, 244, 8),  RGBColor(195, 231, 17), RGBColor(163, 218, 27),
      RGBColor(131, 205, 37), RGBColor(99, 192, 46),  RGBColor(66, 179, 56),  RGBColor(34, 166, 66),
      RGBColor(2, 154, 75),   RGBColor(12, 135, 106), RGBColor(26, 117, 138), RGBColor(40, 99, 170),
      RGBColor(54, 80, 203),  RGBColor(68, 62, 235),  RGBColor(97, 42, 255),  RGBColor(150, 21, 255),
      RGBColor(204, 0, 255),
  };
  return colors;
}

namespace {

// The divisors of the three colour waves of the pale and strong styles.
constexpr double kRedFactor = 2.0;
constexpr double kGreenFactor = 1.0;
constexpr double kBlueFactor = 1.0;

uint8_t Wave(double value) { return static_cast<uint8_t>(std::trunc((value + 1) * 127)); }

uint8_t Grey(double x) { return static_cast<uint8_t>(std::clamp(QuilRoundFloat(x), 0.0, 255.0)); }

}  // namespace

TColor ColorOfInterval(TQuilPaletteStyle style, double x) {
  switch (style) {
    case psGrayScale: {
      const uint8_t g = Grey(x);
      return RGBColor(g, g, g);
    }
    case psInvGray: {
      const uint8_t g = static_cast<uint8_t>(255 - Grey(x));
      return RGBColor(g, g, g);
    }
    default:
      return RGBColor(Wave(std::sin(x / kRedFactor)), Wave(std::sin(x / kGreenFactor)), Wave(std::cos(x / kBlueFactor)));
  }
}

int InsertPaletteEntry(TCustom3DPalette& palette, double value, TColor color) {
  const auto at = std::upper_bound(palette.begin(), palette.end(), value,
                                   [](double v, const TGridPalette& entry) { return v < entry.UpToValue; });
  const auto inserted = palette.insert(at, TGridPalette{value, color, {}});
  return static_cast<int>(inserted - palette.begin());
}

}  // namespace quil

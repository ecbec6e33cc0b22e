#include "engine/color_palette.h"

namespace quil {

const std::vector<TColor>& QuilDefaultPalette() {
  static const std::vector<TColor> colors{clRed,    clGreen,  clYellow, clBlue,   clWhite,      clGray,     clFuchsia,
                                          clTeal,   clNavy,   clMaroon, clLime,   clOlive,      clPurple,   clSilver,
                                          clAqua,   clBlack,  clMoneyGreen, clSkyBlue, clCream, clMedGray};
  return colors;
}

std::vector<TColor> QuilColorPalette = QuilDefaultPalette();

void SetDefaultColorPalette(const std::vector<TColor>& colors) {
  QuilColorPalette = colors.empty() ? QuilDefaultPalette() : colors;
}

TColor PaletteColor(const std::vector<TColor>& palette, int index) {
  const int count = static_cast<int>(palette.size());
  const int i = index % count;
  return palette[static_cast<std::size_t>(i < 0 ? i + count : i)];
}

TColor GetDefaultColor(int index) {
  return PaletteColor(QuilColorPalette.empty() ? QuilDefaultPalette() : QuilColorPalette, index);
}

}  // namespace quil

#pragma once

#include <string>
#include <vector>

#include "core/color.h"
#include "core/properties.h"

namespace quil {

// How a 3D series makes the colours of its value palette.
enum TQuilPaletteStyle : int { psPale, psStrong, psGrayScale, psInvGray, psRainbow, psCustom };

const TEnumInfo& PaletteStyleInfo();

// One entry of a value palette: values up to UpToValue (from the previous entry's bound on)
// take Color. Text is an optional legend label.
struct TGridPalette {
  double UpToValue = 0;
  TColor Color = 0;
  std::string Text;

  bool operator==(const TGridPalette&) const = default;
};

// Entries sorted by ascending UpToValue.
using TCustom3DPalette = std::vector<TGridPalette>;

// The most entries a palette is built with or read from a file: far finer than any display
// can show, and a bound on what a number in a setting or a file can make the series allocate.
inline constexpr int kMaxPaletteSteps = 100000;

// The 25 colours of the rainbow style, from dark red through yellow and green to violet.
const std::vector<TColor>& RainbowPalette();

// The colour a computed style gives at x (the entry index times the style's factor):
// sine waves for pale and strong, a grey level for the two grey styles.
TColor ColorOfInterval(TQuilPaletteStyle style, double x);

// The index of the first entry whose bound is at or above value: a value equal to a bound
// belongs to that entry, values beyond the last bound to the last entry, values below the first
// (and NaN) to the first. The palette must not be empty.
inline int PaletteEntryIndex(const TCustom3DPalette& palette, double value) {
  int lo = 0;
  int hi = static_cast<int>(palette.size()) - 1;
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (value > palette[static_cast<std::size_t>(mid)].UpToValue)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

// Inserts an entry after every entry whose bound is not above value (equal bounds keep the order
// they came in) and answers its index.
int InsertPaletteEntry(TCustom3DPalette& palette, double value, TColor color);

}  // namespace quil

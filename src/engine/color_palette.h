#pragma once

#include <vector>

#include "core/color.h"

namespace quil {

inline constexpr TColor clMedGray = 0xA4A0A0;

// The palette series take their automatic colours from when their chart has none of its own.
extern std::vector<TColor> QuilColorPalette;

// The 20 colours QuilColorPalette starts with: red, green, yellow, blue, white, grey, fuchsia,
// teal, navy, maroon, lime, olive, purple, silver, aqua, black, money green, sky blue, cream and
// medium grey.
const std::vector<TColor>& QuilDefaultPalette();

// Replaces QuilColorPalette by a copy of colors; an empty list brings the default colours back.
void SetDefaultColorPalette(const std::vector<TColor>& colors);

// Entry index modulo the length of QuilColorPalette (of the default colours when it is empty);
// a negative index counts from the end.
TColor GetDefaultColor(int index);

// Entry index of palette modulo its length; palette must not be empty.
TColor PaletteColor(const std::vector<TColor>& palette, int index);

}  // namespace quil

#pragma once

#include <cairo.h>

#include <cstdint>

#include "core/color.h"

namespace quil {

// A colour as the anti-aliased backend takes it: alpha in the high byte, then red, green, blue.
using TGPColor = uint32_t;

inline constexpr TGPColor GPTransparentWhite = 0x00FFFFFF;

// The colour with alpha = alpha − the colour's high byte, never below 0. A system colour (high
// byte 0xFF) so comes out invisible; clNone, which means "paint nothing", is invisible too.
TGPColor GDIPColor(TColor color, int alpha);

// (100 − transparency) · 2.55 · opacity / 255 in extended precision, rounded to nearest with
// ties to even, limited to 0..255: the opacity left after drawing with that transparency.
int ApplyTransparency(int transparency, int opacity);

constexpr int GPAlpha(TGPColor c) { return static_cast<int>(c >> 24); }
constexpr int GPRed(TGPColor c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int GPGreen(TGPColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GPBlue(TGPColor c) { return static_cast<int>(c & 0xFF); }

void SetSourceGPColor(cairo_t* cr, TGPColor color);
void AddColorStop(cairo_pattern_t* pattern, double offset, TGPColor color);

}  // namespace quil

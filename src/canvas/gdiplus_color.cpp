#include "canvas/gdiplus_color.h"

#include <algorithm>
#include <cmath>

#include "canvas/color_functions.h"

namespace quil {

namespace {

// Nearest with ties to even, done in extended precision: the operands 2.55 and 1/255 make
// values like 178.5000000000000000139 whose tie-breaking a round trip through double would lose.
long double RoundExtended(long double v) {
  const long double f = std::floor(v);
  const long double rest = v - f;
  if (rest > 0.5L) return f + 1;
  if (rest < 0.5L) return f;
  return std::fmod(f, 2.0L) == 0 ? f : f + 1;
}

}  // namespace

TGPColor GDIPColor(TColor color, int alpha) {
  if (color == clNone) return GPTransparentWhite;
  const int a = std::clamp(alpha - ColorAlpha(color), 0, 255);
  return (static_cast<TGPColor>(a) << 24) | (static_cast<TGPColor>(GetRValue(color)) << 16) |
         (static_cast<TGPColor>(GetGValue(color)) << 8) | GetBValue(color);
}

int ApplyTransparency(int transparency, int opacity) {
  const long double v = (100 - transparency) * 2.55L * opacity * (1.0L / 255);
  return static_cast<int>(std::clamp(RoundExtended(v), 0.0L, 255.0L));
}

void SetSourceGPColor(cairo_t* cr, TGPColor c) {
  cairo_set_source_rgba(cr, GPRed(c) / 255.0, GPGreen(c) / 255.0, GPBlue(c) / 255.0, GPAlpha(c) / 255.0);
}

void AddColorStop(cairo_pattern_t* pattern, double offset, TGPColor c) {
  cairo_pattern_add_color_stop_rgba(pattern, offset, GPRed(c) / 255.0, GPGreen(c) / 255.0, GPBlue(c) / 255.0,
                                    GPAlpha(c) / 255.0);
}

}  // namespace quil

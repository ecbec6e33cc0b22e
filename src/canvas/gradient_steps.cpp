#include "canvas/gradient_steps.h"

#include "canvas/color_functions.h"
#include "core/rounding.h"

namespace quil {

TColor GradientStepColor(TColor start, TColor end, int index, int range, int balance) {
  const TColor s = SystemColor(start), e = SystemColor(end);
  const int from[3] = {GetRValue(s), GetGValue(s), GetBValue(s)};
  const int to[3] = {GetRValue(e), GetGValue(e), GetBValue(e)};
  int out[3];
  for (int c = 0; c < 3; ++c) {
    const int d = to[c] - from[c];
    if (range <= 0)
      out[c] = from[c];
    else if (balance == 50)
      out[c] = from[c] + index * d / range;
    else
      out[c] = from[c] + QuilRound(d * QuilSigmoid(index, balance, range));
    if (out[c] < 0) out[c] = 0;
    if (out[c] > 255) out[c] = 255;
  }
  return RGBColor(static_cast<uint8_t>(out[0]), static_cast<uint8_t>(out[1]), static_cast<uint8_t>(out[2]));
}

TColor MonochromeColor(TColor color) {
  const TColor c = SystemColor(color);
  const uint32_t g = (uint32_t(GetRValue(c)) + GetGValue(c) + GetBValue(c)) / 3;
  return g * 0x010101u;
}

}  // namespace quil

#include "canvas/blend_bitmaps.h"

#include <algorithm>
#include <optional>

#include "canvas/image_pixels.h"
#include "core/rounding.h"

namespace quil {

namespace {

constexpr int kAlpha = 3;

uint8_t ToByte(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

// Keeps a premultiplied pixel valid: no colour channel above the alpha.
void LimitToAlpha(uint8_t* pixel) {
  for (int c = 0; c < kAlpha; ++c) pixel[c] = std::min(pixel[c], pixel[kAlpha]);
}

}  // namespace

int QuilBackgroundWeight(TQuilTransparency transparency) {
  const int t = std::clamp(transparency, 0, 100);
  return 255 - QuilRound((100 - t) * 2.55);
}

void QuilBlendBitmaps(int percent, const TBitmap& a, TBitmap& b, TPoint bOrigin, const TBitmap* mask) {
  if (&a == &b) {
    const TBitmap copy = a;
    QuilBlendBitmaps(percent, copy, b, bOrigin, mask);
    return;
  }
  if (a.Empty() || b.Empty()) return;
  int right = std::min(a.Width(), b.Width() - bOrigin.X);
  int bottom = std::min(a.Height(), b.Height() - bOrigin.Y);
  if (mask) {
    if (mask->Empty()) return;
    right = std::min(right, mask->Width());
    bottom = std::min(bottom, mask->Height());
  }
  const int left = std::max(0, -bOrigin.X);
  const int top = std::max(0, -bOrigin.Y);
  if (left >= right || top >= bottom) return;

  const TImagePixels from(a);
  TImagePixels into(b);
  std::optional<TImagePixels> maskPixels;
  if (mask) maskPixels.emplace(*mask);
  const int backgroundWeight = QuilBackgroundWeight(100 - percent);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const uint8_t* src = from.Pixel(x, y);
      uint8_t* dst = into.MutablePixel(x + bOrigin.X, y + bOrigin.Y);
      if (maskPixels) {
        const uint8_t* m = maskPixels->Pixel(x, y);
        for (int c = 0; c < 4; ++c) dst[c] = ToByte(dst[c] + ((src[c] - dst[c]) * m[c]) / 256);
      } else {
        for (int c = 0; c < 4; ++c) dst[c] = ToByte(src[c] + ((dst[c] - src[c]) * backgroundWeight) / 255);
      }
      LimitToAlpha(dst);
    }
  }
}

}  // namespace quil

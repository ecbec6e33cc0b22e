#include "canvas/gdiplus_images.h"

namespace quil {

namespace {

uint32_t Unpremultiplied(uint32_t argb) {
  const uint32_t a = argb >> 24;
  if (a == 0) return 0;
  if (a == 255) return argb & 0xFFFFFF;
  auto channel = [a](uint32_t v) { return (v * 255 + a / 2) / a; };
  return (channel((argb >> 16) & 0xFF) << 16) | (channel((argb >> 8) & 0xFF) << 8) | channel(argb & 0xFF);
}

uint32_t ToRGB(TColor c) { return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c); }

}  // namespace

TBitmap TransparentImage(const TBitmap& source, const TBitmapTransparency& transparency) {
  if (source.Empty()) return {};
  const int w = source.Width(), h = source.Height();
  const uint32_t* in = source.PixelData();
  const int inStride = source.StridePixels();
  const uint32_t key = transparency.Mode == tmFixed ? ToRGB(transparency.Color & ~0x02000000u)
                                                     : Unpremultiplied(in[(h - 1) * inStride]);
  TBitmap result(w, h);
  uint32_t* out = result.PixelData();
  const int outStride = result.StridePixels();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t rgb = Unpremultiplied(in[y * inStride + x]);
      // See-through white is all zero once premultiplied.
      out[y * outStride + x] = rgb == key ? 0u : (0xFF000000u | rgb);
    }
  result.MarkChanged();
  return result;
}

}  // namespace quil

#include "canvas/image_ops.h"

#include <algorithm>
#include <cmath>

#include "canvas/canvas_types.h"

namespace quil {

TBitmap RotateBitmap(const TBitmap& source, double degrees, int outWidth, int outHeight) {
  TBitmap out(std::max(0, outWidth), std::max(0, outHeight));
  if (source.Empty() || out.Empty()) return out;
  const uint32_t* src = source.PixelData();
  uint32_t* dst = out.PixelData();
  const double a = degrees * QuilPiStep;
  const double c = std::cos(a), s = std::sin(a);
  const double scx = source.Width() * 0.5, scy = source.Height() * 0.5;
  const double dcx = outWidth * 0.5, dcy = outHeight * 0.5;
  for (int y = 0; y < outHeight; ++y) {
    for (int x = 0; x < outWidth; ++x) {
      // Screen y grows downward, so a counter-clockwise turn on screen samples with -angle.
      const double dx = x + 0.5 - dcx, dy = y + 0.5 - dcy;
      const double sx = c * dx - s * dy + scx, sy = s * dx + c * dy + scy;
      const int ix = static_cast<int>(std::floor(sx)), iy = static_cast<int>(std::floor(sy));
      if (ix < 0 || iy < 0 || ix >= source.Width() || iy >= source.Height()) continue;
      dst[static_cast<std::ptrdiff_t>(y) * out.StridePixels() + x] =
          src[static_cast<std::ptrdiff_t>(iy) * source.StridePixels() + ix];
    }
  }
  out.MarkChanged();
  return out;
}

void BlurCoverage(TCoverage& coverage, int radius, int passes) {
  if (radius <= 0 || coverage.Width <= 0 || coverage.Height <= 0) return;
  const int w = coverage.Width, h = coverage.Height;
  std::vector<uint8_t> tmp(coverage.Values.size());
  auto blurLine = [radius](const uint8_t* in, uint8_t* out, int count, int step) {
    int sum = 0;
    const int window = 2 * radius + 1;
    for (int i = -radius; i <= radius; ++i) sum += (i >= 0 && i < count) ? in[i * step] : 0;
    for (int i = 0; i < count; ++i) {
      out[i * step] = static_cast<uint8_t>(sum / window);
      const int add = i + radius + 1, drop = i - radius;
      if (add < count) sum += in[add * step];
      if (drop >= 0) sum -= in[drop * step];
    }
  };
  for (int p = 0; p < passes; ++p) {
    for (int y = 0; y < h; ++y) blurLine(&coverage.Values[y * w], &tmp[y * w], w, 1);
    for (int x = 0; x < w; ++x) blurLine(&tmp[x], &coverage.Values[x], h, w);
  }
}

}  // namespace quil

#include "canvas/pixel_writer.h"

#include <cmath>
#include <cstdlib>

#include "canvas/quil_region.h"

namespace quil {

namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFFu;

uint32_t ToPixel(TColor c) {
  return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

}  // namespace

uint32_t ApplyRop2(int code, uint32_t pen, uint32_t dest) {
  const uint32_t p = pen & kRgbMask;
  const uint32_t d = dest & kRgbMask;
  uint32_t r;
  switch (code) {
    case 1: r = 0; break;
    case 2: r = ~(p | d); break;
    case 3: r = ~p & d; break;
    case 4: r = ~p; break;
    case 5: r = p & ~d; break;
    case 6: r = ~d; break;
    case 7: r = p ^ d; break;
    case 8: r = ~(p & d); break;
    case 9: r = p & d; break;
    case 10: r = ~(p ^ d); break;
    case 11: r = d; break;
    case 12: r = ~p | d; break;
    case 14: r = p | ~d; break;
    case 15: r = p | d; break;
    case 16: r = kRgbMask; break;
    default: r = p; break;
  }
  return r & kRgbMask;
}

void TPixelWriter::Put(int x, int y, uint32_t rgb) {
  const int ix = x + originX_;
  const int iy = y + originY_;
  if (ix < 0 || iy < 0 || ix >= width_ || iy >= height_) return;
  if (clip_ && !clip_->Contains(x, y)) return;
  uint32_t& pixel = data_[static_cast<std::ptrdiff_t>(iy) * stride_ + ix];
  const uint32_t value = rop_ == 13 ? rgb : ApplyRop2(rop_, rgb, pixel);
  pixel = 0xFF000000u | value;
}

bool TPixelWriter::ClipToImage(int& x0, int& y0, int& x1, int& y1) const {
  const double left = -originX_ - 1.0, right = width_ - originX_ + 1.0;
  const double top = -originY_ - 1.0, bottom = height_ - originY_ + 1.0;
  const double dx = double(x1) - x0, dy = double(y1) - y0;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - left, right - x0, y0 - top, bottom - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t0) t0 = t;
    } else if (t < t1) {
      t1 = t;
    }
  }
  if (t0 > t1) return false;
  const int nx0 = static_cast<int>(std::lround(x0 + t0 * dx)), ny0 = static_cast<int>(std::lround(y0 + t0 * dy));
  x1 = static_cast<int>(std::lround(x0 + t1 * dx));
  y1 = static_cast<int>(std::lround(y0 + t1 * dy));
  x0 = nx0;
  y0 = ny0;
  return true;
}

void TPixelWriter::Plot(int x, int y, TColor color) { Put(x, y, ToPixel(color)); }

void TPixelWriter::Line(int x0, int y0, int x1, int y1, TColor color, int dotGap) {
  const uint32_t rgb = ToPixel(color);
  const long long dx = std::llabs(static_cast<long long>(x1) - x0);
  const long long dy = std::llabs(static_cast<long long>(y1) - y0);
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  const long long steps = dx > dy ? dx : dy;
  if (steps > 4LL * (width_ + height_) + 8) {
    // A huge line would cost its whole length; walk only the part near the image. Its pixels
    // may then step a little differently, but only outside the visible area.
    if (ClipToImage(x0, y0, x1, y1)) Line(x0, y0, x1, y1, color, dotGap);
    return;
  }
  long long err = (dx > dy ? dx : -dy) / 2;
  int x = x0, y = y0;
  for (long long i = 0; i < steps; ++i) {
    if (dotGap <= 0 || i % dotGap == 0) Put(x, y, rgb);
    const long long e = err;
    if (e > -dx) {
      err -= dy;
      x += sx;
    }
    if (e < dy) {
      err += dx;
      y += sy;
    }
  }
}

void TPixelWriter::ApplyCoverage(const uint8_t* coverage, int coverageStride, int left, int top, int width,
                                 int height, TColor color) {
  const uint32_t rgb = ToPixel(color);
  for (int row = 0; row < height; ++row) {
    const uint8_t* c = coverage + static_cast<std::ptrdiff_t>(row) * coverageStride;
    for (int col = 0; col < width; ++col)
      if (c[col] >= 128) Put(left + col, top + row, rgb);
  }
}

}  // namespace quil

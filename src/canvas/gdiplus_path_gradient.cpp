#include "canvas/gdiplus_path_gradient.h"

#include <algorithm>
#include <cmath>

namespace quil {

namespace {

constexpr double kMargin = 1.0;  // pixels outside an edge that still take its colour

uint32_t Mix(TGPColor a, TGPColor b, double share) {
  auto channel = [share](int x, int y) { return x + (y - x) * share; };
  const double alpha = channel(GPAlpha(a), GPAlpha(b));
  const double k = alpha / 255.0;
  auto premultiplied = [k](double v) { return static_cast<uint32_t>(std::lround(v * k)); };
  return (static_cast<uint32_t>(std::lround(alpha)) << 24) | (premultiplied(channel(GPRed(a), GPRed(b))) << 16) |
         (premultiplied(channel(GPGreen(a), GPGreen(b))) << 8) | premultiplied(channel(GPBlue(a), GPBlue(b)));
}

uint32_t BlendAt(const TGPBlend& blend, double position) {
  position = std::clamp(position, 0.0, 1.0);
  for (std::size_t k = 0; k + 1 < blend.size(); ++k) {
    const TGPBlendStop& lo = blend[k];
    const TGPBlendStop& hi = blend[k + 1];
    if (position > hi.Position) continue;
    const double span = double(hi.Position) - lo.Position;
    return Mix(lo.Color, hi.Color, span > 0 ? (position - lo.Position) / span : 1.0);
  }
  return Mix(blend.back().Color, blend.back().Color, 0);
}

struct TTriangle {
  double cx, cy, ax, ay, bx, by;
};

void PaintTriangle(const TTriangle& t, const TGPBlend& blend, const TRect& area, TBitmap& image) {
  const double ux = t.ax - t.cx, uy = t.ay - t.cy, vx = t.bx - t.cx, vy = t.by - t.cy;
  const double det = ux * vy - uy * vx;
  if (std::abs(det) < 1e-9) return;
  // Margins in barycentric units: a pixel's distance to each side, measured in that side's
  // own parameter.
  const double marginU = kMargin * std::hypot(vx, vy) / std::abs(det);
  const double marginV = kMargin * std::hypot(ux, uy) / std::abs(det);
  const double marginS = kMargin * std::hypot(t.bx - t.ax, t.by - t.ay) / std::abs(det);
  const int left = std::max(area.Left, static_cast<int>(std::floor(std::min({t.cx, t.ax, t.bx}) - kMargin)));
  const int right = std::min(area.Right, static_cast<int>(std::ceil(std::max({t.cx, t.ax, t.bx}) + kMargin)));
  const int top = std::max(area.Top, static_cast<int>(std::floor(std::min({t.cy, t.ay, t.by}) - kMargin)));
  const int bottom = std::min(area.Bottom, static_cast<int>(std::ceil(std::max({t.cy, t.ay, t.by}) + kMargin)));
  uint32_t* data = image.PixelData();
  const int stride = image.StridePixels();
  for (int y = top; y < bottom; ++y) {
    const double py = y + 0.5 - t.cy;
    for (int x = left; x < right; ++x) {
      const double px = x + 0.5 - t.cx;
      const double u = (px * vy - py * vx) / det;
      const double v = (ux * py - uy * px) / det;
      if (u < -marginU || v < -marginV || u + v > 1 + marginS) continue;
      data[(y - area.Top) * stride + (x - area.Left)] = BlendAt(blend, 1 - (u + v));
    }
  }
}

}  // namespace

TBitmap RasterizePathGradient(const std::vector<TGPPolygon>& figures, TPointFloat centre, const TGPBlend& blend,
                              const TRect& area) {
  TBitmap image(std::max(1, area.Width()), std::max(1, area.Height()));
  if (blend.empty() || area.IsEmpty()) return image;
  for (const TGPPolygon& figure : figures) {
    const std::size_t n = figure.size();
    if (n < 2) continue;
    for (std::size_t i = 0; i < n; ++i) {
      const TPointFloat a = figure[i], b = figure[(i + 1) % n];
      PaintTriangle({centre.x, centre.y, a.x, a.y, b.x, b.y}, blend, area, image);
    }
  }
  image.MarkChanged();
  return image;
}

}  // namespace quil

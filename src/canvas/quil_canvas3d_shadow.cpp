#include <algorithm>

#include "canvas/color_functions.h"
#include "canvas/image_ops.h"
#include "canvas/quil_canvas3d.h"

namespace quil {

void TQuilCanvas3D::SmoothShadow(const TQuilShadow& shadow, const TRect& rect, bool ellipse, int roundSize,
                                 const std::vector<TPoint>& points, int donutPercent, double, double) {
  if (shadow.Smooth() && !Metafiling() && bitmap_ && ReferenceCanvas() == bitmapTarget_.get()) {
    SmoothShadowImage(shadow, rect, ellipse, roundSize, points, donutPercent);
    return;
  }
  const TColor color = shadow.Color();
  Brush().SetStyle(bsSolid);
  Brush().SetColor(color);
  if (Pen().Style() != psClear) {
    Pen().SetStyle(psSolid);
    Pen().SetColor(color);
  }
  if (!points.empty()) {
    Polygon(points);
  } else if (ellipse && shadow.Smooth()) {
    const TColor rim = color == clBlack ? clSilver : ApplyBright(color, 32);
    GradientFill(rect, ApplyDark(color, 128), rim, gdRadial, 50, 0, 0);
  } else if (ellipse) {
    Ellipse(rect);
  } else if (roundSize > 0) {
    RoundRect(rect.Left, rect.Top, rect.Right, rect.Bottom, roundSize, roundSize);
  } else {
    FillRect(rect);
  }
}

// The shape goes white on black into an image BlurSize larger on every side, inset by half
// the blur so the soft edge ends near the shape's own edge; the blurred image then tints the
// buffer with the shadow colour in proportion to its brightness.
void TQuilCanvas3D::SmoothShadowImage(const TQuilShadow& shadow, const TRect& rect, bool ellipse, int roundSize,
                                      const std::vector<TPoint>& points, int donutPercent) {
  const TRect r = OrientRectangle(rect);
  const int blur = std::max(1, shadow.BlurSize());
  const int w = r.Width() + 2 * blur, h = r.Height() + 2 * blur;
  if (r.IsEmpty() || int64_t(w) * h > 64LL * 1024 * 1024) return;
  TBitmap mask(w, h);
  mask.Fill(clBlack);
  {
    TQuilCanvas3D painter;
    std::unique_ptr<TDeviceContext> target = painter.Backend().CreateBitmapTarget(mask);
    painter.SetCanvas(target.get());
    painter.Pen().SetStyle(psClear);
    painter.Brush().SetColor(clWhite);
    const int dx = blur - r.Left, dy = blur - r.Top, inset = blur / 2;
    const TRect shape{r.Left + dx + inset, r.Top + dy + inset, r.Right + dx - inset, r.Bottom + dy - inset};
    if (!points.empty()) {
      std::vector<TPoint> moved = points;
      for (TPoint& p : moved) p = {p.X + dx, p.Y + dy};
      painter.Polygon(moved);
    } else if (ellipse) {
      painter.Ellipse(shape);
      if (donutPercent > 0) {
        const int hx = shape.Width() * (100 - std::min(donutPercent, 100)) / 200;
        const int hy = shape.Height() * (100 - std::min(donutPercent, 100)) / 200;
        painter.Brush().SetColor(clBlack);
        painter.Ellipse(InflateRect(shape, -hx, -hy));
      }
    } else if (roundSize > 0) {
      painter.RoundRect(shape.Left, shape.Top, shape.Right, shape.Bottom, roundSize, roundSize);
    } else {
      painter.FillRect(shape);
    }
    painter.SetCanvas(nullptr);
  }
  TCoverage coverage{w, h, std::vector<uint8_t>(static_cast<std::size_t>(w) * h)};
  const uint32_t* m = mask.PixelData();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) coverage.Values[y * w + x] = static_cast<uint8_t>(m[y * mask.StridePixels() + x] >> 16);
  BlurCoverage(coverage, std::max(1, blur / 2), 2 + std::max(0, shadow.SmoothBlur()));

  const TRect area{r.Left - blur, r.Top - blur, r.Right + blur, r.Bottom + blur};
  TBitmap under = CopyArea(area);
  if (under.Empty()) return;
  uint32_t* d = under.PixelData();
  const TColor c = SystemColor(shadow.Color());
  const int tint[3] = {GetBValue(c), GetGValue(c), GetRValue(c)};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int a = coverage.Values[y * w + x];
      if (a == 0) continue;
      uint32_t& px = d[y * under.StridePixels() + x];
      uint32_t mixed = 0xFF000000u;
      for (int k = 0; k < 3; ++k) {
        const int old = static_cast<int>((px >> (8 * k)) & 0xFF);
        mixed |= static_cast<uint32_t>(old + (tint[k] - old) * a / 255) << (8 * k);
      }
      px = mixed;
    }
  }
  under.MarkChanged();
  PutArea(under, area.TopLeft());
}

}  // namespace quil

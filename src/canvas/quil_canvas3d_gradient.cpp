#include <algorithm>
#include <cmath>

#include "canvas/gradient_steps.h"
#include "canvas/image_ops.h"
#include "canvas/quil_blend.h"
#include "canvas/quil_canvas3d.h"
#include "core/rounding.h"

namespace quil {

namespace {

// Paints with a plain solid brush while a gradient fill runs, and puts the backend brush
// back afterwards.
class TSavedBrush {
 public:
  explicit TSavedBrush(TRasterBackend& raster) : raster_(raster), saved_(raster.Brush()), pen_(raster.Pen()) {}
  ~TSavedBrush() {
    raster_.SetBrush(saved_);
    raster_.SetPen(pen_);
  }
  TSavedBrush(const TSavedBrush&) = delete;
  TSavedBrush& operator=(const TSavedBrush&) = delete;

 private:
  TRasterBackend& raster_;
  TRasterBrush saved_;
  TRasterPen pen_;
};

}  // namespace

void TQuilCanvas3D::FillSolid(const TRect& rect, TColor color) {
  if (raster_->Brush().Color != color || raster_->Brush().Style != bsSolid || raster_->Brush().Pattern)
    raster_->SetBrush({color, bsSolid, nullptr});
  raster_->FillRect(rect);
}

void TQuilCanvas3D::GradientFill(const TCustomQuilGradient& gradient, const TRect& rect) {
  if (gradient.Angle() != 0) {
    DrawRotated(gradient, rect);
    return;
  }
  TColor start = gradient.StartColor(), mid = gradient.MidColor(), end = gradient.EndColor();
  if (GetMonochrome()) {
    start = MonochromeColor(start);
    end = MonochromeColor(end);
    if (mid != clNone) mid = MonochromeColor(mid);
  }
  const TGradientDirection d = gradient.Direction();
  if (d == gdRadial) {
    GradientFill(rect, start, end, gdRadial, gradient.Balance(), gradient.RadialX(), gradient.RadialY());
    return;
  }
  if (mid == clNone || d == gdDiagonalUp || d == gdDiagonalDown) {
    GradientFill(rect, start, end, d, gradient.Balance(), 0, 0);
    return;
  }
  TRect first = rect, second = rect;
  const int midY = QuilDiv(rect.Top + rect.Bottom, 2), midX = QuilDiv(rect.Left + rect.Right, 2);
  switch (d) {
    case gdTopBottom:
    case gdBottomTop:
      first.Bottom = midY;
      second.Top = midY;
      break;
    case gdLeftRight:
    case gdRightLeft:
      first.Right = midX;
      second.Left = midX;
      break;
    default:
      GradientFill(rect, start, end, d, 50, 0, 0);
      return;
  }
  const bool midFirst = d == gdTopBottom || d == gdLeftRight;
  GradientFill(first, midFirst ? mid : start, midFirst ? end : mid, d, 50, 0, 0);
  GradientFill(second, midFirst ? start : mid, midFirst ? mid : end, d, 50, 0, 0);
}

void TQuilCanvas3D::GradientFill(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction,
                                 int balance, int radialX, int radialY) {
  const TRect r = OrientRectangle(rect);
  if (direction == gdRadial) {
    TQuilGradient temporary;
    temporary.SetStartColor(startColor);
    temporary.SetEndColor(endColor);
    temporary.SetBalance(balance);
    temporary.SetRadialX(radialX);
    temporary.SetRadialY(radialY);
    DrawRadial(temporary, r);
    return;
  }
  if (direction != gdTopBottom && direction != gdLeftRight && direction != gdDiagonalUp &&
      direction != gdDiagonalDown)
    std::swap(startColor, endColor);
  const TSavedBrush saved(*raster_);
  switch (direction) {
    case gdTopBottom:
    case gdBottomTop:
    case gdLeftRight:
    case gdRightLeft: GradientBands(r, startColor, endColor, direction, balance); break;
    case gdFromCenter:
    case gdFromTopLeft:
    case gdFromBottomLeft: GradientRings(r, startColor, endColor, direction, balance); break;
    default: GradientDiagonals(r, startColor, endColor, direction); break;
  }
}

void TQuilCanvas3D::GradientBands(const TRect& r, TColor startColor, TColor endColor, TGradientDirection direction,
                                  int balance) {
  const bool vertical = direction == gdTopBottom || direction == gdBottomTop;
  const int size = vertical ? r.Height() : r.Width();
  const int steps = std::min(size, 256);
  const int range = steps - 1;
  if (range < 1) return;
  for (int t = 0; t < steps; ++t) {
    const int near = static_cast<int>(int64_t(size) * t / steps);
    const int far = static_cast<int>(int64_t(size) * (t + 1) / steps);
    const TColor color = GradientStepColor(startColor, endColor, t, range, balance);
    if (vertical)
      FillSolid({r.Left, r.Bottom - far, r.Right, r.Bottom - near}, color);
    else
      FillSolid({r.Right - far, r.Top, r.Right - near, r.Bottom}, color);
  }
}

void TQuilCanvas3D::GradientRings(const TRect& r, TColor startColor, TColor endColor, TGradientDirection direction,
                                  int balance) {
  const int w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return;
  if (direction == gdFromCenter) {
    const int range = std::max(1, w / 2 + h / 2);
    for (int k = 0; k <= std::max(w / 2, h / 2); ++k) {
      const int ix = std::min(k, w / 2), iy = std::min(k, h / 2);
      FillSolid({r.Left + ix, r.Top + iy, r.Right - ix, r.Bottom - iy},
                GradientStepColor(startColor, endColor, ix + iy, range, balance));
    }
    return;
  }
  // A rectangle anchored at the corner grows one pixel per step; painting the largest first
  // leaves each step's right and far edge as a one-pixel strip.
  const int range = std::max(1, w + h);
  const bool fromTop = direction == gdFromTopLeft;
  for (int k = std::max(w, h) - 1; k >= 0; --k) {
    const int cw = std::min(k + 1, w), ch = std::min(k + 1, h);
    const TRect part = fromTop ? TRect{r.Left, r.Top, r.Left + cw, r.Top + ch}
                               : TRect{r.Left, r.Bottom - ch, r.Left + cw, r.Bottom};
    FillSolid(part, GradientStepColor(startColor, endColor, std::min(2 * k, range), range, balance));
  }
}

void TQuilCanvas3D::GradientDiagonals(const TRect& r, TColor startColor, TColor endColor,
                                      TGradientDirection direction) {
  const int w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0 || int64_t(w) * h > 67108864) return;
  const int lines = w + h;
  const int range = std::max(1, std::min(lines - 1, 255));
  const int savedRop = raster_->Rop2();
  raster_->SetRop2(R2_COPYPEN);
  ClipRectangle(r);
  TRasterPen pen;
  for (int line = 0; line < lines; ++line) {
    pen.Color = GradientStepColor(startColor, endColor, static_cast<int>(int64_t(line) * range / lines), range, 50);
    raster_->SetPen(pen);
    const int x0 = r.Left + line - h;
    if (direction == gdDiagonalUp) {
      raster_->MoveTo(x0, r.Bottom);
      raster_->LineTo(x0 + h + 1, r.Top - 1);
    } else {
      raster_->MoveTo(x0, r.Top);
      raster_->LineTo(x0 + h + 1, r.Bottom + 1);
    }
  }
  UnClipRectangle();
  raster_->SetRop2(savedRop);
}

void TQuilCanvas3D::DrawRadial(const TCustomQuilGradient& gradient, const TRect& rect) {
  const TRect r = OrientRectangle(rect);
  const int w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return;
  {
    const TSavedBrush saved(*raster_);
    ClipRectangle(r);
    TRasterPen none;
    none.Style = psClear;
    raster_->SetPen(none);
    const TColor start = gradient.StartColor(), end = gradient.EndColor();
    FillSolid(r, SystemColor(end));
    int f = std::min(std::max(w, h), 255);
    if (w % 2 || h % 2) --f;
    f = std::max(f, 1);
    const double cx = (double(r.Left) + r.Right) * 0.5 + gradient.RadialX() + 1;
    const double cy = (double(r.Top) + r.Bottom) * 0.5 + gradient.RadialY() + 1;
    for (int n = f; n >= 0; --n) {
      const double a = n * (w * 0.5) / f, b = n * (h * 0.5) / f;
      TColor color;
      if (gradient.Balance() == 50) {
        const TColor s = SystemColor(start), e = SystemColor(end);
        auto mix = [&](int from, int to) { return static_cast<uint8_t>(from + QuilRound(double(n) * (to - from) / f)); };
        color = RGBColor(mix(GetRValue(s), GetRValue(e)), mix(GetGValue(s), GetGValue(e)), mix(GetBValue(s), GetBValue(e)));
      } else {
        color = GradientStepColor(start, end, n, f, gradient.Balance());
      }
      raster_->SetBrush({color, bsSolid, nullptr});
      raster_->Ellipse(QuilRound(cx - a), QuilRound(cy - b), QuilRound(cx + a), QuilRound(cy + b));
    }
    UnClipRectangle();
  }
  const auto* full = dynamic_cast<const TQuilGradient*>(&gradient);
  if (full && full->SubGradientOrNull() && full->SubGradientOrNull()->Visible()) {
    std::unique_ptr<TQuilBlend> blend = BeginBlending(r, full->SubGradientOrNull()->Transparency());
    try {
      GradientFill(*full->SubGradientOrNull(), r);
    } catch (...) {
      EndBlending(std::move(blend));
      throw;
    }
    EndBlending(std::move(blend));
  }
}

void TQuilCanvas3D::DrawRotated(const TCustomQuilGradient& gradient, const TRect& rect) {
  const TRect r = OrientRectangle(rect);
  if (r.IsEmpty()) return;
  const double a = (360 - gradient.Angle()) * QuilPiStep;
  const double w = r.Width(), h = r.Height();
  const int iw = static_cast<int>(std::abs(w * std::cos(a)) + std::abs(h * std::sin(a))) + 2;
  const int ih = static_cast<int>(std::abs(w * std::sin(a)) + std::abs(h * std::cos(a))) + 2;
  TBitmap image(iw, ih);
  {
    TQuilCanvas3D painter;
    std::unique_ptr<TDeviceContext> target = painter.Backend().CreateBitmapTarget(image);
    painter.SetCanvas(target.get());
    painter.SetBounds({0, 0, iw, ih});
    TQuilGradient flat;
    flat.AssignSettings(gradient);
    flat.SetAngle(0);
    painter.SetMonochrome(GetMonochrome());
    painter.GradientFill(flat, {0, 0, iw, ih});
    painter.SetCanvas(nullptr);
  }
  const TBitmap turned = RotateBitmap(image, 360 - gradient.Angle(), r.Width(), r.Height());
  ClipRectangle(r);
  raster_->DrawBitmap(turned, r);
  UnClipRectangle();
}

}  // namespace quil

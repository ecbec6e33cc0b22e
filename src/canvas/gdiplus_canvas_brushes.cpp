#include <algorithm>

#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_gradient.h"
#include "core/rounding.h"

namespace quil {

namespace {

// The backend hatch of a brush: its own anti-aliased hatch from the seventh on, otherwise the
// plain hatch its style names.
int GetHatchStyle(const TQuilBrush& brush) {
  const int hatch = brush.HatchStyle();
  if (hatch >= 6) return hatch > 52 ? 0 : hatch;
  switch (brush.Style()) {
    case bsHorizontal: return 0;
    case bsVertical: return 1;
    case bsFDiagonal: return 2;
    case bsBDiagonal: return 3;
    case bsCross: return 4;
    default: return 5;
  }
}

TGPPath PolygonPath(const TPointFloat* points, int count) {
  TGPPath path;
  path.AddPolygon(points, count);
  return path;
}

}  // namespace

TGPRect TGDIPlusCanvas::VisibleArea() const {
  return graphics_ ? MakeRect(graphics_->VisibleClipBounds()) : TGPRect{};
}

TGPBrush TGDIPlusCanvas::CreateNewBrush(const TQuilBrush& brush, int alpha) {
  if (brush.HasGraphic()) return TGPBrush::Texture(brush.ImageOrNull()->Filtered(), alpha);
  if (brush.Bitmap() && !brush.Bitmap()->Empty()) return TGPBrush::Texture(*brush.Bitmap(), alpha);
  if (brush.Style() != bsSolid)
    return TGPBrush::Hatch(GetHatchStyle(brush), GDIPColor(brush.Color(), alpha), GDIPColor(brush.BackColor(), alpha));
  return TGPBrush::Solid(GDIPColor(brush.Color(), alpha));
}

TGPBrush TGDIPlusCanvas::GBrush() { return CreateNewBrush(Brush(), transparency_); }

TGPBrush TGDIPlusCanvas::GBrush(const TRect& r) { return GBrush(Brush(), ToRectF(r)); }

TGPBrush TGDIPlusCanvas::GBrush(const TQuilBrush& brush, const TRectF& r) {
  if (brush.Style() != bsClear && brush.HasGradient()) return CreateNewGradientBrush(*brush.GradientOrNull(), r);
  return CreateNewBrush(brush, transparency_);
}

TGPBrush TGDIPlusCanvas::CreateNewGradientBrush(const TCustomQuilGradient& gradient, const TRectF& r) {
  const TRectF custom = gradient.CustomTargetRectangle();
  const TRectF t = (custom.Right - custom.Left == 0 && custom.Bottom - custom.Top == 0) ? r : custom;
  const TGradientDirection d = gradient.Direction();
  if (d == gdFromCenter || d == gdRadial) return CreateCircular(gradient, d == gdFromCenter, t);
  return CreateLinearGradient(gradient, {t.Left, t.Top, double(t.Right) - t.Left + 1, double(t.Bottom) - t.Top + 1});
}

// A radial gradient spans the ellipse around the rectangle grown by a quarter of its size on
// every side, so that the rectangle's corners lie inside it.
TGPBrush TGDIPlusCanvas::CreateCircular(const TCustomQuilGradient& gradient, bool fromCenter, const TRectF& t) {
  TGPPath path;
  if (fromCenter) {
    path.AddRectangle({t.Left, t.Top, double(t.Right) - t.Left + 1, double(t.Bottom) - t.Top + 1});
  } else {
    const double dx = (double(t.Right) - t.Left) * 0.25, dy = (double(t.Bottom) - t.Top) * 0.25;
    const double l = t.Left - dx, top = t.Top - dy, r = t.Right + dx, b = t.Bottom + dy;
    path.AddEllipse({l - 1, top - 1, r - l + 2, b - top + 2});
  }
  const TPointFloat centre{static_cast<float>((double(t.Left) + t.Right) * 0.5 + gradient.RadialX()),
                           static_cast<float>((double(t.Top) + t.Bottom) * 0.5 + gradient.RadialY())};
  return TGPBrush::PathGradient(path, centre,
                                GetColorBlend(GradientEntries(gradient), gradient.Direction(), transparency_),
                                VisibleArea());
}

TGPBrush TGDIPlusCanvas::CreateLinearGradient(const TCustomQuilGradient& gradient, const TGPRect& r) {
  const std::vector<TGPGradientEntry> entries = GradientEntries(gradient);
  const TGPGradientEnds ends = GetGradientStartEnd(entries, gradient.Direction(), transparency_);
  TGPBrush brush = gradient.Angle() == 0
                       ? TGPBrush::LinearGradient(r, ends.Color1, ends.Color2,
                                                  GetLinearGradientDirection(gradient.Direction()))
                       : TGPBrush::LinearGradient(r, ends.Color1, ends.Color2,
                                                  GradientAngle(gradient.Direction()) + gradient.Angle());
  if (entries.size() > 2) brush.SetInterpolationColors(GetColorBlend(entries, gradient.Direction(), transparency_));
  return brush;
}

TGPBrush TGDIPlusCanvas::GBrush(const TQuilBrush& brush, const TPointFloat* points, int count) {
  if (brush.Style() == bsClear || !brush.HasGradient()) return CreateNewBrush(brush, transparency_);
  if (!IGradientPolygon.empty()) {
    points = IGradientPolygon.data();
    count = static_cast<int>(IGradientPolygon.size());
  }
  const TCustomQuilGradient& g = *brush.GradientOrNull();
  TGPPath path = PolygonPath(points, count);
  TGPRect b = path.Bounds();
  const TGradientDirection d = g.Direction();
  if (d != gdRadial && d != gdFromCenter) return CreateLinearGradient(g, b);
  if (d == gdRadial) {
    const int dx = QuilRound(b.Width * 0.25), dy = QuilRound(b.Height * 0.25);
    b = {b.X - dx, b.Y - dy, b.Width + 2 * dx, b.Height + 2 * dy};
    path.Reset();
    path.AddEllipse(b);
  } else {
    path.Reset();
    path.AddRectangle(b);
  }
  TPointFloat centre{static_cast<float>(b.X + b.Width / 2), static_cast<float>(b.Y + b.Height / 2)};
  if (g.RadialX() != 0 || g.RadialY() != 0)
    centre = {static_cast<float>(QuilRound(centre.x) + g.RadialX()), static_cast<float>(QuilRound(centre.y) + g.RadialY())};
  return TGPBrush::PathGradient(path, centre, GetColorBlend(GradientEntries(g), d, transparency_), VisibleArea());
}

TGPBrush TGDIPlusCanvas::ShapeBrush(const TRectF& bounds) {
  if (Brush().Style() == bsClear || !Brush().HasGradient()) return GBrush();
  if (!IGradientPolygon.empty()) return GBrush(Brush(), IGradientPolygon.data(), static_cast<int>(IGradientPolygon.size()));
  return GBrush(Brush(), bounds);
}

TGPBrush TGDIPlusCanvas::ShapeBrush(const TPointFloat* points, int count) {
  if (Brush().Style() == bsClear || !Brush().HasGradient()) return GBrush();
  return GBrush(Brush(), points, count);
}

}  // namespace quil

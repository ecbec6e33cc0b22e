#include <numbers>

#include "canvas/gdiplus_canvas.h"

namespace quil {

namespace {

std::vector<TPointFloat> ToFloat(const std::vector<TPoint>& points) {
  std::vector<TPointFloat> out;
  out.reserve(points.size());
  for (const TPoint& p : points) out.push_back({static_cast<float>(p.X), static_cast<float>(p.Y)});
  return out;
}

}  // namespace

// The shape of the shadow: the polygon, the rounded rectangle (rectangles always get corners
// of 4 pixels), the pie or the whole ellipse, or the donut.
void TGDIPlusCanvas::SmoothShadow(const TQuilShadow& shadow, const TRect& rect, bool ellipse, int roundSize,
                                  const std::vector<TPoint>& points, int donutPercent, double startAngle,
                                  double endAngle) {
  if (!graphics_) return;
  TGPPath path;
  if (!points.empty()) {
    const std::vector<TPointFloat> f = ToFloat(points);
    path.AddPolygon(f.data(), static_cast<int>(f.size()));
  } else if (roundSize != 0) {
    path = RoundRectPath(rect, roundSize, roundSize);
  } else if (!ellipse) {
    path = RoundRectPath(rect, 4, 4);
  } else if (donutPercent <= 0) {
    if (endAngle - startAngle != 360) {
      const TGPArcAngles a = FixAngles(startAngle, endAngle);
      path.AddPie(MakeRect(rect), a.Start, a.Sweep);
    } else {
      path.AddEllipse(MakeRect(rect));
    }
  } else {
    const double toRadians = std::numbers::pi / 180;
    path = DonutPath((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2, (rect.Right - rect.Left) / 2,
                     (rect.Bottom - rect.Top) / 2, startAngle * toRadians, endAngle * toRadians, donutPercent);
  }
  const TColor color = (shadow.Color() & 0x80000000u) ? clBlack : shadow.Color();
  if (shadow.Smooth())
    DrawSmoothShadow(path, color, 0.1 + shadow.SmoothBlur() * 0.002);
  else
    graphics_->FillPath(path, TGPBrush::Solid(GDIPColor(color, ApplyTransparency(shadow.Transparency()))));
}

// Transparent at the outline, the shadow colour from position on to the centre: the shadow
// fades out over its outer edge. A recorded picture gets no fade.
void TGDIPlusCanvas::DrawSmoothShadow(const TGPPath& path, TColor color, double position) {
  if (!graphics_ || path.Empty()) return;
  const TGPColor solid = GDIPColor(color);
  const TGPBlend blend = Metafiling() ? TGPBlend{{GDIPColor(color, 255), 0}, {GDIPColor(color, 255), 1}}
                                      : TGPBlend{{GPTransparentWhite, 0},
                                                 {solid, static_cast<float>(position)},
                                                 {solid, 1}};
  const TGPRect b = path.Bounds();
  const TPointFloat centre{static_cast<float>(b.X + b.Width / 2), static_cast<float>(b.Y + b.Height / 2)};
  graphics_->FillPath(path, TGPBrush::PathGradient(path, centre, blend, VisibleArea()));
}

}  // namespace quil

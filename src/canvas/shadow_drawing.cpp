#include "canvas/shadow_drawing.h"

#include <cstdlib>

#include "canvas/canvas_geometry.h"

namespace quil {

TShadowPainter::~TShadowPainter() {
  if (blending_) canvas_.EndBlending(std::move(IBlend));
}

bool TShadowPainter::PrepareCanvas(const TRect& r, double angle) {
  if (shadow_.Color() == clNone || (shadow_.HorizSize() == 0 && shadow_.VertSize() == 0)) return false;
  ITransp = shadow_.Transparency() != 0 ? shadow_.Transparency() : canvas_.Transparency();
  if (ITransp == 0) return true;
  TRect area;
  if (!canvas_.SupportsAlpha()) {
    area = shadow_.Smooth() ? InflateRect(r, std::abs(shadow_.HorizSize()), std::abs(shadow_.VertSize()))
                            : shadow_.OffsetRectangle(r);
    if (angle != 0) {
      const auto corners = TQuilShadow::RectToFourPoints(area, angle);
      area = RectFromPolygon(corners.data(), 4);
    }
  }
  IBlend = canvas_.BeginBlending(area, shadow_.Transparency());
  blending_ = true;
  return true;
}

void TShadowPainter::FinishBlending() {
  if (!blending_) return;
  blending_ = false;
  canvas_.EndBlending(std::move(IBlend));
}

void TShadowPainter::Draw(const TRect& rect, double angle, int roundSize) {
  TQuilPen& pen = canvas_.Pen();
  const TPenStyle oldStyle = pen.Style();
  const TColor oldColor = pen.Color();
  if (PrepareCanvas(rect, angle)) {
    const TRect moved = shadow_.OffsetRectangle(rect);
    if (angle != 0) {
      const auto corners = TQuilShadow::RectToFourPoints(moved, angle);
      canvas_.SmoothShadow(shadow_, RectFromPolygon(corners.data(), 4), false, roundSize,
                           std::vector<TPoint>(corners.begin(), corners.end()), 0, 0, 360);
    } else {
      canvas_.SmoothShadow(shadow_, moved, false, roundSize, {}, 0, 0, 360);
    }
    FinishBlending();
  }
  pen.SetStyle(oldStyle);
  pen.SetColor(oldColor);
}

void TShadowPainter::Draw(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  std::vector<TPoint> moved = points;
  for (TPoint& p : moved) p = {p.X + shadow_.HorizSize(), p.Y + shadow_.VertSize()};
  const TRect bounds = PolygonBounds(moved);
  if (!PrepareCanvas(canvas_.SupportsAlpha() ? TRect{} : bounds, 0)) return;
  canvas_.SmoothShadow(shadow_, bounds, false, 0, moved, 0, 0, 360);
  FinishBlending();
}

void TShadowPainter::DrawEllipse(const TRect& rect, int donutPercent, double startAngle, double endAngle) {
  if (!PrepareCanvas(rect, 0)) return;
  canvas_.SmoothShadow(shadow_, shadow_.OffsetRectangle(rect), true, 0, {}, donutPercent, startAngle, endAngle);
  FinishBlending();
}

}  // namespace quil

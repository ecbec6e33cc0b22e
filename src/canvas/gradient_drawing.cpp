#include "canvas/gradient_drawing.h"

#include "canvas/quil_blend.h"

namespace quil {

namespace {

void FillShape(TQuilCanvas& canvas, const TRect& rect, int roundRectSize) {
  if (roundRectSize > 0)
    canvas.RoundRect(rect.Left, rect.Top, rect.Right, rect.Bottom, roundRectSize, roundRectSize);
  else
    canvas.FillRect(rect);
}

}  // namespace

void DrawGradient(const TCustomQuilGradient& gradient, TQuilCanvas& canvas, const TRect& rect, int roundRectSize) {
  canvas.Gradient().AssignSettings(gradient);
  FillShape(canvas, rect, roundRectSize);
  const auto* full = dynamic_cast<const TQuilGradient*>(&gradient);
  if (full && full->SubGradientOrNull() && full->SubGradientOrNull()->Visible())
    DrawSubGradient(*full, canvas, rect, roundRectSize);
}

void DrawSubGradient(const TQuilGradient& gradient, TQuilCanvas& canvas, const TRect& rect, int roundRectSize) {
  const TSubGradient* sub = gradient.SubGradientOrNull();
  if (!sub) return;
  std::unique_ptr<TQuilBlend> blend = canvas.BeginBlending(rect, sub->Transparency());
  try {
    canvas.Gradient().AssignSettings(*sub);
    canvas.Gradient().SetVisible(true);
    FillShape(canvas, rect, roundRectSize);
  } catch (...) {
    canvas.EndBlending(std::move(blend));
    throw;
  }
  canvas.EndBlending(std::move(blend));
}

void DrawGradient(const TCustomQuilGradient& gradient, TCanvas3D& canvas, const std::vector<TPoint>& points, int z,
                  bool is3D) {
  canvas.Gradient().AssignSettings(gradient);
  if (is3D)
    canvas.Polygon(canvas.Calc3DPoints(points, z));
  else
    canvas.Polygon(points);
}

void DrawGradient(const TCustomQuilGradient& gradient, TQuilCanvas& canvas, const TPoint (&points)[4]) {
  canvas.Pen().SetStyle(psClear);
  canvas.Gradient().AssignSettings(gradient);
  canvas.Polygon(points, 4);
}

void DrawGradient(const TCustomQuilGradient& gradient, TCanvas3D& canvas, const TPoint (&points)[4], int z) {
  const TPoint projected[4] = {canvas.Calculate3DPosition(points[0], z), canvas.Calculate3DPosition(points[1], z),
                               canvas.Calculate3DPosition(points[2], z), canvas.Calculate3DPosition(points[3], z)};
  DrawGradient(gradient, static_cast<TQuilCanvas&>(canvas), projected);
}

}  // namespace quil

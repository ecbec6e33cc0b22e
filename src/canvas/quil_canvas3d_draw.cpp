#include <cmath>

#include "canvas/canvas_geometry.h"
#include "canvas/picture.h"
#include "canvas/quil_canvas3d.h"
#include "canvas/solid_quad_fill.h"
#include "core/rounding.h"

namespace quil {

namespace {

std::vector<TPoint> Rounded(const TPointFloat* points, int count) {
  std::vector<TPoint> out;
  if (!points || count <= 0) return out;
  out.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) out.push_back({QuilRound(points[i].x), QuilRound(points[i].y)});
  return out;
}

// Angle of the radial from the box centre through (x, y), counter-clockwise with y up.
double RadialAngle(int left, int top, int right, int bottom, int x, int y) {
  const double cx = (double(left) + right) / 2, cy = (double(top) + bottom) / 2;
  return std::atan2(cy - y, x - cx) / QuilPiStep;
}

double CounterClockwiseSweep(double from, double to) {
  double sweep = std::fmod(to - from, 360.0);
  if (sweep <= 0) sweep += 360;
  return sweep;
}

}  // namespace

bool TQuilCanvas3D::FillSpecialLayers(const TQuilRegion& shape, const TRect& bounds, bool withImage) {
  bool cleared = false;
  if (withImage && Brush().HasGraphic()) {
    PushClip(shape, 0);
    raster_->DrawBitmap(Brush().Image().Filtered(), bounds);
    UnClipRectangle();
    cleared = true;
  }
  if (Brush().Style() != bsClear && Brush().HasGradient()) {
    PushClip(shape, 0);
    GradientFill(Brush().Gradient(), bounds);
    UnClipRectangle();
    cleared = true;
  }
  if (cleared) {
    TRasterBrush none = raster_->Brush();
    none.Style = bsClear;
    raster_->SetBrush(none);
  }
  return cleared;
}

void TQuilCanvas3D::RestoreBrush() { DoChangedBrush(Brush()); }

void TQuilCanvas3D::Polygon(const TPoint* points, int count) {
  if (!points || count <= 0) return;
  bool cleared = false;
  if (Brush().HasGraphic() || (Brush().Style() != bsClear && Brush().HasGradient()))
    cleared = FillSpecialLayers(TQuilRegion::FromPolygon(points, count, SurfaceLimit()),
                                RectFromPolygon(points, count), true);
  raster_->Polygon(points, count);
  if (cleared) RestoreBrush();
}

void TQuilCanvas3D::PolygonFour() { Polygon(IPoints, 4); }

std::unique_ptr<TSolidQuadFill> TQuilCanvas3D::SolidQuadFill() {
  const TQuilBrush& brush = Brush();
  if (raster_->Pen().Style != psClear || brush.Style() != bsSolid || brush.Color() == clNone || brush.Bitmap() ||
      brush.HasGraphic() || brush.HasGradient())
    return nullptr;
  return raster_->SolidQuadFill([this](const TPoint (&corners)[4], TColor color) {
    Brush().SetColor(color);
    Polygon(corners, 4);
  });
}

void TQuilCanvas3D::PolygonFloat(const TPointFloat* points, int count) {
  const std::vector<TPoint> p = Rounded(points, count);
  Polygon(p.data(), static_cast<int>(p.size()));
}

void TQuilCanvas3D::Polyline(const TPoint* points, int count) {
  if (!points || count <= 0) return;
  raster_->Polyline(points, count);
}

void TQuilCanvas3D::PolylineFloat(const TPointFloat* points, int count) {
  const std::vector<TPoint> p = Rounded(points, count);
  Polyline(p.data(), static_cast<int>(p.size()));
}

void TQuilCanvas3D::Rectangle(int x0, int y0, int x1, int y1) {
  bool cleared = false;
  if (Brush().HasGraphic() || (Brush().Style() != bsClear && Brush().HasGradient())) {
    const TRect r = OrientRectangle({x0, y0, x1, y1});
    cleared = FillSpecialLayers(TQuilRegion::FromRect(r, SurfaceLimit()), r, true);
  }
  raster_->Rectangle(x0, y0, x1, y1);
  if (cleared) RestoreBrush();
}

void TQuilCanvas3D::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
  bool cleared = false;
  if (Brush().HasGraphic() || (Brush().Style() != bsClear && Brush().HasGradient())) {
    const TRect r = OrientRectangle({x1, y1, x2, y2});
    cleared = FillSpecialLayers(TQuilRegion::FromRoundRect(r, x3, y3, SurfaceLimit()), r, true);
  }
  raster_->RoundRect(x1, y1, x2, y2, x3, y3);
  if (cleared) RestoreBrush();
}

void TQuilCanvas3D::Ellipse(int x1, int y1, int x2, int y2) {
  if (raster_->Brush().Style != Brush().Style()) RestoreBrush();
  bool cleared = false;
  if (Brush().Style() != bsClear && Brush().HasGradient()) {
    const TRect r = OrientRectangle({x1, y1, x2, y2});
    cleared = FillSpecialLayers(TQuilRegion::FromEllipse(r, SurfaceLimit()), {r.Left, r.Top, r.Right + 1, r.Bottom + 1},
                                false);
  }
  raster_->Ellipse(x1, y1, x2, y2);
  if (cleared) RestoreBrush();
}

void TQuilCanvas3D::FillRect(const TRect& rect) {
  if (Brush().HasGradient())
    GradientFill(Brush().Gradient(), rect);
  else
    raster_->FillRect(rect);
}

void TQuilCanvas3D::LineTo(int x, int y) { raster_->LineTo(x, y); }
void TQuilCanvas3D::MoveTo(int x, int y) { raster_->MoveTo(x, y); }

void TQuilCanvas3D::Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) {
  const double from = RadialAngle(left, top, right, bottom, startX, startY);
  const double to = RadialAngle(left, top, right, bottom, endX, endY);
  raster_->Arc({left, top, right, bottom}, from, CounterClockwiseSweep(from, to));
}

void TQuilCanvas3D::Pie(const TRect& r, double startAngle, double endAngle) {
  if (endAngle == startAngle) return;
  raster_->Pie(r, startAngle, endAngle - startAngle);
}

void TQuilCanvas3D::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  const double from = RadialAngle(x1, y1, x2, y2, x3, y3);
  const double to = RadialAngle(x1, y1, x2, y2, x4, y4);
  raster_->Pie({x1, y1, x2, y2}, from, CounterClockwiseSweep(from, to));
}

void TQuilCanvas3D::Donut(int xCenter, int yCenter, int xRadius, int yRadius, double startAngle, double endAngle,
                          double holePercent) {
  const double sweep = endAngle - startAngle;
  if (sweep == 0 || xRadius <= 0 || yRadius <= 0) return;
  const int steps = std::max(2, static_cast<int>(std::ceil(std::abs(sweep) / 2)));
  const double hole = std::clamp(holePercent, 0.0, 100.0) * 0.01;
  std::vector<TPoint> p;
  p.reserve(2 * static_cast<std::size_t>(steps) + 2);
  for (int i = 0; i <= steps; ++i) {
    const double a = (startAngle + sweep * i / steps) * QuilPiStep;
    p.push_back({QuilRound(xCenter + xRadius * std::cos(a)), QuilRound(yCenter - yRadius * std::sin(a))});
  }
  for (int i = steps; i >= 0; --i) {
    const double a = (startAngle + sweep * i / steps) * QuilPiStep;
    p.push_back({QuilRound(xCenter + hole * xRadius * std::cos(a)), QuilRound(yCenter - hole * yRadius * std::sin(a))});
  }
  Polygon(p);
}

}  // namespace quil

#include <algorithm>
#include <cmath>
#include <numbers>

#include "canvas/gdiplus_canvas.h"
#include "canvas/gradient.h"
#include "core/rounding.h"

namespace quil {

namespace {

std::vector<TPointFloat> ToFloat(const TPoint* points, int count) {
  std::vector<TPointFloat> out;
  if (!points || count <= 0) return out;
  out.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) out.push_back({static_cast<float>(points[i].X), static_cast<float>(points[i].Y)});
  return out;
}

template <class P>
void AppendPolygon(cairo_t* cr, const P* points, int count) {
  cairo_new_path(cr);
  cairo_move_to(cr, points[0].x, points[0].y);
  for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i].x, points[i].y);
  cairo_close_path(cr);
}

void AppendPolygon(cairo_t* cr, const TPoint* points, int count) {
  cairo_new_path(cr);
  cairo_move_to(cr, points[0].X, points[0].Y);
  for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i].X, points[i].Y);
  cairo_close_path(cr);
}

// Counter-clockwise angle (y up, 0..360) of a point seen from the centre of a box.
double RadialAngle(int x1, int y1, int x2, int y2, int x, int y) {
  const double a = std::atan2((double(y1) + y2) / 2 - y, x - (double(x1) + x2) / 2) * 180 / std::numbers::pi;
  return a < 0 ? a + 360 : a;
}

TGPRect BoxOf(int x1, int y1, int x2, int y2) { return {double(x1), double(y1), double(x2) - x1, double(y2) - y1}; }

TRectF RectF(const TGPRect& r) {
  return {static_cast<float>(r.X), static_cast<float>(r.Y), static_cast<float>(r.Right()), static_cast<float>(r.Bottom())};
}

}  // namespace

// Fills the path (unless the brush is clear), then outlines it after the pen check over bounds.
void TGDIPlusCanvas::FillAndOutline(const TGPPath& path, const TRect& bounds) {
  if (Brush().Style() != bsClear) graphics_->FillPath(path, GBrush(bounds));
  if (HasPen(bounds)) graphics_->DrawPath(path, *gpPen_);
}

void TGDIPlusCanvas::Rectangle(int x0, int y0, int x1, int y1) {
  if (!graphics_) return;
  const TRect r = OrientRectangle({x0, y0, x1, y1});
  if (XorPen()) {
    XORRectangle(r);
    return;
  }
  cairo_t* cr = graphics_->Cr();
  if (Brush().Style() != bsClear) {
    const int w = Pen().Width();
    cairo_new_path(cr);
    if (PenDraws() && w > 1) {
      const double h = w / 2.0;
      const TGPRect inner{r.Left + h, r.Top + h, r.Width() - 2 * h, r.Height() - 2 * h};
      cairo_rectangle(cr, inner.X, inner.Y, inner.Width, inner.Height);
      graphics_->FillCurrentPath(GBrush(Brush(), RectF(inner)));
    } else {
      cairo_rectangle(cr, r.Left, r.Top, r.Width(), r.Height());
      graphics_->FillCurrentPath(GBrush(r));
    }
  }
  if (HasPen(r)) {
    cairo_new_path(cr);
    cairo_rectangle(cr, r.Left, r.Top, r.Width(), r.Height());
    graphics_->StrokeCurrentPath(*gpPen_);
  }
}

void TGDIPlusCanvas::FillRect(const TRect& rect) {
  if (!graphics_ || Brush().Style() == bsClear) return;
  cairo_t* cr = graphics_->Cr();
  cairo_new_path(cr);
  cairo_rectangle(cr, rect.Left, rect.Top, rect.Width(), rect.Height());
  graphics_->FillCurrentPath(GBrush(rect));
}

void TGDIPlusCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (!graphics_) return;
  const bool outline = HasPen(TRect{x1, y1, x2, y2});
  if (Brush().Style() != bsClear) {
    const int w = Pen().Width();
    const double h = outline && w > 1 ? w / 2.0 : 0;
    const TGPRect box{x1 + h, y1 + h, double(x2) - x1 - 2 * h, double(y2) - y1 - 2 * h};
    TGPPath fill;
    fill.AddEllipse(box);
    graphics_->FillPath(fill, h > 0 ? GBrush(Brush(), RectF(box)) : GBrush(TRect{x1, y1, x2, y2}));
  }
  if (!outline) return;
  if (XorPen()) {
    CheckXorCanvas();
    IXORCanvas->AssignBrush(Brush(), Brush().BackColor());
    IXORCanvas->AssignVisiblePenColor(Pen(), Pen().Color());
    IXORCanvas->Ellipse(x1, y1, x2, y2);
    return;
  }
  TGPPath path;
  path.AddEllipse(BoxOf(x1, y1, x2, y2));
  graphics_->DrawPath(path, *gpPen_);
}

void TGDIPlusCanvas::Polygon(const TPoint* points, int count) {
  if (!graphics_ || !points || count <= 0) return;
  cairo_t* cr = graphics_->Cr();
  if (Brush().Style() != bsClear) {
    AppendPolygon(cr, points, count);
    if (Brush().HasGradient()) {
      const std::vector<TPointFloat> f = ToFloat(points, count);
      graphics_->FillCurrentPath(ShapeBrush(f.data(), count));
    } else {
      graphics_->FillCurrentPath(GBrush());
    }
  }
  if (!HasPen(points, count, false)) return;
  if (XorPen() && (IXORCanvas->ReferenceCanvas() || ReferenceCanvas())) {
    CheckXorCanvas();
    IXORCanvas->AssignBrush(Brush(), Brush().BackColor());
    IXORCanvas->AssignVisiblePenColor(Pen(), Pen().Color());
    IXORCanvas->Polygon(points, count);
    return;
  }
  AppendPolygon(cr, points, count);
  graphics_->StrokeCurrentPath(*gpPen_);
}

void TGDIPlusCanvas::PolygonFloat(const TPointFloat* points, int count) {
  if (!graphics_ || !points || count <= 0) return;
  cairo_t* cr = graphics_->Cr();
  if (Brush().Style() != bsClear) {
    AppendPolygon(cr, points, count);
    graphics_->FillCurrentPath(ShapeBrush(points, count));
  }
  if (!HasPen(points, count)) return;
  AppendPolygon(cr, points, count);
  graphics_->StrokeCurrentPath(*gpPen_);
}

void TGDIPlusCanvas::Polyline(const TPoint* points, int count) {
  if (!graphics_ || !points || count <= 0 || !HasPen(points, count, false)) return;
  const std::vector<TPointFloat> f = ToFloat(points, count);
  TGPPath path;
  path.AddLines(f.data(), count);
  graphics_->DrawPath(path, *gpPen_);
}

void TGDIPlusCanvas::PolylineFloat(const TPointFloat* points, int count) {
  if (!graphics_ || !points || count <= 0 || !HasPen(points, count)) return;
  TGPPath path;
  path.AddLines(points, count);
  graphics_->DrawPath(path, *gpPen_);
}

TGPPath TGDIPlusCanvas::RoundRectPath(const TRect& r, int x, int y) {
  const int width = std::abs(r.Right - r.Left), height = std::abs(r.Bottom - r.Top);
  const int w = std::max(1, std::min(2 * (x / 2), width));
  const int h = std::max(1, std::min(2 * (y / 2), height));
  TGPPath path;
  path.AddArc({double(r.Right - w), double(r.Top), double(w), double(h)}, 270, 90);
  path.AddArc({double(r.Right - w), double(r.Bottom - h), double(w), double(h)}, 0, 90);
  path.AddArc({double(r.Left), double(r.Bottom - h), double(w), double(h)}, 90, 90);
  path.AddArc({double(r.Left), double(r.Top), double(w), double(h)}, 180, 90);
  path.CloseFigure();
  return path;
}

void TGDIPlusCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
  if (!graphics_) return;
  TRect r{x1, y1, x2, y2};
  if (!anti_) {
    --r.Right;
    --r.Bottom;
  }
  FillAndOutline(RoundRectPath(r, x3, y3), r);
}

void TGDIPlusCanvas::RoundRectWithZ(const TRect& r, int x, int y, int z) {
  if (!IsOrthogonal()) {
    RectangleWithZ(r, z);
    return;
  }
  const TRect p = CalcRect3D(r, z);
  RoundRect(p.Left, p.Top, p.Right, p.Bottom, x, y);
}

TGPArcAngles TGDIPlusCanvas::FixAngles(double startAngle, double endAngle) {
  const double e = endAngle == 0 ? 360 : endAngle;
  TGPArcAngles a;
  a.Start = 360 - startAngle;
  a.Sweep = startAngle <= e ? e - startAngle : 360 - startAngle + endAngle;
  a.Start -= a.Sweep;
  return a;
}

void TGDIPlusCanvas::Pie(const TRect& r, double startAngle, double endAngle) {
  if (!graphics_) return;
  const TGPArcAngles a = FixAngles(startAngle, endAngle);
  const TGPRect box = MakeRect(r);
  TGPPath pie;
  pie.AddPie(box, a.Start, a.Sweep);
  if (Brush().Style() != bsClear) graphics_->FillPath(pie, ShapeBrush(ToRectF(r)));
  if (!HasPen(r)) return;
  if (a.Sweep == 360) {
    TGPPath ellipse;
    ellipse.AddEllipse(box);
    graphics_->DrawPath(ellipse, *gpPen_);
  } else {
    graphics_->DrawPath(pie, *gpPen_);
  }
}

void TGDIPlusCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Pie(TRect{x1, y1, x2, y2}, RadialAngle(x1, y1, x2, y2, x3, y3), RadialAngle(x1, y1, x2, y2, x4, y4));
}

void TGDIPlusCanvas::Arc(int left, int top, int right, int bottom, double startAngle, double endAngle) {
  if (!graphics_ || !HasPen(TRect{left, top, right, bottom})) return;
  TGPPath path;
  path.AddArc({double(left), double(std::min(top, bottom)), std::abs(double(right) - left), std::abs(double(bottom) - top)},
              -startAngle, -(endAngle - startAngle));
  graphics_->DrawPath(path, *gpPen_);
}

void TGDIPlusCanvas::Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) {
  if (Pen().Style() == psClear) return;
  Arc(left, top, right, bottom, RadialAngle(left, top, right, bottom, startX, startY),
      RadialAngle(left, top, right, bottom, endX, endY));
}

// The arc runs counter-clockwise from the first radial to the second, or clockwise when asked;
// the pen position ends where the arc does.
void TGDIPlusCanvas::ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, bool clockWise) {
  if (!graphics_) return;
  const double from = RadialAngle(x1, y1, x2, y2, x3, y3), to = RadialAngle(x1, y1, x2, y2, x4, y4);
  double sweep = std::fmod(to - from + 360, 360);
  if (clockWise) sweep -= 360;
  TGPPath path;
  path.AddArc(BoxOf(x1, y1, x2, y2), -from, -sweep);
  const TPointFloat end = path.LastPoint();
  if (HasPen(TRect{x1, y1, x2, y2})) graphics_->DrawPath(path, *gpPen_);
  x_ = QuilRound(end.x);
  y_ = QuilRound(end.y);
}

TGPPath TGDIPlusCanvas::DonutPath(double xCenter, double yCenter, double xRadius, double yRadius, double startAngle,
                                  double endAngle, double holePercent) {
  const double s = 360 - startAngle * 180 / std::numbers::pi;
  const double e = 360 - endAngle * 180 / std::numbers::pi;
  const TGPRect outer{xCenter - xRadius, yCenter - yRadius, 2 * xRadius, 2 * yRadius};
  TGPPath path;
  if (holePercent > 0) {
    const double rx = holePercent * xRadius * 0.01, ry = holePercent * yRadius * 0.01;
    path.AddArc(outer, s, e - s);
    path.AddArc({xCenter - rx, yCenter - ry, 2 * rx, 2 * ry}, e, s - e);
    path.CloseFigure();
  } else {
    path.AddPie(outer, e, s - e);
  }
  return path;
}

void TGDIPlusCanvas::Donut(int xCenter, int yCenter, int xRadius, int yRadius, double startAngle, double endAngle,
                           double holePercent) {
  if (!graphics_) return;
  const double toRadians = std::numbers::pi / 180;
  const TGPPath path =
      DonutPath(xCenter, yCenter, xRadius, yRadius, startAngle * toRadians, endAngle * toRadians, holePercent);
  FillAndOutline(path, {xCenter - xRadius, yCenter - yRadius, xCenter + xRadius, yCenter + yRadius});
}

void TGDIPlusCanvas::Curve(const std::vector<TPoint>& points, float tension, bool closed, float) {
  if (!graphics_ || points.empty()) return;
  const int n = static_cast<int>(points.size());
  const std::vector<TPointFloat> f = ToFloat(points.data(), n);
  if (Brush().Style() != bsClear) {
    TGPPath area;
    area.AddClosedCurve(f.data(), n, tension);
    graphics_->FillPath(area, ShapeBrush(f.data(), n));
  }
  if (!HasPen(points.data(), n, true)) return;
  TGPPath line;
  if (closed)
    line.AddClosedCurve(f.data(), n, tension);
  else
    line.AddCurve(f.data(), n, tension);
  graphics_->DrawPath(line, *gpPen_);
}

void TGDIPlusCanvas::Path(const TGPPath& path) {
  if (!graphics_) return;
  if (Brush().Style() != bsClear) {
    const std::vector<TPointFloat>& p = path.Points();
    graphics_->FillPath(path, Brush().HasGradient() ? GBrush(Brush(), p.data(), static_cast<int>(p.size())) : GBrush());
  }
  if (HasPen(static_cast<const TPointFloat*>(nullptr), 0)) graphics_->DrawPath(path, *gpPen_);
}

// The fill uses a gradient of its own, so the canvas brush keeps whatever gradient it had.
void TGDIPlusCanvas::GradientFill(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction,
                                  int balance, int radialX, int radialY) {
  if (!graphics_) return;
  TQuilBrush brush;
  TQuilGradient& g = brush.Gradient();
  g.SetStartColor(startColor);
  g.SetEndColor(endColor);
  g.SetMidColor(clNone);
  g.SetDirection(direction);
  g.SetBalance(balance);
  g.SetRadialX(radialX);
  g.SetRadialY(radialY);
  g.SetVisible(true);
  cairo_t* cr = graphics_->Cr();
  cairo_new_path(cr);
  cairo_rectangle(cr, rect.Left, rect.Top, rect.Width(), rect.Height());
  graphics_->FillCurrentPath(GBrush(brush, ToRectF(rect)));
}

}  // namespace quil

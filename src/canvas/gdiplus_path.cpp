#include "canvas/gdiplus_path.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace quil {

namespace {

constexpr double kDegrees = std::numbers::pi / 180.0;

TPointFloat Pt(double x, double y) { return {static_cast<float>(x), static_cast<float>(y)}; }

double Distance(TPointFloat a, TPointFloat b) { return std::hypot(double(b.x) - a.x, double(b.y) - a.y); }

// The parameter of the ellipse point that lies at the given angle seen from the centre.
double EllipseParameter(double rx, double ry, double degrees) {
  const double a = degrees * kDegrees;
  if (rx == 0 || ry == 0) return a;
  return std::atan2(rx * std::sin(a), ry * std::cos(a));
}

TPointFloat BezierPoint(TPointFloat p0, TPointFloat c1, TPointFloat c2, TPointFloat p1, double t) {
  const double u = 1 - t;
  const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
  return Pt(a * p0.x + b * c1.x + c * c2.x + d * p1.x, a * p0.y + b * c1.y + c * c2.y + d * p1.y);
}

// Enough straight pieces that a piece strays from the curve by well under a pixel.
int FlattenSteps(TPointFloat p0, TPointFloat c1, TPointFloat c2, TPointFloat p1) {
  const double hull = Distance(p0, c1) + Distance(c1, c2) + Distance(c2, p1);
  return std::clamp(static_cast<int>(std::ceil(std::sqrt(hull * 2))), 1, 64);
}

}  // namespace

TGPPath TGPPath::FromPoints(const std::vector<TPointFloat>& points, const std::vector<uint8_t>& types) {
  TGPPath path;
  const std::size_t n = points.size();
  for (std::size_t i = 0; i < n; ++i) {
    const uint8_t type = i < types.size() ? types[i] : uint8_t(pptLine);
    uint8_t kind = type & pptTypeMask;
    if (kind == pptBezier && (!path.figureOpen_ || i + 2 >= n || (types.size() > i + 2 &&
                                                                 ((types[i + 1] & pptTypeMask) != pptBezier ||
                                                                  (types[i + 2] & pptTypeMask) != pptBezier))))
      kind = pptLine;
    if (kind == pptBezier) {
      path.AddBezier(points[i], points[i + 1], points[i + 2]);
      i += 2;
    } else if (kind == pptStart || !path.figureOpen_) {
      path.figureOpen_ = false;
      path.Begin(points[i]);
    } else {
      path.Add(points[i], pptLine);
    }
    if ((i < types.size() ? types[i] : 0) & pptCloseSubpath) path.CloseFigure();
  }
  return path;
}

void TGPPath::Add(TPointFloat p, uint8_t type) {
  points_.push_back(p);
  types_.push_back(type);
}

void TGPPath::Begin(TPointFloat p) {
  if (!figureOpen_) {
    Add(p, pptStart);
    figureOpen_ = true;
  } else if (!(p == points_.back())) {
    Add(p, pptLine);
  }
}

void TGPPath::AddBezier(TPointFloat c1, TPointFloat c2, TPointFloat end) {
  Add(c1, pptBezier);
  Add(c2, pptBezier);
  Add(end, pptBezier);
}

void TGPPath::CloseFigure() {
  if (figureOpen_ && !types_.empty()) types_.back() |= pptCloseSubpath;
  figureOpen_ = false;
}

void TGPPath::Reset() {
  points_.clear();
  types_.clear();
  figureOpen_ = false;
}

void TGPPath::AddLine(float x1, float y1, float x2, float y2) {
  Begin({x1, y1});
  Add({x2, y2}, pptLine);
}

void TGPPath::AddLines(const TPointFloat* points, int count) {
  if (!points || count <= 0) return;
  Begin(points[0]);
  for (int i = 1; i < count; ++i) Add(points[i], pptLine);
}

void TGPPath::AddPolygon(const TPointFloat* points, int count) {
  if (!points || count <= 0) return;
  StartFigure();
  AddLines(points, count);
  CloseFigure();
}

void TGPPath::AddRectangle(const TGPRect& r) {
  const TPointFloat p[4] = {Pt(r.X, r.Y), Pt(r.Right(), r.Y), Pt(r.Right(), r.Bottom()), Pt(r.X, r.Bottom())};
  AddPolygon(p, 4);
}

void TGPPath::AddEllipse(const TGPRect& r) {
  StartFigure();
  AddArcPieces(r.X + r.Width / 2, r.Y + r.Height / 2, r.Width / 2, r.Height / 2, 0, 360);
  CloseFigure();
}

void TGPPath::AddArc(const TGPRect& r, double startAngle, double sweepAngle) {
  AddArcPieces(r.X + r.Width / 2, r.Y + r.Height / 2, r.Width / 2, r.Height / 2, startAngle, sweepAngle);
}

void TGPPath::AddPie(const TGPRect& r, double startAngle, double sweepAngle) {
  StartFigure();
  Begin(Pt(r.X + r.Width / 2, r.Y + r.Height / 2));
  AddArc(r, startAngle, sweepAngle);
  CloseFigure();
}

void TGPPath::AddArcPieces(double cx, double cy, double rx, double ry, double startAngle, double sweepAngle) {
  if (!std::isfinite(cx + cy + rx + ry + startAngle + sweepAngle)) return;
  sweepAngle = std::clamp(sweepAngle, -360.0, 360.0);
  const double t0 = EllipseParameter(rx, ry, startAngle);
  double t1;
  if (std::abs(sweepAngle) >= 360) {
    t1 = t0 + std::copysign(2 * std::numbers::pi, sweepAngle);
  } else {
    t1 = EllipseParameter(rx, ry, startAngle + sweepAngle);
    while (sweepAngle > 0 && t1 < t0) t1 += 2 * std::numbers::pi;
    while (sweepAngle < 0 && t1 > t0) t1 -= 2 * std::numbers::pi;
  }
  auto at = [&](double t) { return Pt(cx + rx * std::cos(t), cy + ry * std::sin(t)); };
  Begin(at(t0));
  const int pieces = std::max(1, static_cast<int>(std::ceil(std::abs(t1 - t0) / (std::numbers::pi / 2) - 1e-9)));
  const double step = (t1 - t0) / pieces;
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  for (int i = 0; i < pieces; ++i) {
    const double a = t0 + i * step, b = a + step;
    const TPointFloat p0 = at(a), p1 = at(b);
    AddBezier(Pt(p0.x - k * rx * std::sin(a), p0.y + k * ry * std::cos(a)),
              Pt(p1.x + k * rx * std::sin(b), p1.y - k * ry * std::cos(b)), p1);
  }
}

void TGPPath::AddCurve(const TPointFloat* points, int count, float tension) {
  if (!points || count <= 0) return;
  AddCurvePieces(points, count, tension, false);
}

void TGPPath::AddClosedCurve(const TPointFloat* points, int count, float tension) {
  if (!points || count <= 0) return;
  StartFigure();
  AddCurvePieces(points, count, tension, true);
  CloseFigure();
}

// Each piece from p[i] to p[i + 1] leaves along the chord of its neighbours, scaled by tension / 3.
void TGPPath::AddCurvePieces(const TPointFloat* p, int count, float tension, bool closed) {
  Begin(p[0]);
  const double k = tension / 3.0;
  auto point = [&](int i) {
    if (closed) return p[((i % count) + count) % count];
    return p[std::clamp(i, 0, count - 1)];
  };
  const int pieces = closed ? count : count - 1;
  for (int i = 0; i < pieces; ++i) {
    const TPointFloat a = point(i), b = point(i + 1), before = point(i - 1), after = point(i + 2);
    AddBezier(Pt(a.x + k * (double(b.x) - before.x), a.y + k * (double(b.y) - before.y)),
              Pt(b.x - k * (double(after.x) - a.x), b.y - k * (double(after.y) - a.y)), b);
  }
}

void TGPPath::AddCairoPath(const cairo_path_t& path) {
  for (int i = 0; i < path.num_data; i += path.data[i].header.length) {
    const cairo_path_data_t* d = &path.data[i];
    switch (d->header.type) {
      case CAIRO_PATH_MOVE_TO:
        if (figureOpen_ && (types_.back() & pptTypeMask) == pptStart) {
          points_.pop_back();
          types_.pop_back();
        }
        StartFigure();
        Begin(Pt(d[1].point.x, d[1].point.y));
        break;
      case CAIRO_PATH_LINE_TO:
        if (figureOpen_) Add(Pt(d[1].point.x, d[1].point.y), pptLine);
        break;
      case CAIRO_PATH_CURVE_TO:
        if (figureOpen_)
          AddBezier(Pt(d[1].point.x, d[1].point.y), Pt(d[2].point.x, d[2].point.y), Pt(d[3].point.x, d[3].point.y));
        break;
      case CAIRO_PATH_CLOSE_PATH: CloseFigure(); break;
    }
  }
  if (figureOpen_ && (types_.back() & pptTypeMask) == pptStart) {
    points_.pop_back();
    types_.pop_back();
    figureOpen_ = false;
  }
}

std::vector<TGPPolygon> TGPPath::Flatten() const {
  std::vector<TGPPolygon> figures;
  for (std::size_t i = 0; i < points_.size(); ++i) {
    const uint8_t kind = types_[i] & pptTypeMask;
    if (kind == pptStart || figures.empty()) figures.emplace_back();
    TGPPolygon& f = figures.back();
    if (kind == pptBezier && !f.empty() && i + 2 < points_.size()) {
      const TPointFloat p0 = f.back(), c1 = points_[i], c2 = points_[i + 1], p1 = points_[i + 2];
      const int steps = FlattenSteps(p0, c1, c2, p1);
      for (int s = 1; s <= steps; ++s) f.push_back(BezierPoint(p0, c1, c2, p1, double(s) / steps));
      i += 2;
    } else {
      f.push_back(points_[i]);
    }
  }
  return figures;
}

TGPRect TGPPath::Bounds() const {
  if (points_.empty()) return {};
  double l = std::numeric_limits<double>::max(), t = l, r = -l, b = -l;
  for (const TGPPolygon& f : Flatten())
    for (const TPointFloat& p : f) {
      l = std::min(l, double(p.x));
      t = std::min(t, double(p.y));
      r = std::max(r, double(p.x));
      b = std::max(b, double(p.y));
    }
  return {l, t, r - l, b - t};
}

void TGPPath::AppendTo(cairo_t* cr) const {
  cairo_new_path(cr);
  for (std::size_t i = 0; i < points_.size(); ++i) {
    const uint8_t type = types_[i];
    const TPointFloat p = points_[i];
    switch (type & pptTypeMask) {
      case pptStart: cairo_move_to(cr, p.x, p.y); break;
      case pptBezier:
        if (i + 2 < points_.size()) {
          cairo_curve_to(cr, p.x, p.y, points_[i + 1].x, points_[i + 1].y, points_[i + 2].x, points_[i + 2].y);
          i += 2;
        }
        break;
      default: cairo_line_to(cr, p.x, p.y); break;
    }
    if (types_[i] & pptCloseSubpath) cairo_close_path(cr);
  }
}

}  // namespace quil

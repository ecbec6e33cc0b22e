#include "canvas/canvas_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/rounding.h"

namespace quil {

namespace {

template <class P>
double CullValue(const P& p0, const P& p1, const P& p2) {
  return (double(p0.X) - p1.X) * (double(p2.Y) - p1.Y) - (double(p2.X) - p1.X) * (double(p0.Y) - p1.Y);
}

double CullValue(const TPointFloat& p0, const TPointFloat& p1, const TPointFloat& p2) {
  return (double(p0.x) - p1.x) * (double(p2.y) - p1.y) - (double(p2.x) - p1.x) * (double(p0.y) - p1.y);
}

// Positive when the path prev -> p -> next turns one way, negative the other.
double Turn(const TPoint& prev, const TPoint& p, const TPoint& next) {
  return (double(prev.X) - p.X) * (double(next.Y) - p.Y) - (double(next.X) - p.X) * (double(prev.Y) - p.Y);
}

}  // namespace

bool QuilCull(const TPoint& p0, const TPoint& p1, const TPoint& p2) { return CullValue(p0, p1, p2) < 0; }
bool QuilCull(const TPoint (&p)[4]) { return QuilCull(p[0], p[1], p[2]); }
bool QuilCull(const TPointFloat& p0, const TPointFloat& p1, const TPointFloat& p2) {
  return CullValue(p0, p1, p2) < 0;
}
bool QuilCull(const TPointFloat (&p)[4]) { return QuilCull(p[0], p[1], p[2]); }

TRect RectFromPolygon(const TPoint* points, int numPoints) {
  if (!points || numPoints <= 0) return {};
  TRect r{points[0].X, points[0].Y, points[0].X, points[0].Y};
  for (int i = 1; i < numPoints; ++i) {
    r.Left = std::min(r.Left, points[i].X);
    r.Top = std::min(r.Top, points[i].Y);
    r.Right = std::max(r.Right, points[i].X);
    r.Bottom = std::max(r.Bottom, points[i].Y);
  }
  if (r.Right < std::numeric_limits<int>::max()) ++r.Right;
  if (r.Bottom < std::numeric_limits<int>::max()) ++r.Bottom;
  return r;
}

TRect RectFromTriangle(const TPoint (&points)[3]) { return RectFromPolygon(points, 3); }

TRect PolygonBounds(const std::vector<TPoint>& points) {
  return RectFromPolygon(points.data(), static_cast<int>(points.size()));
}

TRect PolygonBounds(const std::vector<TPointFloat>& points) {
  std::vector<TPoint> rounded;
  rounded.reserve(points.size());
  for (const TPointFloat& p : points) rounded.push_back({QuilRound(p.x), QuilRound(p.y)});
  return PolygonBounds(rounded);
}

float QuilHypot(double x, double y) { return static_cast<float>(std::sqrt(x * x + y * y)); }

bool ConvexHull(std::vector<TPoint>& points) {
  if (points.size() < 3) return false;
  if (points.size() == 3) return true;

  std::size_t pivotIndex = 0;
  TPoint pivot{10000000, 10000000};
  for (std::size_t i = 0; i < points.size(); ++i) {
    const TPoint& p = points[i];
    if (p.Y < pivot.Y || (p.Y == pivot.Y && p.X > pivot.X)) {
      pivot = p;
      pivotIndex = i;
    }
  }
  points[pivotIndex] = points.back();
  points.pop_back();

  auto key = [&pivot](const TPoint& p) {
    const double dx = double(pivot.X) - p.X;
    const double dy = double(pivot.Y) - p.Y;
    const double d = std::sqrt(dx * dx + dy * dy);
    return d == 0 ? 0.0 : dx / d;
  };
  std::sort(points.begin(), points.end(), [&key](const TPoint& a, const TPoint& b) { return key(a) < key(b); });

  std::size_t i = 1;
  while (i < points.size()) {
    const TPoint& next = i + 1 < points.size() ? points[i + 1] : pivot;
    if (Turn(points[i - 1], points[i], next) < 0) {
      ++i;
    } else {
      points.erase(points.begin() + static_cast<std::ptrdiff_t>(i));
      if (i > 1) --i;
    }
  }
  points.push_back(pivot);
  return true;
}

}  // namespace quil

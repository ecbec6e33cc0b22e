#include "canvas/aliased_quad.h"

#include <algorithm>
#include <utility>

namespace quil {

namespace {

constexpr int64_t kOne = 256;
constexpr int64_t kHalfDown = 127;  // the rasteriser's rounding: integer part of (f + 127/256)

// The pixel a fixed-point coordinate rounds to, halves going down.
int RoundDown(int64_t fixed) { return static_cast<int>((fixed + kHalfDown) >> 8); }

int64_t FloorDiv(int64_t n, int64_t d) {
  const int64_t q = n / d;
  return (n % d != 0 && n < 0) ? q - 1 : q;
}

int64_t Cross(const TPoint& o, const TPoint& a, const TPoint& b) {
  return (int64_t(a.X) - o.X) * (int64_t(b.Y) - o.Y) - (int64_t(a.Y) - o.Y) * (int64_t(b.X) - o.X);
}

// Whether segments ab and cd share a point (touching counts).
bool SegmentsMeet(const TPoint& a, const TPoint& b, const TPoint& c, const TPoint& d) {
  const int64_t d1 = Cross(c, d, a), d2 = Cross(c, d, b), d3 = Cross(a, b, c), d4 = Cross(a, b, d);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return true;
  const auto onSegment = [](const TPoint& p, const TPoint& q, const TPoint& r) {
    return std::min(p.X, q.X) <= r.X && r.X <= std::max(p.X, q.X) && std::min(p.Y, q.Y) <= r.Y &&
           r.Y <= std::max(p.Y, q.Y);
  };
  return (d1 == 0 && onSegment(c, d, a)) || (d2 == 0 && onSegment(c, d, b)) || (d3 == 0 && onSegment(a, b, c)) ||
         (d4 == 0 && onSegment(a, b, d));
}

}  // namespace

TAliasedQuad::TAliasedQuad(const TPoint (&corners)[4], TFixedOffset offset) {
  bounds_ = {corners[0].X, corners[0].Y, corners[0].X, corners[0].Y};
  for (int i = 1; i < 4; ++i) {
    bounds_.Left = std::min(bounds_.Left, corners[i].X);
    bounds_.Top = std::min(bounds_.Top, corners[i].Y);
    bounds_.Right = std::max(bounds_.Right, corners[i].X);
    bounds_.Bottom = std::max(bounds_.Bottom, corners[i].Y);
  }
  // The edges' rows together reach from the highest corner's row to the lowest's; a
  // quadrilateral between two sample lines (most cells of a fine surface) has none.
  firstRow_ = RoundDown(bounds_.Top * kOne + offset.Y);
  endRow_ = RoundDown(bounds_.Bottom * kOne + offset.Y);
  if (firstRow_ >= endRow_) {
    firstRow_ = endRow_ = 0;
    return;
  }
  for (int i = 0; i < 4; ++i) {
    const TPoint& a = corners[i];
    const TPoint& b = corners[(i + 1) % 4];
    if (a.Y == b.Y) continue;
    const TPoint& upper = a.Y < b.Y ? a : b;
    const TPoint& lower = a.Y < b.Y ? b : a;
    const int64_t x1 = upper.X * kOne + offset.X, y1 = upper.Y * kOne + offset.Y;
    const int64_t y2 = lower.Y * kOne + offset.Y;
    TEdge e{x1, y1, (int64_t(lower.X) - upper.X) * kOne, y2 - y1, RoundDown(y1), RoundDown(y2)};
    if (e.Top < e.Bottom) edges_[count_++] = e;
  }
}

bool QuadCrossesItself(const TPoint (&corners)[4]) {
  TPoint u[4];
  int m = 0;
  for (const TPoint& p : corners)
    if (m == 0 || !(u[m - 1] == p)) u[m++] = p;
  while (m > 1 && u[m - 1] == u[0]) --m;
  if (m < 4) return false;
  int64_t turns[4];
  bool positive = true, negative = true, collinear = true;
  for (int i = 0; i < 4; ++i) {
    turns[i] = Cross(u[i], u[(i + 1) % 4], u[(i + 2) % 4]);
    positive = positive && turns[i] > 0;
    negative = negative && turns[i] < 0;
    collinear = collinear && turns[i] == 0;
  }
  if (positive || negative || collinear) return false;
  if (u[0] == u[2] || u[1] == u[3]) return true;
  for (int i = 0; i < 4; ++i) {
    const TPoint& a = u[i];
    const TPoint& b = u[(i + 1) % 4];
    const TPoint& c = u[(i + 2) % 4];
    if (turns[i] == 0 && (int64_t(b.X) - a.X) * (int64_t(c.X) - b.X) + (int64_t(b.Y) - a.Y) * (int64_t(c.Y) - b.Y) < 0)
      return true;
  }
  return SegmentsMeet(u[0], u[1], u[2], u[3]) || SegmentsMeet(u[1], u[2], u[3], u[0]);
}

int TAliasedQuad::Runs(int y, int left, int right, TPixelRun (&runs)[2]) const {
  int xs[4];
  int n = 0;
  const int64_t sampleY = y * kOne + kHalfDown;
  for (int i = 0; i < count_; ++i) {
    const TEdge& e = edges_[i];
    if (y < e.Top || y >= e.Bottom) continue;
    const int64_t x = e.Dx == 0 ? e.X1 : e.X1 + FloorDiv((sampleY - e.Y1) * e.Dx, e.Dy);
    xs[n++] = std::clamp(RoundDown(x), left, right);
  }
  // Every row is crossed by an even number of edges of a closed outline.
  for (int i = 1; i < n; ++i)
    for (int j = i; j > 0 && xs[j - 1] > xs[j]; --j) std::swap(xs[j - 1], xs[j]);
  if (n < 2) return 0;
  runs[0] = {xs[0], xs[1]};
  if (n < 4) return 1;
  // The rasteriser closes a run only when the next one starts more than one pixel further on.
  if (xs[2] <= xs[1] + 1) {
    runs[0].Right = xs[3];
    return 1;
  }
  runs[1] = {xs[2], xs[3]};
  return 2;
}

}  // namespace quil

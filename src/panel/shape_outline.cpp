#include "panel/shape_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/rounding.h"

namespace quil {

namespace {

constexpr int kArcSteps = 6;

// Adds the corner whose sharp point is (cx, cy); the arc turns from angle `from` (degrees,
// screen y down) through a quarter, about the centre r inside the corner.
void AddCorner(std::vector<TPoint>& out, TQuilCornerStyle style, int cx, int cy, int dx, int dy, int radius,
               double from) {
  if (radius <= 0 || style == cosNone) {
    out.push_back({cx, cy});
    return;
  }
  const double ox = cx + dx * radius, oy = cy + dy * radius;
  if (style == cosBevel) {
    const double a0 = from * std::numbers::pi / 180, a1 = (from + 90) * std::numbers::pi / 180;
    out.push_back({QuilRound(ox + radius * std::cos(a0)), QuilRound(oy + radius * std::sin(a0))});
    out.push_back({QuilRound(ox + radius * std::cos(a1)), QuilRound(oy + radius * std::sin(a1))});
    return;
  }
  for (int i = 0; i <= kArcSteps; ++i) {
    const double a = (from + 90.0 * i / kArcSteps) * std::numbers::pi / 180;
    out.push_back({QuilRound(ox + radius * std::cos(a)), QuilRound(oy + radius * std::sin(a))});
  }
}

// Along a side from a to b (one coordinate varies), the pointer's three points.
void AddPointer(std::vector<TPoint>& out, const TOutlinePointer& p, TShapeCalloutSide side, const TRect& edge) {
  if (p.Side != side) return;
  const bool horizontal = side == csTop || side == csBottom;
  const int from = horizontal ? edge.Left : edge.Top;
  const int length = horizontal ? edge.Right - edge.Left : edge.Bottom - edge.Top;
  const int half = std::max(0, p.Width / 2);
  const int base = from + length * std::clamp(p.BasePercent, 0, 100) / 100;
  const int lo = std::clamp(base - half, from, from + length), hi = std::clamp(base + half, from, from + length);
  const int tip = from + length * p.TipPercent / 100;
  switch (side) {
    case csTop: out.insert(out.end(), {{lo, edge.Top}, {tip, edge.Top - p.Size}, {hi, edge.Top}}); break;
    case csRight: out.insert(out.end(), {{edge.Right, lo}, {edge.Right + p.Size, tip}, {edge.Right, hi}}); break;
    case csBottom: out.insert(out.end(), {{hi, edge.Bottom}, {tip, edge.Bottom + p.Size}, {lo, edge.Bottom}}); break;
    case csLeft: out.insert(out.end(), {{edge.Left, hi}, {edge.Left - p.Size, tip}, {edge.Left, lo}}); break;
    case csNone: break;
  }
}

}  // namespace

std::vector<TPoint> ShapeOutline(const TRect& rect, int roundSize, const std::array<TQuilCornerStyle, 4>& corners,
                                 const TOutlinePointer& pointer) {
  const TRect r{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1};
  const int radius = std::max(0, std::min({roundSize / 2, (r.Right - r.Left) / 2, (r.Bottom - r.Top) / 2}));
  // The straight part of each side, where a pointer may sit.
  const TRect edge{r.Left + radius, r.Top + radius, r.Right - radius, r.Bottom - radius};
  std::vector<TPoint> out;
  AddCorner(out, corners[0], r.Left, r.Top, 1, 1, radius, 180);
  AddPointer(out, pointer, csTop, {edge.Left, r.Top, edge.Right, r.Bottom});
  AddCorner(out, corners[1], r.Right, r.Top, -1, 1, radius, 270);
  AddPointer(out, pointer, csRight, {r.Left, edge.Top, r.Right, edge.Bottom});
  AddCorner(out, corners[2], r.Right, r.Bottom, -1, -1, radius, 0);
  AddPointer(out, pointer, csBottom, {edge.Left, r.Top, edge.Right, r.Bottom});
  AddCorner(out, corners[3], r.Left, r.Bottom, 1, -1, radius, 90);
  AddPointer(out, pointer, csLeft, {r.Left, edge.Top, r.Right, edge.Bottom});
  return out;
}

std::array<TPoint, 4> RectToFourPoints(const TRect& r, double angle) {
  const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
  const double s = std::sin(angle * std::numbers::pi / 180), c = std::cos(angle * std::numbers::pi / 180);
  auto turn = [&](int x, int y) {
    const double dx = x - cx, dy = y - cy;
    return TPoint{cx + QuilRound(dx * c + dy * s), cy + QuilRound(-dx * s + dy * c)};
  };
  return {turn(r.Left, r.Top), turn(r.Right, r.Top), turn(r.Right, r.Bottom), turn(r.Left, r.Bottom)};
}

}  // namespace quil

#include <algorithm>
#include <cmath>
#include <numbers>

#include "canvas/canvas_geometry.h"
#include "canvas/color_functions.h"
#include "canvas/quil_blend.h"
#include "canvas/quil_canvas3d.h"
#include "core/rounding.h"

namespace quil {

namespace {

// Positive when the projected face p0, p1, p2 turns the way a face toward the viewer does.
double ScreenTurn(const TPoint& p0, const TPoint& p1, const TPoint& p2) {
  return (double(p2.X) - p1.X) * (double(p0.Y) - p1.Y) - (double(p0.X) - p1.X) * (double(p2.Y) - p1.Y);
}

double CubeCull(const TPoint (&i)[4]) {
  return (double(i[3].X) - i[2].X) * (double(i[1].Y) - i[2].Y) - (double(i[1].X) - i[2].X) * (double(i[3].Y) - i[2].Y);
}

}  // namespace

void TQuilCanvas3D::RectangleWithZ(const TRect& rect, int z) {
  const auto p = FourPointsFromRect(rect, z);
  std::copy(p.begin(), p.end(), IPoints);
  PolygonFour();
}

void TQuilCanvas3D::RectangleY(int left, int top, int right, int z0, int z1) {
  IPoints[0] = Calculate3DPosition(left, top, z0);
  IPoints[1] = Calculate3DPosition(right, top, z0);
  IPoints[2] = Calculate3DPosition(right, top, z1);
  IPoints[3] = Calculate3DPosition(left, top, z1);
  PolygonFour();
}

void TQuilCanvas3D::RectangleZ(int left, int top, int bottom, int z0, int z1) {
  IPoints[0] = Calculate3DPosition(left, top, z0);
  IPoints[1] = Calculate3DPosition(left, top, z1);
  IPoints[2] = Calculate3DPosition(left, bottom, z1);
  IPoints[3] = Calculate3DPosition(left, bottom, z0);
  PolygonFour();
}

void TQuilCanvas3D::TriangleWithZ(TPoint p1, TPoint p2, TPoint p3, int z) {
  const TPoint p[3] = {Calculate3DPosition(p1, z), Calculate3DPosition(p2, z), Calculate3DPosition(p3, z)};
  Polygon(p, 3);
}

void TQuilCanvas3D::Triangle3D(const TTrianglePoints3D& points, const TTriangleColors3D& colors) {
  const TPoint p[3] = {Calculate3DPosition(points[0]), Calculate3DPosition(points[1]), Calculate3DPosition(points[2])};
  if (Brush().Style() != bsClear) Brush().SetColor(colors[0]);
  Polygon(p, 3);
}

void TQuilCanvas3D::Sphere(int x, int y, int z, double radius) {
  const int r = QuilRound(radius);
  EllipseWithZ(x - r, y - r, x + r, y + r, z);
}

void TQuilCanvas3D::EllipseWithZ(int x1, int y1, int x2, int y2, int z) {
  if (IProjection.IsOrthogonal) {
    const TPoint a = Calculate3DPosition(x1, y1, z);
    const TPoint b = Calculate3DPosition(x2, y2, z);
    Ellipse(a.X, a.Y, b.X, b.Y);
    return;
  }
  if (!IProjection.Is3D) {
    Ellipse(x1, y1, x2 + 1, y2 + 1);
    return;
  }
  const int n = std::max(3, NumCirclePoints);
  const double cx = (double(x1) + x2) * 0.5, cy = (double(y1) + y2) * 0.5;
  const double rx = (double(x2) - x1) * 0.5, ry = (double(y2) - y1) * 0.5;
  const double step = (360.0 / (n - 1)) * (2 * std::numbers::pi / 360);
  std::vector<TPointFloat> p(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    p[i] = {static_cast<float>(rx * std::sin(i * step) + cx), static_cast<float>(ry * std::cos(i * step) + cy)};
    Calculate3DPosition(p[i], static_cast<float>(z));
  }
  if (Brush().Style() != bsClear)
    PolygonFloat(p.data(), n);
  else if (Pen().Visible() && Pen().Style() != psClear)
    PolylineFloat(p.data(), n);
}

void TQuilCanvas3D::CubeFace(const TPoint& a, const TPoint& b, const TPoint& c, const TPoint& d, TColor oldColor,
                             TGradientDirection direction, int amount) {
  IPoints[0] = a;
  IPoints[1] = b;
  IPoints[2] = c;
  IPoints[3] = d;
  if (amount <= 0) {
    PolygonFour();
    return;
  }
  TQuilGradient& g = Gradient();
  g.SetDirection(direction);
  g.SetStartColor(oldColor);
  g.SetEndColor(ApplyDark(oldColor, static_cast<uint8_t>(amount)));
  g.SetVisible(true);
  PolygonFour();
  g.SetVisible(false);
}

void TQuilCanvas3D::Cube(int left, int right, int top, int bottom, int z0, int z1, bool darkSides, int) {
  const bool transparent = Brush().Style() == bsClear;
  const TColor oldColor = Brush().Style() == bsSolid ? Brush().Color() : GetBackColor();
  const TPoint ltf = Calculate3DPosition(left, top, z0), rtf = Calculate3DPosition(right, top, z0);
  const TPoint rbf = Calculate3DPosition(right, bottom, z0), lbf = Calculate3DPosition(left, bottom, z0);
  const TPoint ltk = Calculate3DPosition(left, top, z1), rtk = Calculate3DPosition(right, top, z1);
  const TPoint rbk = Calculate3DPosition(right, bottom, z1), lbk = Calculate3DPosition(left, bottom, z1);
  const int darker = darkSides ? DarkerColorQuantity : 0;
  const int dark = darkSides ? DarkColorQuantity : 0;

  const TPoint front[4] = {ltf, rtf, rbf, lbf};
  if (transparent || CubeCull(front) > 0)
    CubeFace(ltf, rtf, rbf, lbf, oldColor, gdTopBottom, 0);
  else
    CubeFace(ltk, rtk, rbk, lbk, oldColor, gdTopBottom, 0);

  const TPoint right4[4] = {rtf, rtk, rbk, rbf};
  if (transparent || CubeCull(right4) > 0) CubeFace(rtf, rtk, rbk, rbf, oldColor, gdLeftRight, darker);

  const double leftTurn = (double(lbf.X) - ltf.X) * (double(ltk.Y) - ltf.Y) - (double(ltk.X) - ltf.X) * (double(lbf.Y) - ltf.Y);
  if (transparent || leftTurn > 0) CubeFace(ltf, ltk, lbk, lbf, oldColor, gdRightLeft, darker);

  const double topTurn = (double(ltf.X) - rtf.X) * (double(rtk.Y) - rtf.Y) - (double(rtk.X) - rtf.X) * (double(ltf.Y) - rtf.Y);
  if (transparent || topTurn > 0) CubeFace(ltf, rtf, rtk, ltk, oldColor, gdBottomTop, dark);

  const TPoint bottom4[4] = {lbf, lbk, rbk, rbf};
  if (transparent || CubeCull(bottom4) < 0) CubeFace(lbf, lbk, rbk, rbf, oldColor, gdTopBottom, dark);
}

void TQuilCanvas3D::Cube(int left, int right, int top, int bottom, int z0, int z1, int, bool darkSides,
                         int roundSize) {
  Cube(left, right, top, bottom, z0, z1, darkSides, roundSize);
}

void TQuilCanvas3D::DrawSolidFace(std::vector<TPoint3D> face, const TFloatPoint3D& outward, int darkAmount) {
  if (face.size() < 3) return;
  const double ax = double(face[1].X) - face[0].X, ay = double(face[1].Y) - face[0].Y, az = double(face[1].Z) - face[0].Z;
  const double bx = double(face[2].X) - face[1].X, by = double(face[2].Y) - face[1].Y, bz = double(face[2].Z) - face[1].Z;
  const double nx = ay * bz - az * by, ny = az * bx - ax * bz, nz = ax * by - ay * bx;
  if (nx * outward.x + ny * outward.y + nz * outward.z > 0) std::reverse(face.begin(), face.end());
  std::vector<TPoint> p;
  p.reserve(face.size());
  for (const TPoint3D& q : face) p.push_back(Calculate3DPosition(q));
  if (Brush().Style() != bsClear && ScreenTurn(p[0], p[1], p[2]) <= 0) return;
  const TColor oldColor = Brush().Color();
  const bool shade = darkAmount > 0 && Brush().Style() == bsSolid;
  if (shade) Brush().SetColor(ApplyDark(oldColor, static_cast<uint8_t>(std::min(darkAmount, 255))));
  Polygon(p);
  if (shade) Brush().SetColor(oldColor);
}

void TQuilCanvas3D::Cone(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark3D,
                         int conePercent) {
  const int n = std::max(3, QuilNumCylinderSides);
  const double cz = (double(z0) + z1) * 0.5, rz = (double(z1) - z0) * 0.5;
  const double across = vertical ? (double(right) - left) * 0.5 : (double(bottom) - top) * 0.5;
  const double centre = vertical ? (double(left) + right) * 0.5 : (double(top) + bottom) * 0.5;
  const double topScale = std::clamp(conePercent, 0, 100) * 0.01;
  // The base lies at the bottom of a vertical cone and at the left of a horizontal one.
  const int baseAt = vertical ? bottom : left;
  const int tipAt = vertical ? top : right;
  auto ring = [&](int along, double scale, int i) {
    const double a = 2 * std::numbers::pi * i / n;
    const int c = QuilRound(centre + scale * across * std::cos(a));
    const int z = QuilRound(cz + scale * rz * std::sin(a));
    return vertical ? TPoint3D{c, along, z} : TPoint3D{along, c, z};
  };
  const TFloatPoint3D axis = vertical ? TFloatPoint3D{0, -1, 0} : TFloatPoint3D{1, 0, 0};
  std::vector<TPoint3D> base, cap;
  for (int i = 0; i < n; ++i) {
    base.push_back(ring(baseAt, 1, i));
    cap.push_back(ring(tipAt, topScale, i));
  }
  DrawSolidFace(base, {-axis.x, -axis.y, -axis.z}, 0);
  for (int i = 0; i < n; ++i) {
    const int j = (i + 1) % n;
    const double mid = 2 * std::numbers::pi * (i + 0.5) / n;
    const TFloatPoint3D out = vertical ? TFloatPoint3D{std::cos(mid), 0, std::sin(mid)}
                                       : TFloatPoint3D{0, std::cos(mid), std::sin(mid)};
    const int shade = dark3D ? QuilRound(DarkColorQuantity * (1 - std::cos(mid + std::numbers::pi / 2)) * 0.5) : 0;
    if (topScale > 0)
      DrawSolidFace({base[i], base[j], cap[j], cap[i]}, out, shade);
    else
      DrawSolidFace({base[i], base[j], cap[0]}, out, shade);
  }
  if (topScale > 0) DrawSolidFace(cap, axis, 0);
}

void TQuilCanvas3D::Cylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark3D) {
  Cone(vertical, left, top, right, bottom, z0, z1, dark3D, 100);
}

void TQuilCanvas3D::Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides) {
  const int zm = QuilDiv(z0 + z1, 2);
  std::vector<TPoint3D> base;
  TPoint3D apex;
  if (vertical) {
    base = {{left, bottom, z0}, {right, bottom, z0}, {right, bottom, z1}, {left, bottom, z1}};
    apex = {QuilDiv(left + right, 2), top, zm};
  } else {
    base = {{left, top, z0}, {left, bottom, z0}, {left, bottom, z1}, {left, top, z1}};
    apex = {right, QuilDiv(top + bottom, 2), zm};
  }
  TFloatPoint3D centre{double(apex.X), double(apex.Y), double(apex.Z)};
  for (const TPoint3D& b : base) {
    centre.x += b.X;
    centre.y += b.Y;
    centre.z += b.Z;
  }
  centre = {centre.x / 5, centre.y / 5, centre.z / 5};
  auto outward = [&centre](const std::vector<TPoint3D>& f) {
    TFloatPoint3D c;
    for (const TPoint3D& q : f) c = {c.x + q.X, c.y + q.Y, c.z + q.Z};
    const double k = 1.0 / f.size();
    return TFloatPoint3D{c.x * k - centre.x, c.y * k - centre.y, c.z * k - centre.z};
  };
  DrawSolidFace(base, outward(base), 0);
  for (int i = 0; i < 4; ++i) {
    const std::vector<TPoint3D> side{base[i], base[(i + 1) % 4], apex};
    DrawSolidFace(side, outward(side), darkSides && i % 2 ? DarkColorQuantity : 0);
  }
}

void TQuilCanvas3D::Pie3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle,
                          double endAngle, bool darkSides, bool drawSides, int donutPercent,
                          const TCustomQuilGradient* gradient, int, TEdgeStyle, int transparency, int, bool, bool hideSides) {
  const double sweep = endAngle - startAngle;
  if (sweep == 0 || xRadius <= 0 || yRadius <= 0) return;
  const int steps = std::max(2, static_cast<int>(std::ceil(std::abs(sweep) / 5)));
  const double hole = std::clamp(donutPercent, 0, 100) * 0.01;
  auto at = [&](double scale, int i, int z) {
    const double a = (startAngle + sweep * i / steps) * QuilPiStep;
    return TPoint3D{QuilRound(xCenter + scale * xRadius * std::cos(a)), QuilRound(yCenter - scale * yRadius * std::sin(a)), z};
  };
  auto radial = [](double degrees) {
    return TFloatPoint3D{std::cos(degrees * QuilPiStep), -std::sin(degrees * QuilPiStep), 0};
  };
  std::vector<TPoint3D> frontFace, backFace;
  for (int i = 0; i <= steps; ++i) {
    frontFace.push_back(at(1, i, z0));
    backFace.push_back(at(1, i, z1));
  }
  for (int i = steps; i >= 0; --i) {
    frontFace.push_back(at(hole, i, z0));
    backFace.push_back(at(hole, i, z1));
  }
  std::unique_ptr<TQuilBlend> blend;
  if (transparency > 0) {
    std::vector<TPoint> projected;
    for (const TPoint3D& q : frontFace) projected.push_back(Calculate3DPosition(q));
    for (const TPoint3D& q : backFace) projected.push_back(Calculate3DPosition(q));
    blend = BeginBlending(PolygonBounds(projected), transparency);
  }
  const int shade = darkSides ? DarkColorQuantity : 0;
  DrawSolidFace(backFace, {0, 0, 1}, 0);
  if (drawSides && !hideSides) {
    DrawSolidFace({at(1, 0, z0), at(1, 0, z1), at(hole, 0, z1), at(hole, 0, z0)}, radial(startAngle - 90), shade);
    DrawSolidFace({at(1, steps, z0), at(1, steps, z1), at(hole, steps, z1), at(hole, steps, z0)},
                  radial(endAngle + 90), shade);
  }
  for (int i = 0; i < steps; ++i) {
    const double mid = startAngle + sweep * (i + 0.5) / steps;
    DrawSolidFace({at(1, i, z0), at(1, i + 1, z0), at(1, i + 1, z1), at(1, i, z1)}, radial(mid), shade);
    if (hole > 0) {
      const TFloatPoint3D in = radial(mid);
      DrawSolidFace({at(hole, i, z0), at(hole, i + 1, z0), at(hole, i + 1, z1), at(hole, i, z1)}, {-in.x, -in.y, 0},
                    shade);
    }
  }
  const bool useGradient = gradient && gradient->Visible() && Brush().Style() != bsClear;
  if (useGradient) Gradient().AssignSettings(*gradient);
  DrawSolidFace(frontFace, {0, 0, -1}, 0);
  if (useGradient) Gradient().SetVisible(false);
  if (transparency > 0) EndBlending(std::move(blend));
}

void TQuilCanvas3D::Arrow(bool filled, TPoint fromPoint, TPoint toPoint, int arrowWidth, int arrowHeight, int z0,
                          int z1, double arrowPercent) {
  const double dx = double(toPoint.X) - fromPoint.X, dy = double(toPoint.Y) - fromPoint.Y;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length == 0) return;
  const double ux = dx / length, uy = dy / length;
  const double nx = -uy, ny = ux;
  const double head = std::min(double(std::abs(arrowHeight)), length);
  const double headHalf = std::abs(arrowWidth) * 0.5;
  const double shaftHalf = headHalf * std::clamp(arrowPercent, 0.0, 100.0) * 0.01;
  const double bx = toPoint.X - ux * head, by = toPoint.Y - uy * head;
  auto pt = [](double x, double y) { return TPoint{QuilRound(x), QuilRound(y)}; };
  const std::vector<TPoint> outline{pt(fromPoint.X + nx * shaftHalf, fromPoint.Y + ny * shaftHalf),
                                    pt(bx + nx * shaftHalf, by + ny * shaftHalf),
                                    pt(bx + nx * headHalf, by + ny * headHalf),
                                    toPoint,
                                    pt(bx - nx * headHalf, by - ny * headHalf),
                                    pt(bx - nx * shaftHalf, by - ny * shaftHalf),
                                    pt(fromPoint.X - nx * shaftHalf, fromPoint.Y - ny * shaftHalf)};
  if (!filled) {
    std::vector<TPoint> closed = Calc3DPoints(outline, z0);
    closed.push_back(closed.front());
    Polyline(closed);
    return;
  }
  if (z1 != z0) PolygonWithZ(outline, z1);
  PolygonWithZ(outline, z0);
}

}  // namespace quil

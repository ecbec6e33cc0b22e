#include "canvas/canvas3d.h"

#include <cmath>

#include "canvas/canvas_geometry.h"
#include "canvas/quil_blend.h"
#include "canvas/solid_quad_fill.h"
#include "canvas/view3d_options.h"
#include "core/rounding.h"

namespace quil {

TCanvas3D::TCanvas3D() = default;
TCanvas3D::~TCanvas3D() = default;

TColor TCanvas3D::GetPixel3D(int x, int y, int z) {
  const TPoint p = Calculate3DPosition(x, y, z);
  return GetPixel(p.X, p.Y);
}

std::unique_ptr<TSolidQuadFill> TCanvas3D::SolidQuadFill() { return nullptr; }

void TCanvas3D::SetPixel3D(int x, int y, int z, TColor value) {
  const TPoint p = Calculate3DPosition(x, y, z);
  if (Pen().Width() == 1) {
    SetPixel(p.X, p.Y, value);
  } else {
    MoveTo(p.X, p.Y);
    LineTo(p.X, p.Y);
  }
}

void TCanvas3D::Assign(const TCanvas3D& source) {
  SetMonochrome(source.GetMonochrome());
  view3DOptions_ = source.view3DOptions_;
  SetFontZoom(source.FontZoom());
}

bool TCanvas3D::RenderToBitmap(TBitmap&, const TRect&) { return false; }

void TCanvas3D::Diamond(int left, int top, int right, int bottom, int z0, int z1) {
  const int z = QuilDiv(z0 + z1, 2);
  const int mx = QuilDiv(left + right, 2);
  const int my = QuilDiv(top + bottom, 2);
  const TPoint p[4] = {Calculate3DPosition(mx, top, z), Calculate3DPosition(right, my, z),
                       Calculate3DPosition(mx, bottom, z), Calculate3DPosition(left, my, z)};
  Polygon(p, 4);
}

void TCanvas3D::HorizLine3D(int left, int right, int y, int z) {
  MoveTo3D(left, y, z);
  LineTo3D(right, y, z);
}

void TCanvas3D::VertLine3D(int x, int top, int bottom, int z) {
  MoveTo3D(x, top, z);
  LineTo3D(x, bottom, z);
}

void TCanvas3D::ZLine3D(int x, int y, int z0, int z1) {
  MoveTo3D(x, y, z0);
  LineTo3D(x, y, z1);
}

void TCanvas3D::LineWithZ(int x0, int y0, int x1, int y1, int z) {
  MoveTo3D(x0, y0, z);
  LineTo3D(x1, y1, z);
}

void TCanvas3D::RoundRect(const TRect& r, int x, int y, int z0, int) {
  const TPoint a = Calculate3DPosition(r.Left, r.Top, z0);
  const TPoint b = Calculate3DPosition(r.Right, r.Bottom, z0);
  RoundRect(a.X, a.Y, b.X, b.Y, x, y);
}

void TCanvas3D::FrontPlaneBegin() {
  if (IDisabledRotation == 0) DisableRotation();
  ++IDisabledRotation;
}

void TCanvas3D::FrontPlaneEnd() {
  if (IDisabledRotation == 0) return;
  if (--IDisabledRotation == 0) EnableRotation();
}

void TCanvas3D::MoveTo3D(int x, int y, int z) {
  const TPoint p = Calculate3DPosition(x, y, z);
  MoveTo(p.X, p.Y);
}

void TCanvas3D::MoveTo3D(double x, double y, double z) { MoveTo3D(QuilRound(x), QuilRound(y), QuilRound(z)); }

void TCanvas3D::LineTo3D(int x, int y, int z) {
  const TPoint p = Calculate3DPosition(x, y, z);
  LineTo(p.X, p.Y);
}

void TCanvas3D::LineTo3D(double x, double y, double z) { LineTo3D(QuilRound(x), QuilRound(y), QuilRound(z)); }

void TCanvas3D::Plane3D(TPoint a, TPoint b, int z0, int z1) {
  const TPoint p[4] = {Calculate3DPosition(a, z0), Calculate3DPosition(b, z0), Calculate3DPosition(b, z1),
                       Calculate3DPosition(a, z1)};
  Polygon(p, 4);
}

void TCanvas3D::PlaneWithZ(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z) {
  const TPoint p[4] = {Calculate3DPosition(p1, z), Calculate3DPosition(p2, z), Calculate3DPosition(p3, z),
                       Calculate3DPosition(p4, z)};
  Polygon(p, 4);
}

void TCanvas3D::PlaneFour3D(const TPoint (&points)[4], int z0, int z1) {
  const TPoint p[4] = {Calculate3DPosition(points[0], z0), Calculate3DPosition(points[1], z0),
                       Calculate3DPosition(points[2], z1), Calculate3DPosition(points[3], z1)};
  Polygon(p, 4);
}

void TCanvas3D::Polygon3D(const std::vector<TPoint3D>& points) {
  std::vector<TPoint> projected;
  projected.reserve(points.size());
  for (const TPoint3D& p : points) projected.push_back(Calculate3DPosition(p));
  Polygon(projected);
}

void TCanvas3D::Polygon3DConcave(const std::vector<TFloatPoint3D>& points, bool invert) {
  std::vector<TPoint> projected;
  projected.reserve(points.size());
  for (const TFloatPoint3D& p : points) {
    TPointFloat f{static_cast<float>(p.x), static_cast<float>(p.y)};
    Calculate3DPosition(f, static_cast<float>(p.z));
    projected.push_back({QuilRound(f.x), QuilRound(f.y)});
  }
  if (invert) std::reverse(projected.begin(), projected.end());
  PolygonConcave(projected.data(), static_cast<int>(projected.size()));
}

void TCanvas3D::Polygon3DConcave(const std::vector<TPoint3D>& points, bool invert) {
  std::vector<TPoint> projected;
  projected.reserve(points.size());
  for (const TPoint3D& p : points) projected.push_back(Calculate3DPosition(p));
  if (invert) std::reverse(projected.begin(), projected.end());
  PolygonConcave(projected.data(), static_cast<int>(projected.size()));
}

void TCanvas3D::PolygonWithZ(const std::vector<TPoint>& points, int z) { Polygon(Calc3DPoints(points, z)); }

void TCanvas3D::PolygonConcave(const std::vector<TPoint>& points, int z) {
  const std::vector<TPoint> p = Calc3DPoints(points, z);
  PolygonConcave(p.data(), static_cast<int>(p.size()));
}

void TCanvas3D::Polyline(const std::vector<TPoint>& points, int z) { Polyline(Calc3DPoints(points, z)); }

void TCanvas3D::PyramidTrunc(const TRectF& r, double startZ, double endZ, double truncX, double truncZ, bool topCover,
                             bool bottomCover) {
  // The base at r's bottom edge spans startZ..endZ; the top at r's top edge is inset by
  // truncX on each side and truncZ in depth.
  const int bl = QuilRound(r.Left), br = QuilRound(r.Right), by = QuilRound(r.Bottom), ty = QuilRound(r.Top);
  const int bz0 = QuilRound(startZ), bz1 = QuilRound(endZ);
  const int tl = QuilRound(r.Left + truncX), tr = QuilRound(r.Right - truncX);
  const int tz0 = QuilRound(startZ + truncZ), tz1 = QuilRound(endZ - truncZ);
  const TPoint3D b[4] = {{bl, by, bz0}, {br, by, bz0}, {br, by, bz1}, {bl, by, bz1}};
  const TPoint3D t[4] = {{tl, ty, tz0}, {tr, ty, tz0}, {tr, ty, tz1}, {tl, ty, tz1}};
  auto face = [this](std::vector<TPoint3D> f) {
    std::vector<TPoint> p;
    for (const TPoint3D& q : f) p.push_back(Calculate3DPosition(q));
    const double turn = (double(p[2].X) - p[1].X) * (double(p[0].Y) - p[1].Y) -
                        (double(p[0].X) - p[1].X) * (double(p[2].Y) - p[1].Y);
    if (Brush().Style() == bsClear || turn > 0) Polygon(p);
  };
  if (bottomCover) face({b[0], b[1], b[2], b[3]});
  face({t[3], b[3], b[2], t[2]});
  face({t[0], b[0], b[3], t[3]});
  face({t[1], t[2], b[2], b[1]});
  face({t[0], t[1], b[1], b[0]});
  if (topCover) face({t[0], t[3], t[2], t[1]});
}

void TCanvas3D::StretchDraw(const TRect& rect, const TBitmap& graphic, double pos, TCanvas3DPlane plane) {
  if (graphic.Empty()) return;
  const int p = QuilRound(pos);
  std::vector<TPoint3D> corners;
  switch (plane) {
    case cpX:
      corners = {{p, rect.Top, rect.Left}, {p, rect.Top, rect.Right}, {p, rect.Bottom, rect.Right}, {p, rect.Bottom, rect.Left}};
      break;
    case cpY:
      corners = {{rect.Left, p, rect.Top}, {rect.Right, p, rect.Top}, {rect.Right, p, rect.Bottom}, {rect.Left, p, rect.Bottom}};
      break;
    case cpZ:
      corners = {{rect.Left, rect.Top, p}, {rect.Right, rect.Top, p}, {rect.Right, rect.Bottom, p}, {rect.Left, rect.Bottom, p}};
      break;
  }
  std::vector<TPoint> projected;
  for (const TPoint3D& c : corners) projected.push_back(Calculate3DPosition(c));
  ClipPolygon(projected.data(), 4, false);
  StretchDraw(PolygonBounds(projected), graphic);
  UnClipRectangle();
}

void TCanvas3D::TriSurface(int numTriangles, TQuilBlend* blend, int transparency,
                           const TTriangleCallback& calcPoints) {
  for (int i = 1; i <= numTriangles; ++i) {
    TPoint3D points[3];
    TColor colors[3];
    if (!calcPoints || !calcPoints(i, points, colors)) continue;
    if (blend) {
      const TPoint tri[3] = {Calculate3DPosition(points[0]), Calculate3DPosition(points[1]),
                             Calculate3DPosition(points[2])};
      blend->SetRectangle(RectFromTriangle(tri));
    }
    Triangle3D(points, colors);
    if (blend) blend->DoBlend(transparency);
  }
}

std::vector<TPoint> TCanvas3D::Calc3DPoints(const std::vector<TPoint>& points, int z) const {
  std::vector<TPoint> out;
  out.reserve(points.size());
  for (const TPoint& p : points) out.push_back(Calculate3DPosition(p, z));
  return out;
}

std::vector<TPointFloat> TCanvas3D::Calc3DPointsFloat(const std::vector<TPointFloat>& points, float z) const {
  std::vector<TPointFloat> out = points;
  for (TPointFloat& p : out) Calculate3DPosition(p, z);
  return out;
}

TRect TCanvas3D::CalcRect3D(const TRect& r, int z) const {
  const TPoint a = Calculate3DPosition(r.Left, r.Top, z);
  const TPoint b = Calculate3DPosition(r.Right, r.Bottom, z);
  return {a.X, a.Y, b.X, b.Y};
}

std::array<TPoint, 4> TCanvas3D::FourPointsFromRect(const TRect& r, int z) const {
  return {Calculate3DPosition(r.Left, r.Top, z), Calculate3DPosition(r.Right, r.Top, z),
          Calculate3DPosition(r.Right, r.Bottom, z), Calculate3DPosition(r.Left, r.Bottom, z)};
}

TRect TCanvas3D::RectFromRectZ(const TRect& r, int z) const {
  const auto p = FourPointsFromRect(r, z);
  return RectFromPolygon(p.data(), 4);
}

std::vector<TPoint> TCanvas3D::CubeHull(const TRect& r, int minZ, int maxZ) const {
  std::vector<TPoint> p{Calculate3DPosition(r.Left, r.Bottom, minZ), Calculate3DPosition(r.Left, r.Bottom, maxZ),
                        Calculate3DPosition(r.Left, r.Top, maxZ),    Calculate3DPosition(r.Right, r.Top, maxZ),
                        Calculate3DPosition(r.Right, r.Top, minZ),   Calculate3DPosition(r.Right, r.Bottom, minZ),
                        Calculate3DPosition(r.Left, r.Top, minZ),    Calculate3DPosition(r.Right, r.Bottom, maxZ)};
  ConvexHull(p);
  return p;
}

TPoint TCanvas3D::PointFromCircle(const TRect& r, double degrees, int zPos, bool clockWise) const {
  const double a = (clockWise ? -degrees : degrees) * QuilPiStep;
  const double cx = (double(r.Left) + r.Right) * 0.5, cy = (double(r.Top) + r.Bottom) * 0.5;
  const double rx = (double(r.Right) - r.Left) * 0.5, ry = (double(r.Bottom) - r.Top) * 0.5;
  return Calculate3DPosition(QuilRound(cx + rx * std::cos(a)), QuilRound(cy - ry * std::sin(a)), zPos);
}

void TCanvas3D::PolygonFloatWithZ(const std::vector<TPointFloat>& points, int z) {
  const std::vector<TPointFloat> p = Calc3DPointsFloat(points, static_cast<float>(z));
  PolygonFloat(p.data(), static_cast<int>(p.size()));
}

void TCanvas3D::PolylineWithZ(const std::vector<TPointFloat>& points, int z) {
  const std::vector<TPointFloat> p = Calc3DPointsFloat(points, static_cast<float>(z));
  PolylineFloat(p.data(), static_cast<int>(p.size()));
}

void TCanvas3D::AssignFont3D(const TQuilFont& font) {
  const TView3DOptions* o = view3DOptions_;
  if (!GetSupports3DText() && o && o->ZoomText() != ztNo && o->ZoomFloat() != 100)
    AssignFontSize(font, font.SizeFloat() * 0.01 * o->ZoomFloat());
  else
    AssignFont(font);
}

}  // namespace quil

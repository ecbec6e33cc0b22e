#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "canvas/projection.h"
#include "canvas/quil_canvas.h"
#include "canvas/shadow.h"

namespace quil {

class TSolidQuadFill;
class TView3DOptions;

// Called by TriSurface for triangle index (1-based): fills the three points and colours,
// false to skip it.
using TTriangleCallback = std::function<bool(int index, TPoint3D (&points)[3], TColor (&colors)[3])>;

// A canvas that projects chart space (x, y and a depth z) onto the surface. It keeps the
// view state all 3D canvases share and expresses what it can through other operations.
class TCanvas3D : public TQuilCanvas {
 public:
  TCanvas3D();
  ~TCanvas3D() override;

  TView3DOptions* View3DOptions() const { return view3DOptions_; }
  void SetView3DOptions(TView3DOptions* options) { view3DOptions_ = options; }
  int XCenter() const { return IProjection.XCenter; }
  int YCenter() const { return IProjection.YCenter; }
  int ZCenter() const { return IProjection.ZCenter; }
  void SetXCenter(int v) { IProjection.XCenter = v; }
  void SetYCenter(int v) { IProjection.YCenter = v; }
  void SetZCenter(int v) { IProjection.ZCenter = v; }
  bool IsOrthogonal() const { return IProjection.IsOrthogonal; }
  TFloatPoint3D& RotationCenter() { return IProjection.RotationCenter; }
  const TProjection& ProjectionState() const { return IProjection; }
  int DisabledRotation() const { return IDisabledRotation; }

  virtual TColor GetPixel3D(int x, int y, int z);
  // A filler of opaque solid quadrilaterals (in device pixels, colour per quadrilateral) that
  // covers exactly the pixels Polygon covers with the current brush in that colour, for drawings
  // of many cells; none unless the current state allows it (the base never does). It is valid
  // while the canvas's target, clip, pen and brush style stay as they were.
  virtual std::unique_ptr<TSolidQuadFill> SolidQuadFill();
  virtual bool GetSupports3DText() const = 0;
  virtual void SetPixel3D(int x, int y, int z, TColor value);
  virtual void SmoothShadow(const TQuilShadow& shadow, const TRect& rect, bool ellipse, int roundSize,
                            const std::vector<TPoint>& points, int donutPercent, double startAngle,
                            double endAngle) = 0;
  // A new canvas of the same class, as a panel creates one from the class list.
  virtual std::unique_ptr<TCanvas3D> Create() const = 0;
  virtual std::string ClassName() const = 0;
  virtual std::string Description() const { return {}; }
  virtual std::string EditorClass() const { return {}; }
  virtual void Calculate2DPosition(int& x, int& y, int z) const = 0;
  virtual TPoint Calculate3DPosition(int x, int y, int z) const = 0;
  virtual void Calculate3DPosition(TPointFloat& p, float zPos) const = 0;
  // Per-paint set-up; answers the rectangle the picture is laid out in.
  virtual TRect InitWindow(TDeviceContext* destCanvas, TView3DOptions* options, TColor backColor, bool is3D,
                           const TRect& userRect) = 0;
  virtual bool IsAvailable() const { return true; }
  virtual void Assign(const TCanvas3D& source);
  virtual void Projection(int maxDepth, const TRect& bounds, const TRect& rect) = 0;
  virtual void ShowImage(TDeviceContext* destCanvas, TDeviceContext* defaultCanvas, const TRect& userRect) = 0;
  virtual bool ReDrawBitmap() = 0;
  virtual bool RenderToBitmap(TBitmap& bitmap, const TRect& r);
  virtual void Arrow(bool filled, TPoint fromPoint, TPoint toPoint, int arrowWidth, int arrowHeight, int z0, int z1,
                     double arrowPercent) = 0;
  virtual void ClipCube(const TRect& rect, int minZ, int maxZ) = 0;
  virtual void Cone(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark3D,
                    int conePercent) = 0;
  virtual void Cube(int left, int right, int top, int bottom, int z0, int z1, bool darkSides, int roundSize) = 0;
  virtual void Cube(int left, int right, int top, int bottom, int z0, int z1, int bevelSize, bool darkSides,
                    int roundSize) = 0;
  virtual void Cylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark3D) = 0;
  virtual void Diamond(int left, int top, int right, int bottom, int z0, int z1);
  virtual void DisableRotation() {}
  virtual void EllipseWithZ(int x1, int y1, int x2, int y2, int z) = 0;
  virtual void EnableRotation() {}
  virtual void HorizLine3D(int left, int right, int y, int z);
  virtual void RoundRect(const TRect& r, int x, int y, int z0, int z1);
  virtual void VertLine3D(int x, int top, int bottom, int z);
  virtual void ZLine3D(int x, int y, int z0, int z1);
  virtual void FrontPlaneBegin();
  virtual void FrontPlaneEnd();
  virtual void LineWithZ(int x0, int y0, int x1, int y1, int z);
  virtual void MoveTo3D(int x, int y, int z);
  virtual void MoveTo3D(double x, double y, double z);
  virtual void LineTo3D(int x, int y, int z);
  virtual void LineTo3D(double x, double y, double z);
  virtual void Pie3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle,
                     double endAngle, bool darkSides, bool drawSides, int donutPercent,
                     const TCustomQuilGradient* gradient, int bevelPercent, TEdgeStyle edgeStyle, int transparency,
                     int bevelBright, bool bevelBorder, bool hideSides) = 0;
  virtual void Plane3D(TPoint a, TPoint b, int z0, int z1);
  virtual void PlaneWithZ(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z);
  virtual void PlaneFour3D(const TPoint (&points)[4], int z0, int z1);
  virtual void Polygon3D(const std::vector<TPoint3D>& points);
  virtual void Polygon3DConcave(const std::vector<TFloatPoint3D>& points, bool invert);
  virtual void Polygon3DConcave(const std::vector<TPoint3D>& points, bool invert);
  virtual void PolygonWithZ(const std::vector<TPoint>& points, int z);
  virtual void PolygonConcave(const std::vector<TPoint>& points, int z);
  virtual void Polyline(const std::vector<TPoint>& points, int z);
  virtual void Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides) = 0;
  virtual void PyramidTrunc(const TRectF& r, double startZ, double endZ, double truncX, double truncZ, bool topCover,
                            bool bottomCover);
  virtual void RectangleWithZ(const TRect& rect, int z) = 0;
  virtual void RectangleY(int left, int top, int right, int z0, int z1) = 0;
  virtual void RectangleZ(int left, int top, int bottom, int z0, int z1) = 0;
  virtual void RotateLabel3D(int x, int y, int z, const std::string& st, double rotDegree, bool allowHtml) = 0;
  virtual void RoundRectWithZ(const TRect& r, int, int, int z) { RectangleWithZ(r, z); }
  virtual void Sphere(int x, int y, int z, double radius) = 0;
  virtual void StretchDraw(const TRect& rect, const TBitmap& graphic, double pos, TCanvas3DPlane plane);
  // Whole surfaces at once are for a true 3D backend; false tells the caller to draw cells.
  virtual bool Surface3D(TQuilCanvasSurfaceStyle, bool, bool, bool, int, int) { return false; }
  virtual void TextOut3D(int x, int y, int z, const std::string& text, bool allowHtml) = 0;
  virtual void Triangle3D(const TTrianglePoints3D& points, const TTriangleColors3D& colors) = 0;
  virtual void Triangles(const std::vector<TPoint3D>&) {}
  virtual void TriangleWithZ(TPoint p1, TPoint p2, TPoint p3, int z) = 0;
  virtual void TriSurface(int numTriangles, TQuilBlend* blend, int transparency, const TTriangleCallback& calcPoints);

  using TQuilCanvas::Polygon;
  using TQuilCanvas::PolygonConcave;
  using TQuilCanvas::Polyline;
  using TQuilCanvas::Rectangle;
  using TQuilCanvas::RoundRect;
  using TQuilCanvas::StretchDraw;
  using TQuilCanvas::TextOut;

  // Projections of points and rectangles at one depth.
  TPoint Calculate3DPosition(TPoint p, int z) const { return Calculate3DPosition(p.X, p.Y, z); }
  TPoint Calculate3DPosition(const TPoint3D& p) const { return Calculate3DPosition(p.X, p.Y, p.Z); }
  std::vector<TPoint> Calc3DPoints(const std::vector<TPoint>& points, int z) const;
  std::vector<TPointFloat> Calc3DPointsFloat(const std::vector<TPointFloat>& points, float z) const;
  TRect CalcRect3D(const TRect& r, int z) const;
  std::array<TPoint, 4> FourPointsFromRect(const TRect& r, int z) const;
  TRect RectFromRectZ(const TRect& r, int z) const;
  // The convex outline of the projected box.
  std::vector<TPoint> CubeHull(const TRect& r, int minZ, int maxZ) const;
  TPoint PointFromCircle(const TRect& r, double degrees, int zPos, bool clockWise) const;
  void PolygonFloatWithZ(const std::vector<TPointFloat>& points, int z);
  void PolylineWithZ(const std::vector<TPointFloat>& points, int z);
  void Rectangle(const TRect& r, int z) { RectangleWithZ(r, z); }
  void Rectangle(int x0, int y0, int x1, int y1, int z) { RectangleWithZ({x0, y0, x1, y1}, z); }
  void EllipseWithZ(const TRect& r, int z) { EllipseWithZ(r.Left, r.Top, r.Right, r.Bottom, z); }
  void Cube(const TRect& r, int z0, int z1, bool darkSides, int roundSize) {
    Cube(r.Left, r.Right, r.Top, r.Bottom, z0, z1, darkSides, roundSize);
  }
  void Diamond(const TRect& r, int z0, int z1) { Diamond(r.Left, r.Top, r.Right, r.Bottom, z0, z1); }
  void LineWithZ(TPoint from, TPoint to, int z) { LineWithZ(from.X, from.Y, to.X, to.Y, z); }
  void MoveTo3D(const TPoint3D& p) { MoveTo3D(p.X, p.Y, p.Z); }
  void LineTo3D(const TPoint3D& p) { LineTo3D(p.X, p.Y, p.Z); }
  void PlaneWithZ(const TPoint (&p)[4], int z) { PlaneWithZ(p[0], p[1], p[2], p[3], z); }
  void TextOut3D(int x, int y, int z, const std::string& text) { TextOut3D(x, y, z, text, false); }
  // AssignFont with the view's zoom on top when fonts follow it.
  void AssignFont3D(const TQuilFont& font);

 protected:
  int IDisabledRotation = 0;
  TProjection IProjection;
  bool IsNoBMPGrid = false;

 private:
  TView3DOptions* view3DOptions_ = nullptr;  // not owned: the panel's, handed over every paint
};

}  // namespace quil

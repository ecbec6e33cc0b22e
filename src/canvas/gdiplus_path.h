#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

#include "canvas/gdiplus_geometry.h"

namespace quil {

// Point types of a path, in the backend's numbering: the low bits say how the point is reached,
// the high bit closes the figure at that point.
enum TGPPathPointType : uint8_t {
  pptStart = 0,
  pptLine = 1,
  pptBezier = 3,
  pptTypeMask = 7,
  pptCloseSubpath = 0x80,
};

using TGPPolygon = std::vector<TPointFloat>;

// A float path of figures made of lines and cubic Bézier pieces, filled with the alternate
// (even-odd) rule. Angles are degrees clockwise on screen (y down), measured from the centre of
// the ellipse to the point, as the backend's arcs are.
class TGPPath {
 public:
  // A path from points and their types; types that do not fit (a Bézier piece short of points,
  // a first point that is not a start) make the points lines, so any input gives a path.
  static TGPPath FromPoints(const std::vector<TPointFloat>& points, const std::vector<uint8_t>& types);

  void AddLine(float x1, float y1, float x2, float y2);
  void AddLines(const TPointFloat* points, int count);
  void AddPolygon(const TPointFloat* points, int count);
  void AddRectangle(const TGPRect& r);
  void AddEllipse(const TGPRect& r);
  void AddArc(const TGPRect& r, double startAngle, double sweepAngle);
  void AddPie(const TGPRect& r, double startAngle, double sweepAngle);
  // Cardinal splines through the points; tension 0 gives straight lines.
  void AddCurve(const TPointFloat* points, int count, float tension);
  void AddClosedCurve(const TPointFloat* points, int count, float tension);
  // The figures of a Cairo path (text outlines).
  void AddCairoPath(const cairo_path_t& path);
  void StartFigure() { figureOpen_ = false; }
  void CloseFigure();
  void Reset();

  bool Empty() const { return points_.empty(); }
  int PointCount() const { return static_cast<int>(points_.size()); }
  const std::vector<TPointFloat>& Points() const { return points_; }
  const std::vector<uint8_t>& Types() const { return types_; }
  // The last point, where a figure goes on; (0, 0) for an empty path.
  TPointFloat LastPoint() const { return points_.empty() ? TPointFloat{} : points_.back(); }
  // Smallest rectangle around the curves (not their control points); zero for an empty path.
  TGPRect Bounds() const;
  // Each figure as a polygon, Bézier pieces flattened into short lines.
  std::vector<TGPPolygon> Flatten() const;
  // Replaces the Cairo context's current path by this one.
  void AppendTo(cairo_t* cr) const;

 private:
  // Starts a figure at p, or joins p to the open figure with a line.
  void Begin(TPointFloat p);
  void Add(TPointFloat p, uint8_t type);
  void AddBezier(TPointFloat c1, TPointFloat c2, TPointFloat end);
  void AddArcPieces(double cx, double cy, double rx, double ry, double startAngle, double sweepAngle);
  void AddCurvePieces(const TPointFloat* points, int count, float tension, bool closed);

  std::vector<TPointFloat> points_;
  std::vector<uint8_t> types_;
  bool figureOpen_ = false;
};

}  // namespace quil

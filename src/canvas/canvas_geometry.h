#pragma once

#include <vector>

#include "core/geometry.h"

namespace quil {

// Back-face test of projected points: true when the face turns away from the viewer and
// should not be drawn. The four-point forms look at the first three points.
bool QuilCull(const TPoint& p0, const TPoint& p1, const TPoint& p2);
bool QuilCull(const TPoint (&p)[4]);
bool QuilCull(const TPointFloat& p0, const TPointFloat& p1, const TPointFloat& p2);
bool QuilCull(const TPointFloat (&p)[4]);

// Bounding rectangles whose Right and Bottom are one past the largest X and Y, so that the
// rectangle covers every pixel of the points; no points give the zero rectangle.
TRect RectFromPolygon(const TPoint* points, int numPoints);
TRect RectFromTriangle(const TPoint (&points)[3]);
TRect PolygonBounds(const std::vector<TPoint>& points);
TRect PolygonBounds(const std::vector<TPointFloat>& points);

float QuilHypot(double x, double y);

// Replaces points by their convex outline. Fewer than three points fail and stay as they are.
bool ConvexHull(std::vector<TPoint>& points);

}  // namespace quil

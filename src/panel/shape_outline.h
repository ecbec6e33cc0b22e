#pragma once

#include <array>
#include <vector>

#include "canvas/corners.h"
#include "core/geometry.h"
#include "panel/shape_types.h"

namespace quil {

// A pointer from one side of a shape: its base is centred BasePercent along the side and
// Width wide, its tip lies TipPercent along the side and Size pixels out.
struct TOutlinePointer {
  TShapeCalloutSide Side = csNone;
  int BasePercent = 50;
  int TipPercent = 50;
  int Size = 25;
  int Width = 20;
};

// The outline of the pixels Rectangle(r) covers, clockwise from the top-left corner: corners
// rounded with a roundSize x roundSize ellipse (by the corner styles, left-top, right-top,
// right-bottom, left-bottom), and a pointer on one side when asked for.
std::vector<TPoint> ShapeOutline(const TRect& r, int roundSize, const std::array<TQuilCornerStyle, 4>& corners,
                                 const TOutlinePointer& pointer);

// The corners left-top, right-top, right-bottom, left-bottom of r turned counter-clockwise by
// angle degrees about the centre ((Left + Right) div 2, (Top + Bottom) div 2).
std::array<TPoint, 4> RectToFourPoints(const TRect& r, double angle);

}  // namespace quil

#pragma once

#include <vector>

#include "canvas/canvas3d.h"
#include "canvas/gradient.h"

namespace quil {

// A gradient drawn as an attribute: the canvas takes a copy of it as its brush gradient and
// fills the shape, then the sub-gradient (if any) goes translucently over it.
void DrawGradient(const TCustomQuilGradient& gradient, TQuilCanvas& canvas, const TRect& rect, int roundRectSize = 0);
void DrawGradient(const TCustomQuilGradient& gradient, TCanvas3D& canvas, const std::vector<TPoint>& points, int z,
                  bool is3D);
void DrawGradient(const TCustomQuilGradient& gradient, TQuilCanvas& canvas, const TPoint (&points)[4]);
void DrawGradient(const TCustomQuilGradient& gradient, TCanvas3D& canvas, const TPoint (&points)[4], int z);
// The sub-gradient of gradient over rect with its own transparency; the blend ends also
// when drawing fails.
void DrawSubGradient(const TQuilGradient& gradient, TQuilCanvas& canvas, const TRect& rect, int roundRectSize);

}  // namespace quil

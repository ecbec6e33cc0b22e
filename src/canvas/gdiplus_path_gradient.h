#pragma once

#include "canvas/bitmap.h"
#include "canvas/gdiplus_brush.h"

namespace quil {

// The pixels of a path gradient over area (whole pixels of the path's own coordinates): each
// edge of each figure makes a triangle with the centre, and a pixel inside one takes the blend
// at its share of the way from the edge (position 0) to the centre (position 1); later edges
// paint over earlier ones where triangles overlap. Pixels up to a pixel outside an edge take
// the edge's colour, so the anti-aliased rim of a fill finds colour under it; all others stay
// transparent. Colours are blended straight, then premultiplied.
TBitmap RasterizePathGradient(const std::vector<TGPPolygon>& figures, TPointFloat centre, const TGPBlend& blend,
                              const TRect& area);

}  // namespace quil

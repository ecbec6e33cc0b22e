#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "canvas/aliased_quad.h"
#include "canvas/quil_region.h"
#include "core/color.h"

namespace quil {

// Where a caller's coordinates lie on an image surface (ARGB32 or RGB24): its pixel (0, 0) at
// Origin, its integer coordinates Offset (in 1/256 pixel) into their pixels.
struct TQuadFillTarget {
  cairo_surface_t* Surface = nullptr;
  TPoint Origin;
  TFixedOffset Offset;
  // System colours are resolved (the plain canvas); otherwise a colour that is not plain RGB
  // goes to the fallback.
  bool ResolveSystemColors = true;
};

// The clip a fill runs in, in the caller's coordinates: the whole surface, a region of pixels,
// or the inside of one convex polygon (its corners in order).
struct TQuadFillClip {
  std::optional<TQuilRegion> Region;
  std::vector<TPoint> ConvexPolygon;
};

// Fills opaque quadrilaterals of one colour each straight into the pixels of an image surface,
// covering exactly the pixels the canvas's own aliased even-odd fill of the same corners covers,
// clip included, without a path, a brush change or a call into the graphics library per quad.
// It is what a drawing of many small cells (a surface) uses instead of one polygon per cell.
//
// The pixel decision is TAliasedQuad's, which follows Cairo's aliased rasteriser inside a single
// clip rectangle. A clip of several rectangles, or a clip polygon, makes Cairo first intersect
// the outline with the clip (resolving an outline that crosses itself on the way), which changes
// the pixels next to the clip's sides and of such outlines; a quadrilateral that lies at least a
// pixel inside the clip and does not cross itself is not changed and is filled here, any other
// goes to the fallback, the canvas's own polygon.
class TSolidQuadFill {
 public:
  // Draws one quadrilateral the usual way, in the colour given.
  using TFallback = std::function<void(const TPoint (&corners)[4], TColor color)>;

  TSolidQuadFill(const TQuadFillTarget& target, TQuadFillClip clip, TFallback fallback);
  ~TSolidQuadFill();
  TSolidQuadFill(const TSolidQuadFill&) = delete;
  TSolidQuadFill& operator=(const TSolidQuadFill&) = delete;

  // The fill is opaque: only the colour's red, green and blue count.
  void Fill(const TPoint (&corners)[4], TColor color);
  // How many quadrilaterals went to the fallback so far.
  int Fallbacks() const { return fallbacks_; }

 private:
  // Whether the quadrilateral lies a pixel or more inside one span of the clip in every row it
  // touches.
  bool InsideRegion(const TRect& cornerBounds) const;
  bool InsideSpans(int y, const TRect& cornerBounds) const;
  // Whether every corner lies a pixel or more inside the convex clip polygon.
  bool InsidePolygon(const TPoint (&corners)[4]) const;
  void PrepareInside();
  void FillRows(const TAliasedQuad& quad, uint32_t pixel);
  void Fallback(const TPoint (&corners)[4], TColor color);

  TQuadFillTarget target_;
  TQuadFillClip clip_;
  uint32_t* data_ = nullptr;
  int stride_ = 0;
  // The rectangle the rasteriser clamps outlines to (the surface, or the one clip rectangle), in
  // the caller's pixels; empty when nothing can be drawn.
  TRect limit_;
  // Cairo cuts outlines at the clip first: a region of several rectangles, or a polygon.
  bool cutByClip_ = false;
  // The turn sign of the clip polygon's corners (+1 or -1).
  int polygonTurn_ = 1;
  // With a clip region of several rectangles, for each row from insideTop_ on: the columns a
  // quadrilateral's corners may take there to lie a pixel or more inside the clip's span in that
  // row and the rows next to it, where each of them has one span; Spans where one has several.
  struct TInsideRow {
    int Left = 0;
    int Right = -1;
    bool Spans = false;
  };
  std::vector<TInsideRow> inside_;
  int insideTop_ = 0;
  TFallback fallback_;
  int fallbacks_ = 0;
};

}  // namespace quil

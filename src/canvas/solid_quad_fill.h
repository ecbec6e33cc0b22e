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

// Fills opaque quadrilaterals of one colour each straight into the pixels of an image surface,
// covering exactly the pixels the canvas's own aliased even-odd fill of the same corners covers,
// clip included, without a path, a brush change or a call into the graphics library per quad.
// It is what a drawing of many small cells (a surface) uses instead of one polygon per cell.
//
// The pixel decision is TAliasedQuad's, which follows Cairo's aliased rasteriser inside a single
// clip rectangle. A clip of several rectangles makes that rasteriser cut the outline at the
// rectangles' sides first, which changes the pixels next to those sides; a quadrilateral that
// lies at least a pixel inside the clip is not cut and is filled here, any other (near a side,
// or crossing itself there) goes to the fallback, the canvas's own polygon.
class TSolidQuadFill {
 public:
  // Draws one quadrilateral the usual way, in the colour given.
  using TFallback = std::function<void(const TPoint (&corners)[4], TColor color)>;

  // surface: an image surface (ARGB32 or RGB24); origin: where the caller's pixel (0, 0) lies on
  // it; offset: where the caller's integer coordinates lie within a pixel; clip: the caller's
  // clip region in its own pixels, none for the whole surface.
  TSolidQuadFill(cairo_surface_t* surface, TPoint origin, TFixedOffset offset, const TQuilRegion* clip,
                 TFallback fallback);
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
  bool InsideClip(const TRect& cornerBounds) const;
  bool InsideSpans(int y, const TRect& cornerBounds) const;
  void PrepareInside();
  void FillRows(const TAliasedQuad& quad, const TRect& limit, uint32_t pixel);

  cairo_surface_t* surface_;
  uint32_t* data_;
  int stride_;
  TPoint origin_;
  TFixedOffset offset_;
  const TQuilRegion* clip_;
  // The rectangle the rasteriser clamps outlines to (the surface, or the one clip rectangle), in
  // the caller's pixels; empty when nothing can be drawn.
  TRect limit_;
  bool severalRectangles_ = false;
  // With a clip of several rectangles, for each row from insideTop_ on: the columns a
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

#pragma once

#include <cstdint>

#include "core/geometry.h"

namespace quil {

// A run of covered pixels in one row: Left up to, not including, Right.
struct TPixelRun {
  int Left = 0;
  int Right = 0;
};

// Where a quadrilateral's corners lie on the device, in 1/256 of a pixel: corner (x, y) lands
// at (256 x + X, 256 y + Y). A drawing that puts integer coordinates on pixel corners has 0, 0;
// one that puts them on pixel centres has 128, 128.
struct TFixedOffset {
  int X = 0;
  int Y = 0;
};

// The pixels an aliased fill of a quadrilateral (even-odd rule, the four corners joined in
// order) covers, decided exactly as Cairo's non-anti-aliased rasteriser decides them for the
// same path inside one clip rectangle (or the bare surface): coordinates in 24.8 fixed point;
// an edge counts for the rows from its upper end up to (not including) its lower end, each
// rounded to the nearest whole row, halves downwards; it crosses a row 127/256 of a pixel below the row's top, floored to
// 1/256; the outline is first
// clamped to the clip rectangle, whose sides take the crossings beyond them; a crossing starts
// or ends a run at the pixel it rounds to (halves downwards); and a gap of one pixel between
// two runs is filled. Convex, concave and self-intersecting corners alike give at most two runs
// a row.
class TAliasedQuad {
 public:
  TAliasedQuad(const TPoint (&corners)[4], TFixedOffset offset);

  // Rows that may hold covered pixels: FirstRow() up to, not including, EndRow().
  int FirstRow() const { return firstRow_; }
  int EndRow() const { return endRow_; }
  // The covered runs of row y inside the clip rectangle's columns left up to right, left to
  // right; answers how many (0 to 2).
  int Runs(int y, int left, int right, TPixelRun (&runs)[2]) const;
  // The corners' bounding box, right and bottom included.
  const TRect& CornerBounds() const { return bounds_; }

 private:
  struct TEdge {
    int64_t X1 = 0;  // upper end, fixed point
    int64_t Y1 = 0;
    int64_t Dx = 0;
    int64_t Dy = 0;  // > 0
    int Top = 0;     // rows Top up to, not including, Bottom
    int Bottom = 0;
  };

  TEdge edges_[4];
  int count_ = 0;
  int firstRow_ = 0;
  int endRow_ = 0;
  TRect bounds_;
};

// Whether the outline through the four corners crosses or touches itself: two edges that are
// not neighbours meet, two corners that are not neighbours coincide, or neighbouring edges run
// back over each other. Repeated neighbouring corners (a triangle) and outlines without area
// (all corners on one line) do not count.
bool QuadCrossesItself(const TPoint (&corners)[4]);

}  // namespace quil

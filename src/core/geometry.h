#pragma once

#include <cstdint>

namespace quil {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Right and Bottom are exclusive, as every rectangle of the drawing layer.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  TPoint TopLeft() const { return {Left, Top}; }
  TPoint BottomRight() const { return {Right, Bottom}; }
  bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
  // Hit tests of clicked parts count the right and bottom edges too.
  bool ContainsWithEdges(TPoint p) const { return p.X >= Left && p.X <= Right && p.Y >= Top && p.Y <= Bottom; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// Z is depth in pixels: 0 at the front of the chart, growing away from the viewer.
struct TPoint3D {
  int X = 0;
  int Y = 0;
  int Z = 0;
  friend bool operator==(const TPoint3D&, const TPoint3D&) = default;
};

// The canvas's float polygon type is single precision on purpose: the float projection
// stores its intermediates at this width.
struct TPointFloat {
  float x = 0;
  float y = 0;
  friend bool operator==(const TPointFloat&, const TPointFloat&) = default;
};

struct TRectF {
  float Left = 0;
  float Top = 0;
  float Right = 0;
  float Bottom = 0;
  friend bool operator==(const TRectF&, const TRectF&) = default;
};

struct TFloatPoint {
  double x = 0;
  double y = 0;
  friend bool operator==(const TFloatPoint&, const TFloatPoint&) = default;
};

inline TRect QuilRect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }

// Swaps the edges so that Left <= Right and Top <= Bottom.
TRect OrientRectangle(TRect r);

TRect InflateRect(TRect r, int dx, int dy);
TRect OffsetRect(TRect r, int dx, int dy);

}  // namespace quil

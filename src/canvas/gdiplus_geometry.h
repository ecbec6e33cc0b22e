#pragma once

#include "core/geometry.h"

namespace quil {

// A rectangle as the anti-aliased backend takes it: origin and size.
struct TGPRect {
  double X = 0;
  double Y = 0;
  double Width = 0;
  double Height = 0;
  double Right() const { return X + Width; }
  double Bottom() const { return Y + Height; }
  friend bool operator==(const TGPRect&, const TGPRect&) = default;
};

inline TGPRect MakeRect(const TRectF& r) { return {r.Left, r.Top, double(r.Right) - r.Left, double(r.Bottom) - r.Top}; }
inline TGPRect MakeRect(const TRect& r) { return {double(r.Left), double(r.Top), double(r.Width()), double(r.Height())}; }
inline TRectF ToRectF(const TRect& r) {
  return {static_cast<float>(r.Left), static_cast<float>(r.Top), static_cast<float>(r.Right),
          static_cast<float>(r.Bottom)};
}
// Each side rounded to the nearest integer, ties to even.
TRect RectFToRect(const TRectF& r);
// True when the rectangle is a point: Left = Right and Top = Bottom.
inline bool IsEmpty(const TRect& r) { return r.Left == r.Right && r.Top == r.Bottom; }
inline bool IsEmpty(const TRectF& r) { return r.Left == r.Right && r.Top == r.Bottom; }

}  // namespace quil

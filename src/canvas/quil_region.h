#pragma once

#include <vector>

#include "core/geometry.h"

namespace quil {

// A set of pixels kept as sorted spans per pixel row: what clipping combines (and, xor,
// difference) and hands to the backend as rectangles. A pixel belongs to a shape when its
// centre lies inside, the same rule the non-anti-aliased fills follow, so a clip and a fill
// of the same outline cover the same pixels. Every builder stays inside a limit rectangle
// (the surface), so absurd coordinates cost nothing.
class TQuilRegion {
 public:
  struct TSpan {
    int Left;
    int Right;  // exclusive
    friend bool operator==(const TSpan&, const TSpan&) = default;
  };

  TQuilRegion() = default;

  static TQuilRegion FromRect(const TRect& r, const TRect& limit);
  static TQuilRegion FromEllipse(const TRect& r, const TRect& limit);
  // Corner ellipse of ellipseWidth x ellipseHeight pixels.
  static TQuilRegion FromRoundRect(const TRect& r, int ellipseWidth, int ellipseHeight, const TRect& limit);
  // Even-odd rule.
  static TQuilRegion FromPolygon(const TPoint* points, int numPoints, const TRect& limit);

  bool Empty() const { return rows_.empty(); }
  TRect Bounds() const;
  bool Contains(int x, int y) const;
  // The spans of row y (none outside the region).
  const std::vector<TSpan>& Row(int y) const;

  void Intersect(const TQuilRegion& other);
  void Xor(const TQuilRegion& other);
  void Subtract(const TQuilRegion& other);
  void Union(const TQuilRegion& other);

  // Rows with equal spans merged into bands, top to bottom, left to right.
  std::vector<TRect> Rectangles() const;

  friend bool operator==(const TQuilRegion&, const TQuilRegion&) = default;

 private:
  enum class TOp { And, Or, Xor, Diff };
  void Combine(const TQuilRegion& other, TOp op);
  void Trim();
  template <class HalfWidth>
  static TQuilRegion FromRows(const TRect& r, const TRect& limit, HalfWidth insetOfRow);

  int top_ = 0;
  std::vector<std::vector<TSpan>> rows_;
};

}  // namespace quil

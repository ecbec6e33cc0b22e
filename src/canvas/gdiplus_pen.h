#pragma once

#include <cairo.h>

#include <optional>

#include "canvas/gdiplus_brush.h"

namespace quil {

enum TGPDashStyle { dsSolid, dsDash, dsDot, dsDashDot, dsDashDotDot };
enum TGPLineCap { lcFlat, lcSquare, lcRound };
enum TGPDashCap { dcFlat, dcRound, dcTriangle };
enum TGPLineJoin { ljMiter, ljBevel, ljRound };

// A stroke of the anti-aliased backend. Width 0 is a hairline: one pixel, never smoothed.
// Dash lengths are multiples of the width, the dash caps taken out of each dash so that
// dots stay dots with round or square caps.
class TGPPen {
 public:
  explicit TGPPen(TGPColor color, double width = 1.0) : color_(color), width_(width) {}

  TGPColor Color() const { return color_; }
  void SetColor(TGPColor color) { color_ = color; }
  double Width() const { return width_; }
  void SetWidth(double width) { width_ = width; }
  TGPDashStyle DashStyle() const { return dashStyle_; }
  void SetDashStyle(TGPDashStyle style) { dashStyle_ = style; }
  void SetLineCap(TGPLineCap start, TGPLineCap end, TGPDashCap dash);
  TGPLineCap StartCap() const { return startCap_; }
  TGPLineCap EndCap() const { return endCap_; }
  TGPDashCap DashCap() const { return dashCap_; }
  TGPLineJoin LineJoin() const { return join_; }
  void SetLineJoin(TGPLineJoin join) { join_ = join; }
  // A brush the stroke paints with instead of the colour (a gradient along a wide line).
  void SetBrush(TGPBrush brush) { brush_ = std::move(brush); }

  // Width, caps, joins, dashes and source of the stroke on cr.
  void Select(cairo_t* cr) const;

 private:
  TGPColor color_;
  double width_;
  TGPDashStyle dashStyle_ = dsSolid;
  TGPLineCap startCap_ = lcFlat;
  TGPLineCap endCap_ = lcFlat;
  TGPDashCap dashCap_ = dcFlat;
  TGPLineJoin join_ = ljMiter;
  std::optional<TGPBrush> brush_;
};

}  // namespace quil

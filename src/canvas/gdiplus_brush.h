#pragma once

#include <cairo.h>

#include <memory>
#include <vector>

#include "canvas/bitmap.h"
#include "canvas/gdiplus_color.h"
#include "canvas/gdiplus_path.h"

namespace quil {

enum TGPLinearGradientMode { lgmHorizontal, lgmVertical, lgmForwardDiagonal, lgmBackwardDiagonal };

// One colour of a multi-colour gradient at a position from 0 to 1.
struct TGPBlendStop {
  TGPColor Color = 0;
  float Position = 0;
  friend bool operator==(const TGPBlendStop&, const TGPBlendStop&) = default;
};
using TGPBlend = std::vector<TGPBlendStop>;

// A fill of the anti-aliased backend: one colour, or a Cairo pattern (hatch, texture, linear or
// path gradient). A solid brush allocates nothing, so building one per fill costs no more than
// choosing a colour.
class TGPBrush {
 public:
  TGPBrush() = default;
  static TGPBrush Solid(TGPColor color);
  // An 8 × 8 hatch (style 0..52) in fore on back, repeated from the origin.
  static TGPBrush Hatch(int style, TGPColor fore, TGPColor back);
  // The image repeated from the origin, its alpha scaled by alpha / 255.
  static TGPBrush Texture(const TBitmap& image, int alpha);
  // Color1 at the start side of the mode (left, top, top-left, top-right), Color2 at the other;
  // a diagonal runs corner to corner of the rectangle whatever its proportions.
  static TGPBrush LinearGradient(const TGPRect& r, TGPColor color1, TGPColor color2, TGPLinearGradientMode mode);
  // The gradient along angle degrees (clockwise on screen), from the rectangle's first corner
  // in that direction to its last, not scaled with the rectangle.
  static TGPBrush LinearGradient(const TGPRect& r, TGPColor color1, TGPColor color2, double angle);
  // Colours from the outline of the path (position 0) to centre (position 1), blended linearly
  // between stops; nothing is painted outside the path. The colours are worked out once, for
  // the part of the path inside visible.
  static TGPBrush PathGradient(const TGPPath& path, TPointFloat centre, const TGPBlend& blend,
                               const TGPRect& visible);

  // Replaces the colours of a linear gradient by the stops.
  void SetInterpolationColors(const TGPBlend& blend);

  // Makes the brush Cairo's source.
  void Select(cairo_t* cr) const;

 private:
  struct PatternRelease {
    void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
  };
  std::unique_ptr<cairo_pattern_t, PatternRelease> pattern_;
  TGPColor color_ = 0;
};

}  // namespace quil

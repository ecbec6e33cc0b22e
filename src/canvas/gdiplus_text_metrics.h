#pragma once

#include "canvas/font.h"
#include "core/geometry.h"

namespace quil {

// What a visible shadow and a visible emboss of the font add to a text's box: the sizes of
// their offsets, whatever their directions.
TPoint TextShadowExtra(const TQuilFont& font);
// A measured width rounded to whole pixels, plus the shadow and emboss extra.
int RoundedTextWidth(double measuredWidth, const TQuilFont& font);
// A measured height rounded up from half a pixel (round(h + 0.5)), plus the shadow and emboss
// extra: a line never gets less room than its glyphs reach.
int RoundedTextHeight(double measuredHeight, const TQuilFont& font);

}  // namespace quil

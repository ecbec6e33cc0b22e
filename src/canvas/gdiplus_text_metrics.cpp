#include "canvas/gdiplus_text_metrics.h"

#include <cstdlib>

#include "core/rounding.h"

namespace quil {

TPoint TextShadowExtra(const TQuilFont& font) {
  TPoint extra;
  if (const TQuilShadow* s = font.ShadowOrNull(); s && s->Visible()) {
    extra.X += std::abs(s->HorizSize());
    extra.Y += std::abs(s->VertSize());
  }
  if (const TQuilEmboss* e = font.EmbossOrNull(); e && e->Visible()) {
    extra.X += std::abs(e->HorizSize());
    extra.Y += std::abs(e->VertSize());
  }
  return extra;
}

int RoundedTextWidth(double measuredWidth, const TQuilFont& font) {
  return QuilRound(measuredWidth) + TextShadowExtra(font).X;
}

int RoundedTextHeight(double measuredHeight, const TQuilFont& font) {
  return QuilRound(measuredHeight + 0.5) + TextShadowExtra(font).Y;
}

}  // namespace quil

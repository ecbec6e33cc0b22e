#include "canvas/gdiplus_geometry.h"

#include "core/rounding.h"

namespace quil {

TRect RectFToRect(const TRectF& r) {
  return {QuilRound(r.Left), QuilRound(r.Top), QuilRound(r.Right), QuilRound(r.Bottom)};
}

}  // namespace quil

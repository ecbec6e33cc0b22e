#include "core/geometry.h"

#include <utility>

namespace quil {

TRect OrientRectangle(TRect r) {
  if (r.Left > r.Right) std::swap(r.Left, r.Right);
  if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
  return r;
}

TRect InflateRect(TRect r, int dx, int dy) { return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy}; }

TRect OffsetRect(TRect r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

}  // namespace quil

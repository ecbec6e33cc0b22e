#include "canvas/quil_blend.h"

#include <algorithm>

#include "canvas/quil_canvas.h"
#include "core/rounding.h"

namespace quil {

TQuilBlend::TQuilBlend(TQuilCanvas& canvas, const TRect& r) : canvas_(&canvas) { SetRectangle(r); }

void TQuilBlend::SetRectangle(const TRect& r) {
  TRect n = OrientRectangle(r);
  n.Left = std::max(n.Left, 0);
  n.Top = std::max(n.Top, 0);
  n.Right = std::max(n.Right, 0);
  n.Bottom = std::max(n.Bottom, 0);
  if (n.Right == n.Left) ++n.Right;
  if (n.Bottom == n.Top) ++n.Bottom;
  const TRect& limit = canvas_->Bounds();
  n.Right = std::min(n.Right, limit.Right);
  n.Bottom = std::min(n.Bottom, limit.Bottom);
  rect_ = n;
  validSize_ = n.Right > n.Left && n.Bottom > n.Top;
  bitmap_ = validSize_ ? canvas_->CopyArea(n) : TBitmap();
  validSize_ = validSize_ && !bitmap_.Empty();
}

void TQuilBlend::DoBlend(int transparency) {
  if (canvas_->Metafiling() || !validSize_) return;
  TBitmap drawn = canvas_->CopyArea(rect_);
  if (drawn.Empty() || drawn.Width() != bitmap_.Width() || drawn.Height() != bitmap_.Height()) return;
  const int a = 255 - QuilRound((100 - transparency) * 2.55);
  uint32_t* out = drawn.PixelData();
  const uint32_t* back = bitmap_.PixelData();
  for (int y = 0; y < drawn.Height(); ++y) {
    uint32_t* row = out + static_cast<std::ptrdiff_t>(y) * drawn.StridePixels();
    const uint32_t* backRow = back + static_cast<std::ptrdiff_t>(y) * bitmap_.StridePixels();
    for (int x = 0; x < drawn.Width(); ++x) {
      uint32_t mixed = 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8) {
        const int dc = static_cast<int>((row[x] >> shift) & 0xFF);
        const int bc = static_cast<int>((backRow[x] >> shift) & 0xFF);
        mixed |= static_cast<uint32_t>(dc + (bc - dc) * a / 255) << shift;
      }
      row[x] = mixed;
    }
  }
  drawn.MarkChanged();
  canvas_->PutArea(drawn, rect_.TopLeft());
}

}  // namespace quil

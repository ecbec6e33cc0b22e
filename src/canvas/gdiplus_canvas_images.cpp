#include "canvas/gdiplus_canvas.h"

namespace quil {

void TGDIPlusCanvas::DrawImageAt(const TBitmap& image, const TGPRect& dest) {
  graphics_->SetInterpolationHigh(StretchDrawQuality() == sqHigh);
  graphics_->DrawImage(image.Surface(), dest, transparency_);
}

void TGDIPlusCanvas::Draw(int x, int y, const TBitmap& graphic) {
  if (!graphics_ || graphic.Empty()) return;
  DrawImageAt(graphic, {double(x), double(y), double(graphic.Width()), double(graphic.Height())});
}

void TGDIPlusCanvas::StretchDraw(const TRect& rect, const TBitmap& graphic) {
  StretchDraw(rect, graphic, TBitmapTransparency{});
}

void TGDIPlusCanvas::StretchDraw(const TRect& rect, const TBitmap& graphic, const TBitmapTransparency& transparency) {
  if (!graphics_ || graphic.Empty()) return;
  const TGPRect dest = MakeRect(rect);
  if (transparency.Transparent)
    DrawImageAt(TransparentImage(graphic, transparency), dest);
  else
    DrawImageAt(graphic, dest);
}

void TGDIPlusCanvas::DrawBlendImage(const TBitmap& image, const TGPRect& dest) {
  if (!graphics_ || image.Empty()) return;
  DrawImageAt(image, dest);
}

void TGDIPlusCanvas::ResizeBitmap(const TBitmap& source, TBitmap& dest) {
  if (source.Empty() || dest.Empty()) return;
  const std::unique_ptr<TGPGraphics> g = TGPGraphics::OnSurface(dest.Surface());
  g->SetInterpolationHigh(true);
  g->DrawImage(source.Surface(), {0, 0, double(dest.Width()), double(dest.Height())}, 255);
}

}  // namespace quil

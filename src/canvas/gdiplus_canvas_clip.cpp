#include "canvas/gdiplus_canvas.h"

namespace quil {

namespace {

TGPPath PolygonPath(const TPoint* points, int count) {
  std::vector<TPointFloat> f;
  for (int i = 0; i < count; ++i) f.push_back({static_cast<float>(points[i].X), static_cast<float>(points[i].Y)});
  TGPPath path;
  path.AddPolygon(f.data(), count);
  return path;
}

}  // namespace

void TGDIPlusCanvas::PushClipRect() { IOldClipRect.push_back(graphics_->VisibleClipBounds()); }

// The rectangle reaches a pixel above and below its edges, as the plain canvas's clip does.
void TGDIPlusCanvas::ClipRectangle(const TRect& rect) {
  if (!graphics_) return;
  PushClipRect();
  graphics_->IntersectClip({double(rect.Left), rect.Top - 1.0, double(rect.Width()), rect.Height() + 2.0});
}

void TGDIPlusCanvas::ClipRectangle(const TRect& rect, int roundX, int roundY) {
  if (roundX <= 0 && roundY <= 0) {
    ClipRectangle(rect);
    return;
  }
  if (!graphics_) return;
  PushClipRect();
  graphics_->IntersectClip(RoundRectPath(rect, roundX, roundY));
}

void TGDIPlusCanvas::ClipEllipse(const TRect& rect, bool inverted) {
  if (!graphics_) return;
  PushClipRect();
  TGPPath path;
  path.AddEllipse(MakeRect(rect));
  if (inverted)
    graphics_->ExcludeClip(path);
  else
    graphics_->IntersectClip(path);
}

void TGDIPlusCanvas::ClipPolygon(const TPoint* points, int numPoints, bool inverted) {
  if (!graphics_) return;
  PushClipRect();
  const TGPPath path = points && numPoints > 0 ? PolygonPath(points, numPoints) : TGPPath{};
  if (inverted)
    graphics_->ExcludeClip(path);
  else
    graphics_->IntersectClip(path);
}

// Only the bounds of an earlier clip are kept: a nested clip ends by going back to the
// rectangle around the one before it.
void TGDIPlusCanvas::UnClipRectangle() {
  if (!graphics_) return;
  if (IOldClipRect.empty()) {
    graphics_->ResetClip();
    return;
  }
  graphics_->SetClip(MakeRect(IOldClipRect.back()));
  IOldClipRect.pop_back();
}

}  // namespace quil

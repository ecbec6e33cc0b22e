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

void TGDIPlusCanvas::PushClipRect() {
  convexClip_.reset();
  IOldClipRect.push_back(graphics_->VisibleClipBounds());
}

bool TGDIPlusCanvas::Unclipped() const {
  cairo_t* cr = graphics_->Cr();
  cairo_surface_t* target = cairo_get_target(cr);
  if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) return false;
  cairo_rectangle_list_t* list = cairo_copy_clip_rectangle_list(cr);
  bool whole = false;
  if (list->status == CAIRO_STATUS_SUCCESS && list->num_rectangles == 1) {
    double x0 = list->rectangles[0].x, y0 = list->rectangles[0].y;
    double x1 = x0 + list->rectangles[0].width, y1 = y0 + list->rectangles[0].height;
    cairo_user_to_device(cr, &x0, &y0);
    cairo_user_to_device(cr, &x1, &y1);
    double ox = 0, oy = 0;
    cairo_surface_get_device_offset(target, &ox, &oy);
    whole = x0 - ox <= 0 && y0 - oy <= 0 && x1 - ox >= cairo_image_surface_get_width(target) &&
            y1 - oy >= cairo_image_surface_get_height(target);
  }
  cairo_rectangle_list_destroy(list);
  return whole;
}

namespace {

bool Convex(const TPoint* points, int count) {
  int sign = 0;
  for (int i = 0; i < count; ++i) {
    const TPoint& a = points[i];
    const TPoint& b = points[(i + 1) % count];
    const TPoint& c = points[(i + 2) % count];
    const int64_t turn = (int64_t(b.X) - a.X) * (int64_t(c.Y) - a.Y) - (int64_t(b.Y) - a.Y) * (int64_t(c.X) - a.X);
    if (turn == 0) continue;
    const int s = turn > 0 ? 1 : -1;
    if (sign != 0 && s != sign) return false;
    sign = s;
  }
  return sign != 0;
}

}  // namespace

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
  const bool unclipped = !inverted && points && numPoints >= 3 && Unclipped();
  PushClipRect();
  if (unclipped && Convex(points, numPoints)) convexClip_.emplace(points, points + numPoints);
  const TGPPath path = points && numPoints > 0 ? PolygonPath(points, numPoints) : TGPPath{};
  if (inverted)
    graphics_->ExcludeClip(path);
  else
    graphics_->IntersectClip(path);
}

// Only the bounds of an earlier clip are kept: a nested clip ends by going back to the
// rectangle around the one before it.
void TGDIPlusCanvas::UnClipRectangle() {
  convexClip_.reset();
  if (!graphics_) return;
  if (IOldClipRect.empty()) {
    graphics_->ResetClip();
    return;
  }
  graphics_->SetClip(MakeRect(IOldClipRect.back()));
  IOldClipRect.pop_back();
}

}  // namespace quil

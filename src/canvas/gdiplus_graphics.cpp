#include "canvas/gdiplus_graphics.h"

#include <cmath>
#include <numbers>

#include "canvas/device_context.h"
#include "canvas/gdiplus_status.h"

namespace quil {

namespace {

constexpr double kDegrees = std::numbers::pi / 180.0;

bool Invertible(const cairo_matrix_t& m) {
  cairo_matrix_t copy = m;
  return cairo_matrix_invert(&copy) == CAIRO_STATUS_SUCCESS && std::isfinite(m.x0) && std::isfinite(m.y0);
}

// Clips are regions of whole pixels, as the backend's are: never anti-aliased.
void ClipAliased(cairo_t* cr) {
  const cairo_antialias_t old = cairo_get_antialias(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_clip(cr);
  cairo_set_antialias(cr, old);
}

}  // namespace

TGPGraphics::TGPGraphics(cairo_t* cr, TDeviceContext* bound) : cr_(cr), bound_(bound) {
  cairo_get_matrix(cr_, &base_);
  cairo_matrix_init_identity(&world_);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);
}

TGPGraphics::~TGPGraphics() { cairo_destroy(cr_); }

std::unique_ptr<TGPGraphics> TGPGraphics::OnContext(TDeviceContext* dc) {
  auto* cairoDc = dynamic_cast<TCairoDeviceContext*>(dc);
  if (!cairoDc || !cairoDc->Context()) return nullptr;
  cairo_t* host = cairoDc->Context();
  cairo_t* cr = cairo_create(cairo_get_group_target(host));
  cairo_matrix_t hostMatrix;
  cairo_get_matrix(host, &hostMatrix);
  cairo_set_matrix(cr, &hostMatrix);
  std::unique_ptr<TGPGraphics> g(new TGPGraphics(cr, dc));
  if (cairo_status(host) != CAIRO_STATUS_SUCCESS) return g;
  cairo_rectangle_list_t* list = cairo_copy_clip_rectangle_list(host);
  if (list->status == CAIRO_STATUS_SUCCESS) {
    g->baseClip_.assign(list->rectangles, list->rectangles + list->num_rectangles);
  } else {
    double x0, y0, x1, y1;
    cairo_clip_extents(host, &x0, &y0, &x1, &y1);
    g->baseClip_.push_back({x0, y0, x1 - x0, y1 - y0});
  }
  cairo_rectangle_list_destroy(list);
  g->hasBaseClip_ = true;
  g->ApplyBaseClip();
  return g;
}

std::unique_ptr<TGPGraphics> TGPGraphics::OnSurface(cairo_surface_t* surface) {
  return std::unique_ptr<TGPGraphics>(new TGPGraphics(cairo_create(surface), nullptr));
}

void TGPGraphics::CheckStatus() const { CheckGDIPlusStatus(cairo_status(cr_)); }

void TGPGraphics::SetSmoothing(bool highQuality) {
  smoothing_ = highQuality;
  cairo_set_antialias(cr_, highQuality ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

void TGPGraphics::SetPixelOffsetHighQuality(bool highQuality) {
  if (pixelOffsetHighQuality_ == highQuality) return;
  pixelOffsetHighQuality_ = highQuality;
  ApplyMatrix();
}

void TGPGraphics::ApplyMatrix() {
  cairo_matrix_t device = base_;
  if (!pixelOffsetHighQuality_) {
    cairo_matrix_t half;
    cairo_matrix_init_translate(&half, 0.5, 0.5);
    cairo_matrix_multiply(&device, &half, &base_);
  }
  cairo_matrix_t m;
  cairo_matrix_multiply(&m, &world_, &device);
  cairo_set_matrix(cr_, &m);
}

void TGPGraphics::SetTransform(const cairo_matrix_t& m) {
  // A transform that folds the plane flat cannot be drawn through; it is left out rather than
  // putting the context into a lasting error.
  if (!Invertible(m)) return;
  world_ = m;
  ApplyMatrix();
}

void TGPGraphics::ResetTransform() {
  cairo_matrix_t identity;
  cairo_matrix_init_identity(&identity);
  SetTransform(identity);
}

void TGPGraphics::MultiplyTransform(const cairo_matrix_t& m) {
  cairo_matrix_t result;
  cairo_matrix_multiply(&result, &m, &world_);
  SetTransform(result);
}

void TGPGraphics::TranslateTransform(double dx, double dy) {
  cairo_matrix_t m;
  cairo_matrix_init_translate(&m, dx, dy);
  MultiplyTransform(m);
}

void TGPGraphics::RotateTransform(double degrees) {
  cairo_matrix_t m;
  cairo_matrix_init_rotate(&m, degrees * kDegrees);
  MultiplyTransform(m);
}

void TGPGraphics::ScaleTransform(double sx, double sy) {
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, sx, sy);
  MultiplyTransform(m);
}

TRectF TGPGraphics::VisibleClipBounds() const {
  double x0, y0, x1, y1;
  cairo_clip_extents(cr_, &x0, &y0, &x1, &y1);
  return {static_cast<float>(x0), static_cast<float>(y0), static_cast<float>(x1), static_cast<float>(y1)};
}

void TGPGraphics::IntersectClip(const TGPRect& r) {
  cairo_new_path(cr_);
  cairo_rectangle(cr_, r.X, r.Y, r.Width, r.Height);
  ClipAliased(cr_);
  CheckStatus();
}

void TGPGraphics::IntersectClip(const TGPPath& path) { ClipWith(path, false); }
void TGPGraphics::ExcludeClip(const TGPPath& path) { ClipWith(path, true); }

void TGPGraphics::ClipWith(const TGPPath& path, bool exclude) {
  path.AppendTo(cr_);
  if (exclude) {
    // Under the even-odd rule the visible area around the shape is what stays.
    double x0, y0, x1, y1;
    cairo_clip_extents(cr_, &x0, &y0, &x1, &y1);
    cairo_rectangle(cr_, x0 - 1, y0 - 1, x1 - x0 + 2, y1 - y0 + 2);
  }
  ClipAliased(cr_);
  CheckStatus();
}

void TGPGraphics::SetClip(const TGPRect& r) {
  ResetClip();
  IntersectClip(r);
}

void TGPGraphics::ResetClip() {
  cairo_reset_clip(cr_);
  ApplyBaseClip();
  CheckStatus();
}

void TGPGraphics::ApplyBaseClip() {
  if (!hasBaseClip_) return;
  cairo_set_matrix(cr_, &base_);
  cairo_new_path(cr_);
  for (const cairo_rectangle_t& r : baseClip_) cairo_rectangle(cr_, r.x, r.y, r.width, r.height);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
  ClipAliased(cr_);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
  ApplyMatrix();
}

void TGPGraphics::FillCurrentPath(const TGPBrush& brush) {
  brush.Select(cr_);
  cairo_fill(cr_);
  CheckStatus();
}

void TGPGraphics::StrokeCurrentPath(const TGPPen& pen) {
  pen.Select(cr_);
  cairo_stroke(cr_);
  CheckStatus();
}

void TGPGraphics::FillPath(const TGPPath& path, const TGPBrush& brush) {
  path.AppendTo(cr_);
  FillCurrentPath(brush);
}

void TGPGraphics::DrawPath(const TGPPath& path, const TGPPen& pen) {
  path.AppendTo(cr_);
  StrokeCurrentPath(pen);
}

void TGPGraphics::DrawImage(cairo_surface_t* image, const TGPRect& dest, int alpha) {
  const int w = cairo_image_surface_get_width(image), h = cairo_image_surface_get_height(image);
  if (w <= 0 || h <= 0 || dest.Width == 0 || dest.Height == 0 || alpha <= 0) return;
  cairo_save(cr_);
  // Images keep to whole pixels whatever the pixel offset of lines and fills.
  if (!pixelOffsetHighQuality_) cairo_translate(cr_, -0.5, -0.5);
  cairo_translate(cr_, dest.X, dest.Y);
  cairo_scale(cr_, dest.Width / w, dest.Height / h);
  cairo_new_path(cr_);
  cairo_rectangle(cr_, 0, 0, w, h);
  cairo_clip(cr_);
  cairo_set_source_surface(cr_, image, 0, 0);
  cairo_pattern_t* source = cairo_get_source(cr_);
  cairo_pattern_set_extend(source, CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(source, interpolationHigh_ ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
  cairo_paint_with_alpha(cr_, alpha >= 255 ? 1.0 : alpha / 255.0);
  cairo_restore(cr_);
  CheckStatus();
}

}  // namespace quil

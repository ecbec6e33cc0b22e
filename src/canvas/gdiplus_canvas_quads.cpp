#include <cmath>

#include "canvas/gdiplus_canvas.h"
#include "canvas/solid_quad_fill.h"

namespace quil {

namespace {

// Where the caller's integer coordinates lie on the target: a whole-pixel origin and the rest in
// 1/256 pixel; none unless the context only shifts by such amounts.
std::optional<TQuadFillTarget> DirectTarget(cairo_t* cr) {
  cairo_surface_t* target = cairo_get_target(cr);
  if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) return std::nullopt;
  const cairo_format_t format = cairo_image_surface_get_format(target);
  if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) return std::nullopt;
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  if (m.xx != 1 || m.yy != 1 || m.xy != 0 || m.yx != 0) return std::nullopt;
  double ox = 0, oy = 0;
  cairo_surface_get_device_offset(target, &ox, &oy);
  const double tx = (m.x0 + ox) * 256, ty = (m.y0 + oy) * 256;
  if (tx != std::floor(tx) || ty != std::floor(ty) || std::fabs(tx) > 1e9 || std::fabs(ty) > 1e9) return std::nullopt;
  const auto whole = [](double v) { return static_cast<int>(std::floor(v / 256)); };
  const TPoint origin{whole(tx), whole(ty)};
  const TFixedOffset offset{static_cast<int>(tx) - origin.X * 256, static_cast<int>(ty) - origin.Y * 256};
  return TQuadFillTarget{target, origin, offset, false};
}

// The clip as whole pixels of the caller's grid, when Cairo keeps it as rectangles.
std::optional<TQuilRegion> PixelClip(cairo_t* cr, const TQuadFillTarget& target) {
  cairo_rectangle_list_t* list = cairo_copy_clip_rectangle_list(cr);
  std::optional<TQuilRegion> region;
  if (list->status == CAIRO_STATUS_SUCCESS) {
    region.emplace();
    const TRect limit{-target.Origin.X, -target.Origin.Y,
                      cairo_image_surface_get_width(target.Surface) - target.Origin.X,
                      cairo_image_surface_get_height(target.Surface) - target.Origin.Y};
    for (int i = 0; i < list->num_rectangles; ++i) {
      const cairo_rectangle_t& r = list->rectangles[i];
      // Whole device pixels given in user space; the caller's pixel grid is the device's less the
      // whole-pixel origin.
      const auto pixel = [](double user, int offset) { return static_cast<int>(std::lround(user + offset / 256.0)); };
      const TRect rect{pixel(r.x, target.Offset.X), pixel(r.y, target.Offset.Y), pixel(r.x + r.width, target.Offset.X),
                       pixel(r.y + r.height, target.Offset.Y)};
      region->Union(TQuilRegion::FromRect(rect, limit));
    }
  }
  cairo_rectangle_list_destroy(list);
  return region;
}

}  // namespace

std::unique_ptr<TSolidQuadFill> TGDIPlusCanvas::SolidQuadFill() {
  if (!graphics_ || graphics_->Smoothing() || PenDraws() || transparency_ != 255) return nullptr;
  const TQuilBrush& brush = Brush();
  if (brush.Style() != bsSolid || brush.Color() == clNone || brush.Bitmap() || brush.HasGraphic() || brush.HasGradient())
    return nullptr;
  cairo_t* cr = graphics_->Cr();
  const std::optional<TQuadFillTarget> target = DirectTarget(cr);
  if (!target) return nullptr;
  TQuadFillClip clip;
  clip.Region = PixelClip(cr, *target);
  if (!clip.Region) {
    if (!convexClip_) return nullptr;
    clip.ConvexPolygon = *convexClip_;
  }
  return std::make_unique<TSolidQuadFill>(*target, std::move(clip), [this](const TPoint (&corners)[4], TColor color) {
    Brush().SetColor(color);
    Polygon(corners, 4);
  });
}

}  // namespace quil

#include "canvas/gdiplus_brush.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "canvas/gdiplus_hatch.h"
#include "canvas/gdiplus_path_gradient.h"

namespace quil {

namespace {

constexpr double kDegrees = std::numbers::pi / 180.0;

uint32_t Premultiplied(TGPColor c) {
  const uint32_t a = GPAlpha(c);
  auto scale = [a](int v) { return static_cast<uint32_t>((v * a + 127) / 255); };
  return (a << 24) | (scale(GPRed(c)) << 16) | (scale(GPGreen(c)) << 8) | scale(GPBlue(c));
}

// Pattern space of a brush spanning r is the unit square; empty sides count as one pixel so
// that the matrix stays invertible.
cairo_matrix_t UnitSquareOf(const TGPRect& r) {
  const double w = std::abs(r.Width) < 1e-9 ? 1.0 : r.Width;
  const double h = std::abs(r.Height) < 1e-9 ? 1.0 : r.Height;
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, 1 / w, 1 / h);
  cairo_matrix_translate(&m, -r.X, -r.Y);
  return m;
}

TGPBlend Normalised(TGPBlend blend) {
  if (blend.empty()) return {{0, 0}, {0, 1}};
  if (blend.front().Position > 0) blend.insert(blend.begin(), {blend.front().Color, 0});
  if (blend.back().Position < 1) blend.push_back({blend.back().Color, 1});
  return blend;
}

}  // namespace

TGPBrush TGPBrush::Solid(TGPColor color) {
  TGPBrush b;
  b.color_ = color;
  return b;
}

TGPBrush TGPBrush::Hatch(int style, TGPColor fore, TGPColor back) {
  const THatchPattern& pattern = HatchPattern(style);
  cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
  cairo_surface_flush(tile);
  unsigned char* data = cairo_image_surface_get_data(tile);
  const int stride = cairo_image_surface_get_stride(tile);
  const uint32_t on = Premultiplied(fore), off = Premultiplied(back);
  for (int y = 0; data && y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const uint32_t v = HatchPixel(pattern, x, y) ? on : off;
      std::memcpy(data + y * stride + 4 * x, &v, 4);
    }
  cairo_surface_mark_dirty(tile);
  TGPBrush b;
  b.pattern_.reset(cairo_pattern_create_for_surface(tile));
  cairo_surface_destroy(tile);
  cairo_pattern_set_extend(b.pattern_.get(), CAIRO_EXTEND_REPEAT);
  cairo_pattern_set_filter(b.pattern_.get(), CAIRO_FILTER_NEAREST);
  return b;
}

TGPBrush TGPBrush::Texture(const TBitmap& image, int alpha) {
  if (image.Empty()) return Solid(GPTransparentWhite);
  cairo_surface_t* source = image.Surface();
  cairo_surface_t* faded = nullptr;
  if (alpha < 255) {
    faded = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.Width(), image.Height());
    cairo_t* cr = cairo_create(faded);
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_paint_with_alpha(cr, std::clamp(alpha, 0, 255) / 255.0);
    cairo_destroy(cr);
    source = faded;
  }
  TGPBrush b;
  b.pattern_.reset(cairo_pattern_create_for_surface(source));
  if (faded) cairo_surface_destroy(faded);
  cairo_pattern_set_extend(b.pattern_.get(), CAIRO_EXTEND_REPEAT);
  return b;
}

TGPBrush TGPBrush::LinearGradient(const TGPRect& r, TGPColor color1, TGPColor color2, TGPLinearGradientMode mode) {
  double x0 = 0, y0 = 0, x1 = 1, y1 = 0;
  switch (mode) {
    case lgmHorizontal: break;
    case lgmVertical: x1 = 0, y1 = 1; break;
    case lgmForwardDiagonal: y1 = 1; break;
    case lgmBackwardDiagonal: x0 = 1, x1 = 0, y1 = 1; break;
  }
  TGPBrush b;
  b.pattern_.reset(cairo_pattern_create_linear(x0, y0, x1, y1));
  const cairo_matrix_t m = UnitSquareOf(r);
  cairo_pattern_set_matrix(b.pattern_.get(), &m);
  cairo_pattern_set_extend(b.pattern_.get(), CAIRO_EXTEND_PAD);
  b.SetInterpolationColors({{color1, 0}, {color2, 1}});
  return b;
}

TGPBrush TGPBrush::LinearGradient(const TGPRect& r, TGPColor color1, TGPColor color2, double angle) {
  const double dx = std::cos(angle * kDegrees), dy = std::sin(angle * kDegrees);
  const double corners[4][2] = {{r.X, r.Y}, {r.Right(), r.Y}, {r.Right(), r.Bottom()}, {r.X, r.Bottom()}};
  double lo = corners[0][0] * dx + corners[0][1] * dy, hi = lo;
  for (const auto& c : corners) {
    lo = std::min(lo, c[0] * dx + c[1] * dy);
    hi = std::max(hi, c[0] * dx + c[1] * dy);
  }
  if (hi - lo < 1e-9) hi = lo + 1;
  const double cx = r.X + r.Width / 2, cy = r.Y + r.Height / 2, mid = cx * dx + cy * dy;
  TGPBrush b;
  b.pattern_.reset(cairo_pattern_create_linear(cx + dx * (lo - mid), cy + dy * (lo - mid), cx + dx * (hi - mid),
                                               cy + dy * (hi - mid)));
  cairo_pattern_set_extend(b.pattern_.get(), CAIRO_EXTEND_PAD);
  b.SetInterpolationColors({{color1, 0}, {color2, 1}});
  return b;
}

void TGPBrush::SetInterpolationColors(const TGPBlend& blend) {
  if (!pattern_ || cairo_pattern_get_type(pattern_.get()) != CAIRO_PATTERN_TYPE_LINEAR) return;
  double x0, y0, x1, y1;
  cairo_pattern_get_linear_points(pattern_.get(), &x0, &y0, &x1, &y1);
  cairo_matrix_t m;
  cairo_pattern_get_matrix(pattern_.get(), &m);
  pattern_.reset(cairo_pattern_create_linear(x0, y0, x1, y1));
  cairo_pattern_set_matrix(pattern_.get(), &m);
  cairo_pattern_set_extend(pattern_.get(), CAIRO_EXTEND_PAD);
  for (const TGPBlendStop& s : Normalised(blend)) AddColorStop(pattern_.get(), s.Position, s.Color);
}

TGPBrush TGPBrush::PathGradient(const TGPPath& path, TPointFloat centre, const TGPBlend& blend,
                                const TGPRect& visible) {
  const std::vector<TGPPolygon> figures = path.Flatten();
  const TGPRect b = path.Bounds();
  const TRect area{std::max(static_cast<int>(std::floor(b.X)) - 2, static_cast<int>(std::floor(visible.X))),
                   std::max(static_cast<int>(std::floor(b.Y)) - 2, static_cast<int>(std::floor(visible.Y))),
                   std::min(static_cast<int>(std::ceil(b.Right())) + 2, static_cast<int>(std::ceil(visible.Right()))),
                   std::min(static_cast<int>(std::ceil(b.Bottom())) + 2, static_cast<int>(std::ceil(visible.Bottom())))};
  if (figures.empty() || area.IsEmpty()) return Solid(GPTransparentWhite);
  const TBitmap image = RasterizePathGradient(figures, centre, Normalised(blend), area);
  TGPBrush brush;
  brush.pattern_.reset(cairo_pattern_create_for_surface(image.Surface()));
  cairo_matrix_t m;
  cairo_matrix_init_translate(&m, -area.Left, -area.Top);
  cairo_pattern_set_matrix(brush.pattern_.get(), &m);
  return brush;
}

void TGPBrush::Select(cairo_t* cr) const {
  if (pattern_)
    cairo_set_source(cr, pattern_.get());
  else
    SetSourceGPColor(cr, color_);
}

}  // namespace quil

#include "canvas/cairo_raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "canvas/canvas_types.h"
#include "canvas/device_context.h"
#include "canvas/solid_quad_fill.h"

namespace quil {

namespace {

// A drawing target over an image that the canvas owns (its buffer, a temporary image).
class TOwnedCairoContext : public TCairoDeviceContext {
 public:
  explicit TOwnedCairoContext(cairo_t* cr) : TCairoDeviceContext(cr) {}
  ~TOwnedCairoContext() override { cairo_destroy(Context()); }
  TOwnedCairoContext(const TOwnedCairoContext&) = delete;
  TOwnedCairoContext& operator=(const TOwnedCairoContext&) = delete;
};

void AddEllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void AddRoundRectPath(cairo_t* cr, double l, double t, double r, double b, double rx, double ry) {
  rx = std::min(rx, (r - l) / 2);
  ry = std::min(ry, (b - t) / 2);
  if (rx <= 0 || ry <= 0) {
    cairo_rectangle(cr, l, t, r - l, b - t);
    return;
  }
  const double pi = std::numbers::pi;
  auto corner = [&](double cx, double cy, double from) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, from, from + pi / 2);
    cairo_restore(cr);
  };
  cairo_new_sub_path(cr);
  corner(r - rx, t + ry, -pi / 2);
  corner(r - rx, b - ry, 0);
  corner(l + rx, b - ry, pi / 2);
  corner(l + rx, t + ry, pi);
  cairo_close_path(cr);
}

// Arc of an ellipse, counter-clockwise on screen (y up) from start over sweep degrees.
void AddArcPath(cairo_t* cr, double cx, double cy, double rx, double ry, double start, double sweep) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  const double a0 = -start * QuilPiStep;
  const double a1 = -(start + sweep) * QuilPiStep;
  if (sweep >= 0)
    cairo_arc_negative(cr, 0, 0, 1, a0, a1);
  else
    cairo_arc(cr, 0, 0, 1, a0, a1);
  cairo_restore(cr);
}

cairo_surface_t* HatchSurface(TBrushStyle style, TColor color, bool opaque, TColor back) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
  cairo_surface_flush(s);
  auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s));
  const int stride = cairo_image_surface_get_stride(s) / 4;
  auto pixel = [](TColor c) {
    return 0xFF000000u | (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
  };
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      bool on = false;
      switch (style) {
        case bsHorizontal: on = y == 0; break;
        case bsVertical: on = x == 0; break;
        case bsFDiagonal: on = x == y; break;
        case bsBDiagonal: on = x == 7 - y; break;
        case bsCross: on = x == 0 || y == 0; break;
        case bsDiagCross: on = x == y || x == 7 - y; break;
        default: break;
      }
      data[y * stride + x] = on ? pixel(color) : opaque ? pixel(back) : 0u;
    }
  }
  cairo_surface_mark_dirty(s);
  return s;
}

}  // namespace

std::unique_ptr<TRasterBackend> CreateCairoRaster() { return std::make_unique<TCairoRaster>(); }

TCairoRaster::TCairoRaster() = default;

TCairoRaster::~TCairoRaster() { SetTarget(nullptr); }

void TCairoRaster::SetTarget(TDeviceContext* target) {
  if (clip_ && cr_) cairo_restore(cr_);
  clip_.reset();
  target_ = target;
  auto* cairoTarget = dynamic_cast<TCairoDeviceContext*>(target);
  cr_ = cairoTarget ? cairoTarget->Context() : nullptr;
  if (cr_) cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
}

TRect TCairoRaster::TargetBounds() const {
  if (!cr_) return {};
  cairo_surface_t* s = cairo_get_target(cr_);
  if (cairo_surface_get_type(s) == CAIRO_SURFACE_TYPE_IMAGE)
    return {0, 0, cairo_image_surface_get_width(s), cairo_image_surface_get_height(s)};
  double x0, y0, x1, y1;
  cairo_clip_extents(cr_, &x0, &y0, &x1, &y1);
  return {0, 0, static_cast<int>(std::ceil(x1)), static_cast<int>(std::ceil(y1))};
}

std::unique_ptr<TDeviceContext> TCairoRaster::CreateBitmapTarget(TBitmap& bitmap) const {
  return std::make_unique<TOwnedCairoContext>(cairo_create(bitmap.Surface()));
}

std::optional<TPoint> TCairoRaster::DirectOrigin() const {
  if (!cr_) return std::nullopt;
  cairo_surface_t* s = cairo_get_target(cr_);
  if (cairo_surface_get_type(s) != CAIRO_SURFACE_TYPE_IMAGE) return std::nullopt;
  const cairo_format_t format = cairo_image_surface_get_format(s);
  if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) return std::nullopt;
  cairo_matrix_t m;
  cairo_get_matrix(cr_, &m);
  if (m.xx != 1 || m.yy != 1 || m.xy != 0 || m.yx != 0 || m.x0 != std::floor(m.x0) || m.y0 != std::floor(m.y0))
    return std::nullopt;
  double offX, offY;
  cairo_surface_get_device_offset(s, &offX, &offY);
  if (offX != std::floor(offX) || offY != std::floor(offY)) return std::nullopt;
  return TPoint{static_cast<int>(m.x0 + offX), static_cast<int>(m.y0 + offY)};
}

std::optional<TPixelWriter> TCairoRaster::Pixels() const {
  const std::optional<TPoint> origin = DirectOrigin();
  if (!origin) return std::nullopt;
  cairo_surface_t* s = cairo_get_target(cr_);
  TPixelWriter writer(reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s)),
                      cairo_image_surface_get_stride(s) / 4, cairo_image_surface_get_width(s),
                      cairo_image_surface_get_height(s), origin->X, origin->Y);
  writer.SetClip(clip_ ? &*clip_ : nullptr);
  writer.SetRop2(rop_);
  return writer;
}

std::unique_ptr<TSolidQuadFill> TCairoRaster::SolidQuadFill(
    std::function<void(const TPoint (&)[4], TColor)> fallback) {
  if (rop_ != R2_COPYPEN) return nullptr;
  const std::optional<TPoint> origin = DirectOrigin();
  if (!origin) return nullptr;
  TQuadFillClip clip;
  clip.Region = clip_;
  return std::make_unique<TSolidQuadFill>(TQuadFillTarget{cairo_get_target(cr_), *origin, {}, true}, std::move(clip),
                                          std::move(fallback));
}

void TCairoRaster::BeginPixels() const { cairo_surface_flush(cairo_get_target(cr_)); }
void TCairoRaster::EndPixels() const { cairo_surface_mark_dirty(cairo_get_target(cr_)); }

void TCairoRaster::SetClipRegion(const TQuilRegion* region) {
  if (!cr_) return;
  if (clip_) cairo_restore(cr_);
  clip_.reset();
  if (!region) return;
  clip_ = *region;
  cairo_save(cr_);
  cairo_new_path(cr_);
  for (const TRect& r : region->Rectangles()) cairo_rectangle(cr_, r.Left, r.Top, r.Width(), r.Height());
  cairo_clip(cr_);
}

bool TCairoRaster::PenIsPixelLine() const {
  if (pen_.SmallSpace >= 0 || pen_.Style == psAlternate) return true;
  return pen_.Width <= 1 && (pen_.Style == psSolid || pen_.Style == psInsideFrame);
}

void TCairoRaster::SetSourceColor(cairo_t* cr, TColor color) const {
  const TColor c = SystemColor(color);
  cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

bool TCairoRaster::SetBrushSource(cairo_t* cr) const {
  switch (brush_.Style) {
    case bsClear: return false;
    case bsSolid:
      if (brush_.Pattern && !brush_.Pattern->Empty()) {
        cairo_pattern_t* p = cairo_pattern_create_for_surface(brush_.Pattern->Surface());
        cairo_pattern_set_extend(p, CAIRO_EXTEND_REPEAT);
        cairo_set_source(cr, p);
        cairo_pattern_destroy(p);
        return true;
      }
      if (brush_.Color == clNone) return false;
      SetSourceColor(cr, brush_.Color);
      return true;
    default: {
      cairo_surface_t* s = HatchSurface(brush_.Style, SystemColor(brush_.Color), backMode_ == 2, SystemColor(backColor_));
      cairo_pattern_t* p = cairo_pattern_create_for_surface(s);
      cairo_pattern_set_extend(p, CAIRO_EXTEND_REPEAT);
      cairo_pattern_set_filter(p, CAIRO_FILTER_NEAREST);
      cairo_set_source(cr, p);
      cairo_pattern_destroy(p);
      cairo_surface_destroy(s);
      return true;
    }
  }
}

void TCairoRaster::SetStrokeStyle(cairo_t* cr) const {
  cairo_set_line_width(cr, std::max(1, pen_.Width));
  cairo_set_line_cap(cr, pen_.EndStyle == esRound   ? CAIRO_LINE_CAP_ROUND
                         : pen_.EndStyle == esSquare ? CAIRO_LINE_CAP_SQUARE
                                                     : CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr, pen_.JoinStyle == jsRound   ? CAIRO_LINE_JOIN_ROUND
                          : pen_.JoinStyle == jsBevel ? CAIRO_LINE_JOIN_BEVEL
                                                      : CAIRO_LINE_JOIN_MITER);
  const double unit = std::max(1, pen_.Width);
  static const double dash[] = {6, 2};
  static const double dot[] = {1, 1};
  static const double dashDot[] = {3, 2, 1, 2};
  static const double dashDotDot[] = {3, 1, 1, 1, 1, 1};
  const double* pattern = nullptr;
  int n = 0;
  switch (pen_.Style) {
    case psDash: pattern = dash, n = 2; break;
    case psDot: pattern = dot, n = 2; break;
    case psDashDot: pattern = dashDot, n = 4; break;
    case psDashDotDot: pattern = dashDotDot, n = 6; break;
    default: break;
  }
  double scaled[6];
  for (int i = 0; i < n; ++i) scaled[i] = pattern[i] * unit * 3;
  cairo_set_dash(cr, scaled, n, 0);
}

void TCairoRaster::MixPath(const TPathBuilder& path, bool stroke, TColor color) {
  auto pixels = Pixels();
  if (!pixels) return;
  cairo_new_path(cr_);
  path(cr_);
  double x0, y0, x1, y1;
  if (stroke) {
    SetStrokeStyle(cr_);
    cairo_stroke_extents(cr_, &x0, &y0, &x1, &y1);
  } else {
    cairo_fill_extents(cr_, &x0, &y0, &x1, &y1);
  }
  cairo_new_path(cr_);
  const TRect bounds = TargetBounds();
  const int left = std::max(bounds.Left, static_cast<int>(std::floor(x0)));
  const int top = std::max(bounds.Top, static_cast<int>(std::floor(y0)));
  const int right = std::min(bounds.Right, static_cast<int>(std::ceil(x1)));
  const int bottom = std::min(bounds.Bottom, static_cast<int>(std::ceil(y1)));
  if (left >= right || top >= bottom) return;
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, right - left, bottom - top);
  cairo_t* m = cairo_create(mask);
  cairo_set_antialias(m, CAIRO_ANTIALIAS_NONE);
  cairo_translate(m, -left, -top);
  cairo_set_fill_rule(m, CAIRO_FILL_RULE_EVEN_ODD);
  path(m);
  if (stroke) {
    SetStrokeStyle(m);
    cairo_stroke(m);
  } else {
    cairo_fill(m);
  }
  cairo_destroy(m);
  cairo_surface_flush(mask);
  BeginPixels();
  pixels->ApplyCoverage(cairo_image_surface_get_data(mask), cairo_image_surface_get_stride(mask), left, top,
                        right - left, bottom - top, color);
  EndPixels();
  cairo_surface_destroy(mask);
}

void TCairoRaster::FillPath(const TPathBuilder& path) {
  if (!cr_) return;
  if (rop_ != R2_COPYPEN && brush_.Style != bsClear && brush_.Color != clNone) {
    MixPath(path, false, brush_.Color);
    return;
  }
  if (!SetBrushSource(cr_)) return;
  cairo_new_path(cr_);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
  path(cr_);
  cairo_fill(cr_);
}

void TCairoRaster::StrokePath(const TPathBuilder& path) {
  if (!cr_ || !PenVisible()) return;
  if (rop_ != R2_COPYPEN) {
    MixPath(path, true, pen_.Color);
    return;
  }
  SetSourceColor(cr_, pen_.Color);
  SetStrokeStyle(cr_);
  cairo_new_path(cr_);
  path(cr_);
  cairo_stroke(cr_);
}

void TCairoRaster::PixelPolyline(const TPoint* points, int count, bool closed) {
  if (count < 1) return;
  auto pixels = Pixels();
  if (!pixels) {
    StrokePath([&](cairo_t* cr) {
      cairo_move_to(cr, points[0].X + 0.5, points[0].Y + 0.5);
      for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i].X + 0.5, points[i].Y + 0.5);
      if (closed) cairo_close_path(cr);
    });
    return;
  }
  const int gap = pen_.SmallSpace >= 0 ? pen_.SmallSpace + 1 : pen_.Style == psAlternate ? 2 : 0;
  BeginPixels();
  for (int i = 1; i < count; ++i)
    pixels->Line(points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y, pen_.Color, gap);
  if (closed) pixels->Line(points[count - 1].X, points[count - 1].Y, points[0].X, points[0].Y, pen_.Color, gap);
  EndPixels();
}

void TCairoRaster::LineTo(int x, int y) {
  const TPoint line[2] = {penPos_, {x, y}};
  penPos_ = {x, y};
  Polyline(line, 2);
  penPos_ = {x, y};
}

void TCairoRaster::Polyline(const TPoint* points, int count) {
  if (!cr_ || !points || count < 2 || !PenVisible()) return;
  penPos_ = points[count - 1];
  if (PenIsPixelLine()) {
    PixelPolyline(points, count, false);
    return;
  }
  StrokePath([&](cairo_t* cr) {
    const double o = pen_.Width % 2 ? 0.5 : 0;
    cairo_move_to(cr, points[0].X + o, points[0].Y + o);
    for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i].X + o, points[i].Y + o);
  });
}

void TCairoRaster::Polygon(const TPoint* points, int count) {
  if (!cr_ || !points || count < 2) return;
  FillPath([&](cairo_t* cr) {
    cairo_move_to(cr, points[0].X, points[0].Y);
    for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i].X, points[i].Y);
    cairo_close_path(cr);
  });
  if (!PenVisible()) return;
  if (PenIsPixelLine()) {
    PixelPolyline(points, count, true);
    return;
  }
  StrokePath([&](cairo_t* cr) {
    const double o = pen_.Width % 2 ? 0.5 : 0;
    cairo_move_to(cr, points[0].X + o, points[0].Y + o);
    for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i].X + o, points[i].Y + o);
    cairo_close_path(cr);
  });
}

void TCairoRaster::Rectangle(int x0, int y0, int x1, int y1) {
  const TRect r = OrientRectangle({x0, y0, x1, y1});
  if (r.IsEmpty()) return;
  FillPath([&](cairo_t* cr) { cairo_rectangle(cr, r.Left, r.Top, r.Width(), r.Height()); });
  if (!PenVisible()) return;
  const TPoint corners[4] = {{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}};
  if (PenIsPixelLine()) {
    PixelPolyline(corners, 4, true);
    if (r.Width() == 1 || r.Height() == 1) {
      auto pixels = Pixels();
      if (pixels) {
        BeginPixels();
        pixels->Plot(r.Right - 1, r.Bottom - 1, pen_.Color);
        EndPixels();
      }
    }
    return;
  }
  StrokePath([&](cairo_t* cr) { cairo_rectangle(cr, r.Left + 0.5, r.Top + 0.5, r.Width() - 1, r.Height() - 1); });
}

void TCairoRaster::RoundRect(int x0, int y0, int x1, int y1, int ellipseWidth, int ellipseHeight) {
  const TRect r = OrientRectangle({x0, y0, x1, y1});
  if (r.IsEmpty()) return;
  const double rx = std::abs(ellipseWidth) / 2.0, ry = std::abs(ellipseHeight) / 2.0;
  FillPath([&](cairo_t* cr) { AddRoundRectPath(cr, r.Left, r.Top, r.Right, r.Bottom, rx, ry); });
  StrokePath([&](cairo_t* cr) {
    AddRoundRectPath(cr, r.Left + 0.5, r.Top + 0.5, r.Right - 0.5, r.Bottom - 0.5, rx, ry);
  });
}

void TCairoRaster::Ellipse(int x0, int y0, int x1, int y1) {
  const TRect r = OrientRectangle({x0, y0, x1, y1});
  if (r.IsEmpty()) return;
  const double cx = (double(r.Left) + r.Right) / 2, cy = (double(r.Top) + r.Bottom) / 2;
  FillPath([&](cairo_t* cr) { AddEllipsePath(cr, cx, cy, r.Width() / 2.0, r.Height() / 2.0); });
  if (!PenVisible()) return;
  if (r.Width() <= 2 || r.Height() <= 2) {
    Rectangle(r.Left, r.Top, r.Right, r.Bottom);
    return;
  }
  StrokePath([&](cairo_t* cr) { AddEllipsePath(cr, cx, cy, (r.Width() - 1) / 2.0, (r.Height() - 1) / 2.0); });
}

void TCairoRaster::Arc(const TRect& box, double startAngle, double sweep) {
  const TRect r = OrientRectangle(box);
  if (r.Width() < 2 || r.Height() < 2) return;
  const double cx = (double(r.Left) + r.Right) / 2, cy = (double(r.Top) + r.Bottom) / 2;
  StrokePath([&](cairo_t* cr) {
    AddArcPath(cr, cx, cy, (r.Width() - 1) / 2.0, (r.Height() - 1) / 2.0, startAngle, sweep);
  });
}

void TCairoRaster::Pie(const TRect& box, double startAngle, double sweep) {
  const TRect r = OrientRectangle(box);
  if (r.Width() < 2 || r.Height() < 2) return;
  const double cx = (double(r.Left) + r.Right) / 2, cy = (double(r.Top) + r.Bottom) / 2;
  auto path = [&](double rx, double ry) {
    return [=](cairo_t* cr) {
      cairo_move_to(cr, cx, cy);
      AddArcPath(cr, cx, cy, rx, ry, startAngle, sweep);
      cairo_close_path(cr);
    };
  };
  FillPath(path(r.Width() / 2.0, r.Height() / 2.0));
  StrokePath(path((r.Width() - 1) / 2.0, (r.Height() - 1) / 2.0));
}

void TCairoRaster::FillRect(const TRect& rect) {
  const TRect r = OrientRectangle(rect);
  if (!cr_ || r.IsEmpty() || !SetBrushSource(cr_)) return;
  cairo_new_path(cr_);
  cairo_rectangle(cr_, r.Left, r.Top, r.Width(), r.Height());
  cairo_fill(cr_);
}

void TCairoRaster::SetPixel(int x, int y, TColor color) {
  auto pixels = Pixels();
  if (!pixels) {
    if (!cr_) return;
    SetSourceColor(cr_, color);
    cairo_rectangle(cr_, x, y, 1, 1);
    cairo_fill(cr_);
    return;
  }
  pixels->SetRop2(R2_COPYPEN);
  BeginPixels();
  pixels->Plot(x, y, SystemColor(color));
  EndPixels();
}

TColor TCairoRaster::GetPixel(int x, int y) const {
  if (!cr_) return clNone;
  const TBitmap one = CopyArea({x, y, x + 1, y + 1});
  return one.Empty() ? clNone : one.Pixel(0, 0);
}

void TCairoRaster::DrawBitmap(const TBitmap& bitmap, const TRect& dest) {
  if (!cr_ || bitmap.Empty() || dest.Width() <= 0 || dest.Height() <= 0) return;
  cairo_save(cr_);
  cairo_translate(cr_, dest.Left, dest.Top);
  const bool scaled = dest.Width() != bitmap.Width() || dest.Height() != bitmap.Height();
  if (scaled) cairo_scale(cr_, double(dest.Width()) / bitmap.Width(), double(dest.Height()) / bitmap.Height());
  cairo_set_source_surface(cr_, bitmap.Surface(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr_), scaled ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
  // Edge pixels keep their colour instead of fading into the transparency beyond the image.
  cairo_pattern_set_extend(cairo_get_source(cr_), CAIRO_EXTEND_PAD);
  cairo_rectangle(cr_, 0, 0, bitmap.Width(), bitmap.Height());
  cairo_fill(cr_);
  cairo_restore(cr_);
}

void TCairoRaster::PutBitmap(const TBitmap& bitmap, int x, int y) {
  if (!cr_ || bitmap.Empty()) return;
  cairo_save(cr_);
  cairo_set_source_surface(cr_, bitmap.Surface(), x, y);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  cairo_rectangle(cr_, x, y, bitmap.Width(), bitmap.Height());
  cairo_fill(cr_);
  cairo_restore(cr_);
}

TBitmap TCairoRaster::CopyArea(const TRect& area) const {
  const TRect r = OrientRectangle(area);
  if (!cr_ || r.IsEmpty()) return {};
  TBitmap copy(r.Width(), r.Height());
  double ox = 0, oy = 0;
  cairo_user_to_device(cr_, &ox, &oy);
  cairo_surface_t* target = cairo_get_target(cr_);
  cairo_surface_flush(target);
  cairo_t* c = cairo_create(copy.Surface());
  cairo_set_source_surface(c, target, -(r.Left + ox), -(r.Top + oy));
  cairo_set_operator(c, CAIRO_OPERATOR_SOURCE);
  cairo_paint(c);
  cairo_destroy(c);
  return copy;
}

int TCairoRaster::CopyBitmapTo(const TBitmap& bitmap, TDeviceContext& dest, int x, int y) const {
  auto* cairoDest = dynamic_cast<TCairoDeviceContext*>(&dest);
  if (!cairoDest || !cairoDest->Context()) return CAIRO_STATUS_NULL_POINTER;
  if (bitmap.Empty()) return 0;
  cairo_t* d = cairoDest->Context();
  cairo_save(d);
  cairo_set_source_surface(d, bitmap.Surface(), x, y);
  cairo_pattern_set_filter(cairo_get_source(d), CAIRO_FILTER_NEAREST);
  cairo_set_operator(d, CAIRO_OPERATOR_SOURCE);
  cairo_rectangle(d, x, y, bitmap.Width(), bitmap.Height());
  cairo_fill(d);
  cairo_restore(d);
  return cairo_status(d);
}

}  // namespace quil

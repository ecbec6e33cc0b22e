#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "canvas/cairo_raster.h"
#include "canvas/canvas_types.h"

namespace quil {

namespace {

// Shows a glyph, or adds its outline to the path, with its origin at the current point.
void OneGlyph(cairo_t* cr, PangoFont* font, const PangoGlyphInfo& glyph, bool asPath) {
  PangoGlyphString* one = pango_glyph_string_new();
  pango_glyph_string_set_size(one, 1);
  one->glyphs[0] = glyph;
  one->glyphs[0].geometry.x_offset = 0;
  one->glyphs[0].geometry.y_offset = 0;
  one->log_clusters[0] = 0;
  if (asPath)
    pango_cairo_glyph_string_path(cr, font, one);
  else
    pango_cairo_show_glyph_string(cr, font, one);
  pango_glyph_string_free(one);
}

}  // namespace

void TCairoRaster::SetFont(const TRasterFont& font) { font_ = font; }

cairo_antialias_t TCairoRaster::TextAntialias() const {
  return font_.Quality == 4 || font_.Quality == 5 ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE;
}

TCairoRaster::TPlacedText TCairoRaster::PlaceText(const std::string& text) {
  TPlacedText placed;
  if (text.empty() || FontEmPixels(font_) == 0) return placed;
  placed.Layout = text_.Layout(font_, text);
  pango_layout_get_pixel_size(placed.Layout, &placed.Width, &placed.Height);
  const int baseline = PANGO_PIXELS(pango_layout_get_baseline(placed.Layout));
  const int horizontal = HorizontalTextAlign(textAlign_);
  const int vertical = VerticalTextAlign(textAlign_);
  placed.Dx = horizontal == TA_CENTER ? -(placed.Width / 2) : horizontal == TA_RIGHT ? -placed.Width : 0;
  placed.Dy = vertical == TA_BASELINE ? -baseline : vertical == TA_BOTTOM ? -placed.Height : 0;
  return placed;
}

void TCairoRaster::EnterTextBox(cairo_t* cr, int x, int y, double angle, const TPlacedText& placed) const {
  cairo_translate(cr, x, y);
  if (angle != 0) cairo_rotate(cr, -angle * QuilPiStep);
  cairo_translate(cr, placed.Dx, placed.Dy);
}

// With a character angle every glyph turns about its own origin on the baseline; the angle
// is the glyph's on the device, so the turn of the baseline itself is taken off.
void TCairoRaster::AddGlyphs(cairo_t* cr, const TPlacedText& placed, double angle, bool asPath) const {
  if (font_.CharacterAngle == 0) {
    cairo_move_to(cr, 0, 0);
    if (asPath)
      pango_cairo_layout_path(cr, placed.Layout);
    else
      pango_cairo_show_layout(cr, placed.Layout);
    return;
  }
  const double turn = (font_.CharacterAngle - angle) * QuilPiStep;
  PangoLayoutIter* it = pango_layout_get_iter(placed.Layout);
  do {
    PangoLayoutRun* run = pango_layout_iter_get_run_readonly(it);
    if (!run) continue;
    PangoRectangle logical;
    pango_layout_iter_get_run_extents(it, nullptr, &logical);
    const int baseline = pango_layout_iter_get_baseline(it);
    int advance = logical.x;
    for (int i = 0; i < run->glyphs->num_glyphs; ++i) {
      const PangoGlyphInfo& glyph = run->glyphs->glyphs[i];
      cairo_save(cr);
      cairo_translate(cr, double(advance + glyph.geometry.x_offset) / PANGO_SCALE,
                      double(baseline + glyph.geometry.y_offset) / PANGO_SCALE);
      cairo_rotate(cr, -turn);
      cairo_move_to(cr, 0, 0);
      OneGlyph(cr, run->item->analysis.font, glyph, asPath);
      cairo_restore(cr);
      advance += glyph.geometry.width;
    }
  } while (pango_layout_iter_next_run(it));
  pango_layout_iter_free(it);
}

TPoint TCairoRaster::TextExtent(const std::string& text) {
  if (FontEmPixels(font_) == 0) return {};
  PangoLayout* layout = text_.Layout(font_, text);
  int w = 0, h = 0;
  pango_layout_get_pixel_size(layout, &w, &h);
  return {text.empty() ? 0 : w, h};
}

TRect TCairoRaster::TextBounds(int x, int y, const std::string& text, double angle) {
  const TPlacedText placed = PlaceText(text);
  if (!placed.Layout) return {x, y, x, y};
  const double s = std::sin(angle * QuilPiStep), c = std::cos(angle * QuilPiStep);
  double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300;
  const TPoint corners[4] = {{0, 0}, {placed.Width, 0}, {placed.Width, placed.Height}, {0, placed.Height}};
  for (const TPoint& corner : corners) {
    const double u = corner.X + placed.Dx, v = corner.Y + placed.Dy;
    const double px = x + u * c + v * s, py = y - u * s + v * c;
    left = std::min(left, px);
    right = std::max(right, px);
    top = std::min(top, py);
    bottom = std::max(bottom, py);
  }
  auto clampInt = [](double v) { return static_cast<int>(std::clamp(v, -1e9, 1e9)); };
  return {clampInt(std::floor(left)), clampInt(std::floor(top)), clampInt(std::ceil(right)),
          clampInt(std::ceil(bottom))};
}

void TCairoRaster::TextOut(int x, int y, const std::string& text, double angle) {
  if (!cr_) return;
  const TPlacedText placed = PlaceText(text);
  if (!placed.Layout) return;
  cairo_save(cr_);
  EnterTextBox(cr_, x, y, angle, placed);
  if (backMode_ == 2 && backColor_ != clNone) {
    SetSourceColor(cr_, backColor_);
    cairo_rectangle(cr_, 0, 0, placed.Width, placed.Height);
    cairo_fill(cr_);
  }
  if (textColor_ != clNone) {
    SetSourceColor(cr_, textColor_);
    AddGlyphs(cr_, placed, angle, false);
  }
  cairo_restore(cr_);
}

void TCairoRaster::TextPath(int x, int y, const std::string& text, double angle, bool fill, bool stroke) {
  if (!cr_) return;
  const TPlacedText placed = PlaceText(text);
  if (!placed.Layout) return;
  cairo_save(cr_);
  cairo_set_antialias(cr_, TextAntialias());
  EnterTextBox(cr_, x, y, angle, placed);
  cairo_new_path(cr_);
  AddGlyphs(cr_, placed, angle, true);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
  if (fill && SetBrushSource(cr_)) cairo_fill_preserve(cr_);
  if (stroke && PenVisible()) {
    SetSourceColor(cr_, pen_.Color);
    SetStrokeStyle(cr_);
    cairo_stroke_preserve(cr_);
  }
  cairo_new_path(cr_);
  cairo_restore(cr_);
}

void TCairoRaster::TextThroughImage(int x, int y, const std::string& text, double angle, const TBitmap& image,
                                    int widenWidth) {
  if (!cr_ || image.Empty()) return;
  const TPlacedText placed = PlaceText(text);
  if (!placed.Layout || placed.Width <= 0 || placed.Height <= 0) return;
  cairo_save(cr_);
  cairo_set_antialias(cr_, TextAntialias());
  EnterTextBox(cr_, x, y, angle, placed);
  cairo_push_group_with_content(cr_, CAIRO_CONTENT_ALPHA);
  cairo_new_path(cr_);
  AddGlyphs(cr_, placed, angle, true);
  cairo_set_source_rgba(cr_, 0, 0, 0, 1);
  if (widenWidth > 0) {
    cairo_set_line_width(cr_, widenWidth);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr_);
  } else {
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr_);
  }
  cairo_pattern_t* mask = cairo_pop_group(cr_);
  cairo_pattern_t* source = cairo_pattern_create_for_surface(image.Surface());
  cairo_matrix_t toImage;
  cairo_matrix_init_scale(&toImage, double(image.Width()) / placed.Width, double(image.Height()) / placed.Height);
  cairo_pattern_set_matrix(source, &toImage);
  cairo_pattern_set_extend(source, CAIRO_EXTEND_PAD);
  cairo_set_source(cr_, source);
  cairo_mask(cr_, mask);
  cairo_pattern_destroy(source);
  cairo_pattern_destroy(mask);
  cairo_restore(cr_);
}

}  // namespace quil

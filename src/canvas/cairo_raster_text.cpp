#include <pango/pangocairo.h>

#include <cmath>

#include "canvas/cairo_raster.h"
#include "canvas/canvas_types.h"

namespace quil {

void TCairoRaster::SetFont(const TRasterFont& font) {
  if (font == font_) return;
  font_ = font;
  fontDirty_ = true;
}

PangoLayout* TCairoRaster::Layout() {
  if (!pango_) {
    pango_ = pango_font_map_create_context(pango_cairo_font_map_get_default());
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(pango_, options);
    cairo_font_options_destroy(options);
    pango_cairo_context_set_resolution(pango_, 96);
    layout_ = pango_layout_new(pango_);
  }
  if (fontDirty_) {
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, font_.Name.c_str());
    pango_font_description_set_absolute_size(desc, std::max(1, font_.PixelSize) * double(PANGO_SCALE));
    pango_font_description_set_weight(desc, font_.Bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(desc, font_.Italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_layout_set_font_description(layout_, desc);
    pango_font_description_free(desc);
    PangoAttrList* attrs = pango_attr_list_new();
    if (font_.Underline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (font_.StrikeOut) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
    if (font_.InterCharSize != 0)
      pango_attr_list_insert(attrs, pango_attr_letter_spacing_new(font_.InterCharSize * PANGO_SCALE));
    pango_layout_set_attributes(layout_, attrs);
    pango_attr_list_unref(attrs);
    fontDirty_ = false;
  }
  return layout_;
}

TPoint TCairoRaster::TextExtent(const std::string& text) {
  PangoLayout* layout = Layout();
  pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
  int w = 0, h = 0;
  pango_layout_get_pixel_size(layout, &w, &h);
  if (text.empty()) w = 0;
  return {w, h};
}

void TCairoRaster::TextOut(int x, int y, const std::string& text, double angle) {
  if (!cr_ || text.empty()) return;
  PangoLayout* layout = Layout();
  pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
  int w = 0, h = 0;
  pango_layout_get_pixel_size(layout, &w, &h);
  const int baseline = pango_layout_get_baseline(layout) / PANGO_SCALE;
  const int horizontal = HorizontalTextAlign(textAlign_);
  const double dx = horizontal == TA_CENTER ? -(w / 2) : horizontal == TA_RIGHT ? -w : 0;
  const double dy = (textAlign_ & TA_BASELINE) == TA_BASELINE ? -baseline : (textAlign_ & TA_BOTTOM) ? -h : 0;
  cairo_save(cr_);
  cairo_translate(cr_, x, y);
  if (angle != 0) cairo_rotate(cr_, -angle * QuilPiStep);
  if (backMode_ == 2 && backColor_ != clNone) {
    SetSourceColor(cr_, backColor_);
    cairo_rectangle(cr_, dx, dy, w, h);
    cairo_fill(cr_);
  }
  if (textColor_ != clNone) {
    SetSourceColor(cr_, textColor_);
    cairo_move_to(cr_, dx, dy);
    pango_cairo_show_layout(cr_, layout);
  }
  cairo_restore(cr_);
}

}  // namespace quil

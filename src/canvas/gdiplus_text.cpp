#include "canvas/gdiplus_text.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <limits>

#include "canvas/private_fonts.h"

namespace quil {

namespace {

constexpr double kResolution = 96;
// Measurements kept before the cache starts afresh; a chart shows far fewer distinct labels.
constexpr std::size_t kMaxMeasured = 8192;

void ConfigureRendering(cairo_font_options_t* options, TGPTextHint hint) {
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  switch (hint) {
    case thSingleBitPerPixelGridFit:
      cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
      cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
      break;
    case thAntiAlias:
      cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
      cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
      break;
    case thClearTypeGridFit:
      // The buffer's sub-pixel order is unknown, so the grid-fitted hint stays grey.
      cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
      cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
      break;
    default: break;
  }
}

void FreeContext(PangoContext*& context, PangoLayout*& layout) {
  if (layout) g_object_unref(layout);
  if (context) g_object_unref(context);
  layout = nullptr;
  context = nullptr;
}

std::size_t TrimmedLength(const std::string& text) {
  std::size_t n = text.size();
  while (n > 0 && (text[n - 1] == ' ' || text[n - 1] == '\t')) --n;
  return n;
}

}  // namespace

TGPTextEngine::TGPTextEngine(PangoFontMap* fontMap) : fontMap_(fontMap) {
  if (fontMap_) g_object_ref(fontMap_);
  contextMap_ = FontMapOf(font_);
}

TGPTextEngine::~TGPTextEngine() {
  FreeContexts();
  if (fontMap_) g_object_unref(fontMap_);
}

void TGPTextEngine::FreeContexts() {
  FreeContext(measure_.Context, measure_.Layout);
  for (TRenderContext& r : render_) FreeContext(r.Context, r.Layout);
}

// The carried fonts live in a font map of their own; contexts of the other map cannot use them.
void TGPTextEngine::SetFont(const TGPFontDescription& font) {
  if (font == font_) return;
  font_ = font;
  ++fontGeneration_;
  fontKey_ = font.Family + '\x01' + std::to_string(font.Size) + '\x01' + std::to_string(font.Style) + '\x01';
  if (PangoFontMap* map = FontMapOf(font); map != contextMap_) {
    FreeContexts();
    contextMap_ = map;
  }
}

PangoFontMap* TGPTextEngine::FontMapOf(const TGPFontDescription& font) const {
  if (const TPrivateFace* face = QuilPrivateFont(font.Family)) return face->FontMap;
  return fontMap_ ? fontMap_ : pango_cairo_font_map_get_default();
}

PangoContext* TGPTextEngine::NewContext(TGPTextHint hint) const { return NewContext(contextMap_, hint); }

PangoContext* TGPTextEngine::NewContext(PangoFontMap* map, TGPTextHint hint) const {
  PangoContext* context = pango_font_map_create_context(map);
  pango_cairo_context_set_resolution(context, kResolution);
  cairo_font_options_t* options = cairo_font_options_create();
  ConfigureRendering(options, hint);
  pango_cairo_context_set_font_options(context, options);
  cairo_font_options_destroy(options);
  return context;
}

namespace {

// The largest em the text engine draws, in pixels. Pango and FreeType compute glyph sizes in
// int and 16.16 fixed point: far above this they fail to make the font (and keep what they had
// allocated for it), so a canvas zoomed that far draws its text at this size.
constexpr double kLargestEmPixels = 4000;

// Points in Pango's int units, at least one and at most the largest em.
int PangoSizeUnits(double points) {
  const double units = std::min(points, kLargestEmPixels * 72 / kResolution) * PANGO_SCALE + 0.5;
  return units >= 1 ? static_cast<int>(units) : 1;
}

double PangoAbsoluteUnits(double emPixels) { return std::min(emPixels, kLargestEmPixels) * PANGO_SCALE; }

}  // namespace

void TGPTextEngine::ApplyFont(PangoLayout* layout, const TGPFontDescription& font, double emPixels) const {
  PangoFontDescription* desc = pango_font_description_new();
  const TPrivateFace* face = QuilPrivateFont(font.Family);
  const std::string& family = face ? face->Family : font.Family;
  pango_font_description_set_family(desc, family.empty() ? "Sans" : family.c_str());
  if (emPixels > 0)
    pango_font_description_set_absolute_size(desc, PangoAbsoluteUnits(emPixels));
  else
    pango_font_description_set_size(desc, PangoSizeUnits(font.Size));
  pango_font_description_set_weight(desc, (font.Style & 1) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(desc, (font.Style & 2) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_layout_set_font_description(layout, desc);
  pango_font_description_free(desc);
  PangoAttrList* attrs = pango_attr_list_new();
  if (font.Style & 4) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (font.Style & 8) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
  pango_layout_set_attributes(layout, attrs);
  pango_attr_list_unref(attrs);
}

const TGPTextEngine::TMeasured& TGPTextEngine::MeasureCached(const std::string& text) {
  const std::string key = fontKey_ + text;
  if (auto it = measured_.find(key); it != measured_.end()) return it->second;
  if (measured_.size() >= kMaxMeasured) measured_.clear();
  if (!measure_.Context) {
    measure_.Context = NewContext(thSystemDefault);
    measure_.Layout = pango_layout_new(measure_.Context);
  }
  if (measure_.FontGeneration != fontGeneration_) {
    ApplyFont(measure_.Layout, font_, 0);
    measure_.FontGeneration = fontGeneration_;
  }
  PangoLayout* layout = measure_.Layout;
  pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
  ++measureLayouts_;
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  TMeasured m;
  m.Box = {text.empty() ? 0.0 : logical.width / double(PANGO_SCALE), logical.height / double(PANGO_SCALE)};
  m.TypographicWidth = m.Box.Width;
  const std::size_t trimmed = TrimmedLength(text);
  if (trimmed < text.size() && pango_layout_get_line_count(layout) == 1) {
    PangoRectangle pos;
    pango_layout_index_to_pos(layout, static_cast<int>(trimmed), &pos);
    m.TypographicWidth = std::max(0.0, (pos.x - logical.x) / double(PANGO_SCALE));
  }
  m.Baseline = pango_layout_get_baseline(layout) / double(PANGO_SCALE);
  return measured_.emplace(key, m).first->second;
}

TGPTextSize TGPTextEngine::Measure(const std::string& text, bool typographic) {
  const TMeasured& m = MeasureCached(text);
  if (!typographic) return m.Box;
  return {m.TypographicWidth, m.Box.Height};
}

double TGPTextEngine::Baseline(const std::string& text) { return MeasureCached(text).Baseline; }

TGPTextEngine::TRenderContext& TGPTextEngine::RenderContext(TGPTextHint hint) {
  TRenderContext& r = render_[static_cast<std::size_t>(hint) % render_.size()];
  if (!r.Context) {
    r.Context = NewContext(hint);
    r.Layout = pango_layout_new(r.Context);
  }
  if (r.FontGeneration != fontGeneration_) {
    ApplyFont(r.Layout, font_, 0);
    r.FontGeneration = fontGeneration_;
  }
  return r;
}

void TGPTextEngine::Draw(cairo_t* cr, double x, double y, const std::string& text, TGPTextHint hint) {
  if (text.empty()) return;
  PangoLayout* layout = RenderContext(hint).Layout;
  pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, layout);
  cairo_new_path(cr);
}

void TGPTextEngine::AddOutline(TGPPath& path, const std::string& text, double x, double y,
                               const TGPFontDescription& font, double emPixels) {
  if (text.empty()) return;
  cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* cr = cairo_create(scratch);
  PangoFontMap* map = FontMapOf(font);
  PangoContext* own = map == contextMap_ ? nullptr : NewContext(map, thAntiAlias);
  PangoLayout* layout = pango_layout_new(own ? own : RenderContext(thAntiAlias).Context);
  ApplyFont(layout, font, emPixels);
  pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
  cairo_move_to(cr, x, y);
  pango_cairo_layout_path(cr, layout);
  cairo_path_t* outline = cairo_copy_path(cr);
  if (outline->status == CAIRO_STATUS_SUCCESS) path.AddCairoPath(*outline);
  cairo_path_destroy(outline);
  g_object_unref(layout);
  if (own) g_object_unref(own);
  cairo_destroy(cr);
  cairo_surface_destroy(scratch);
}

}  // namespace quil

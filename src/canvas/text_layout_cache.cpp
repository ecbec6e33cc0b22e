#include "canvas/text_layout_cache.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <string>

namespace quil {

namespace {

constexpr double kLargestEm = 4000;

cairo_antialias_t AntialiasOfQuality(int quality) {
  switch (quality) {
    case 4: return CAIRO_ANTIALIAS_GRAY;
    case 5: return CAIRO_ANTIALIAS_SUBPIXEL;
    default: return CAIRO_ANTIALIAS_NONE;  // 3, and the plain canvas's own default
  }
}

std::string FontKey(const TRasterFont& f) {
  std::string key = f.Name;
  key += '\x1f';
  key += std::to_string(FontEmPixels(f));
  key += '\x1f';
  key += std::to_string(f.Quality);
  key += '\x1f';
  key += std::to_string(f.InterCharSize);
  key += f.Bold ? 'B' : '-';
  key += f.Italic ? 'I' : '-';
  key += f.Underline ? 'U' : '-';
  key += f.StrikeOut ? 'S' : '-';
  return key;
}

}  // namespace

double FontEmPixels(const TRasterFont& font) {
  const double em = font.EmSize > 0 ? font.EmSize : font.PixelSize;
  if (!(em >= 0.5)) return 0;
  return std::min(em, kLargestEm);
}

std::string SingleLineText(const std::string& text) {
  if (text.find_first_of("\r\n") == std::string::npos) return text;
  std::string line;
  line.reserve(text.size());
  for (char c : text)
    if (c != '\r' && c != '\n') line += c;
  return line;
}

void TTextLayoutCache::TContextRelease::operator()(PangoContext* c) const { g_object_unref(c); }
void TTextLayoutCache::TDescriptionRelease::operator()(PangoFontDescription* d) const {
  pango_font_description_free(d);
}

TTextLayoutCache::TTextLayoutCache(std::size_t capacity) : capacity_(std::max<std::size_t>(1, capacity)) {}

TTextLayoutCache::~TTextLayoutCache() { Clear(); }

void TTextLayoutCache::Clear() {
  for (TEntry& e : entries_) g_object_unref(e.Layout);
  entries_.clear();
  index_.clear();
  descriptions_.clear();
}

// Metrics are hinted (whole pixels), as the plain canvas places text on whole pixels.
PangoContext* TTextLayoutCache::Context(int quality) {
  const cairo_antialias_t antialias = AntialiasOfQuality(quality);
  auto found = contexts_.find(antialias);
  if (found != contexts_.end()) return found->second.get();
  PangoContext* context = pango_font_map_create_context(pango_cairo_font_map_get_default());
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, antialias);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  pango_cairo_context_set_font_options(context, options);
  cairo_font_options_destroy(options);
  pango_cairo_context_set_resolution(context, 96);
  contexts_.emplace(antialias, TContextPtr(context));
  return context;
}

const PangoFontDescription* TTextLayoutCache::Description(const TRasterFont& font, const std::string& fontKey) {
  auto found = descriptions_.find(fontKey);
  if (found != descriptions_.end()) return found->second.get();
  if (descriptions_.size() >= 64) descriptions_.clear();
  PangoFontDescription* desc = pango_font_description_new();
  pango_font_description_set_family(desc, font.Name.c_str());
  pango_font_description_set_absolute_size(desc, FontEmPixels(font) * PANGO_SCALE);
  pango_font_description_set_weight(desc, font.Bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(desc, font.Italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  return descriptions_.emplace(fontKey, TDescriptionPtr(desc)).first->second.get();
}

PangoLayout* TTextLayoutCache::Build(const TRasterFont& font, const std::string& fontKey, const std::string& text) {
  PangoLayout* layout = pango_layout_new(Context(font.Quality));
  pango_layout_set_single_paragraph_mode(layout, TRUE);
  pango_layout_set_font_description(layout, Description(font, fontKey));
  PangoAttrList* attrs = pango_attr_list_new();
  if (font.Underline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (font.StrikeOut) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
  if (font.InterCharSize != 0)
    pango_attr_list_insert(attrs, pango_attr_letter_spacing_new(font.InterCharSize * PANGO_SCALE));
  pango_layout_set_attributes(layout, attrs);
  pango_attr_list_unref(attrs);
  std::string line = SingleLineText(text);
  if (!g_utf8_validate(line.c_str(), static_cast<gssize>(line.size()), nullptr)) {
    gchar* valid = g_utf8_make_valid(line.c_str(), static_cast<gssize>(line.size()));
    line = valid;
    g_free(valid);
  }
  pango_layout_set_text(layout, line.c_str(), static_cast<int>(line.size()));
  ++built_;
  return layout;
}

PangoLayout* TTextLayoutCache::Layout(const TRasterFont& font, const std::string& text) {
  const std::string fontKey = FontKey(font);
  std::string key = fontKey;
  key += '\0';
  key += text;
  auto found = index_.find(key);
  if (found != index_.end()) {
    entries_.splice(entries_.begin(), entries_, found->second);
    return found->second->Layout;
  }
  PangoLayout* layout = Build(font, fontKey, text);
  entries_.push_front({key, layout});
  index_.emplace(std::move(key), entries_.begin());
  Evict();
  return layout;
}

void TTextLayoutCache::Evict() {
  while (entries_.size() > capacity_) {
    index_.erase(entries_.back().Key);
    g_object_unref(entries_.back().Layout);
    entries_.pop_back();
  }
}

}  // namespace quil

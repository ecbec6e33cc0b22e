#pragma once

#include <pango/pango.h>

#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

#include "canvas/raster_backend.h"

namespace quil {

// Pango layouts of the plain canvas by font and text. Labels are measured before they are
// drawn, often several times per paint, so a label laid out once is not laid out again until
// it drops out of the most recently used entries.
class TTextLayoutCache {
 public:
  explicit TTextLayoutCache(std::size_t capacity = 512);
  ~TTextLayoutCache();
  TTextLayoutCache(const TTextLayoutCache&) = delete;
  TTextLayoutCache& operator=(const TTextLayoutCache&) = delete;

  // The single-line layout of text in font. The cache owns it; it stays valid until the
  // next call. Line breaks in text are not drawn.
  PangoLayout* Layout(const TRasterFont& font, const std::string& text);
  // How many layouts were built so far (measuring a cached label builds none).
  std::size_t LayoutsBuilt() const { return built_; }
  void Clear();

 private:
  struct TEntry {
    std::string Key;
    PangoLayout* Layout = nullptr;
  };
  struct TContextRelease {
    void operator()(PangoContext* c) const;
  };
  struct TDescriptionRelease {
    void operator()(PangoFontDescription* d) const;
  };
  using TContextPtr = std::unique_ptr<PangoContext, TContextRelease>;
  using TDescriptionPtr = std::unique_ptr<PangoFontDescription, TDescriptionRelease>;

  PangoContext* Context(int quality);
  const PangoFontDescription* Description(const TRasterFont& font, const std::string& fontKey);
  PangoLayout* Build(const TRasterFont& font, const std::string& fontKey, const std::string& text);
  void Evict();

  std::size_t capacity_;
  std::size_t built_ = 0;
  std::unordered_map<int, TContextPtr> contexts_;
  std::unordered_map<std::string, TDescriptionPtr> descriptions_;
  std::list<TEntry> entries_;  // most recently used first
  std::unordered_map<std::string, std::list<TEntry>::iterator> index_;
};

// The em height of font in pixels; 0 when the font has no size (nothing can be drawn with
// it). Sizes beyond a few thousand pixels are held there: no screen shows more.
double FontEmPixels(const TRasterFont& font);

// The text as one line: carriage returns and line feeds are left out.
std::string SingleLineText(const std::string& text);

}  // namespace quil

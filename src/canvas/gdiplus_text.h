#pragma once

#include <cairo.h>
#include <pango/pango.h>

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "canvas/gdiplus_graphics.h"
#include "canvas/gdiplus_path.h"

namespace quil {

// The backend font: an installed family (or the nearest Pango finds; "Elektra" and "DS-Digital"
// are the fonts the program carries), a size in points and style bits bold 1, italic 2,
// underline 4, strike-out 8.
struct TGPFontDescription {
  std::string Family;
  float Size = 8;
  uint32_t Style = 0;
  friend bool operator==(const TGPFontDescription&, const TGPFontDescription&) = default;
};

// The logical box of a text laid out from (0, 0), in pixels.
struct TGPTextSize {
  double Width = 0;
  double Height = 0;
};

// Text for the anti-aliased canvas through Pango at 96 dpi with unhinted metrics, so sizes are
// fractional and do not depend on the rendering hint. Measurements are kept per font and text,
// so measuring a label again lays nothing out.
class TGPTextEngine {
 public:
  // Takes its own reference to the font map.
  explicit TGPTextEngine(PangoFontMap* fontMap);
  ~TGPTextEngine();
  TGPTextEngine(const TGPTextEngine&) = delete;
  TGPTextEngine& operator=(const TGPTextEngine&) = delete;

  void SetFont(const TGPFontDescription& font);
  const TGPFontDescription& Font() const { return font_; }

  // The default box holds the whole text; the typographic one leaves out trailing blanks.
  TGPTextSize Measure(const std::string& text, bool typographic);
  // Distance from the top of the box to the first line's baseline.
  double Baseline(const std::string& text);
  // The text with its box's top-left corner at (x, y), painted with cr's source.
  void Draw(cairo_t* cr, double x, double y, const std::string& text, TGPTextHint hint);
  // The outline of the text at (x, y) in the family and style of font, em size in pixels.
  void AddOutline(TGPPath& path, const std::string& text, double x, double y, const TGPFontDescription& font,
                  double emPixels);

  // How many times text was laid out to be measured.
  int MeasureLayouts() const { return measureLayouts_; }

 private:
  struct TMeasured {
    TGPTextSize Box;
    double TypographicWidth = 0;
    double Baseline = 0;
  };
  struct TRenderContext {
    PangoContext* Context = nullptr;
    PangoLayout* Layout = nullptr;
    unsigned FontGeneration = 0;
  };

  const TMeasured& MeasureCached(const std::string& text);
  PangoContext* NewContext(TGPTextHint hint) const;
  PangoContext* NewContext(PangoFontMap* map, TGPTextHint hint) const;
  // The map a font's family is found in: the carried fonts' own, or the engine's.
  PangoFontMap* FontMapOf(const TGPFontDescription& font) const;
  void FreeContexts();
  void ApplyFont(PangoLayout* layout, const TGPFontDescription& font, double emPixels) const;
  TRenderContext& RenderContext(TGPTextHint hint);

  PangoFontMap* fontMap_;
  // The map the cached contexts were made with.
  PangoFontMap* contextMap_ = nullptr;
  TGPFontDescription font_;
  unsigned fontGeneration_ = 1;
  std::string fontKey_;
  TRenderContext measure_;
  std::array<TRenderContext, 6> render_{};
  std::unordered_map<std::string, TMeasured> measured_;
  int measureLayouts_ = 0;
};

}  // namespace quil

#pragma once

#include <functional>
#include <memory>

#include "canvas/gradient.h"
#include "canvas/pen.h"
#include "canvas/shadow.h"
#include "chart/legend_types.h"

namespace quil {

class TBitmap;
class TCanvas3D;

// How the legend draws the coloured symbol of each item: its size (in pixels, or in percent
// of the item height and of the legend width), whether it is square, before or after the
// texts, one continuous bar through all items, and its own pen, gradient, shadow and emboss.
class TLegendSymbol : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TLegendSymbol(TChangeHandler onChange = nullptr);
  ~TLegendSymbol() override;

  bool Continuous() const { return continuous_; }
  void SetContinuous(bool v) { SetValue(continuous_, v); }
  // On: symbols are framed with the pen the series gives; off: with Pen.
  bool DefaultPen() const { return defaultPen_; }
  void SetDefaultPen(bool v) { SetValue(defaultPen_, v); }
  int Height() const { return height_; }
  void SetHeight(int v) { SetValue(height_, v); }
  TLegendSymbolSize HeightUnits() const { return heightUnits_; }
  void SetHeightUnits(TLegendSymbolSize v) { SetValue(heightUnits_, v); }
  TLegendSymbolPosition Position() const { return position_; }
  void SetPosition(TLegendSymbolPosition v) { SetValue(position_, v); }
  // Square symbols: as wide as they are high.
  bool Squared() const { return squared_; }
  void SetSquared(bool v) { SetValue(squared_, v); }
  // A picture a series supplies is stretched over the symbol instead of the coloured box.
  bool UseImages() const { return useImages_; }
  void SetUseImages(bool v) { SetValue(useImages_, v); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { SetValue(visible_, v); }
  int Width() const { return width_; }
  void SetWidth(int v) { SetValue(width_, v); }
  TLegendSymbolSize WidthUnits() const { return widthUnits_; }
  void SetWidthUnits(TLegendSymbolSize v) { SetValue(widthUnits_, v); }

  TQuilPen& Pen() { return *pen_; }
  const TQuilPen& Pen() const { return *pen_; }
  void SetPen(const TQuilPen& pen) { pen_->Assign(pen); }
  TQuilGradient& Gradient() { return *gradient_; }
  const TQuilGradient& Gradient() const { return *gradient_; }
  void SetGradient(const TQuilGradient& gradient) { gradient_->Assign(gradient); }
  TQuilShadow& Shadow() { return *shadow_; }
  const TQuilShadow& Shadow() const { return *shadow_; }
  void SetShadow(const TQuilShadow& shadow) { shadow_->Assign(shadow); }
  // Created on first use, invisible, one pixel.
  TQuilEmboss& Emboss();
  const TQuilEmboss* EmbossOrNull() const { return emboss_.get(); }
  void SetEmboss(const TQuilEmboss& emboss) { Emboss().Assign(emboss); }

  // Draws an item's symbol instead of its series (sender, item index, symbol rectangle).
  std::function<void(TLegendSymbol&, int index, const TRect& rect)> OnDraw;

  // The symbol height in pixels for items itemHeight high whose text is textHeight high.
  int CalcHeight(int itemHeight, int textHeight) const;
  // The symbol width in pixels: 0 when hidden; the height (less the legend's vertical spacing)
  // when squared; else Width pixels or percent of the legend's total width.
  int CalcWidth(int totalWidth, int symbolHeight, int vertSpacing) const;
  // The horizontal and vertical room the shadow and emboss take beside the symbol.
  int ShadowHorizSize() const;
  int ShadowVertSize() const;
  int EmbossHorizSize() const;
  int EmbossVertSize() const;

  // Draws the symbol box over rect in color with the canvas's brush and pen (graphic, when
  // given and UseImages is on, is stretched over it instead). A black box on a black legend
  // gets a white frame.
  void Draw(TCanvas3D& canvas, TColor color, const TRect& rect, const TBitmap* graphic, TColor legendColor) const;

  bool AssignSettings(const TPersistent& source) override;
  void SetOnChange(TChangeHandler onChange) override;

 private:
  template <class T>
  void SetValue(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void DrawEffects(TCanvas3D& canvas, const TRect& rect) const;

  std::unique_ptr<TQuilPen> pen_;
  std::unique_ptr<TQuilGradient> gradient_;
  std::unique_ptr<TQuilShadow> shadow_;
  std::unique_ptr<TQuilEmboss> emboss_;
  int height_ = 100;
  int width_ = 20;
  TLegendSymbolSize heightUnits_ = lcsPercent;
  TLegendSymbolSize widthUnits_ = lcsPercent;
  TLegendSymbolPosition position_ = spLeft;
  bool continuous_ = false;
  bool defaultPen_ = true;
  bool squared_ = true;
  bool useImages_ = true;
  bool visible_ = true;
};

}  // namespace quil

#include "chart/legend_symbol.h"

#include <cstdlib>

#include "canvas/canvas3d.h"
#include "canvas/shadow_drawing.h"
#include "core/rounding.h"

namespace quil {

const TMetaClass& TLegendSymbol::StaticClass() {
  using S = TLegendSymbol;
  static const TMetaClass meta(
      "TLegendSymbol", &TGraphicsObject::StaticClass(),
      TPropertyListBuilder<S>()
          .Bool("Continuous", &S::Continuous, &S::SetContinuous, false)
          .Bool("DefaultPen", &S::DefaultPen, &S::SetDefaultPen, true)
          .Object("Emboss", &S::Emboss)
          .StoredWhen([](const S& s) { return s.EmbossOrNull() != nullptr; })
          .Object("Gradient", static_cast<TQuilGradient& (S::*)()>(&S::Gradient))
          .Int("Height", &S::Height, &S::SetHeight, 100)
          .Enum("HeightUnits", LegendSymbolSizeInfo(), &S::HeightUnits, &S::SetHeightUnits, lcsPercent)
          .Event("OnDraw")
          .Object("Pen", static_cast<TQuilPen& (S::*)()>(&S::Pen))
          .Enum("Position", LegendSymbolPositionInfo(), &S::Position, &S::SetPosition, spLeft)
          .Object("Shadow", static_cast<TQuilShadow& (S::*)()>(&S::Shadow))
          .Bool("Squared", &S::Squared, &S::SetSquared, true)
          .Bool("UseImages", &S::UseImages, &S::SetUseImages, true)
          .Bool("Visible", &S::Visible, &S::SetVisible, true)
          .Int("Width", &S::Width, &S::SetWidth, 20)
          .Enum("WidthUnits", LegendSymbolSizeInfo(), &S::WidthUnits, &S::SetWidthUnits, lcsPercent)
          .Build());
  return meta;
}

TLegendSymbol::TLegendSymbol(TChangeHandler onChange)
    : TGraphicsObject(onChange),
      pen_(std::make_unique<TQuilPen>(onChange)),
      gradient_(std::make_unique<TQuilGradient>(onChange)),
      shadow_(std::make_unique<TQuilShadow>(onChange)) {
  shadow_->InitValues(true, clSilver, 1);
}

TLegendSymbol::~TLegendSymbol() = default;

TQuilEmboss& TLegendSymbol::Emboss() {
  if (!emboss_) {
    emboss_ = std::make_unique<TQuilEmboss>(OnChange());
    emboss_->InitValues(false, clBlack, 1);
  }
  return *emboss_;
}

void TLegendSymbol::SetOnChange(TChangeHandler onChange) {
  pen_->SetOnChange(onChange);
  gradient_->SetOnChange(onChange);
  shadow_->SetOnChange(onChange);
  if (emboss_) emboss_->SetOnChange(onChange);
  TGraphicsObject::SetOnChange(std::move(onChange));
}

int TLegendSymbol::CalcHeight(int itemHeight, int textHeight) const {
  if (heightUnits_ == lcsPixels) return height_;
  if (height_ > 100) return textHeight;
  return QuilRound((itemHeight - 4) * height_ * 0.01);
}

int TLegendSymbol::CalcWidth(int totalWidth, int symbolHeight, int vertSpacing) const {
  if (!visible_) return 0;
  if (squared_) return symbolHeight - vertSpacing;
  if (widthUnits_ == lcsPixels) return width_;
  return QuilRound(totalWidth * width_ * 0.01);
}

int TLegendSymbol::ShadowHorizSize() const { return shadow_->Visible() ? shadow_->HorizSize() : 0; }
int TLegendSymbol::ShadowVertSize() const { return shadow_->Visible() ? shadow_->VertSize() : 0; }
int TLegendSymbol::EmbossHorizSize() const { return emboss_ && emboss_->Visible() ? emboss_->HorizSize() : 0; }
int TLegendSymbol::EmbossVertSize() const { return emboss_ && emboss_->Visible() ? emboss_->VertSize() : 0; }

// Shadow and emboss are drawn with their own colours; the symbol keeps the brush it was given.
void TLegendSymbol::DrawEffects(TCanvas3D& canvas, const TRect& rect) const {
  if (canvas.Brush().Style() == bsClear) return;
  const bool shadow = shadow_->ShouldDraw();
  const bool emboss = emboss_ && emboss_->ShouldDraw();
  if (!shadow && !emboss) return;
  const TColor color = canvas.Brush().Color();
  const TBrushStyle style = canvas.Brush().Style();
  const TBitmap* bitmap = canvas.Brush().Bitmap();
  if (shadow) TShadowPainter(*shadow_, canvas).Draw(rect, 0, 0);
  if (emboss) TShadowPainter(*emboss_, canvas).Draw(rect, 0, 0);
  canvas.Brush().SetColor(color);
  canvas.Brush().SetStyle(style);
  canvas.Brush().SetBitmap(bitmap);
}

// The canvas fills a rectangle to its right and bottom edges whatever its pen, so a symbol
// without a frame covers the same pixels as one with a frame; a wide frame is drawn inside.
void TLegendSymbol::Draw(TCanvas3D& canvas, TColor color, const TRect& rect, const TBitmap* graphic,
                         TColor legendColor) const {
  if (graphic && useImages_) {
    canvas.StretchDraw(rect, *graphic);
    return;
  }
  DrawEffects(canvas, rect);
  if (!defaultPen_) canvas.AssignVisiblePen(*pen_);
  if (gradient_->Visible()) {
    TQuilGradient gradient;
    gradient.AssignSettings(*gradient_);
    gradient.SetEndColor(color);
    canvas.Brush().Gradient().AssignSettings(gradient);
  } else if (const TQuilGradient* own = canvas.Brush().GradientOrNull(); !own || !own->Visible()) {
    if (own) canvas.Brush().Gradient().SetVisible(false);
    canvas.Brush().SetColor(color);
  }
  if (!canvas.Pen().Visible()) {
    if (canvas.Brush().Style() != bsClear) canvas.Rectangle(rect);
    return;
  }
  if (defaultPen_ && color == clBlack && legendColor == clBlack) canvas.Pen().SetColor(clWhite);
  const int inset = canvas.Pen().Width() / 2;
  canvas.Rectangle(InflateRect(rect, -inset, -inset));
}

bool TLegendSymbol::AssignSettings(const TPersistent& source) {
  const auto* s = dynamic_cast<const TLegendSymbol*>(&source);
  if (!s) return false;
  continuous_ = s->continuous_;
  defaultPen_ = s->defaultPen_;
  height_ = s->height_;
  heightUnits_ = s->heightUnits_;
  position_ = s->position_;
  squared_ = s->squared_;
  useImages_ = s->useImages_;
  visible_ = s->visible_;
  width_ = s->width_;
  widthUnits_ = s->widthUnits_;
  pen_->AssignSettings(*s->pen_);
  gradient_->AssignSettings(*s->gradient_);
  shadow_->AssignSettings(*s->shadow_);
  if (s->emboss_)
    Emboss().AssignSettings(*s->emboss_);
  else
    emboss_.reset();
  OnDraw = s->OnDraw;
  return true;
}

}  // namespace quil

#include "canvas/font.h"

#include <cmath>

#include "canvas/font_defaults.h"
#include "canvas/store_if_changed.h"
#include "core/color_idents.h"
#include "core/rounding.h"

namespace quil {

namespace {

const TEnumInfo& FontStyleInfo() {
  static const TEnumInfo info{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
  return info;
}

const TEnumInfo& FontQualityInfo() {
  static const TEnumInfo info{"TFontQuality", {"fqBest", "fqNormal", "fqDefault", "fqClearType"}};
  return info;
}

constexpr double kPointsPerInch = 72.0;

// In floating point: a size from a zoomed canvas or a stored file can be far beyond what fits an
// int once multiplied; QuilRound then reports it instead of the product overflowing.
int HeightOfSize(double size, int pixelsPerInch) { return -QuilRound(size * pixelsPerInch / kPointsPerInch); }

}  // namespace

const TMetaClass& TFont::StaticClass() {
  static const TMetaClass meta(
      "TFont", &TGraphicsObject::StaticClass(),
      TPropertyListBuilder<TFont>()
          .Int("Charset", &TFont::Charset, &TFont::SetCharset, 1, &CharsetIdents())
          .Int("Color", &TFont::Color, &TFont::SetColor, clBlack, &ColorIdents())
          .StoredWhen([](const TFont& f) { return f.color_ != f.defColor_; })
          .Int("Height", &TFont::Height, &TFont::SetHeight)
          .StoredWhen([](const TFont& f) { return f.Size() != QuilDefaultFontSize(); })
          .String("Name", &TFont::Name, &TFont::SetName, QuilMsg_DefaultFontName)
          .StoredWhen([](const TFont& f) { return f.name_ != QuilMsg_DefaultFontName; })
          .Int("Size", &TFont::Size, &TFont::SetSize)
          .StoredWhen([](const TFont&) { return false; })
          .Set("Style", FontStyleInfo(), &TFont::Style, &TFont::SetStyle, 0)
          .StoredWhen([](const TFont& f) { return f.style_ != f.defStyle_; })
          .Build());
  return meta;
}

TFont::TFont(TChangeHandler onChange)
    : TGraphicsObject(std::move(onChange)), name_(QuilMsg_DefaultFontName) {
  height_ = HeightOfSize(QuilDefaultFontSize(), pixelsPerInch_);
}

void TFont::SetName(const std::string& name) {
  if (StoreIfChanged(name_, name)) Changed();
}

int TFont::Size() const { return -QuilRound(height_ * kPointsPerInch / pixelsPerInch_); }

void TFont::SetSize(int size) { SetHeight(HeightOfSize(size, pixelsPerInch_)); }

void TFont::SetHeight(int height) {
  if (StoreIfChanged(height_, height)) Changed();
}

void TFont::SetColor(TColor color) {
  if (StoreIfChanged(color_, color)) Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (StoreIfChanged(style_, style)) Changed();
}

void TFont::SetCharset(int charset) {
  if (StoreIfChanged(charset_, charset)) Changed();
}

void TFont::SetPixelsPerInch(int ppi) {
  if (ppi <= 0 || ppi == pixelsPerInch_) return;
  const int size = Size();
  pixelsPerInch_ = ppi;
  SetHeight(HeightOfSize(size, ppi));
}

bool TFont::AssignSettings(const TPersistent& source) {
  const auto* font = dynamic_cast<const TFont*>(&source);
  if (!font) return false;
  name_ = font->name_;
  pixelsPerInch_ = font->pixelsPerInch_;
  height_ = font->height_;
  color_ = font->color_;
  style_ = font->style_;
  charset_ = font->charset_;
  return true;
}

const TMetaClass& TQuilFont::StaticClass() {
  using F = TQuilFont;
  static const TMetaClass meta(
      "TQuilFont", &TFont::StaticClass(),
      TPropertyListBuilder<F>()
          .Object("Brush", static_cast<TQuilBrush& (F::*)()>(&F::Brush))
          .Bool("DefaultFont", &F::DefaultFont, &F::SetDefaultFont, false)
          .Float("Depth", &F::Depth, &F::SetDepth, 0.0)
          .Object("Emboss", &F::Emboss)
          .Object("Gradient", &F::Gradient)
          .StoredWhen([](const F&) { return false; })
          .Int("InterCharSize", &F::InterCharSize, &F::SetInterCharSize, 0)
          .Object("OutLine", &F::OutLine)
          .Object("Picture", &F::Picture)
          .StoredWhen([](const F&) { return false; })
          .Enum("Quality", FontQualityInfo(), &F::Quality, &F::SetQuality, fqDefault)
          .Object("Shadow", &F::Shadow)
          .Float("SizeFloat", &F::SizeFloat, &F::SetSizeFloat)
          .StoredWhen([](const F& f) { return f.sizeDecimals_ != 0; })
          .Build());
  return meta;
}

TQuilFont::TQuilFont(TChangeHandler onChange) : TFont(onChange), brush_(std::make_unique<TQuilBrush>(onChange)) {
  brush_->InitColor(clBlack);
}

TQuilFont::~TQuilFont() = default;

void TQuilFont::SetBrush(const TQuilBrush& brush) { brush_->Assign(brush); }

float TQuilFont::SizeFloat() const { return static_cast<float>(Size()) + sizeDecimals_; }

void TQuilFont::SetSizeFloat(float size) {
  const float whole = std::floor(size);
  const int newHeight = HeightOfSize(whole, pixelsPerInch_);
  const bool heightChanged = StoreIfChanged(height_, newHeight);
  const bool decimalsChanged = StoreIfChanged(sizeDecimals_, size - whole);
  if (heightChanged || decimalsChanged) Changed();
}

void TQuilFont::SetDefaultFont(bool value) {
  if (StoreIfChanged(defaultFont_, value)) Changed();
}

void TQuilFont::SetDepth(double depth) {
  if (StoreIfChanged(depth_, depth)) Changed();
}

void TQuilFont::SetInterCharSize(int size) {
  if (StoreIfChanged(interCharSize_, size)) Changed();
}

void TQuilFont::SetQuality(TFontQuality quality) {
  if (StoreIfChanged(quality_, quality)) Changed();
}

TQuilHiddenPen& TQuilFont::OutLine() {
  if (!outLine_) outLine_ = std::make_unique<TQuilHiddenPen>(OnChange());
  return *outLine_;
}

void TQuilFont::SetOutLine(const TQuilPen& pen) { OutLine().Assign(pen); }

TQuilEmboss& TQuilFont::Emboss() {
  if (!emboss_) emboss_ = std::make_unique<TQuilEmboss>(OnChange());
  return *emboss_;
}

void TQuilFont::SetEmboss(const TQuilEmboss& emboss) { Emboss().Assign(emboss); }

TQuilShadow& TQuilFont::Shadow() {
  if (!shadow_) shadow_ = std::make_unique<TQuilShadow>(OnChange());
  return *shadow_;
}

void TQuilFont::SetShadow(const TQuilShadow& shadow) { Shadow().Assign(shadow); }

void TQuilFont::InitColor(TColor color) {
  color_ = defColor_ = color;
  brush_->InitColor(color);
}

void TQuilFont::InitStyle(TFontStyles style) { style_ = defStyle_ = style; }

void TQuilFont::SetOnChange(TChangeHandler onChange) {
  brush_->SetOnChange(onChange);
  if (outLine_) outLine_->SetOnChange(onChange);
  if (emboss_) emboss_->SetOnChange(onChange);
  if (shadow_) shadow_->SetOnChange(onChange);
  TFont::SetOnChange(std::move(onChange));
}

namespace {

// Copies an optional sub-object: into a lazily created one, or removes ours when the
// source has none.
template <class T, class Make>
void AssignOptional(std::unique_ptr<T>& target, const std::unique_ptr<T>& source, Make make) {
  if (!source) {
    target.reset();
    return;
  }
  if (!target) target = make();
  target->AssignSettings(*source);
}

}  // namespace

bool TQuilFont::AssignSettings(const TPersistent& source) {
  if (!TFont::AssignSettings(source)) return false;
  const auto* font = dynamic_cast<const TQuilFont*>(&source);
  if (!font) return true;
  brush_->AssignSettings(*font->brush_);
  defaultFont_ = font->defaultFont_;
  depth_ = font->depth_;
  AssignOptional(emboss_, font->emboss_, [this] { return std::make_unique<TQuilEmboss>(OnChange()); });
  interCharSize_ = font->interCharSize_;
  AssignOptional(outLine_, font->outLine_, [this] { return std::make_unique<TQuilHiddenPen>(OnChange()); });
  quality_ = font->quality_;
  AssignOptional(shadow_, font->shadow_, [this] { return std::make_unique<TQuilShadow>(OnChange()); });
  sizeDecimals_ = font->sizeDecimals_;
  return true;
}

}  // namespace quil

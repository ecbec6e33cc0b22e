#include "canvas/brush.h"

#include "canvas/store_if_changed.h"
#include "core/color_idents.h"

namespace quil {

namespace {

const TEnumInfo& BrushStyleInfo() {
  static const TEnumInfo info{
      "TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"}};
  return info;
}

const TEnumInfo& HatchStyleInfo() {
  static const TEnumInfo info{"THatchStyle",
                              {"hsHorizontal",
                               "hsVertical",
                               "hsForwardDiagonal",
                               "hsBackwardDiagonal",
                               "hsCross",
                               "hsDiagonalCross",
                               "hs05Percent",
                               "hs10Percent",
                               "hs20Percent",
                               "hs25Percent",
                               "hs30Percent",
                               "hs40Percent",
                               "hs50Percent",
                               "hs60Percent",
                               "hs70Percent",
                               "hs75Percent",
                               "hs80Percent",
                               "hs90Percent",
                               "hsLightDownwardDiagonal",
                               "hsLightUpwardDiagonal",
                               "hsDarkDownwardDiagonal",
                               "hsDarkUpwardDiagonal",
                               "hsWideDownwardDiagonal",
                               "hsWideUpwardDiagonal",
                               "hsLightVertical",
                               "hsLightHorizontal",
                               "hsNarrowVertical",
                               "hsNarrowHorizontal",
                               "hsDarkVertical",
                               "hsDarkHorizontal",
                               "hsDashedDownwardDiagonal",
                               "hsDashedUpwardDiagonal",
                               "hsDashedHorizontal",
                               "hsDashedVertical",
                               "hsSmallConfetti",
                               "hsLargeConfetti",
                               "hsZigZag",
                               "hsWave",
                               "hsDiagonalBrick",
                               "hsHorizontalBrick",
                               "hsWeave",
                               "hsPlaid",
                               "hsDivot",
                               "hsDottedGrid",
                               "hsDottedDiamond",
                               "hsShingle",
                               "hsTrellis",
                               "hsSphere",
                               "hsSmallGrid",
                               "hsSmallCheckerBoard",
                               "hsLargeCheckerBoard",
                               "hsOutlinedDiamond",
                               "hsSolidDiamond"}};
  return info;
}

// The hatches the plain brush has too.
constexpr int kPlainHatchCount = 6;

}  // namespace

const TMetaClass& TBrush::StaticClass() {
  static const TMetaClass meta("TBrush", &TGraphicsObject::StaticClass(),
                               TPropertyListBuilder<TBrush>()
                                   .Int("Color", &TBrush::Color, &TBrush::SetColor, clWhite, &ColorIdents())
                                   .StoredWhen([](const TBrush& b) { return b.color_ != b.defaultColor_; })
                                   .Enum("Style", BrushStyleInfo(), &TBrush::Style, &TBrush::SetStyle, bsSolid)
                                   .Build());
  return meta;
}

void TBrush::SetColor(TColor color) {
  if (StoreIfChanged(color_, color)) Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (StoreIfChanged(style_, style)) Changed();
}

void TBrush::SetBitmap(const TBitmap* bitmap) {
  if (StoreIfChanged(bitmap_, bitmap)) Changed();
}

bool TBrush::AssignSettings(const TPersistent& source) {
  const auto* brush = dynamic_cast<const TBrush*>(&source);
  if (!brush) return false;
  color_ = brush->color_;
  style_ = brush->style_;
  bitmap_ = brush->bitmap_;
  return true;
}

const TMetaClass& TQuilBrush::StaticClass() {
  static const TMetaClass meta(
      "TQuilBrush", &TBrush::StaticClass(),
      TPropertyListBuilder<TQuilBrush>()
          .Int("BackColor", &TQuilBrush::BackColor, &TQuilBrush::SetBackColor, clNone, &ColorIdents())
          .Int("Color", &TBrush::Color, &TBrush::SetColor, clQuilColor, &ColorIdents())
          .StoredWhen([](const TQuilBrush& b) { return b.Color() != b.DefaultColor(); })
          .Object("Gradient", &TQuilBrush::Gradient)
          .Enum("HatchStyle", HatchStyleInfo(), &TQuilBrush::HatchStyle, &TQuilBrush::SetHatchStyle, hsHorizontal)
          .Object("Image", &TQuilBrush::Image)
          .StoredWhen([](const TQuilBrush& b) { return b.HasImage(); })
          .Build());
  return meta;
}

TQuilBrush::TQuilBrush(TChangeHandler onChange) : TBrush(std::move(onChange)) { color_ = defaultColor_ = clQuilColor; }

TQuilBrush::~TQuilBrush() = default;

void TQuilBrush::SetBackColor(TColor color) {
  if (StoreIfChanged(backColor_, color)) Changed();
}

void TQuilBrush::SetHatchStyle(THatchStyle style) {
  if (!StoreIfChanged(hatchStyle_, style)) return;
  if (style < kPlainHatchCount) style_ = static_cast<TBrushStyle>(static_cast<int>(style) + bsHorizontal);
  Changed();
}

TQuilGradient& TQuilBrush::Gradient() {
  if (!gradient_) gradient_ = std::make_unique<TQuilGradient>(OnChange());
  return *gradient_;
}

void TQuilBrush::SetGradient(const TQuilGradient& gradient) { Gradient().Assign(gradient); }

TQuilPicture& TQuilBrush::Image() {
  if (!image_) image_ = std::make_unique<TQuilPicture>(OnChange());
  return *image_;
}

void TQuilBrush::SetImage(const TQuilPicture& image) { Image().Assign(image); }

void TQuilBrush::Clear() {
  const bool changed = style_ != bsClear || image_ || gradient_;
  style_ = bsClear;
  image_.reset();
  gradient_.reset();
  if (changed) Changed();
}

void TQuilBrush::InitColor(TColor color) { color_ = defaultColor_ = color; }

bool TQuilBrush::HasGraphic() const { return image_ && !image_->Empty(); }

bool TQuilBrush::HasGradient() const { return gradient_ && gradient_->Visible(); }

void TQuilBrush::SetOnChange(TChangeHandler onChange) {
  if (gradient_) gradient_->SetOnChange(onChange);
  if (image_) image_->SetOnChange(onChange);
  TBrush::SetOnChange(std::move(onChange));
}

bool TQuilBrush::AssignSettings(const TPersistent& source) {
  if (!TBrush::AssignSettings(source)) return false;
  const auto* brush = dynamic_cast<const TQuilBrush*>(&source);
  if (!brush) return true;
  if (brush->image_)
    Image().AssignSettings(*brush->image_);
  else
    image_.reset();
  backColor_ = brush->backColor_;
  hatchStyle_ = brush->hatchStyle_;
  if (brush->gradient_)
    Gradient().AssignSettings(*brush->gradient_);
  else
    gradient_.reset();
  return true;
}

}  // namespace quil

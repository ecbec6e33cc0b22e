#include "canvas/pen.h"

#include "canvas/store_if_changed.h"
#include "core/color_idents.h"

namespace quil {

namespace {

const TEnumInfo& PenStyleInfo() {
  static const TEnumInfo info{"TPenStyle",
                              {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame",
                               "psUserStyle", "psAlternate"}};
  return info;
}

const TEnumInfo& PenModeInfo() {
  static const TEnumInfo info{"TPenMode",
                              {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
                               "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask",
                               "pmNotMask", "pmXor", "pmNotXor"}};
  return info;
}

const TEnumInfo& PenEndStyleInfo() {
  static const TEnumInfo info{"TPenEndStyle", {"esRound", "esSquare", "esFlat"}};
  return info;
}

const TEnumInfo& PenJoinStyleInfo() {
  static const TEnumInfo info{"TPenJoinStyle", {"jsRound", "jsBevel", "jsMitter"}};
  return info;
}

}  // namespace

const TMetaClass& TPen::StaticClass() {
  static const TMetaClass meta(
      "TPen", &TGraphicsObject::StaticClass(),
      TPropertyListBuilder<TPen>()
          .Int("Color", &TPen::Color, &TPen::SetColor, clBlack, &ColorIdents())
          .StoredWhen([](const TPen& p) { return p.color_ != p.defaultColor_; })
          .Enum("Mode", PenModeInfo(), &TPen::Mode, &TPen::SetMode, pmCopy)
          .Enum("Style", PenStyleInfo(), &TPen::Style, &TPen::SetStyle, psSolid)
          .Int("Width", &TPen::Width, &TPen::SetWidth, 1)
          .StoredWhen([](const TPen& p) { return p.width_ != p.defaultWidth_; })
          .Build());
  return meta;
}

void TPen::SetColor(TColor color) {
  if (StoreIfChanged(color_, color)) Changed();
}

void TPen::SetWidth(int width) {
  if (StoreIfChanged(width_, width)) Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (StoreIfChanged(style_, style)) Changed();
}

void TPen::SetMode(TPenMode mode) {
  if (StoreIfChanged(mode_, mode)) Changed();
}

bool TPen::AssignSettings(const TPersistent& source) {
  const auto* pen = dynamic_cast<const TPen*>(&source);
  if (!pen) return false;
  color_ = pen->color_;
  width_ = pen->width_;
  style_ = pen->style_;
  mode_ = pen->mode_;
  return true;
}

const TMetaClass& TQuilPen::StaticClass() {
  static const TMetaClass meta(
      "TQuilPen", &TPen::StaticClass(),
      TPropertyListBuilder<TQuilPen>()
          .Enum("EndStyle", PenEndStyleInfo(), &TQuilPen::EndStyle, &TQuilPen::SetEndStyle, esRound)
          .StoredWhen([](const TQuilPen& p) { return p.endStyle_ != p.defaultEnd_; })
          .Object("Fill", &TQuilPen::Fill)
          .Enum("JoinStyle", PenJoinStyleInfo(), &TQuilPen::JoinStyle, &TQuilPen::SetJoinStyle, jsRound)
          .StoredWhen([](const TQuilPen& p) { return p.joinStyle_ != p.defaultJoin_; })
          .Bool("SmallDots", &TQuilPen::SmallDots, &TQuilPen::SetSmallDots, false)
          .Int("SmallSpace", &TQuilPen::SmallSpace, &TQuilPen::SetSmallSpace, 0)
          .Bool("Visible", &TQuilPen::Visible, &TQuilPen::SetVisible, true)
          .StoredWhen([](const TQuilPen& p) { return p.visible_ != p.defaultVisible_; })
          .Build());
  return meta;
}

TQuilPen::TQuilPen(TChangeHandler onChange) : TPen(std::move(onChange)) {}

TQuilPen::~TQuilPen() = default;

void TQuilPen::SetEndStyle(TPenEndStyle style) {
  if (StoreIfChanged(endStyle_, style)) Changed();
}

void TQuilPen::SetJoinStyle(TPenJoinStyle style) {
  if (StoreIfChanged(joinStyle_, style)) Changed();
}

void TQuilPen::SetSmallDots(bool smallDots) {
  if (StoreIfChanged(smallDots_, smallDots)) Changed();
}

void TQuilPen::SetSmallSpace(int space) {
  if (StoreIfChanged(smallSpace_, space)) Changed();
}

void TQuilPen::SetVisible(bool visible) {
  if (StoreIfChanged(visible_, visible)) Changed();
}

TQuilBrush& TQuilPen::Fill() {
  if (!fill_) fill_ = std::make_unique<TQuilBrush>(OnChange());
  return *fill_;
}

void TQuilPen::SetFill(const TQuilBrush& fill) { Fill().Assign(fill); }

int TQuilPen::HalfWidth() const { return (!visible_ || width_ < 2) ? 0 : width_ / 2; }

bool TQuilPen::IsGradientVisible() const { return fill_ && fill_->HasGradient(); }

void TQuilPen::InitColor(TColor color) { color_ = defaultColor_ = color; }

void TQuilPen::InitWidth(int width) { width_ = defaultWidth_ = width; }

void TQuilPen::InitVisible(bool visible) { visible_ = defaultVisible_ = visible; }

void TQuilPen::InitEndStyle(TPenEndStyle style) { endStyle_ = defaultEnd_ = style; }

void TQuilPen::InitJoinStyle(TPenJoinStyle style) { joinStyle_ = defaultJoin_ = style; }

void TQuilPen::SetOnChange(TChangeHandler onChange) {
  if (fill_) fill_->SetOnChange(onChange);
  TPen::SetOnChange(std::move(onChange));
}

bool TQuilPen::AssignSettings(const TPersistent& source) {
  if (!TPen::AssignSettings(source)) return false;
  const auto* pen = dynamic_cast<const TQuilPen*>(&source);
  if (!pen) return true;
  visible_ = pen->visible_;
  smallDots_ = pen->smallDots_;
  smallSpace_ = pen->smallSpace_;
  endStyle_ = pen->endStyle_;
  joinStyle_ = pen->joinStyle_;
  if (pen->fill_)
    Fill().AssignSettings(*pen->fill_);
  else
    fill_.reset();
  return true;
}

const TMetaClass& TQuilHiddenPen::StaticClass() {
  static const TMetaClass meta(
      "TQuilHiddenPen", &TQuilPen::StaticClass(),
      TPropertyListBuilder<TQuilPen>()
          .Bool("Visible", &TQuilPen::Visible, &TQuilPen::SetVisible, false)
          .StoredWhen([](const TQuilPen& p) { return p.Visible() != p.DefaultVisible(); })
          .Build());
  return meta;
}

TQuilHiddenPen::TQuilHiddenPen(TChangeHandler onChange) : TQuilPen(std::move(onChange)) { InitVisible(false); }

const TMetaClass& TDarkGrayPen::StaticClass() {
  static const TMetaClass meta(
      "TDarkGrayPen", &TQuilPen::StaticClass(),
      TPropertyListBuilder<TPen>()
          .Int("Color", &TPen::Color, &TPen::SetColor, clGray, &ColorIdents())
          .StoredWhen([](const TPen& p) { return p.Color() != p.DefaultColor(); })
          .Build());
  return meta;
}

TDarkGrayPen::TDarkGrayPen(TChangeHandler onChange) : TQuilPen(std::move(onChange)) { InitColor(clGray); }

const TMetaClass& TWhitePen::StaticClass() {
  static const TMetaClass meta(
      "TWhitePen", &TQuilPen::StaticClass(),
      TPropertyListBuilder<TPen>()
          .Int("Color", &TPen::Color, &TPen::SetColor, clWhite, &ColorIdents())
          .StoredWhen([](const TPen& p) { return p.Color() != p.DefaultColor(); })
          .Build());
  return meta;
}

TWhitePen::TWhitePen(TChangeHandler onChange) : TQuilPen(std::move(onChange)) { InitColor(clWhite); }

}  // namespace quil

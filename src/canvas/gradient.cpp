#include "canvas/gradient.h"

#include "canvas/store_if_changed.h"
#include "core/color_idents.h"

namespace quil {

namespace {

const TEnumInfo& GradientDirectionInfo() {
  static const TEnumInfo info{"TGradientDirection",
                              {"gdTopBottom", "gdBottomTop", "gdLeftRight", "gdRightLeft", "gdFromCenter",
                               "gdFromTopLeft", "gdFromBottomLeft", "gdRadial", "gdDiagonalUp", "gdDiagonalDown"}};
  return info;
}

constexpr double kMiddleOffset = 0.5;

}  // namespace

const TMetaClass& TCustomQuilGradient::StaticClass() {
  using G = TCustomQuilGradient;
  static const TMetaClass meta(
      "TCustomQuilGradient", &TGraphicsObject::StaticClass(),
      TPropertyListBuilder<G>()
          .Int("Angle", &G::Angle, &G::SetAngle, 0)
          .Int("Balance", &G::Balance, &G::SetBalance, 50)
          .Object("Colors", &G::Colors)
          .StoredWhen([](const G& g) { return g.ColorsNeedStoring(); })
          .Enum("Direction", GradientDirectionInfo(), &G::Direction, &G::SetDirection, gdTopBottom)
          .StoredWhen([](const G& g) { return g.direction_ != g.defaultDirection_; })
          .Int("EndColor", &G::EndColor, &G::SetEndColor, clYellow, &ColorIdents())
          .StoredWhen([](const G& g) { return g.colors_ && g.EndColor() != g.defEnd_; })
          .Int("MidColor", &G::MidColor, &G::SetMidColor, clNone, &ColorIdents())
          .StoredWhen([](const G& g) { return g.colors_ && g.MidColor() != g.defMid_; })
          .Int("RadialX", &G::RadialX, &G::SetRadialX, 0)
          .Int("RadialY", &G::RadialY, &G::SetRadialY, 0)
          .Int("StartColor", &G::StartColor, &G::SetStartColor, clWhite, &ColorIdents())
          .StoredWhen([](const G& g) { return g.colors_ && g.StartColor() != g.defStart_; })
          .Bool("Visible", &G::Visible, &G::SetVisible, false)
          .StoredWhen([](const G& g) { return g.visible_ != g.defaultVisible_; })
          .Build());
  return meta;
}

TCustomQuilGradient::TCustomQuilGradient(TChangeHandler onChange) : TGraphicsObject(std::move(onChange)) {}

TCustomQuilGradient::~TCustomQuilGradient() = default;

void TCustomQuilGradient::SetAngle(int angle) {
  if (StoreIfChanged(angle_, angle)) Changed();
}

void TCustomQuilGradient::SetBalance(int balance) {
  if (StoreIfChanged(balance_, balance)) Changed();
}

void TCustomQuilGradient::SetDirection(TGradientDirection direction) {
  if (StoreIfChanged(direction_, direction)) Changed();
}

void TCustomQuilGradient::SetRadialX(int x) {
  if (StoreIfChanged(radialX_, x)) Changed();
}

void TCustomQuilGradient::SetRadialY(int y) {
  if (StoreIfChanged(radialY_, y)) Changed();
}

void TCustomQuilGradient::SetStartIsEnd(bool value) {
  if (StoreIfChanged(startIsEnd_, value)) Changed();
}

void TCustomQuilGradient::SetVisible(bool visible) {
  if (StoreIfChanged(visible_, visible)) Changed();
}

void TCustomQuilGradient::CreateDefaultColors() {
  colors_ = std::make_unique<TQuilGradientColors>();
  colors_->Add(0, defStart_);
  colors_->Add(1, defEnd_);
  colors_->SetOnChange(OnChange());
}

TQuilGradientColors& TCustomQuilGradient::Colors() {
  if (!colors_) CreateDefaultColors();
  return *colors_;
}

void TCustomQuilGradient::SetColors(const TQuilGradientColors& colors) { Colors().Assign(colors); }

TColor TCustomQuilGradient::StartColor() const {
  if (!colors_) return defStart_;
  return colors_->Count() > 0 ? (*colors_)[0].Color() : clNone;
}

TColor TCustomQuilGradient::EndColor() const {
  if (!colors_) return defEnd_;
  return colors_->Count() > 0 ? (*colors_)[colors_->Count() - 1].Color() : clNone;
}

TColor TCustomQuilGradient::MidColor() const {
  if (!colors_) return defMid_;
  return colors_->Count() >= 3 ? (*colors_)[1].Color() : clNone;
}

void TCustomQuilGradient::SetStartColor(TColor color) {
  if (color == StartColor()) return;
  TQuilGradientColors& colors = Colors();
  if (colors.Count() == 0)
    colors.Add(0, color);
  else
    colors[0].SetColor(color);
}

void TCustomQuilGradient::SetEndColor(TColor color) {
  if (color == EndColor() && (!startIsEnd_ || color == StartColor())) return;
  TQuilGradientColors& colors = Colors();
  colors.BeginUpdate();
  if (colors.Count() == 0)
    colors.Add(1, color);
  else
    colors[colors.Count() - 1].SetColor(color);
  if (startIsEnd_) SetStartColor(color);
  colors.EndUpdate();
}

void TCustomQuilGradient::SetMidColor(TColor color) {
  if (color == clNone) {
    if (colors_ && colors_->Count() > 2) colors_->Delete(1);
    return;
  }
  midColor_ = color;
  if (color == MidColor()) return;
  TQuilGradientColors& colors = Colors();
  if (colors.Count() == 2)
    colors.Add(kMiddleOffset, color);
  else if (colors.Count() > 2)
    colors[1].SetColor(color);
}

void TCustomQuilGradient::ResetColors() {
  if (!colors_) {
    CreateDefaultColors();
    return;
  }
  const TChangeHandler handler = OnChange();
  colors_->SetOnChange(nullptr);
  colors_->Clear();
  colors_->Add(0, defStart_);
  colors_->Add(1, defEnd_);
  colors_->SetOnChange(handler);
}

void TCustomQuilGradient::InitDirection(TGradientDirection direction) { direction_ = defaultDirection_ = direction; }

void TCustomQuilGradient::InitVisible(bool visible) { visible_ = defaultVisible_ = visible; }

bool TCustomQuilGradient::ColorsNeedStoring() const {
  if (!colors_) return false;
  const TQuilGradientColors& colors = *colors_;
  const int count = colors.Count();
  if (count != 2 && count != 3) return true;
  const double expected[2][3] = {{0, 1, 0}, {0, kMiddleOffset, 1}};
  for (int i = 0; i < count; ++i) {
    if (colors[i].Offset() != expected[count - 2][i]) return true;
    if (colors[i].Transparency() != 0) return true;
  }
  return false;
}

void TCustomQuilGradient::SetOnChange(TChangeHandler onChange) {
  if (colors_) colors_->SetOnChange(onChange);
  TGraphicsObject::SetOnChange(std::move(onChange));
}

bool TCustomQuilGradient::AssignSettings(const TPersistent& source) {
  const auto* g = dynamic_cast<const TCustomQuilGradient*>(&source);
  if (!g) return false;
  angle_ = g->angle_;
  balance_ = g->balance_;
  direction_ = g->direction_;
  radialX_ = g->radialX_;
  radialY_ = g->radialY_;
  if (g->colors_)
    Colors().CopyFrom(*g->colors_);
  else
    colors_.reset();
  startIsEnd_ = g->startIsEnd_;
  visible_ = g->visible_;
  return true;
}

const TMetaClass& TSubGradient::StaticClass() {
  static const TMetaClass meta(
      "TSubGradient", &TCustomQuilGradient::StaticClass(),
      TPropertyListBuilder<TSubGradient>()
          .Int("Transparency", &TSubGradient::Transparency, &TSubGradient::SetTransparency, 50)
          .Build());
  return meta;
}

void TSubGradient::SetTransparency(TQuilTransparency transparency) {
  if (StoreIfChanged(transparency_, transparency)) Changed();
}

bool TSubGradient::AssignSettings(const TPersistent& source) {
  if (!TCustomQuilGradient::AssignSettings(source)) return false;
  if (const auto* sub = dynamic_cast<const TSubGradient*>(&source)) transparency_ = sub->transparency_;
  return true;
}

const TMetaClass& TQuilGradient::StaticClass() {
  static const TMetaClass meta("TQuilGradient", &TCustomQuilGradient::StaticClass(),
                               TPropertyListBuilder<TQuilGradient>()
                                   .Object("SubGradient", &TQuilGradient::SubGradient)
                                   .Build());
  return meta;
}

TQuilGradient::~TQuilGradient() = default;

TSubGradient& TQuilGradient::SubGradient() {
  if (!subGradient_) subGradient_ = std::make_unique<TSubGradient>(OnChange());
  return *subGradient_;
}

void TQuilGradient::SetSubGradient(const TSubGradient& subGradient) { SubGradient().Assign(subGradient); }

void TQuilGradient::SetOnChange(TChangeHandler onChange) {
  if (subGradient_) subGradient_->SetOnChange(onChange);
  TCustomQuilGradient::SetOnChange(std::move(onChange));
}

bool TQuilGradient::AssignSettings(const TPersistent& source) {
  if (!TCustomQuilGradient::AssignSettings(source)) return false;
  const auto* g = dynamic_cast<const TQuilGradient*>(&source);
  if (g && g->subGradient_)
    SubGradient().AssignSettings(*g->subGradient_);
  else
    subGradient_.reset();
  return true;
}

}  // namespace quil

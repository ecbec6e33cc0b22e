#include "canvas/shadow.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "canvas/store_if_changed.h"
#include "core/color_idents.h"
#include "core/rounding.h"

namespace quil {

namespace {

const TEnumInfo& ShadowDirectionInfo() {
  static const TEnumInfo info{"TShadowDirection", {"sdLeftTop", "sdLeftBottom", "sdRightTop", "sdRightBottom", "sdCenter"}};
  return info;
}

}  // namespace

const TMetaClass& TQuilShadow::StaticClass() {
  using S = TQuilShadow;
  static const TMetaClass meta(
      "TQuilShadow", &TGraphicsObject::StaticClass(),
      TPropertyListBuilder<S>()
          .Bool("Clip", &S::Clip, &S::SetClip, false)
          .Int("Color", &S::Color, &S::SetColor, clSilver, &ColorIdents())
          .StoredWhen([](const S& s) { return s.color_ != s.defaultColor_; })
          .Enum("Direction", ShadowDirectionInfo(), &S::Direction, &S::SetDirection, sdRightBottom)
          .StoredWhen([](const S& s) { return s.direction_ != s.defaultDirection_; })
          .Int("HorizSize", &S::HorizSize, &S::SetHorizSize, 0)
          .StoredWhen([](const S& s) { return s.horizSize_ != s.defaultSize_; })
          .Bool("Smooth", &S::Smooth, &S::SetSmooth, true)
          .Int("SmoothBlur", &S::SmoothBlur, &S::SetSmoothBlur, 0)
          .Int("Transparency", &S::Transparency, &S::SetTransparency, 50)
          .Int("VertSize", &S::VertSize, &S::SetVertSize, 0)
          .StoredWhen([](const S& s) { return s.vertSize_ != s.defaultSize_; })
          .Bool("Visible", &S::Visible, &S::SetVisible, true)
          .StoredWhen([](const S& s) { return s.visible_ != s.defaultVisible_; })
          .Build());
  return meta;
}

void TQuilShadow::SetClip(bool clip) {
  if (StoreIfChanged(clip_, clip)) Changed();
}

void TQuilShadow::SetColor(TColor color) {
  if (StoreIfChanged(color_, color)) Changed();
}

void TQuilShadow::SetDirection(TShadowDirection direction) {
  if (StoreIfChanged(direction_, direction)) Changed();
}

void TQuilShadow::SetHorizSize(int size) {
  if (StoreIfChanged(horizSize_, size)) Changed();
}

void TQuilShadow::SetVertSize(int size) {
  if (StoreIfChanged(vertSize_, size)) Changed();
}

void TQuilShadow::SetSmooth(bool smooth) {
  if (StoreIfChanged(smooth_, smooth)) Changed();
}

void TQuilShadow::SetSmoothBlur(int blur) {
  if (StoreIfChanged(smoothBlur_, blur)) Changed();
}

void TQuilShadow::SetTransparency(TQuilTransparency transparency) {
  if (StoreIfChanged(transparency_, transparency)) Changed();
}

void TQuilShadow::SetVisible(bool visible) {
  if (StoreIfChanged(visible_, visible)) Changed();
}

int TQuilShadow::Size() const { return std::max(std::abs(horizSize_), std::abs(vertSize_)); }

void TQuilShadow::SetSize(int size) {
  const bool horizChanged = StoreIfChanged(horizSize_, size);
  const bool vertChanged = StoreIfChanged(vertSize_, size);
  if (horizChanged || vertChanged) Changed();
}

void TQuilShadow::InitValues(bool visible, TColor color, int size) {
  visible_ = defaultVisible_ = visible;
  color_ = defaultColor_ = color;
  horizSize_ = vertSize_ = defaultSize_ = size;
}

bool TQuilShadow::ShouldDraw() const { return visible_ && (horizSize_ != 0 || vertSize_ != 0); }

TRect TQuilShadow::OffsetRectangle(const TRect& r) const {
  switch (direction_) {
    case sdCenter:
      return InflateRect(r, std::abs(horizSize_), std::abs(vertSize_));
    case sdLeftTop:
      return OffsetRect(r, -horizSize_, -vertSize_);
    case sdLeftBottom:
      return OffsetRect(r, -horizSize_, vertSize_);
    case sdRightTop:
      return OffsetRect(r, horizSize_, -vertSize_);
    case sdRightBottom:
      break;
  }
  return OffsetRect(r, horizSize_, vertSize_);
}

std::array<TPoint, 4> TQuilShadow::RectToFourPoints(const TRect& r, double angle) {
  const double radians = angle * std::numbers::pi / 180.0;
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  const double cx = (r.Left + r.Right) * 0.5;
  const double cy = (r.Top + r.Bottom) * 0.5;
  // Screen y grows downwards, so a counter-clockwise turn subtracts the sine from y.
  auto turn = [&](int x, int y) {
    const double dx = x - cx;
    const double dy = y - cy;
    return TPoint{QuilRound(cx + dx * c + dy * s), QuilRound(cy - dx * s + dy * c)};
  };
  return {turn(r.Left, r.Top), turn(r.Right, r.Top), turn(r.Right, r.Bottom), turn(r.Left, r.Bottom)};
}

bool TQuilShadow::AssignSettings(const TPersistent& source) {
  const auto* s = dynamic_cast<const TQuilShadow*>(&source);
  if (!s) return false;
  clip_ = s->clip_;
  color_ = s->color_;
  direction_ = s->direction_;
  horizSize_ = s->horizSize_;
  smooth_ = s->smooth_;
  smoothBlur_ = s->smoothBlur_;
  transparency_ = s->transparency_;
  vertSize_ = s->vertSize_;
  visible_ = s->visible_;
  return true;
}

const TMetaClass& TQuilEmboss::StaticClass() {
  using S = TQuilShadow;
  static const TMetaClass meta(
      "TQuilEmboss", &TQuilShadow::StaticClass(),
      TPropertyListBuilder<S>()
          .Enum("Direction", ShadowDirectionInfo(), &S::Direction, &S::SetDirection, sdLeftTop)
          .StoredWhen([](const S& s) { return s.Direction() != s.DefaultDirection(); })
          .Bool("Visible", &S::Visible, &S::SetVisible, false)
          .StoredWhen([](const S& s) { return s.Visible() != s.DefaultVisible(); })
          .Build());
  return meta;
}

TQuilEmboss::TQuilEmboss(TChangeHandler onChange) : TQuilShadow(std::move(onChange)) {
  direction_ = defaultDirection_ = sdLeftTop;
  visible_ = defaultVisible_ = false;
}

}  // namespace quil

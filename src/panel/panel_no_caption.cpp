#include "panel/panel_no_caption.h"

#include <algorithm>

namespace quil {

const TEnumInfo& PanelBevelInfo() {
  static const TEnumInfo info{"TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
  return info;
}

const TEnumInfo& AlignInfo() {
  static const TEnumInfo info{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}};
  return info;
}

const TMetaClass& TCustomPanelNoCaption::StaticClass() {
  using C = TCustomPanelNoCaption;
  static const TMetaClass meta(
      "TCustomPanelNoCaption", &TWinControl::StaticClass(),
      TPropertyListBuilder<C>()
          .Enum("Align", AlignInfo(), &C::Align, &C::SetAlign, alNone)
          .Enum("BevelInner", PanelBevelInfo(), &C::BevelInner, &C::SetBevelInner, bvNone)
          .Enum("BevelOuter", PanelBevelInfo(), &C::BevelOuter, &C::SetBevelOuter, bvRaised)
          .Int("BevelWidth", &C::BevelWidth, &C::SetBevelWidth, 1)
          .Int("BorderWidth", &C::BorderWidth, &C::SetBorderWidth, 0)
          .Build());
  return meta;
}

TCustomPanelNoCaption::TCustomPanelNoCaption(TComponent* owner) : TWinControl(owner) {}

void TCustomPanelNoCaption::SetBevelInner(TPanelBevel v) {
  if (v == bevelInner_) return;
  bevelInner_ = v;
  Invalidate();
}

void TCustomPanelNoCaption::SetBevelOuter(TPanelBevel v) {
  if (v == bevelOuter_) return;
  bevelOuter_ = v;
  Invalidate();
}

void TCustomPanelNoCaption::SetBevelWidth(int v) {
  v = std::max(1, v);
  if (v == bevelWidth_) return;
  bevelWidth_ = v;
  Invalidate();
}

void TCustomPanelNoCaption::SetBorderWidth(int v) {
  v = std::max(0, v);
  if (v == borderWidth_) return;
  borderWidth_ = v;
  Invalidate();
}

}  // namespace quil

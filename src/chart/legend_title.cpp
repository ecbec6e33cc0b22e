#include "chart/legend_title.h"

namespace quil {

const TMetaClass& TLegendTitle::StaticClass() {
  using S = TLegendTitle;
  static const TMetaClass meta(
      "TLegendTitle", &TStringsShape::StaticClass(),
      TPropertyListBuilder<S>()
          .Enum("TextAlignment", AlignmentInfo(), &S::TextAlignment, &S::SetTextAlignment, taCenter)
          .StoredWhen([](const S& s) { return s.TextAlignment() != s.DefaultTextAlignment(); })
          .Bool("Transparent", &S::Transparent, &S::SetTransparent, true)
          .StoredWhen([](const S& s) { return s.Transparent() != s.DefaultTransparent(); })
          .Build());
  return meta;
}

// The defaults are set before the title joins its panel, so that setting them repaints nothing.
TLegendTitle::TLegendTitle(TCustomQuilPanel* parent) : TStringsShape(nullptr) {
  InitTransparent(true);
  InitTextAlignment(taCenter);
  IDraw2D = true;
  Font().InitStyle(fsBold);
  SetParent(parent);
}

void TLegendTitle::InitShadow(TQuilShadow& shadow) { shadow.InitValues(shadow.Visible(), clSilver, 2); }

}  // namespace quil

#include "tools/palette_chart.h"

#include "engine/rovede_axis.h"

namespace quil {

const TMetaClass& TPaletteChart::StaticClass() {
  static const TMetaClass meta("TPaletteChart", &ROvede::StaticClass());
  return meta;
}

TPaletteChart::TPaletteChart(TComponent* owner) : ROvede(owner) {}

void TPaletteChart::Invalidate() {
  if (AutoRepaint() && iParent_) iParent_->Invalidate();
}

void TPaletteChart::Assign(const TPersistent& source) {
  const auto* from = dynamic_cast<const TPaletteChart*>(&source);
  if (!from) {
    ROvede::Assign(source);
    return;
  }
  if (from == this) return;
  const bool repaint = AutoRepaint();
  SetAutoRepaint(false);
  SetColor(from->Color());
  if (const TQuilGradient* gradient = from->GradientOrNull()) Gradient().Assign(*gradient);
  // The panel offers its frame and effects for changing only; reading them changes nothing.
  auto& look = const_cast<TPaletteChart&>(*from);
  SetBorder(look.Border());
  SetShadow(look.Shadow());
  SetEmboss(look.Emboss());
  SetBevelOuter(from->BevelOuter());
  SetBevelInner(from->BevelInner());
  SetMarginUnits(from->MarginUnits());
  SetMarginLeft(from->MarginLeft());
  SetMarginTop(from->MarginTop());
  SetMarginRight(from->MarginRight());
  SetMarginBottom(from->MarginBottom());
  SetView3D(from->View3D());
  using TTitleOf = ROvedeTitle& (TCustomChart::*)();
  const TTitleOf titles[] = {&TCustomChart::Title, &TCustomChart::SubTitle, &TCustomChart::Foot, &TCustomChart::SubFoot};
  for (int i = 0; i < 4; ++i)
    if (const ROvedeTitle* title = from->TitleOrNull(i)) (this->*titles[i])().Assign(*title);
  using TAxisOf = ROvedeAxis& (TCustomChart::*)() const;
  for (TAxisOf axis : {&TCustomChart::LeftAxis, &TCustomChart::TopAxis, &TCustomChart::RightAxis, &TCustomChart::BottomAxis})
    (this->*axis)().Assign((from->*axis)());
  SetLegend(from->Legend());
  SetAutoRepaint(repaint);
  Invalidate();
}

}  // namespace quil

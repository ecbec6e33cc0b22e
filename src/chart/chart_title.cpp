#include "chart/chart_title.h"

#include <algorithm>

#include "core/rounding.h"
#include "panel/quil_panel.h"

namespace quil {

const TMetaClass& ROvedeTitle::StaticClass() {
  using S = ROvedeTitle;
  static const TMetaClass meta(
      "ROvedeTitle", &TStringsShape::StaticClass(),
      TPropertyListBuilder<S>()
          .Bool("AdjustFrame", &S::AdjustFrame, &S::SetAdjustFrame, true)
          .Enum("Alignment", AlignmentInfo(), &S::Alignment, &S::SetAlignment, taCenter)
          .Int("VertMargin", &S::VertMargin, &S::SetVertMargin, 5)
          .Build());
  return meta;
}

// The defaults are set before the title joins its panel, so that setting them repaints nothing.
ROvedeTitle::ROvedeTitle(TCustomQuilPanel* parent) : TStringsShape(nullptr) {
  SetAlignment(taCenter);
  InitTextAlignment(taCenter);
  InitTransparent(true);
  IDraw2D = true;
  Font().InitColor(clBlue);
  SetParent(parent);
}

// Automatic titles are measured afresh on every paint, so they follow text and font changes.
void ROvedeTitle::DrawTitle(TCustomQuilPanel& panel) {
  const int pad = FrameHalfWidth();
  if (CustomPosition())
    CalcBounds(panel);
  else
    PlaceAutomatically(panel, pad);
  Draw(panel, ShapeBounds, 0, Angle());
  if (CustomPosition()) return;
  if (IOnTop)
    panel.ChartRect.Top = ShapeBounds.Bottom + pad + vertMargin_;
  else
    panel.ChartRect.Bottom = ShapeBounds.Top - (pad + vertMargin_);
  panel.ReCalcWidthHeight();
}

void ROvedeTitle::PlaceAutomatically(TCustomQuilPanel& panel, int pad) {
  SetAutoSize(true);
  ShapeBounds = {};
  CalcBounds(panel);
  const int width = ShapeBounds.Width();
  const int height = ShapeBounds.Height();
  const int margin = panel.FrameSize() + QuilRound(panel.Width() * 0.02);
  const int top = IOnTop ? panel.ChartRect.Top + pad : panel.ChartRect.Bottom - height - pad;
  if (!adjustFrame_) {
    SetAutoSize(false);
    ShapeBounds = {margin, top, panel.Width() - margin, top + height};
    return;
  }
  int left = margin;
  if (Alignment() == taRightJustify)
    left = panel.Width() - width - margin;
  else if (Alignment() == taCenter)
    left = std::max(margin, panel.ChartXCenter() - width / 2);
  ShapeBounds = {left, top, left + width, top + height};
}

void ROvedeTitle::Assign(const TPersistent& source) {
  if (const auto* s = dynamic_cast<const ROvedeTitle*>(&source); s && s != this) {
    adjustFrame_ = s->adjustFrame_;
    vertMargin_ = s->vertMargin_;
  }
  TStringsShape::Assign(source);
}

const TMetaClass& ROvedeFootTitle::StaticClass() {
  static const TMetaClass meta("ROvedeFootTitle", &ROvedeTitle::StaticClass());
  return meta;
}

ROvedeFootTitle::ROvedeFootTitle(TCustomQuilPanel* parent) : ROvedeTitle(parent) {
  IOnTop = false;
  Font().InitColor(clRed);
  Font().InitStyle(fsItalic);
}

}  // namespace quil

#include "panel/text_margins.h"

#include "core/rounding.h"

namespace quil {

const TMetaClass& TMargins::StaticClass() {
  using M = TMargins;
  static const TMetaClass meta("TMargins", &TGraphicsObject::StaticClass(),
                               TPropertyListBuilder<M>()
                                   .Int("Left", &M::Left, &M::SetLeft, 10)
                                   .Int("Top", &M::Top, &M::SetTop, 5)
                                   .Int("Right", &M::Right, &M::SetRight, 10)
                                   .Int("Bottom", &M::Bottom, &M::SetBottom, 5)
                                   .Enum("Units", MarginUnitsInfo(), &M::Units, &M::SetUnits, maPercentFont)
                                   .Build());
  return meta;
}

void TMargins::SetValue(int& field, int v) {
  if (field == v) return;
  field = v;
  Changed();
}

void TMargins::SetLeft(int v) { SetValue(left_, v); }
void TMargins::SetTop(int v) { SetValue(top_, v); }
void TMargins::SetRight(int v) { SetValue(right_, v); }
void TMargins::SetBottom(int v) { SetValue(bottom_, v); }

void TMargins::SetUnits(TMarginUnits v) {
  if (units_ == v) return;
  units_ = v;
  Changed();
}

// The percentage factors are single precision, as the stored layout was computed with them:
// 10 % of a 15-pixel text is 1.5000001 and rounds to 2.
void TMargins::Calc(int textHeight, int paddedWidth, int paddedHeight, bool transparent) {
  if (transparent) {
    last_ = {};
    return;
  }
  auto percentOf = [](int value, int size) {
    const float f = static_cast<float>(size * 0.01);
    return QuilRound(value * static_cast<double>(f));
  };
  switch (units_) {
    case maPercentFont:
      last_ = {percentOf(left_, textHeight), percentOf(top_, textHeight), percentOf(right_, textHeight),
               percentOf(bottom_, textHeight)};
      break;
    case maPercentSize:
      last_ = {percentOf(left_, paddedWidth), percentOf(top_, paddedHeight), percentOf(right_, paddedWidth),
               percentOf(bottom_, paddedHeight)};
      break;
    case maPixels: last_ = {left_, top_, right_, bottom_}; break;
  }
}

bool TMargins::AssignSettings(const TPersistent& source) {
  const auto* m = dynamic_cast<const TMargins*>(&source);
  if (!m) return false;
  left_ = m->left_;
  top_ = m->top_;
  right_ = m->right_;
  bottom_ = m->bottom_;
  units_ = m->units_;
  return true;
}

}  // namespace quil

#include "panel/shape_callout.h"

namespace quil {

const TMetaClass& TShapeCallout::StaticClass() {
  using C = TShapeCallout;
  static const TMetaClass meta("TShapeCallout", &TGraphicsObject::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Enum("Side", ShapeCalloutSideInfo(), &C::Side, &C::SetSide, csNone)
                                   .Int("Position", &C::Position, &C::SetPosition, 50)
                                   .Int("PointPosition", &C::PointPosition, &C::SetPointPosition, 50)
                                   .Int("Size", &C::Size, &C::SetSize, 25)
                                   .Int("Width", &C::Width, &C::SetWidth, 20)
                                   .Build());
  return meta;
}

void TShapeCallout::SetValue(int& field, int v) {
  if (field == v) return;
  field = v;
  Changed();
}

void TShapeCallout::SetSide(TShapeCalloutSide v) {
  if (side_ == v) return;
  side_ = v;
  Changed();
}

void TShapeCallout::SetPosition(int v) { SetValue(position_, v); }
void TShapeCallout::SetPointPosition(int v) { SetValue(pointPosition_, v); }
void TShapeCallout::SetSize(int v) { SetValue(size_, v); }
void TShapeCallout::SetWidth(int v) { SetValue(width_, v); }

std::vector<TPoint> TShapeCallout::GetPath(const TRect& r, int roundSize) const {
  const TOutlinePointer pointer{side_, position_, pointPosition_, size_, width_};
  return ShapeOutline(r, roundSize, {cosRound, cosRound, cosRound, cosRound}, pointer);
}

bool TShapeCallout::AssignSettings(const TPersistent& source) {
  const auto* c = dynamic_cast<const TShapeCallout*>(&source);
  if (!c) return false;
  side_ = c->side_;
  position_ = c->position_;
  pointPosition_ = c->pointPosition_;
  size_ = c->size_;
  width_ = c->width_;
  return true;
}

}  // namespace quil

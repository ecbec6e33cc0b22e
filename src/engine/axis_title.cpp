#include "engine/axis_title.h"

#include "core/properties.h"

namespace quil {

namespace {

const TEnumInfo& AxisTitlePositionInfo() {
  static const TEnumInfo info{"TAxisTitlePosition", {"tpStart", "tpCenter", "tpEnd"}};
  return info;
}

}  // namespace

const TMetaClass& ROvedeAxisTitle::StaticClass() {
  static const TMetaClass meta(
      "ROvedeAxisTitle", &TTextShape::StaticClass(),
      TPropertyListBuilder<ROvedeAxisTitle>()
          .Int("Angle", &ROvedeAxisTitle::Angle, &ROvedeAxisTitle::SetAngle)
          .StoredWhen([](const ROvedeAxisTitle& t) { return t.Angle() != t.defaultAngle_; })
          .String("Caption", &ROvedeAxisTitle::Caption, &ROvedeAxisTitle::SetCaption, std::string())
          .Enum("Position", AxisTitlePositionInfo(), &ROvedeAxisTitle::Position, &ROvedeAxisTitle::SetPosition,
                tpCenter)
          .Build());
  return meta;
}

ROvedeAxisTitle::ROvedeAxisTitle(TCustomQuilPanel* parent, int defaultAngle)
    : TTextShape(parent), defaultAngle_(defaultAngle) {
  InitTransparent(true);
  InitTextAlignment(taCenter);
  SetAngle(defaultAngle);
}

// An angle the user kept at the old side's default follows the new side.
void ROvedeAxisTitle::SetDefaultAngle(int value) {
  if (Angle() == defaultAngle_) SetAngle(value);
  defaultAngle_ = value;
}

void ROvedeAxisTitle::Assign(const TPersistent& source) {
  TTextShape::Assign(source);
  if (const auto* title = dynamic_cast<const ROvedeAxisTitle*>(&source)) SetPosition(title->position_);
}

}  // namespace quil

#include "engine/rovede_axis_pen.h"

#include "canvas/store_if_changed.h"
#include "core/properties.h"

namespace quil {

namespace {

const TEnumInfo& AxisLineModeInfo() {
  static const TEnumInfo info{"TAxisLineMode", {"lmLine", "lmCylinder", "lmRectangle"}};
  return info;
}

}  // namespace

const TMetaClass& ROvedeAxisPen::StaticClass() {
  static const TMetaClass meta(
      "ROvedeAxisPen", &TQuilPen::StaticClass(),
      TPropertyListBuilder<ROvedeAxisPen>()
          .Int("Width", &ROvedeAxisPen::Width, &ROvedeAxisPen::SetWidth, 2)
          .Enum("LineMode", AxisLineModeInfo(), &ROvedeAxisPen::LineMode, &ROvedeAxisPen::SetLineMode, lmLine)
          .Build());
  return meta;
}

ROvedeAxisPen::ROvedeAxisPen(TChangeHandler onChange) : TQuilPen(std::move(onChange)) { InitWidth(2); }

void ROvedeAxisPen::SetLineMode(TAxisLineMode value) {
  if (StoreIfChanged(lineMode_, value)) Changed();
}

bool ROvedeAxisPen::AssignSettings(const TPersistent& source) {
  if (!TQuilPen::AssignSettings(source)) return false;
  if (const auto* pen = dynamic_cast<const ROvedeAxisPen*>(&source)) lineMode_ = pen->lineMode_;
  return true;
}

}  // namespace quil

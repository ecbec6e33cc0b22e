#include "engine/axis_labels_shape.h"

#include "core/properties.h"

namespace quil {

const TMetaClass& TAxisLabelsFormat::StaticClass() {
  static const TMetaClass meta("TAxisLabelsFormat", &TTextShape::StaticClass(),
                               TPropertyListBuilder<TAxisLabelsFormat>().Build());
  return meta;
}

TAxisLabelsFormat::TAxisLabelsFormat(TCustomQuilPanel* parent) : TTextShape(parent) { InitTransparent(true); }

}  // namespace quil

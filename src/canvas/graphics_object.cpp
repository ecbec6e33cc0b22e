#include "canvas/graphics_object.h"

namespace quil {

const TMetaClass& TGraphicsObject::StaticClass() {
  static const TMetaClass meta("TGraphicsObject", &TPersistent::StaticClass());
  return meta;
}

void TGraphicsObject::Assign(const TPersistent& source) {
  if (&source == this) return;
  if (!AssignSettings(source)) {
    TPersistent::Assign(source);
    return;
  }
  Changed();
}

bool TGraphicsObject::AssignSettings(const TPersistent&) { return false; }

void TGraphicsObject::Changed() {
  if (onChange_) onChange_(*this);
}

}  // namespace quil

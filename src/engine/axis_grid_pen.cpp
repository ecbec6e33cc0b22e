#include "engine/axis_grid_pen.h"

#include "canvas/store_if_changed.h"
#include "core/filer.h"
#include "core/properties.h"
#include "core/reader.h"

namespace quil {

const TMetaClass& TAxisGridPen::StaticClass() {
  static const TMetaClass meta(
      "TAxisGridPen", &TQuilPen::StaticClass(),
      TPropertyListBuilder<TAxisGridPen>()
          .Int("Color", &TAxisGridPen::Color, &TAxisGridPen::SetColor, 0xC0C0C0)
          .Bool("Centered", &TAxisGridPen::Centered, &TAxisGridPen::SetCentered, false)
          .Int("DrawEvery", &TAxisGridPen::DrawEvery, &TAxisGridPen::SetDrawEvery, 1)
          .Bool("DrawAlways", &TAxisGridPen::DrawAlways, &TAxisGridPen::SetDrawAlways, false)
          .Float("ZPosition", &TAxisGridPen::ZPosition, &TAxisGridPen::SetZPosition)
          .StoredWhen([](const TAxisGridPen& p) { return p.zPosition_ != p.defaultZ_; })
          .Build());
  return meta;
}

TAxisGridPen::TAxisGridPen(TChangeHandler onChange) : TQuilPen(std::move(onChange)) { InitColor(0xC0C0C0); }

void TAxisGridPen::SetCentered(bool value) {
  if (StoreIfChanged(centered_, value)) Changed();
}

void TAxisGridPen::SetDrawEvery(int value) {
  if (StoreIfChanged(drawEvery_, value)) Changed();
}

void TAxisGridPen::SetDrawAlways(bool value) {
  if (StoreIfChanged(drawAlways_, value)) Changed();
}

void TAxisGridPen::SetZPosition(double value) {
  if (StoreIfChanged(zPosition_, value)) Changed();
}

bool TAxisGridPen::AssignSettings(const TPersistent& source) {
  if (!TQuilPen::AssignSettings(source)) return false;
  if (const auto* grid = dynamic_cast<const TAxisGridPen*>(&source)) {
    centered_ = grid->centered_;
    drawEvery_ = grid->drawEvery_;
    drawAlways_ = grid->drawAlways_;
    zPosition_ = grid->zPosition_;
  }
  return true;
}

// Older forms said only whether the grid lay at the front ("ZZero" True) or at the axis' depth.
void TAxisGridPen::DefineProperties(TFiler& filer) {
  TQuilPen::DefineProperties(filer);
  filer.DefineProperty(
      "ZZero",
      [this](TReader& reader) {
        if (reader.ReadBoolean()) SetZPosition(0);
      },
      nullptr, false);
}

}  // namespace quil

#include "canvas/gradient_colors.h"

#include <algorithm>
#include <string>

#include "canvas/store_if_changed.h"
#include "core/color_idents.h"
#include "core/exceptions.h"

namespace quil {

namespace {

void CheckIndex(int index, int count) {
  if (index < 0 || index >= count)
    throw ERangeError(QuilFormat("List index out of bounds (%d)", std::to_string(index)));
}

}  // namespace

const TMetaClass& TQuilGradientColor::StaticClass() {
  static const TMetaClass meta(
      "TQuilGradientColor", &TPersistent::StaticClass(),
      TPropertyListBuilder<TQuilGradientColor>()
          .Int("Color", &TQuilGradientColor::Color, &TQuilGradientColor::SetColor, clBlack, &ColorIdents())
          .Float("Offset", &TQuilGradientColor::Offset, &TQuilGradientColor::SetOffset)
          .Int("Transparency", &TQuilGradientColor::Transparency, &TQuilGradientColor::SetTransparency, 0)
          .Build());
  return meta;
}

TQuilGradientColor::TQuilGradientColor(TQuilGradientColors& collection, double offset, TColor color,
                                       TQuilTransparency transparency)
    : collection_(&collection), color_(color), offset_(offset), transparency_(transparency) {}

void TQuilGradientColor::SetColor(TColor color) {
  if (StoreIfChanged(color_, color)) Changed();
}

void TQuilGradientColor::SetOffset(double offset) {
  if (StoreIfChanged(offset_, offset)) Changed();
}

void TQuilGradientColor::SetTransparency(TQuilTransparency transparency) {
  if (StoreIfChanged(transparency_, transparency)) Changed();
}

void TQuilGradientColor::Assign(const TPersistent& source) {
  const auto* item = dynamic_cast<const TQuilGradientColor*>(&source);
  if (!item) {
    TPersistent::Assign(source);
    return;
  }
  if (item == this) return;
  color_ = item->color_;
  offset_ = item->offset_;
  transparency_ = item->transparency_;
  Changed();
}

void TQuilGradientColor::Changed() {
  if (collection_) collection_->Changed();
}

const TMetaClass& TQuilGradientColors::StaticClass() {
  static const TMetaClass meta("TQuilGradientColors", &TCollection::StaticClass());
  return meta;
}

TQuilGradientColor& TQuilGradientColors::operator[](int index) {
  CheckIndex(index, Count());
  return *items_[index];
}

const TQuilGradientColor& TQuilGradientColors::operator[](int index) const {
  CheckIndex(index, Count());
  return *items_[index];
}

TQuilGradientColor& TQuilGradientColors::Add(double offset, TColor color, TQuilTransparency transparency) {
  offset = std::clamp(offset, 0.0, 1.0);
  const auto larger = std::find_if(items_.begin(), items_.end(), [offset](const auto& item) { return item->Offset() > offset; });
  auto inserted = items_.insert(larger, std::make_unique<TQuilGradientColor>(*this, offset, color, transparency));
  Changed();
  return **inserted;
}

TPersistent& TQuilGradientColors::AddItem() {
  items_.push_back(std::make_unique<TQuilGradientColor>(*this, 0.0, clBlack, 0));
  Changed();
  return *items_.back();
}

void TQuilGradientColors::Delete(int index) {
  CheckIndex(index, Count());
  items_.erase(items_.begin() + index);
  Changed();
}

void TQuilGradientColors::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

void TQuilGradientColors::CopyFrom(const TQuilGradientColors& source) {
  if (&source == this) return;
  items_.clear();
  for (const auto& item : source.items_)
    items_.push_back(std::make_unique<TQuilGradientColor>(*this, item->Offset(), item->Color(), item->Transparency()));
}

void TQuilGradientColors::Assign(const TPersistent& source) {
  const auto* colors = dynamic_cast<const TQuilGradientColors*>(&source);
  if (!colors) {
    TPersistent::Assign(source);
    return;
  }
  if (colors == this) return;
  CopyFrom(*colors);
  Changed();
}

void TQuilGradientColors::Update() {
  if (onChange_) onChange_(*this);
}

}  // namespace quil

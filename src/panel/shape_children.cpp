#include "panel/shape_children.h"

#include <string>

#include "core/exceptions.h"
#include "panel/custom_shape.h"

namespace quil {

const TMetaClass& TQuilShapeItem::StaticClass() {
  static const TMetaClass meta(
      "TQuilShapeItem", &TPersistent::StaticClass(),
      TPropertyListBuilder<TQuilShapeItem>()
          .Object("Shape", static_cast<TQuilCustomShape& (TQuilShapeItem::*)()>(&TQuilShapeItem::Shape))
          .Build());
  return meta;
}

TQuilShapeItem::TQuilShapeItem(std::unique_ptr<TQuilCustomShape> shape) : shape_(std::move(shape)) {}

TQuilShapeItem::~TQuilShapeItem() = default;

void TQuilShapeItem::Assign(const TPersistent& source) {
  if (const auto* item = dynamic_cast<const TQuilShapeItem*>(&source)) {
    shape_->Assign(*item->shape_);
    return;
  }
  TPersistent::Assign(source);
}

const TMetaClass& TQuilShapes::StaticClass() {
  static const TMetaClass meta("TQuilShapes", &TCollection::StaticClass());
  return meta;
}

TQuilShapes::~TQuilShapes() = default;

void TQuilShapes::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw ERangeError(QuilFormat("List index out of bounds (%d)", std::to_string(index)));
}

TQuilShapeItem& TQuilShapes::operator[](int index) {
  CheckIndex(index);
  return *items_[static_cast<std::size_t>(index)];
}

const TQuilShapeItem& TQuilShapes::operator[](int index) const {
  CheckIndex(index);
  return *items_[static_cast<std::size_t>(index)];
}

TPersistent& TQuilShapes::AddItem() {
  items_.push_back(std::make_unique<TQuilShapeItem>(owner_.NewChild()));
  Changed();
  return *items_.back();
}

TQuilCustomShape& TQuilShapes::Add() { return static_cast<TQuilShapeItem&>(AddItem()).Shape(); }

void TQuilShapes::Delete(int index) {
  CheckIndex(index);
  items_.erase(items_.begin() + index);
  Changed();
}

void TQuilShapes::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

void TQuilShapes::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TQuilShapes*>(&source);
  if (!other) {
    TCollection::Assign(source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  Clear();
  for (const auto& item : other->items_) static_cast<TQuilShapeItem&>(AddItem()).Assign(*item);
  EndUpdate();
}

void TQuilShapes::Update() { owner_.Repaint(); }

}  // namespace quil

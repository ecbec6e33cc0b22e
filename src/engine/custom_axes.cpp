#include "engine/custom_axes.h"

#include <algorithm>
#include <string>

#include "core/exceptions.h"
#include "engine/axis_panel.h"
#include "engine/rovede_axis.h"

namespace quil {

const TMetaClass& ROvedeCustomAxes::StaticClass() {
  static const TMetaClass meta("ROvedeCustomAxes", &TCollection::StaticClass());
  return meta;
}

ROvedeCustomAxes::ROvedeCustomAxes(TCustomAxisPanel& chart) : chart_(chart) {}

ROvedeCustomAxes::~ROvedeCustomAxes() = default;

void ROvedeCustomAxes::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw ERangeError(QuilFormat("List index out of bounds (%d)", std::to_string(index)));
}

ROvedeAxis& ROvedeCustomAxes::operator[](int index) const {
  CheckIndex(index);
  return *items_[static_cast<std::size_t>(index)];
}

TPersistent& ROvedeCustomAxes::Item(int index) { return (*this)[index]; }

TPersistent& ROvedeCustomAxes::AddItem() { return Add(); }

ROvedeAxis& ROvedeCustomAxes::Add() {
  auto axis = std::make_unique<ROvedeAxis>(&chart_, false, false);
  chart_.Axes().Add(*axis);
  items_.push_back(std::move(axis));
  Changed();
  return *items_.back();
}

// The axis leaves the collection before it goes, so nothing reaches it through here while its
// destructor clears the chart's links to it.
void ROvedeCustomAxes::Delete(int index) {
  CheckIndex(index);
  std::unique_ptr<ROvedeAxis> axis = std::move(items_[static_cast<std::size_t>(index)]);
  items_.erase(items_.begin() + index);
  axis.reset();
  Changed();
}

void ROvedeCustomAxes::Clear() {
  if (items_.empty()) return;
  while (!items_.empty()) {
    std::unique_ptr<ROvedeAxis> axis = std::move(items_.back());
    items_.pop_back();
  }
  Changed();
}

int ROvedeCustomAxes::IndexOf(const ROvedeAxis* axis) const {
  const auto it = std::find_if(items_.begin(), items_.end(), [axis](const auto& item) { return item.get() == axis; });
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void ROvedeCustomAxes::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const ROvedeCustomAxes*>(&source);
  if (!other) {
    TCollection::Assign(source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  Clear();
  for (const auto& axis : other->items_) {
    ROvedeAxis& copy = Add();
    copy.SetHorizontal(axis->Horizontal());
    copy.SetOtherSide(axis->OtherSide());
    copy.Assign(*axis);
  }
  EndUpdate();
}

void ROvedeCustomAxes::Update() { chart_.Invalidate(); }

}  // namespace quil

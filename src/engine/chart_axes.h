#pragma once

#include <algorithm>
#include <vector>

#include "core/exceptions.h"

namespace quil {

class ROvedeAxis;

// Every axis of a chart in creation order: the standard axes first, then the custom ones. The
// list does not own its axes; a chart takes an axis out through TCustomAxisPanel::RemoveAxis,
// which also clears the links tools keep to it.
class ROvedeAxes {
 public:
  int Count() const { return static_cast<int>(axes_.size()); }
  // "List index out of bounds (%d)" outside 0..Count-1.
  ROvedeAxis& operator[](int index) const {
    if (index < 0 || index >= Count())
      throw ERangeError(QuilFormat("List index out of bounds (%d)", std::to_string(index)));
    return *axes_[static_cast<std::size_t>(index)];
  }
  int IndexOf(const ROvedeAxis* axis) const {
    const auto it = std::find(axes_.begin(), axes_.end(), axis);
    return it == axes_.end() ? -1 : static_cast<int>(it - axes_.begin());
  }
  void Add(ROvedeAxis& axis) {
    if (IndexOf(&axis) < 0) axes_.push_back(&axis);
  }
  void Remove(const ROvedeAxis& axis) { axes_.erase(std::remove(axes_.begin(), axes_.end(), &axis), axes_.end()); }

 private:
  std::vector<ROvedeAxis*> axes_;
};

}  // namespace quil

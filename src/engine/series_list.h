#pragma once

#include <algorithm>
#include <vector>

#include "core/exceptions.h"

namespace quil {

class ROvedeSeries;

// A chart's series in order: a series' index is its position. Not owning.
class ROvedeSeriesList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  // "List index out of bounds (%d)" outside 0..Count-1.
  ROvedeSeries& operator[](int index) const {
    if (index < 0 || index >= Count())
      throw ERangeError(QuilFormat("List index out of bounds (%d)", std::to_string(index)));
    return *items_[static_cast<std::size_t>(index)];
  }
  int IndexOf(const ROvedeSeries* series) const {
    const auto it = std::find(items_.begin(), items_.end(), series);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
  }
  const std::vector<ROvedeSeries*>& Items() const { return items_; }

  void Add(ROvedeSeries& series) { items_.push_back(&series); }
  void Delete(int index) { items_.erase(items_.begin() + index); }
  void Remove(const ROvedeSeries* series) { items_.erase(std::remove(items_.begin(), items_.end(), series), items_.end()); }
  void Exchange(int index1, int index2) {
    std::swap(items_[static_cast<std::size_t>(index1)], items_[static_cast<std::size_t>(index2)]);
  }
  void Clear() { items_.clear(); }

 private:
  std::vector<ROvedeSeries*> items_;
};

}  // namespace quil

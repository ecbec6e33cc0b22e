#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/value_list.h"

namespace quil {

// The value lists of one series, owned, in creation order: a list's position is its index.
class ROvedeValueLists {
 public:
  int Count() const { return static_cast<int>(lists_.size()); }
  // Raises ChartException "List index out of bounds (%d)" outside 0..Count-1.
  ROvedeValueList& operator[](int index) const;

  ROvedeValueList& Add(std::unique_ptr<ROvedeValueList> list);
  int IndexOf(const ROvedeValueList& list) const;
  // The list of that name, compared without regard to ASCII case, or none.
  ROvedeValueList* Find(std::string_view name) const;
  // Exchanges two points in every list: the value part of a series' SwapValueIndex.
  void Exchange(int index1, int index2) const;

 private:
  std::vector<std::unique_ptr<ROvedeValueList>> lists_;
};

// Creates a list of kind T for owner and appends it to the owner's collection.
template <class T = ROvedeValueList, class... Args>
T& CreateValueList(IValueListOwner& owner, std::string name, Args&&... args) {
  auto list = std::make_unique<T>(&owner, std::move(name), std::forward<Args>(args)...);
  T& created = *list;
  owner.ValuesList().Add(std::move(list));
  return created;
}

}  // namespace quil

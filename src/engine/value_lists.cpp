#include "engine/value_lists.h"

#include "engine/chart_exception.h"

namespace quil {

ROvedeValueList& ROvedeValueLists::operator[](int index) const {
  if (index < 0 || index >= Count())
    throw ChartException(QuilFormat("List index out of bounds (%d)", std::to_string(index)));
  return *lists_[index];
}

ROvedeValueList& ROvedeValueLists::Add(std::unique_ptr<ROvedeValueList> list) {
  lists_.push_back(std::move(list));
  return *lists_.back();
}

int ROvedeValueLists::IndexOf(const ROvedeValueList& list) const {
  for (int i = 0; i < Count(); ++i)
    if (lists_[i].get() == &list) return i;
  return -1;
}

ROvedeValueList* ROvedeValueLists::Find(std::string_view name) const {
  for (const auto& list : lists_)
    if (SameText(list->Name(), name)) return list.get();
  return nullptr;
}

void ROvedeValueLists::Exchange(int index1, int index2) const {
  for (const auto& list : lists_) list->Exchange(index1, index2);
}

}  // namespace quil

#include "chart/named_classes.h"

#include <deque>

#include "core/properties.h"

namespace quil {

const TMetaClass& NamedClass(const std::string& name, const TMetaClass& parent) {
  // A deque keeps every metaclass at its address while others are added.
  static std::deque<TMetaClass> classes;
  for (const TMetaClass& c : classes)
    if (SameText(c.ClassName(), name)) return c;
  return classes.emplace_back(name, &parent);
}

}  // namespace quil

#pragma once

#include <string>
#include <string_view>

#include "core/persistent.h"

namespace quil {

// Where a stored property path such as "Title.Text.Strings" ends.
struct TPropertyPathEnd {
  // The object that answers Name: the owner of the last segment, or the object at which an
  // inner segment named no published property.
  TPersistent* Instance = nullptr;
  // The name to look up on Instance: the last segment, or the whole path when an inner segment
  // named no published property (a stream-only value may still take a dotted name).
  std::string Name;
  // The published property of Instance called Name, or nullptr: then only Instance's
  // stream-only values (DefineProperties) can take the value.
  const TPropInfo* Property = nullptr;
};

// Walks path from root, one published object property per "."-separated segment, names compared
// without regard to ASCII case. Sub-objects that are created on first access are created on the
// way. An inner segment naming a property that is not of a class kind, or whose object is
// missing, fails with "Invalid property path".
TPropertyPathEnd ResolvePropertyPath(TPersistent& root, std::string_view path);

}  // namespace quil

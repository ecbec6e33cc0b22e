#include "core/property_path.h"

#include "core/exceptions.h"

namespace quil {

TPropertyPathEnd ResolvePropertyPath(TPersistent& root, std::string_view path) {
  TPersistent* current = &root;
  std::string_view rest = path;
  for (auto dot = rest.find('.'); dot != std::string_view::npos; dot = rest.find('.')) {
    const TPropInfo* step = current->ClassType().FindProperty(rest.substr(0, dot));
    if (!step) return {current, std::string(path), nullptr};
    TPersistent* next = step->Kind == TPropKind::Class && step->Object ? step->Object(*current) : nullptr;
    if (!next) throw EPropertyError("Invalid property path");
    current = next;
    rest.remove_prefix(dot + 1);
  }
  return {current, std::string(rest), current->ClassType().FindProperty(rest)};
}

}  // namespace quil

#include "core/form_resources.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/binary_reader.h"
#include "core/component.h"
#include "core/exceptions.h"
#include "core/properties.h"
#include "core/stream_format.h"

namespace quil {

std::optional<std::span<const uint8_t>> FindResource(std::span<const TResource> resources, int type,
                                                     std::string_view name) {
  for (const TResource& r : resources)
    if (r.Type == type && SameText(r.Name, name)) return r.Bytes;
  return std::nullopt;
}

void InitInheritedComponent(TComponent& root, const TMetaClass& baseClass, std::span<const TResource> resources) {
  std::vector<const TMetaClass*> classes;
  for (const TMetaClass* c = &root.ClassType(); c && c != &baseClass; c = c->ClassParent()) classes.push_back(c);
  std::reverse(classes.begin(), classes.end());
  std::vector<TComponent*> loaded;
  bool found = false;
  for (const TMetaClass* c : classes) {
    std::string name = c->ClassName();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; });
    const auto bytes = FindResource(resources, RT_RCDATA, name);
    if (!bytes) continue;
    found = true;
    TBinaryReader reader(*bytes);
    reader.ReadRootComponent(root, loaded);
  }
  if (!found) throw EResNotFound(QuilFormat(kResourceNotFound, root.ClassName()));
  for (TComponent* c : loaded) c->Loaded();
}

}  // namespace quil

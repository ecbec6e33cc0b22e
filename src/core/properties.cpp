#include "core/properties.h"

#include <cctype>

namespace quil {

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

int TEnumInfo::IndexOf(std::string_view name) const {
  for (std::size_t i = 0; i < Names.size(); ++i)
    if (SameText(Names[i], name)) return static_cast<int>(i);
  return -1;
}

std::optional<int64_t> TIdentMap::ToInt(std::string_view ident) const {
  for (const auto& [name, value] : Entries)
    if (SameText(name, ident)) return value;
  return std::nullopt;
}

std::optional<std::string> TIdentMap::ToIdent(int64_t value) const {
  for (const auto& [name, v] : Entries)
    if (v == value) return name;
  return std::nullopt;
}

bool TPropInfo::IsStored(const TPersistent& instance) const {
  if (Stored) return Stored(instance);
  if (!Default || !Get) return true;
  return Get(instance) != *Default;
}

}  // namespace quil

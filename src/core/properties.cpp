#include "core/properties.h"

#include "core/exceptions.h"

namespace quil {

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

[[noreturn]] void InvalidValue() { throw EPropertyError("Invalid property value"); }

}  // namespace

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

int64_t PropValueToInt(const TPropValue& value) {
  if (const auto* i = std::get_if<int64_t>(&value)) return *i;
  InvalidValue();
}

double PropValueToFloat(const TPropValue& value) {
  if (const auto* d = std::get_if<double>(&value)) return *d;
  if (const auto* i = std::get_if<int64_t>(&value)) return static_cast<double>(*i);
  InvalidValue();
}

const std::string& PropValueToString(const TPropValue& value) {
  if (const auto* s = std::get_if<std::string>(&value)) return *s;
  InvalidValue();
}

void SetPropertyValue(TPersistent& instance, const TPropInfo& property, const TPropValue& value) {
  if (property.IsReadOnly()) throw EPropertyError("Property is read-only");
  property.Set(instance, value);
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

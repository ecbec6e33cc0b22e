#include "core/class_registry.h"

#include <algorithm>
#include <vector>

#include "core/exceptions.h"

namespace quil {

namespace {

std::vector<const TMetaClass*>& Registry() {
  static std::vector<const TMetaClass*> classes;
  return classes;
}

}  // namespace

void RegisterClass(const TMetaClass& c) {
  const TMetaClass* existing = GetClass(c.ClassName());
  if (existing == &c) return;
  if (existing) throw EComponentError(QuilFormat("A class named %s already exists", c.ClassName()));
  Registry().push_back(&c);
}

void RegisterClasses(std::initializer_list<const TMetaClass*> classes) {
  for (const TMetaClass* c : classes) RegisterClass(*c);
}

void UnRegisterClass(const TMetaClass& c) {
  auto& r = Registry();
  r.erase(std::remove(r.begin(), r.end(), &c), r.end());
}

const TMetaClass* GetClass(std::string_view name) {
  for (const TMetaClass* c : Registry())
    if (SameText(c->ClassName(), name)) return c;
  return nullptr;
}

const TMetaClass& FindClass(std::string_view name) {
  const TMetaClass* c = GetClass(name);
  if (!c) throw EClassNotFound(QuilFormat("Class %s not found", name));
  return *c;
}

void ClearRegisteredClasses() { Registry().clear(); }

}  // namespace quil

#include "core/persistent.h"

#include "core/component.h"
#include "core/exceptions.h"

namespace quil {

TMetaClass::TMetaClass(std::string name, const TMetaClass* parent, std::vector<TPropInfo> properties,
                       TComponentFactory factory, std::vector<const TMetaClass*> fieldClasses)
    : name_(std::move(name)),
      parent_(parent),
      properties_(std::move(properties)),
      factory_(std::move(factory)),
      fieldClasses_(std::move(fieldClasses)) {}

bool TMetaClass::InheritsFrom(const TMetaClass& other) const {
  for (const TMetaClass* c = this; c; c = c->parent_)
    if (c == &other) return true;
  return false;
}

bool TMetaClass::IsComponentClass() const { return InheritsFrom(TComponent::StaticClass()); }

std::unique_ptr<TComponent> TMetaClass::CreateComponent(TComponent* owner) const {
  if (!factory_) throw EClassNotFound(QuilFormat("Class %s not found", name_));
  return factory_(owner);
}

std::vector<const TPropInfo*> TMetaClass::Properties() const {
  std::vector<const TPropInfo*> all;
  for (const TMetaClass* c = this; c; c = c->parent_)
    for (const TPropInfo& p : c->properties_) all.push_back(&p);
  return all;
}

const TPropInfo* TMetaClass::FindProperty(std::string_view name) const {
  for (const TMetaClass* c = this; c; c = c->parent_)
    for (const TPropInfo& p : c->properties_)
      if (SameText(p.Name, name)) return &p;
  return nullptr;
}

const TMetaClass& TPersistent::StaticClass() {
  static const TMetaClass meta("TPersistent", nullptr);
  return meta;
}

void TPersistent::Assign(const TPersistent& source) {
  if (&source == this) return;
  throw EConvertError(QuilFormat("Cannot assign a %s to a %s", source.ClassName(), ClassName()));
}

void TPersistent::DefineProperties(TFiler&) {}

}  // namespace quil

#include "core/component.h"

#include <algorithm>

#include "core/exceptions.h"
#include "core/reader.h"

namespace quil {

const TMetaClass& TComponent::StaticClass() {
  static const TMetaClass meta("TComponent", &TPersistent::StaticClass(),
                               TPropertyListBuilder<TComponent>()
                                   .String("Name", &TComponent::Name, &TComponent::SetName)
                                   .StoredWhen([](const TComponent&) { return false; })
                                   .Build(),
                               ComponentFactory<TComponent>());
  return meta;
}

// ASCII only, whatever the locale: names are matched and stored byte for byte.
bool IsValidIdent(std::string_view ident) {
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (ident.empty() || !letter(ident[0])) return false;
  return std::all_of(ident.begin() + 1, ident.end(), [&](char c) { return letter(c) || digit(c); });
}

TComponent::TComponent(TComponent*) {}

TComponent::~TComponent() {
  state_ |= csDestroying;
  NotifyRemoval();
  DestroyComponents();
}

void TComponent::NotifyRemoval() {
  // Everyone holding a link to this component clears it now, while it is still whole.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    auto& back = other->freeNotifies_;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    other->Notification(this, TOperation::opRemove);
  }
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  const auto& list = owner_->components_;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].get() == this) return static_cast<int>(i);
  return -1;
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    throw ERangeError(QuilFormat("List index out of bounds (%d)", std::to_string(index)));
  return components_[static_cast<std::size_t>(index)].get();
}

TComponent& TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
  if (!component) throw EComponentError("Cannot insert a missing component");
  TComponent& c = *component;
  for (const TComponent* o = this; o; o = o->owner_)
    if (o == &c) throw EComponentError(QuilFormat("A component cannot own itself (%s)", c.GetNamePath()));
  ValidateRename(&c, "", c.name_);
  c.owner_ = this;
  components_.push_back(std::move(component));
  Notification(&c, TOperation::opInsert);
  return c;
}

std::unique_ptr<TComponent> TComponent::RemoveComponent(TComponent& component) {
  auto it = std::find_if(components_.begin(), components_.end(), [&](const auto& p) { return p.get() == &component; });
  if (it == components_.end()) return nullptr;
  std::unique_ptr<TComponent> released = std::move(*it);
  components_.erase(it);
  component.owner_ = nullptr;
  Notification(&component, TOperation::opRemove);
  return released;
}

void TComponent::DestroyComponent(TComponent& component) { RemoveComponent(component).reset(); }

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent& last = *components_.back();
    // Removal first, so the siblings are told before the component is gone.
    auto released = RemoveComponent(last);
    released.reset();
  }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const auto& c : components_)
    if (SameText(c->name_, name)) return c.get();
  return nullptr;
}

void TComponent::ValidateRename(TComponent* component, const std::string& curName, const std::string& newName) {
  if (!component || newName.empty() || SameText(curName, newName)) return;
  TComponent* existing = FindComponent(newName);
  if (existing && existing != component)
    throw EComponentError(QuilFormat("A component named %s already exists", newName));
}

void TComponent::SetName(const std::string& newName) {
  if (name_ == newName) return;
  if (!newName.empty() && !IsValidIdent(newName))
    throw EComponentError(QuilFormat("'%s' is not a valid component name", newName));
  if (owner_)
    owner_->ValidateRename(this, name_, newName);
  else
    ValidateRename(nullptr, name_, newName);
  ChangeName(newName);
}

void TComponent::SetSubComponent(bool value) {
  if (value)
    style_ |= csSubComponent;
  else
    style_ &= ~csSubComponent;
}

void TComponent::FreeNotification(TComponent& target) {
  if (&target == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), &target) == freeNotifies_.end())
    freeNotifies_.push_back(&target);
  auto& back = target.freeNotifies_;
  if (std::find(back.begin(), back.end(), this) == back.end()) back.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent& target) {
  freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), &target), freeNotifies_.end());
  auto& back = target.freeNotifies_;
  back.erase(std::remove(back.begin(), back.end(), this), back.end());
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component) RemoveFreeNotification(*component);
  // A handler may destroy components of this owner, so the list is re-checked at every step.
  for (std::size_t i = components_.size(); i-- > 0;)
    if (i < components_.size() && components_[i].get() != component)
      components_[i]->Notification(component, operation);
}

void TComponent::ReadState(TReader& reader) { reader.ReadData(*this); }

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::SetChildOrder(TComponent*, int) {}

void TComponent::GetChildren(const std::function<void(TComponent&)>&, TComponent&) {}

void TComponent::Loaded() { ClearState(csLoading); }

}  // namespace quil

#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/persistent.h"

namespace quil {

class TReader;

enum TComponentStateFlag : uint32_t {
  csLoading = 1u << 0,     // from creation by the reader until Loaded
  csReading = 1u << 1,     // while its own properties and children are read
  csDesigning = 1u << 2,   // never set in this program
  csDestroying = 1u << 3,  // inside the destructor
};
using TComponentState = uint32_t;

enum TComponentStyleFlag : uint32_t {
  csSubComponent = 1u << 0,  // owned sub-object stored with its owner
};
using TComponentStyle = uint32_t;

enum class TOperation { opInsert, opRemove };

// A persistent object with an owner, a name and a loading state. The owner owns its
// components and destroys them, newest first, when it goes; any other component that keeps
// a plain pointer to one asks to be told of its removal (FreeNotification) and clears it.
class TComponent : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  // The component joins owner only when handed over with InsertComponent, usually through
  // MakeOwned; owner is taken so that every component class has the same constructor. Loading
  // state is never inherited from the owner: the form reader marks what it reads (csLoading)
  // and calls Loaded for exactly those objects.
  explicit TComponent(TComponent* owner = nullptr);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  // "List index out of bounds (%d)" outside 0 .. ComponentCount() - 1.
  TComponent* Components(int index) const;
  int ComponentIndex() const;

  // Takes ownership of component and tells every owned component (opInsert). A name already
  // used among the owned components fails with "A component named %s already exists".
  TComponent& InsertComponent(std::unique_ptr<TComponent> component);
  // Gives the component up without destroying it.
  std::unique_ptr<TComponent> RemoveComponent(TComponent& component);
  // Destroys one owned component now.
  void DestroyComponent(TComponent& component);
  // Destroys every owned component, newest first. The destructor does this only after the
  // derived parts are gone, so a class whose owned components reach back into its own members
  // calls it first in its destructor.
  void DestroyComponents();
  // Looks an owned component up by name without regard to case.
  TComponent* FindComponent(std::string_view name) const;

  const std::string& Name() const { return name_; }
  // Empty, or an identifier unique among the owner's components (compared without regard to
  // case): "'%s' is not a valid component name", "A component named %s already exists".
  virtual void SetName(const std::string& newName);
  std::string GetNamePath() const override { return name_.empty() ? ClassName() : name_; }

  TComponentState ComponentState() const { return state_; }
  bool HasState(TComponentState s) const { return (state_ & s) != 0; }
  void SetState(TComponentState s) { state_ |= s; }
  void ClearState(TComponentState s) { state_ &= ~s; }
  TComponentStyle ComponentStyle() const { return style_; }
  // Marks an owned sub-object stored with its owner; the reader puts such objects into the
  // loading state together with their owner.
  void SetSubComponent(bool value);

  // Ask to be told (Notification opRemove) when target goes away; the link is mutual.
  void FreeNotification(TComponent& target);
  void RemoveFreeNotification(TComponent& target);

  // Operations the form reader calls, with the defaults of a plain component.
  // Reads the component's own properties and children (TReader::ReadData); a class that must
  // hold something back while it reads overrides it around this default.
  virtual void ReadState(TReader& reader);
  virtual void SetParentComponent(TComponent* parent);
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual TComponent* GetChildParent() { return this; }
  virtual TComponent* GetChildOwner() { return nullptr; }
  // Hands every component stored inside this one to proc, in stream order; only components
  // owned by root are stored. The form writer walks the tree this way.
  virtual void GetChildren(const std::function<void(TComponent&)>& proc, TComponent& root);
  virtual void SetChildOrder(TComponent* child, int order);
  // The end of loading; the base clears csLoading.
  virtual void Loaded();

 protected:
  // Told when a component is inserted into or removed from this owner, or when a component
  // this one asked FreeNotification of is destroyed. The base forwards removals to the
  // owned components so siblings can clear their links.
  virtual void Notification(TComponent* component, TOperation operation);
  virtual void ValidateRename(TComponent* component, const std::string& curName, const std::string& newName);
  void ChangeName(const std::string& newName) { name_ = newName; }

 private:
  void NotifyRemoval();

  TComponent* owner_ = nullptr;
  std::vector<std::unique_ptr<TComponent>> components_;
  std::vector<TComponent*> freeNotifies_;
  std::string name_;
  TComponentState state_ = 0;
  TComponentStyle style_ = 0;
};

// Creates a T owned by owner and answers a reference to it.
template <class T, class... Args>
T& MakeOwned(TComponent& owner, Args&&... args) {
  auto created = std::make_unique<T>(&owner, std::forward<Args>(args)...);
  T& result = *created;
  owner.InsertComponent(std::move(created));
  return result;
}

// Letters, digits and underscores, not starting with a digit.
bool IsValidIdent(std::string_view ident);

}  // namespace quil

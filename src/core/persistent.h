#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/properties.h"

namespace quil {

class TPersistent;
class TComponent;
class TFiler;

// What a class knows of itself at run time: its name, its ancestor, how to create an
// instance from its name (components only) and its published properties.
class TMetaClass {
 public:
  using TComponentFactory = std::function<std::unique_ptr<TComponent>(TComponent* owner)>;

  TMetaClass(std::string name, const TMetaClass* parent, std::vector<TPropInfo> properties = {},
             TComponentFactory factory = nullptr, std::vector<const TMetaClass*> fieldClasses = {});

  const std::string& ClassName() const { return name_; }
  const TMetaClass* ClassParent() const { return parent_; }
  bool InheritsFrom(const TMetaClass& other) const;
  bool IsComponentClass() const;

  // Creates an instance owned by nobody yet; the caller hands it to its owner.
  bool CanCreate() const { return static_cast<bool>(factory_); }
  std::unique_ptr<TComponent> CreateComponent(TComponent* owner) const;

  // The published properties this class adds to its ancestors'.
  const std::vector<TPropInfo>& OwnProperties() const { return properties_; }
  // The class's own published properties followed by its ancestors', nearest first.
  std::vector<const TPropInfo*> Properties() const;
  // Looks a property up by name without regard to ASCII case, the class's own first.
  const TPropInfo* FindProperty(std::string_view name) const;
  // The classes of the components this class keeps as named fields (a window's children);
  // the form reader finds classes here before it asks the class registry.
  const std::vector<const TMetaClass*>& FieldClasses() const { return fieldClasses_; }

 private:
  std::string name_;
  const TMetaClass* parent_;
  std::vector<TPropInfo> properties_;
  TComponentFactory factory_;
  std::vector<const TMetaClass*> fieldClasses_;
};

// Creation function for a metaclass of a component class with an (owner) constructor.
template <class T>
TMetaClass::TComponentFactory ComponentFactory() {
  return [](TComponent* owner) -> std::unique_ptr<TComponent> { return std::make_unique<T>(owner); };
}

// Base of every object the form description can store.
class TPersistent {
 public:
  TPersistent() = default;
  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;
  virtual ~TPersistent() = default;

  static const TMetaClass& StaticClass();
  virtual const TMetaClass& ClassType() const { return StaticClass(); }
  const std::string& ClassName() const { return ClassType().ClassName(); }
  bool InheritsFrom(const TMetaClass& c) const { return ClassType().InheritsFrom(c); }

  // Copies the settings of source; the base accepts only itself and fails otherwise.
  virtual void Assign(const TPersistent& source);

  // Declares the values only the stream knows (through TFiler::DefineProperty).
  virtual void DefineProperties(TFiler& filer);

  // The name used in messages: the component name, or the class name.
  virtual std::string GetNamePath() const { return ClassName(); }
};

// Declares the class-identity members every persistent class carries.
#define QUIL_PERSISTENT_CLASS                        \
 public:                                             \
  static const ::quil::TMetaClass& StaticClass();    \
  const ::quil::TMetaClass& ClassType() const override { return StaticClass(); }

}  // namespace quil

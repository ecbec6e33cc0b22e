#include <gtest/gtest.h>

#include <memory>

#include "core/class_registry.h"
#include "core/component.h"
#include "core/exceptions.h"

namespace quil {
namespace {

class TRegistryWidget : public TComponent {
  QUIL_PERSISTENT_CLASS

 public:
  using TComponent::TComponent;
};

class TRegistryGadget : public TComponent {
  QUIL_PERSISTENT_CLASS

 public:
  using TComponent::TComponent;
};

const TMetaClass& TRegistryWidget::StaticClass() {
  static const TMetaClass meta("TRegistryWidget", &TComponent::StaticClass(), {},
                               ComponentFactory<TRegistryWidget>());
  return meta;
}

const TMetaClass& TRegistryGadget::StaticClass() {
  static const TMetaClass meta("TRegistryGadget", &TComponent::StaticClass(), {},
                               ComponentFactory<TRegistryGadget>());
  return meta;
}

// The registry is global: every test leaves it as it found it.
class ClassRegistry : public ::testing::Test {
 protected:
  void TearDown() override {
    UnRegisterClass(TRegistryWidget::StaticClass());
    UnRegisterClass(TRegistryGadget::StaticClass());
  }
};

TEST_F(ClassRegistry, GetClassIgnoresCase) {
  RegisterClass(TRegistryWidget::StaticClass());
  for (const char* name : {"TRegistryWidget", "tregistrywidget", "TREGISTRYWIDGET"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(GetClass(name), &TRegistryWidget::StaticClass());
    EXPECT_EQ(&FindClass(name), &TRegistryWidget::StaticClass());
  }
  EXPECT_EQ(GetClass("TRegistryWidge"), nullptr);
}

TEST_F(ClassRegistry, RegisteringAgainIsHarmless) {
  RegisterClass(TRegistryWidget::StaticClass());
  RegisterClass(TRegistryWidget::StaticClass());
  RegisterClasses({&TRegistryWidget::StaticClass(), &TRegistryGadget::StaticClass(), &TRegistryGadget::StaticClass()});
  EXPECT_EQ(GetClass("TRegistryGadget"), &TRegistryGadget::StaticClass());
  // One entry each: a single removal makes the class unknown again.
  UnRegisterClass(TRegistryWidget::StaticClass());
  UnRegisterClass(TRegistryGadget::StaticClass());
  EXPECT_EQ(GetClass("TRegistryWidget"), nullptr);
  EXPECT_EQ(GetClass("TRegistryGadget"), nullptr);
}

TEST_F(ClassRegistry, AnotherClassUnderATakenNameIsRefused) {
  RegisterClass(TRegistryWidget::StaticClass());
  const TMetaClass impostor("tregistrywidget", &TComponent::StaticClass());
  try {
    RegisterClass(impostor);
    FAIL() << "second class under one name accepted";
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "A class named tregistrywidget already exists");
  }
  EXPECT_EQ(GetClass("TRegistryWidget"), &TRegistryWidget::StaticClass());
}

TEST_F(ClassRegistry, FindClassFailsForAnUnknownName) {
  EXPECT_EQ(GetClass("TNoSuchSeries"), nullptr);
  try {
    FindClass("TNoSuchSeries");
    FAIL() << "unknown class found";
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Class TNoSuchSeries not found");
  }
}

TEST_F(ClassRegistry, CreatesAComponentFromItsMetaclass) {
  RegisterClasses({&TRegistryWidget::StaticClass(), &TRegistryGadget::StaticClass()});
  TComponent owner;
  const TMetaClass& meta = FindClass("tregistrygadget");
  ASSERT_TRUE(meta.CanCreate());
  EXPECT_TRUE(meta.IsComponentClass());

  TComponent& made = owner.InsertComponent(meta.CreateComponent(&owner));
  EXPECT_NE(dynamic_cast<TRegistryGadget*>(&made), nullptr);
  EXPECT_EQ(made.ClassName(), "TRegistryGadget");
  EXPECT_TRUE(made.InheritsFrom(TComponent::StaticClass()));
  EXPECT_FALSE(made.InheritsFrom(TRegistryWidget::StaticClass()));
  EXPECT_EQ(made.Owner(), &owner);
}

TEST_F(ClassRegistry, AClassWithoutFactoryCannotBeCreated) {
  const TMetaClass abstractClass("TAbstractThing", &TComponent::StaticClass());
  EXPECT_FALSE(abstractClass.CanCreate());
  try {
    abstractClass.CreateComponent(nullptr);
    FAIL() << "created without a factory";
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Class TAbstractThing not found");
  }
  EXPECT_FALSE(TPersistent::StaticClass().IsComponentClass());
}

}  // namespace
}  // namespace quil

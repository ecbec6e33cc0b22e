#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/component.h"
#include "core/exceptions.h"
#include "core/reader.h"
#include "scripted_reader.h"

namespace quil {
namespace {

// Writes its name into a shared log when it is destroyed.
class TLoggedComponent : public TComponent {
 public:
  TLoggedComponent(TComponent* owner, std::vector<std::string>& log, const std::string& name)
      : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~TLoggedComponent() override { log_.push_back(Name()); }

 private:
  std::vector<std::string>& log_;
};

// Keeps a plain pointer to another component and clears it when told of that one's removal.
// Every removal it is told of is noted as "<own name> told of <removed name>".
class TLinkHolder : public TComponent {
 public:
  explicit TLinkHolder(TComponent* owner = nullptr, std::vector<std::string>* notes = nullptr)
      : TComponent(owner), notes_(notes) {}

  TComponent* Link() const { return link_; }
  // A sibling under the same owner needs no registration: the owner tells all its components.
  void SetSiblingLink(TComponent* target) { link_ = target; }
  // A target elsewhere is watched through FreeNotification.
  void SetLink(TComponent* target) {
    if (link_) RemoveFreeNotification(*link_);
    link_ = target;
    if (target) FreeNotification(*target);
  }
  int Removals() const { return removals_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    ++removals_;
    if (notes_) notes_->push_back(Name() + " told of " + component->Name());
    if (component == link_) link_ = nullptr;
  }

 private:
  std::vector<std::string>* notes_;
  TComponent* link_ = nullptr;
  int removals_ = 0;
};

// Remembers in which state Loaded found it.
class TLoadingProbe : public TComponent {
 public:
  using TComponent::TComponent;
  TComponentState StateAtLoaded = 0;
  void Loaded() override {
    StateAtLoaded = ComponentState();
    TComponent::Loaded();
  }
};

TEST(ComponentOwnership, OwnerDestroysOwnedComponentsNewestFirst) {
  std::vector<std::string> log;
  auto root = std::make_unique<TComponent>();
  MakeOwned<TLoggedComponent>(*root, log, "First");
  MakeOwned<TLoggedComponent>(*root, log, "Second");
  MakeOwned<TLoggedComponent>(*root, log, "Third");
  ASSERT_EQ(root->ComponentCount(), 3);

  root.reset();
  EXPECT_EQ(log, (std::vector<std::string>{"Third", "Second", "First"}));
}

TEST(ComponentOwnership, ComponentsAreListedInInsertionOrderWithTheirIndex) {
  TComponent root;
  TComponent& a = MakeOwned<TComponent>(root);
  TComponent& b = MakeOwned<TComponent>(root);
  EXPECT_EQ(root.Components(0), &a);
  EXPECT_EQ(root.Components(1), &b);
  EXPECT_EQ(b.ComponentIndex(), 1);
  EXPECT_EQ(b.Owner(), &root);
  EXPECT_EQ(root.ComponentIndex(), -1);
  try {
    root.Components(2);
    FAIL() << "index 2 of 2 accepted";
  } catch (const ERangeError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (2)");
  }
}

TEST(ComponentOwnership, DestroyingOneComponentLeavesItsSiblings) {
  std::vector<std::string> log;
  TComponent root;
  MakeOwned<TLoggedComponent>(root, log, "Keep");
  auto& gone = MakeOwned<TLoggedComponent>(root, log, "Gone");
  root.DestroyComponent(gone);
  EXPECT_EQ(log, std::vector<std::string>{"Gone"});
  ASSERT_EQ(root.ComponentCount(), 1);
  EXPECT_EQ(root.Components(0)->Name(), "Keep");
}

TEST(ComponentOwnership, RemovedComponentSurvivesAndCanJoinAnotherOwner) {
  TComponent first;
  TComponent second;
  TComponent& moved = MakeOwned<TComponent>(first);
  moved.SetName("Moved");
  std::unique_ptr<TComponent> released = first.RemoveComponent(moved);
  ASSERT_EQ(released.get(), &moved);
  EXPECT_EQ(moved.Owner(), nullptr);
  EXPECT_EQ(first.ComponentCount(), 0);

  second.InsertComponent(std::move(released));
  EXPECT_EQ(moved.Owner(), &second);
  EXPECT_EQ(second.FindComponent("moved"), &moved);
}

TEST(ComponentOwnership, AComponentCannotOwnItself) {
  auto self = std::make_unique<TComponent>();
  TComponent* raw = self.get();
  EXPECT_THROW(raw->InsertComponent(std::move(self)), EComponentError);
  TComponent owner;
  EXPECT_THROW(owner.InsertComponent(nullptr), EComponentError);
}

TEST(ComponentNotification, DestroyedSiblingClearsTheLinkToIt) {
  TComponent root;
  auto& holder = MakeOwned<TLinkHolder>(root);
  auto& target = MakeOwned<TComponent>(root);
  holder.SetSiblingLink(&target);
  root.DestroyComponent(target);
  EXPECT_EQ(holder.Link(), nullptr);
}

TEST(ComponentNotification, OwnerDestructionTellsOnlyComponentsStillAlive) {
  // Two components watching each other: the newer goes first and the older is told; the older
  // then goes without telling the one already destroyed.
  std::vector<std::string> notes;
  {
    TComponent root;
    auto& older = MakeOwned<TLinkHolder>(root, &notes);
    auto& newer = MakeOwned<TLinkHolder>(root, &notes);
    older.SetName("Older");
    newer.SetName("Newer");
    older.SetLink(&newer);
    newer.SetLink(&older);
  }
  EXPECT_EQ(notes, std::vector<std::string>{"Older told of Newer"});
}

TEST(ComponentNotification, ComponentsToldDuringTheOwnersDestructionCanSeeIt) {
  // A component must not call back into an owner that is half destroyed; csDestroying says so.
  struct TOwnerWatcher : TComponent {
    using TComponent::TComponent;
    std::vector<bool>* seen = nullptr;
    void Notification(TComponent* component, TOperation operation) override {
      TComponent::Notification(component, operation);
      if (operation == TOperation::opRemove) seen->push_back(Owner()->HasState(csDestroying));
    }
  };
  std::vector<bool> seen;
  auto root = std::make_unique<TComponent>();
  MakeOwned<TOwnerWatcher>(*root).seen = &seen;
  TComponent& sibling = MakeOwned<TComponent>(*root);
  root->DestroyComponent(sibling);
  MakeOwned<TComponent>(*root);
  root.reset();
  EXPECT_EQ(seen, (std::vector<bool>{false, true}));
}

TEST(ComponentNotification, FreeNotificationReachesAcrossOwners) {
  auto targetOwner = std::make_unique<TComponent>();
  TComponent holderOwner;
  auto& target = MakeOwned<TComponent>(*targetOwner);
  auto& holder = MakeOwned<TLinkHolder>(holderOwner);
  holder.SetLink(&target);

  targetOwner.reset();
  EXPECT_EQ(holder.Link(), nullptr);
}

TEST(ComponentNotification, FreeNotificationOfAnUnownedTarget) {
  auto target = std::make_unique<TComponent>();
  TLinkHolder holder;
  holder.SetLink(target.get());
  target.reset();
  EXPECT_EQ(holder.Link(), nullptr);
}

TEST(ComponentNotification, TheLinkIsMutual) {
  // The target is told when its watcher goes, so it never reports to a destroyed watcher.
  std::vector<std::string> notes;
  auto target = std::make_unique<TLinkHolder>(nullptr, &notes);
  auto holder = std::make_unique<TLinkHolder>(nullptr, &notes);
  target->SetName("Target");
  holder->SetName("Holder");
  holder->SetLink(target.get());
  holder.reset();
  target.reset();
  EXPECT_EQ(notes, std::vector<std::string>{"Target told of Holder"});
}

TEST(ComponentNotification, RemoveFreeNotificationStopsTheReport) {
  auto oldTarget = std::make_unique<TComponent>();
  TComponent newTarget;
  TLinkHolder holder;
  holder.SetLink(oldTarget.get());
  holder.SetLink(&newTarget);
  oldTarget.reset();
  EXPECT_EQ(holder.Removals(), 0);
  EXPECT_EQ(holder.Link(), &newTarget);
}

TEST(ComponentNotification, RemovingWithoutDestroyingAlsoTellsTheSiblings) {
  TComponent root;
  auto& holder = MakeOwned<TLinkHolder>(root);
  auto& target = MakeOwned<TComponent>(root);
  holder.SetSiblingLink(&target);
  std::unique_ptr<TComponent> kept = root.RemoveComponent(target);
  EXPECT_EQ(holder.Link(), nullptr);
  EXPECT_EQ(kept.get(), &target);
}

TEST(ComponentNames, ValidAndInvalidNames) {
  struct Case {
    std::string name;
    bool valid;
  };
  const Case cases[] = {
      {"Button1", true}, {"_hidden", true}, {"a_1", true}, {"", true},      {"1abc", false},
      {"a b", false},    {"a-b", false},    {"a.b", false}, {" ", false},  {"\xC3\xA4pfel", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("name \"" + c.name + "\"");
    TComponent component;
    component.SetName("Before");
    if (c.valid) {
      component.SetName(c.name);
      EXPECT_EQ(component.Name(), c.name);
      continue;
    }
    try {
      component.SetName(c.name);
      FAIL() << "accepted";
    } catch (const EComponentError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + c.name + "' is not a valid component name");
    }
    EXPECT_EQ(component.Name(), "Before");
  }
}

TEST(ComponentNames, DuplicateNamesUnderOneOwnerFailWithoutRegardToCase) {
  TComponent root;
  MakeOwned<TComponent>(root).SetName("Button1");
  TComponent& other = MakeOwned<TComponent>(root);
  other.SetName("Other");
  try {
    other.SetName("BUTTON1");
    FAIL() << "duplicate accepted";
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "A component named BUTTON1 already exists");
  }
  EXPECT_EQ(other.Name(), "Other");
}

TEST(ComponentNames, RenamingInAnotherCaseAndEmptyNamesAreAllowed) {
  TComponent root;
  TComponent& a = MakeOwned<TComponent>(root);
  a.SetName("Chart1");
  a.SetName("CHART1");
  EXPECT_EQ(a.Name(), "CHART1");
  MakeOwned<TComponent>(root);
  MakeOwned<TComponent>(root);
  EXPECT_EQ(root.ComponentCount(), 3);
  EXPECT_EQ(root.FindComponent(""), nullptr);
}

TEST(ComponentNames, UnownedComponentsMayShareANameButOwnersCheckOnInsert) {
  TComponent root;
  MakeOwned<TComponent>(root).SetName("Series1");
  auto loose = std::make_unique<TComponent>();
  loose->SetName("series1");  // nobody owns it yet, nothing to clash with
  EXPECT_THROW(root.InsertComponent(std::move(loose)), EComponentError);
  EXPECT_EQ(root.ComponentCount(), 1);
}

TEST(ComponentNames, FindComponentIgnoresCase) {
  TComponent root;
  TComponent& series = MakeOwned<TComponent>(root);
  series.SetName("Series1");
  EXPECT_EQ(root.FindComponent("series1"), &series);
  EXPECT_EQ(root.FindComponent("SERIES1"), &series);
  EXPECT_EQ(root.FindComponent("Series2"), nullptr);
}

TEST(ComponentState, LoadedClearsLoadingOnly) {
  TLoadingProbe probe;
  probe.SetState(csLoading | csReading);
  probe.Loaded();
  EXPECT_EQ(probe.StateAtLoaded, csLoading | csReading);
  EXPECT_FALSE(probe.HasState(csLoading));
  EXPECT_TRUE(probe.HasState(csReading));
  probe.ClearState(csReading);
  EXPECT_EQ(probe.ComponentState(), 0u);
}

TEST(ComponentState, ALoadingOwnerDoesNotPassItsStateOn) {
  // Only what the reader marks is in the loaded list; anything else marked loading would never
  // see its Loaded step.
  TComponent owner;
  owner.SetState(csLoading);
  TComponent& made = MakeOwned<TComponent>(owner);
  EXPECT_FALSE(made.HasState(csLoading));
}

TEST(ComponentState, SubComponentStyle) {
  TComponent owner;
  TComponent& sub = MakeOwned<TComponent>(owner);
  EXPECT_EQ(sub.ComponentStyle() & csSubComponent, 0u);
  sub.SetSubComponent(true);
  EXPECT_NE(sub.ComponentStyle() & csSubComponent, 0u);
  sub.SetSubComponent(false);
  EXPECT_EQ(sub.ComponentStyle() & csSubComponent, 0u);
}

// Reads an object's data by handing the object to a callback.
class TDataReader : public test::TScriptedReader {
 public:
  explicit TDataReader(std::function<void(TComponent&)> onReadData)
      : TScriptedReader({}), onReadData_(std::move(onReadData)) {}
  void ReadData(TComponent& instance) override { onReadData_(instance); }

 private:
  std::function<void(TComponent&)> onReadData_;
};

// Holds back repaints while it reads, as the chart panel does.
class TSuspendingPanel : public TComponent {
 public:
  using TComponent::TComponent;
  bool Suspended = false;
  void ReadState(TReader& reader) override {
    Suspended = true;
    TComponent::ReadState(reader);
    Suspended = false;
  }
};

TEST(ComponentState, ReadStateReadsTheComponentsOwnData) {
  std::vector<std::string> read;
  TDataReader reader([&](TComponent& c) { read.push_back(c.Name()); });
  TComponent plain;
  plain.SetName("Plain");
  plain.ReadState(reader);
  EXPECT_EQ(read, std::vector<std::string>{"Plain"});

  TSuspendingPanel panel;
  std::vector<bool> suspendedWhileRead;
  TDataReader panelReader([&](TComponent&) { suspendedWhileRead.push_back(panel.Suspended); });
  panel.ReadState(panelReader);
  EXPECT_EQ(suspendedWhileRead, std::vector<bool>{true}) << "the data is read inside the override";
  EXPECT_FALSE(panel.Suspended);
}

TEST(ComponentState, AReaderForSingleValuesCannotReadObjects) {
  test::TScriptedReader values({});
  TComponent component;
  EXPECT_THROW(component.ReadState(values), EReadError);
  EXPECT_THROW(values.NextValue(), EReadError);
  EXPECT_THROW(values.SkipValue(), EReadError);
}

TEST(ComponentState, ReaderDefaultsOfAPlainComponent) {
  TComponent component;
  EXPECT_EQ(component.GetChildParent(), &component);
  EXPECT_EQ(component.GetChildOwner(), nullptr);
  EXPECT_EQ(component.GetParentComponent(), nullptr);
  EXPECT_EQ(component.GetNamePath(), "TComponent");
  component.SetName("Named");
  EXPECT_EQ(component.GetNamePath(), "Named");
}

}  // namespace
}  // namespace quil

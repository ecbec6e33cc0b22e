#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/collection.h"
#include "core/component.h"
#include "core/filer.h"
#include "core/strings.h"

namespace quil::test {

// Small stored classes with one published property of every kind, for the form reader and
// writer tests.
class TSampleDetail : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  int Size() const { return size_; }
  void SetSize(int v) { size_ = v; }
  TStrings& Lines() { return lines_; }

 private:
  int size_ = 0;
  TStrings lines_;
};

class TSampleItem : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  const std::string& Text() const { return text_; }
  void SetText(const std::string& v) { text_ = v; }
  int Value() const { return value_; }
  void SetValue(int v) { value_ = v; }

 private:
  std::string text_;
  int value_ = 0;
};

class TSampleItems : public TCollection {
  QUIL_PERSISTENT_CLASS

 public:
  int Count() const override { return static_cast<int>(items_.size()); }
  TPersistent& Item(int index) override { return *items_.at(static_cast<std::size_t>(index)); }
  TPersistent& AddItem() override { return *items_.emplace_back(std::make_unique<TSampleItem>()); }
  void Clear() override { items_.clear(); }
  TSampleItem& At(int index) { return *items_.at(static_cast<std::size_t>(index)); }

 private:
  std::vector<std::unique_ptr<TSampleItem>> items_;
};

// Every Loaded call of sample components, in order.
std::vector<std::string>& LoadedLog();

class TSampleComponent : public TComponent {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TSampleComponent(TComponent* owner = nullptr) : TComponent(owner) {}
  ~TSampleComponent() override;

  int Left() const { return left_; }
  void SetLeft(int v);
  int64_t Big() const { return big_; }
  void SetBig(int64_t v) { big_ = v; }
  int Align() const { return align_; }
  void SetAlign(int v) { align_ = v; }
  bool Active() const { return active_; }
  void SetActive(bool v) { active_ = v; }
  double Ratio() const { return ratio_; }
  void SetRatio(double v) { ratio_ = v; }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& v) { text_ = v; }
  int64_t Options() const { return options_; }
  void SetOptions(int64_t v) { options_ = v; }
  // Created on first access, as rarely used sub-objects are.
  TSampleDetail* Detail();
  TSampleDetail* DetailOrNull() const { return detail_.get(); }
  TSampleComponent* Link() const { return link_; }
  void SetLink(TSampleComponent* v);
  TSampleItems& Items() { return items_; }
  int Extra() const { return extra_; }
  void SetExtra(int v) { extra_ = v; }
  const std::vector<uint8_t>& Blob() const { return blob_; }
  void SetBlob(std::vector<uint8_t> v) { blob_ = std::move(v); }

  TComponent* ParentSample() const { return parent_; }
  // Whether the parent was set when the first published property arrived.
  bool ParentBeforeProperties() const { return parentBeforeProperties_; }

  void SetParentComponent(TComponent* parent) override { parent_ = parent; }
  TComponent* GetParentComponent() const override { return parent_; }
  void GetChildren(const std::function<void(TComponent&)>& proc, TComponent& root) override;
  void DefineProperties(TFiler& filer) override;
  void Loaded() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  int left_ = 0;
  int64_t big_ = 0;
  int align_ = 0;
  bool active_ = false;
  double ratio_ = 0;
  std::string text_;
  int64_t options_ = 0;
  std::unique_ptr<TSampleDetail> detail_;
  TSampleComponent* link_ = nullptr;
  TSampleItems items_;
  int extra_ = 0;
  std::vector<uint8_t> blob_;
  TComponent* parent_ = nullptr;
  bool parentBeforeProperties_ = false;
  bool anyProperty_ = false;
};

// The root of sample descriptions; its field classes name TSampleComponent.
class TSampleRoot : public TComponent {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TSampleRoot(TComponent* owner = nullptr) : TComponent(owner) {}
  void GetChildren(const std::function<void(TComponent&)>& proc, TComponent& root) override;
  void Loaded() override;
};

}  // namespace quil::test

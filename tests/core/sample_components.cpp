#include "sample_components.h"

#include "core/color_idents.h"
#include "core/reader.h"

namespace quil::test {

namespace {

const TEnumInfo& AlignNames() {
  static const TEnumInfo info{"TSampleAlign", {"saNone", "saTop", "saClient"}};
  return info;
}

const TEnumInfo& OptionNames() {
  static const TEnumInfo info{"TSampleOption", {"soFirst", "soSecond", "soThird"}};
  return info;
}

}  // namespace

std::vector<std::string>& LoadedLog() {
  static std::vector<std::string> log;
  return log;
}

const TMetaClass& TSampleDetail::StaticClass() {
  using C = TSampleDetail;
  static const TMetaClass meta("TSampleDetail", &TPersistent::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Int("Size", &C::Size, &C::SetSize, 0)
                                   .Object("Lines", &C::Lines)
                                   .Build());
  return meta;
}

const TMetaClass& TSampleItem::StaticClass() {
  using C = TSampleItem;
  static const TMetaClass meta("TSampleItem", &TPersistent::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .String("Text", &C::Text, &C::SetText, std::string())
                                   .Int("Value", &C::Value, &C::SetValue, 0)
                                   .Build());
  return meta;
}

const TMetaClass& TSampleItems::StaticClass() {
  static const TMetaClass meta("TSampleItems", &TCollection::StaticClass());
  return meta;
}

const TMetaClass& TSampleComponent::StaticClass() {
  using C = TSampleComponent;
  static const TMetaClass meta(
      "TSampleComponent", &TComponent::StaticClass(),
      TPropertyListBuilder<C>()
          .Int("Left", &C::Left, &C::SetLeft, 0, &ColorIdents())
          .Int("Big", &C::Big, &C::SetBig, 0)
          .Enum("Align", AlignNames(), &C::Align, &C::SetAlign, 0)
          .Bool("Active", &C::Active, &C::SetActive, false)
          .Float("Ratio", &C::Ratio, &C::SetRatio, 0.0)
          .String("Text", &C::Text, &C::SetText, std::string())
          .Set("Options", OptionNames(), &C::Options, &C::SetOptions, 0)
          .Object("Detail", &C::Detail)
          .StoredWhen([](const C& c) { return c.DetailOrNull() != nullptr; })
          .Reference("Link", &C::Link, &C::SetLink)
          .Object("Items", &C::Items)
          .Event("OnClick")
          .Build(),
      ComponentFactory<C>());
  return meta;
}

TSampleComponent::~TSampleComponent() { SetLink(nullptr); }

void TSampleComponent::SetLeft(int v) {
  if (!anyProperty_) parentBeforeProperties_ = parent_ != nullptr;
  anyProperty_ = true;
  left_ = v;
}

TSampleDetail* TSampleComponent::Detail() {
  if (!detail_) detail_ = std::make_unique<TSampleDetail>();
  return detail_.get();
}

void TSampleComponent::SetLink(TSampleComponent* v) {
  if (link_) RemoveFreeNotification(*link_);
  link_ = v;
  if (link_) FreeNotification(*link_);
}

void TSampleComponent::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == link_) link_ = nullptr;
}

void TSampleComponent::GetChildren(const std::function<void(TComponent&)>& proc, TComponent& root) {
  for (int i = 0; i < root.ComponentCount(); ++i)
    if (root.Components(i)->GetParentComponent() == this) proc(*root.Components(i));
}

void TSampleComponent::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineProperty(
      "Extra", [this](TReader& r) { extra_ = r.ReadInteger(); }, [this](TWriter& w) { w.WriteInteger(extra_); },
      extra_ != 0);
  filer.DefineBinaryProperty(
      "Blob",
      [this](TMemoryStream& s) {
        blob_.resize(s.Size());
        s.ReadBuffer(blob_.data(), blob_.size());
      },
      [this](TMemoryStream& s) { s.WriteBuffer(blob_.data(), blob_.size()); }, !blob_.empty());
}

void TSampleComponent::Loaded() {
  TComponent::Loaded();
  LoadedLog().push_back(Name());
}

const TMetaClass& TSampleRoot::StaticClass() {
  static const TMetaClass meta("TSampleRoot", &TComponent::StaticClass(), {}, ComponentFactory<TSampleRoot>(),
                               {&TSampleComponent::StaticClass()});
  return meta;
}

void TSampleRoot::GetChildren(const std::function<void(TComponent&)>& proc, TComponent& root) {
  for (int i = 0; i < root.ComponentCount(); ++i)
    if (!root.Components(i)->GetParentComponent()) proc(*root.Components(i));
}

void TSampleRoot::Loaded() {
  TComponent::Loaded();
  LoadedLog().push_back(Name());
}

}  // namespace quil::test

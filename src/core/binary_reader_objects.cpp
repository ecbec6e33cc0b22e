#include <algorithm>

#include "core/binary_reader.h"
#include "core/class_registry.h"
#include "core/collection.h"
#include "core/component.h"
#include "core/exceptions.h"
#include "core/filer.h"
#include "core/forms.h"
#include "core/property_path.h"
#include "core/stream_format.h"

namespace quil {

// Offers the reader's pending stream-only value to an object's DefineProperties: the first
// definition of that name (compared without regard to case) with a read procedure takes it.
class TBinaryReader::TDefinedReader : public TFiler {
 public:
  explicit TDefinedReader(TBinaryReader& reader) : reader_(reader) {}

  void DefineProperty(const std::string& name, TReaderProc readData, TWriterProc, bool) override {
    if (!Takes(name, readData)) return;
    readData(reader_);
  }
  void DefineBinaryProperty(const std::string& name, TStreamProc readData, TStreamProc, bool) override {
    if (!Takes(name, readData)) return;
    if (reader_.NextValue() != vaBinary) {
      reader_.SkipValue();
      throw EReadError(kInvalidPropertyValue);
    }
    reader_.ReadValue();
    std::vector<uint8_t> bytes(reader_.ReadLength(1));
    reader_.Read(bytes.data(), bytes.size());
    TMemoryStream stream(std::move(bytes));
    readData(stream);
  }

 private:
  template <class Proc>
  bool Takes(const std::string& name, const Proc& proc) {
    if (!proc || reader_.propName_.empty() || !SameText(name, reader_.propName_)) return false;
    reader_.propName_.clear();
    return true;
  }

  TBinaryReader& reader_;
};

namespace {

// Loading marks a component together with the sub-objects stored inside it.
template <class F>
void ForSelfAndSubComponents(TComponent& component, F f) {
  for (int i = 0; i < component.ComponentCount(); ++i) {
    TComponent* sub = component.Components(i);
    if (sub->ComponentStyle() & csSubComponent) f(*sub);
  }
  f(component);
}

// "Form1" when free, else the first free of "Form1_1", "Form1_2", ...
std::string UniqueRootName(const TComponent& root, const std::string& stored) {
  const auto* form = dynamic_cast<const TForm*>(&root);
  if (!form || stored.empty() || !TForm::IsFormName(stored, form)) return stored;
  for (int i = 1;; ++i) {
    std::string candidate = QuilFormat("%s_%d", stored, std::to_string(i));
    if (!TForm::IsFormName(candidate, form)) return candidate;
  }
}

}  // namespace

void TBinaryReader::ReadRootComponent(TComponent& root) {
  std::vector<TComponent*> loaded;
  ReadRootComponent(root, loaded);
  for (TComponent* c : loaded) c->Loaded();
}

void TBinaryReader::ReadRootComponent(TComponent& root, std::vector<TComponent*>& loaded) {
  ReadSignature();
  try {
    ReadRootObject(root, loaded);
  } catch (...) {
    fixups_.clear();
    throw;
  }
}

void TBinaryReader::ReadRootObject(TComponent& root, std::vector<TComponent*>& loaded) {
  uint8_t flags = 0;
  int position = 0;
  ReadPrefix(flags, position);
  ReadStr();  // the class is the root's own
  const std::string name = ReadStr();
  root.SetState(csLoading | csReading);
  root.SetName(UniqueRootName(root, name));
  root_ = owner_ = parent_ = &root;
  loaded_ = &loaded;
  AddLoaded(root);
  root.ReadState(*this);
  root.ClearState(csReading);
}

void TBinaryReader::ReadPrefix(uint8_t& flags, int& position) {
  flags = 0;
  position = 0;
  if ((NextValue() & kPrefixMark) != kPrefixMark) return;
  flags = ReadRaw<uint8_t>() & 0x0F;
  if (flags & ffChildPos) position = ReadInteger();
}

void TBinaryReader::AddLoaded(TComponent& component) {
  ForSelfAndSubComponents(component, [this](TComponent& c) {
    if (std::find(loaded_->begin(), loaded_->end(), &c) == loaded_->end()) loaded_->push_back(&c);
  });
}

void TBinaryReader::ReadData(TComponent& instance) {
  if (!loaded_) throw EReadError(kInvalidStreamFormat);
  const bool outermost = !readingData_;
  readingData_ = true;
  try {
    while (!EndOfList()) ReadProperty(instance);
    ReadListEnd();
    TComponent* const savedParent = parent_;
    TComponent* const savedOwner = owner_;
    parent_ = instance.GetChildParent();
    owner_ = instance.GetChildOwner();
    if (!owner_) owner_ = root_;
    try {
      while (!EndOfList()) ReadComponent();
      ReadListEnd();
    } catch (...) {
      parent_ = savedParent;
      owner_ = savedOwner;
      throw;
    }
    parent_ = savedParent;
    owner_ = savedOwner;
  } catch (...) {
    if (outermost) readingData_ = false;
    throw;
  }
  if (outermost) {
    readingData_ = false;
    FixupReferences();
  }
}

const TMetaClass& TBinaryReader::FindComponentClass(const std::string& className) const {
  const TMetaClass* found = nullptr;
  for (const TMetaClass* c = &root_->ClassType(); c && !found; c = c->ClassParent())
    for (const TMetaClass* field : c->FieldClasses())
      if (SameText(field->ClassName(), className)) {
        found = field;
        break;
      }
  if (!found) found = GetClass(className);
  if (!found || !found->IsComponentClass() || !found->CanCreate())
    throw EClassNotFound(QuilFormat(kClassNotFound, className));
  return *found;
}

TComponent& TBinaryReader::CreateChild(const std::string& className, const std::string& name) {
  const TMetaClass& cls = FindComponentClass(className);
  TComponent& created = owner_->InsertComponent(cls.CreateComponent(owner_));
  ForSelfAndSubComponents(created, [](TComponent& c) { c.SetState(csLoading); });
  try {
    // Parent first: a series or tool is part of its chart before its properties arrive.
    created.SetParentComponent(parent_);
    created.SetName(name);
  } catch (...) {
    owner_->DestroyComponent(created);
    throw;
  }
  return created;
}

void TBinaryReader::ReadComponent() {
  TNesting nesting(depth_);
  uint8_t flags = 0;
  int position = 0;
  ReadPrefix(flags, position);
  const std::string className = ReadStr();
  const std::string name = ReadStr();
  TComponent* component = nullptr;
  TComponent* const savedParent = parent_;
  if (flags & ffInherited) {
    component = owner_->FindComponent(name);
    if (!component) throw EReadError(QuilFormat(kAncestorNotFound, name));
    TComponent* p = component->GetParentComponent();
    parent_ = p ? p : root_;
  } else {
    component = &CreateChild(className, name);
  }
  try {
    ForSelfAndSubComponents(*component, [](TComponent& c) { c.SetState(csReading); });
    component->ReadState(*this);
    ForSelfAndSubComponents(*component, [](TComponent& c) { c.ClearState(csReading); });
  } catch (...) {
    parent_ = savedParent;
    throw;
  }
  parent_ = savedParent;
  if (flags & ffChildPos) parent_->SetChildOrder(component, position);
  AddLoaded(*component);
}

void TBinaryReader::ReadProperty(TPersistent& instance) {
  TNesting nesting(depth_);
  const std::string path = ReadStr();
  const std::size_t valueStart = position_;
  try {
    ReadPropertyAt(instance, path);
  } catch (const std::exception& e) {
    // Only a value nobody started to read can be passed over safely.
    if (position_ == valueStart) {
      try {
        SkipValue();
      } catch (const EQuilError&) {
      }
    }
    std::string name = instance.GetNamePath();
    throw EReadError(QuilFormat(kErrorReading, name, ".", path, e.what()));
  }
}

void TBinaryReader::ReadPropertyAt(TPersistent& instance, const std::string& path) {
  const TPropertyPathEnd end = ResolvePropertyPath(instance, path);
  if (end.Property)
    ReadPropValue(*end.Instance, *end.Property);
  else
    ReadDefinedValue(*end.Instance, end.Name);
}

void TBinaryReader::ReadDefinedValue(TPersistent& instance, const std::string& name) {
  propName_ = name;
  TDefinedReader filer(*this);
  instance.DefineProperties(filer);
  if (!propName_.empty()) {
    propName_.clear();
    throw EPropertyError(QuilFormat(kPropertyDoesNotExist, name));
  }
}

void TBinaryReader::ReadPropValue(TPersistent& instance, const TPropInfo& property) {
  if (property.Kind == TPropKind::Class) return ReadObjectValue(instance, property);
  if (property.Kind == TPropKind::Event) {
    // Nothing here has published methods: only "no handler" can be read.
    if (ReadValue() != vaNil) throw EReadError(kInvalidPropertyValue);
    return;
  }
  if (property.IsReadOnly()) throw EPropertyError(kPropertyReadOnly);
  TPropValue value;
  switch (property.Kind) {
    case TPropKind::Integer:
      if (NextValue() == vaIdent) {
        const std::string ident = ReadIdent();
        const auto mapped = property.Idents ? property.Idents->ToInt(ident) : std::nullopt;
        if (!mapped) throw EReadError(kInvalidPropertyValue);
        value = *mapped;
      } else {
        value = int64_t{ReadInteger()};
      }
      break;
    case TPropKind::Int64: value = ReadInt64(); break;
    case TPropKind::Enumeration:
    case TPropKind::Boolean: {
      const std::string ident = ReadIdent();
      const int index = property.Enum ? property.Enum->IndexOf(ident)
                        : SameText(ident, "False") ? 0
                        : SameText(ident, "True")  ? 1
                                                   : -1;
      if (index < 0) throw EReadError(kInvalidPropertyValue);
      value = int64_t{index};
      break;
    }
    case TPropKind::Float: value = ReadFloat(); break;
    case TPropKind::String: value = ReadString(); break;
    case TPropKind::Set:
      if (!property.Enum) throw EReadError(kInvalidPropertyValue);
      value = ReadSet(*property.Enum);
      break;
    default: throw EReadError(kInvalidPropertyValue);
  }
  SetPropertyValue(instance, property, value);
}

void TBinaryReader::ReadObjectValue(TPersistent& instance, const TPropInfo& property) {
  switch (NextValue()) {
    case vaNil:
      ReadValue();
      if (!property.SetObject) throw EPropertyError(kPropertyReadOnly);
      property.SetObject(instance, nullptr);
      return;
    case vaIdent:
      if (!property.SetObject) throw EPropertyError(kPropertyReadOnly);
      // Left as it is until every object of the description exists.
      fixups_.push_back({&instance, &property, ReadIdent()});
      return;
    case vaCollection: {
      ReadValue();
      auto* collection = property.Object ? dynamic_cast<TCollection*>(property.Object(instance)) : nullptr;
      if (!collection) throw EReadError(kInvalidPropertyValue);
      ReadCollection(*collection);
      return;
    }
    default: throw EReadError(kInvalidPropertyValue);
  }
}

void TBinaryReader::ReadCollection(TCollection& collection) {
  TNesting nesting(depth_);
  collection.BeginUpdate();
  try {
    if (!EndOfList()) collection.Clear();
    while (!EndOfList()) {
      const TValueType next = NextValue();
      if (next == vaInt8 || next == vaInt16 || next == vaInt32) ReadInteger();
      TPersistent& item = collection.AddItem();
      ReadListBegin();
      while (!EndOfList()) ReadProperty(item);
      ReadListEnd();
    }
    ReadListEnd();
  } catch (...) {
    collection.EndUpdate();
    throw;
  }
  collection.EndUpdate();
}

TComponent* TBinaryReader::FindReference(const std::string& name) const {
  TComponent* current = root_;
  std::size_t start = 0;
  while (current) {
    std::size_t end = name.size();
    std::size_t next = end;
    const std::size_t dot = name.find('.', start);
    const std::size_t arrow = name.find("->", start);
    if (dot < end && dot <= arrow) {
      end = dot;
      next = dot + 1;
    } else if (arrow < end) {
      end = arrow;
      next = arrow + 2;
    }
    const std::string part = name.substr(start, end - start);
    if (!SameText(part, "Owner")) current = current->FindComponent(part);
    if (next >= name.size()) return end == name.size() ? current : nullptr;
    start = next;
  }
  return nullptr;
}

void TBinaryReader::FixupReferences() {
  std::vector<TFixup> fixups = std::move(fixups_);
  fixups_.clear();
  for (const TFixup& f : fixups) {
    TComponent* target = FindReference(f.Name);
    // A plain name that is not found sets no object; a dotted one names an object of another
    // window, which this program never has, so the property is left as it is.
    const bool otherWindow = f.Name.find('.') != std::string::npos || f.Name.find("->") != std::string::npos;
    if (target || !otherWindow) f.Property->SetObject(*f.Instance, target);
  }
}

}  // namespace quil

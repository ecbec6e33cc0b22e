#include "core/binary_writer.h"

#include <cstring>
#include <limits>

#include "core/collection.h"
#include "core/component.h"
#include "core/exceptions.h"
#include "core/filer.h"
#include "core/stream_format.h"

namespace quil {

// Writes the stream-only values an object declares, each under its path, when the object says
// it has data for it and a procedure to write it.
class TBinaryWriter::TDefinedWriter : public TFiler {
 public:
  TDefinedWriter(TBinaryWriter& writer, std::string prefix) : writer_(writer), prefix_(std::move(prefix)) {}

  void DefineProperty(const std::string& name, TReaderProc, TWriterProc writeData, bool hasData) override {
    if (!hasData || !writeData) return;
    writer_.WriteStr(prefix_ + name);
    writeData(writer_);
  }
  void DefineBinaryProperty(const std::string& name, TStreamProc, TStreamProc writeData, bool hasData) override {
    if (!hasData || !writeData) return;
    TMemoryStream stream;
    writeData(stream);
    writer_.WriteStr(prefix_ + name);
    writer_.WriteBinary(stream.Bytes());
  }

 private:
  TBinaryWriter& writer_;
  std::string prefix_;
};

namespace {

bool IsAscii(const std::string& text) {
  for (char c : text)
    if (static_cast<uint8_t>(c) >= 0x80) return false;
  return true;
}

template <class T>
bool Fits(int64_t value) {
  return value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max();
}

}  // namespace

void TBinaryWriter::Write(const void* buffer, std::size_t count) {
  if (count == 0) return;
  const std::size_t end = bytes_.size();
  bytes_.resize(end + count);
  std::memcpy(bytes_.data() + end, buffer, count);
}

void TBinaryWriter::WriteValue(TValueType tag) { bytes_.push_back(tag); }

void TBinaryWriter::WriteListBegin() { WriteValue(vaList); }

void TBinaryWriter::WriteListEnd() { WriteValue(vaNull); }

void TBinaryWriter::WriteInteger(int64_t value) {
  if (Fits<int8_t>(value)) {
    WriteValue(vaInt8);
    const auto v = static_cast<int8_t>(value);
    Write(&v, sizeof v);
  } else if (Fits<int16_t>(value)) {
    WriteValue(vaInt16);
    const auto v = static_cast<int16_t>(value);
    Write(&v, sizeof v);
  } else if (Fits<int32_t>(value)) {
    WriteValue(vaInt32);
    const auto v = static_cast<int32_t>(value);
    Write(&v, sizeof v);
  } else {
    WriteValue(vaInt64);
    Write(&value, sizeof value);
  }
}

void TBinaryWriter::WriteFloat(double value) {
  WriteValue(vaDouble);
  Write(&value, sizeof value);
}

// ASCII texts are stored as plain strings, anything else as UTF-8 so that nothing is lost to
// the ANSI code page.
void TBinaryWriter::WriteString(const std::string& value) {
  const bool ascii = IsAscii(value);
  if (ascii && value.size() <= 255) {
    WriteValue(vaString);
    bytes_.push_back(static_cast<uint8_t>(value.size()));
    Write(value.data(), value.size());
    return;
  }
  if (value.size() > std::numeric_limits<uint32_t>::max()) throw EConvertError("Text too long to be stored");
  WriteValue(ascii ? vaLString : vaUTF8String);
  const auto length = static_cast<uint32_t>(value.size());
  Write(&length, sizeof length);
  Write(value.data(), value.size());
}

void TBinaryWriter::WriteIdent(const std::string& value) {
  if (SameText(value, "False")) return WriteValue(vaFalse);
  if (SameText(value, "True")) return WriteValue(vaTrue);
  if (SameText(value, "nil")) return WriteValue(vaNil);
  if (SameText(value, "Null")) return WriteValue(vaNull);
  WriteValue(vaIdent);
  WriteStr(value);
}

void TBinaryWriter::WriteBoolean(bool value) { WriteValue(value ? vaTrue : vaFalse); }

void TBinaryWriter::WriteBinary(const std::vector<uint8_t>& bytes) {
  if (bytes.size() > std::numeric_limits<uint32_t>::max()) throw EConvertError("Data too long to be stored");
  WriteValue(vaBinary);
  const auto length = static_cast<uint32_t>(bytes.size());
  Write(&length, sizeof length);
  Write(bytes.data(), bytes.size());
}

void TBinaryWriter::WriteSet(int64_t mask, const std::vector<std::string>& names) {
  WriteValue(vaSet);
  for (std::size_t bit = 0; bit < names.size() && bit < 32; ++bit)
    if (mask & (int64_t{1} << bit)) WriteStr(names[bit]);
  WriteStr("");
}

void TBinaryWriter::WriteStr(const std::string& value) {
  if (value.size() > 255) throw EConvertError(QuilFormat(kNameTooLong, value));
  bytes_.push_back(static_cast<uint8_t>(value.size()));
  Write(value.data(), value.size());
}

void TBinaryWriter::WriteRootComponent(TComponent& root) {
  root_ = &root;
  Write(kFormSignature, sizeof kFormSignature);
  WriteComponent(root);
}

void TBinaryWriter::WriteComponent(TComponent& component) {
  WriteStr(component.ClassName());
  WriteStr(component.Name());
  WriteProperties(component, "", 0);
  WriteListEnd();
  component.GetChildren([this](TComponent& child) { WriteComponent(child); }, *root_);
  WriteListEnd();
}

void TBinaryWriter::WriteProperties(TPersistent& instance, const std::string& prefix, int depth) {
  if (depth > kMaxStreamNesting) throw EConvertError(kNestedTooDeeply);
  // Ancestors' properties first, as a class adds them; a property a descendant declares again
  // under the same name is written once, as the reader finds it.
  const TMetaClass& cls = instance.ClassType();
  const std::vector<const TPropInfo*> properties = cls.Properties();
  for (auto it = properties.rbegin(); it != properties.rend(); ++it)
    if (cls.FindProperty((*it)->Name) == *it) WriteProperty(instance, **it, prefix, depth);
  TDefinedWriter filer(*this, prefix);
  instance.DefineProperties(filer);
}

void TBinaryWriter::WriteProperty(TPersistent& instance, const TPropInfo& property, const std::string& prefix,
                                  int depth) {
  if (property.Kind == TPropKind::Event || !property.IsStored(instance)) return;
  const std::string path = prefix + property.Name;
  if (property.Kind != TPropKind::Class) {
    if (property.IsReadOnly() || !property.Get) return;
    WriteStr(path);
    return WriteScalar(instance, property);
  }
  TPersistent* object = property.Object ? property.Object(instance) : nullptr;
  if (property.SetObject) {
    // A reference: stored by name, and only to a component of the same description.
    auto* target = dynamic_cast<TComponent*>(object);
    if (!target || target->Name().empty() || target->Owner() != root_) return;
    WriteStr(path);
    return WriteIdent(target->Name());
  }
  if (!object) return;
  if (auto* collection = dynamic_cast<TCollection*>(object)) {
    if (collection->Count() == 0) return;  // an empty collection is the default
    WriteStr(path);
    return WriteCollection(*collection, depth + 1);
  }
  WriteProperties(*object, path + ".", depth + 1);
}

void TBinaryWriter::WriteScalar(const TPersistent& instance, const TPropInfo& property) {
  const TPropValue value = property.Get(instance);
  switch (property.Kind) {
    case TPropKind::Integer:
    case TPropKind::Int64: {
      const int64_t v = PropValueToInt(value);
      const auto ident = property.Idents ? property.Idents->ToIdent(v) : std::nullopt;
      return ident ? WriteIdent(*ident) : WriteInteger(v);
    }
    case TPropKind::Boolean: return WriteBoolean(PropValueToInt(value) != 0);
    case TPropKind::Enumeration: {
      const int64_t v = PropValueToInt(value);
      if (!property.Enum || v < 0 || v >= static_cast<int64_t>(property.Enum->Names.size()))
        return WriteInteger(v);
      return WriteIdent(property.Enum->Names[static_cast<std::size_t>(v)]);
    }
    case TPropKind::Set:
      return WriteSet(PropValueToInt(value), property.Enum ? property.Enum->Names : std::vector<std::string>{});
    case TPropKind::Float: return WriteFloat(PropValueToFloat(value));
    case TPropKind::String: return WriteString(PropValueToString(value));
    default: return;
  }
}

void TBinaryWriter::WriteCollection(TCollection& collection, int depth) {
  WriteValue(vaCollection);
  for (int i = 0; i < collection.Count(); ++i) {
    WriteListBegin();
    WriteProperties(collection.Item(i), "", depth);
    WriteListEnd();
  }
  WriteListEnd();
}

std::vector<uint8_t> WriteComponentToBytes(TComponent& root) {
  TBinaryWriter writer;
  writer.WriteRootComponent(root);
  return writer.Bytes();
}

}  // namespace quil

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/reader.h"

namespace quil {

class TCollection;
class TComponent;
class TPersistent;
struct TPropInfo;

// Writes a binary form description that TBinaryReader reads back: the signature, then the
// root's record with its stored properties, its stream-only values and, nested, every
// component it stores (GetChildren). A published property is written when its stored rule
// says so (by default: when it differs from its default); sub-objects are written through
// dotted paths ("Title.Text.Strings"), references to other components by name, collections
// item by item. Integers take the smallest tag that holds them.
class TBinaryWriter : public TWriter {
 public:
  void WriteRootComponent(TComponent& root);
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

  void WriteListBegin() override;
  void WriteListEnd() override;
  void WriteInteger(int64_t value) override;
  void WriteFloat(double value) override;
  void WriteString(const std::string& value) override;
  void WriteIdent(const std::string& value) override;
  void WriteBoolean(bool value) override;
  void WriteBinary(const std::vector<uint8_t>& bytes);
  void WriteSet(int64_t mask, const std::vector<std::string>& names);
  // A short string; names longer than 255 bytes cannot be stored.
  void WriteStr(const std::string& value);
  void WriteValue(TValueType tag);

 private:
  class TDefinedWriter;

  void Write(const void* buffer, std::size_t count);
  void WriteComponent(TComponent& component);
  void WriteProperties(TPersistent& instance, const std::string& prefix, int depth);
  void WriteProperty(TPersistent& instance, const TPropInfo& property, const std::string& prefix, int depth);
  void WriteScalar(const TPersistent& instance, const TPropInfo& property);
  void WriteCollection(TCollection& collection, int depth);

  std::vector<uint8_t> bytes_;
  TComponent* root_ = nullptr;
};

// The description of root as bytes.
std::vector<uint8_t> WriteComponentToBytes(TComponent& root);

}  // namespace quil

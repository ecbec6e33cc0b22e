#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/reader.h"

namespace quil {

class TCollection;
class TMetaClass;
class TComponent;
class TPersistent;
struct TEnumInfo;
struct TPropInfo;

// Reads a binary form description: the signature, one object record for the root that nests
// the others, and the values of their properties. Objects are created by class name (the
// root's field classes first, then the class registry), given owner, parent and name before
// their properties arrive, and told that loading ended once the whole description is read and
// every reference by name is resolved. Every failure is an exception with the reader's text;
// lengths are checked against the bytes left before anything is allocated for them.
class TBinaryReader : public TReader {
 public:
  // The bytes must outlive the reader.
  explicit TBinaryReader(std::span<const uint8_t> bytes);
  ~TBinaryReader() override;

  // Reads the whole description into root, which exists already (its class name in the
  // stream is not used), and runs Loaded for every object read, root first. On failure the
  // objects created so far are left owned by root; the caller destroys root.
  void ReadRootComponent(TComponent& root);
  // As ReadRootComponent, but the objects read are appended to loaded and Loaded is left to
  // the caller (who reads the descriptions of a class and its ancestors into one window).
  void ReadRootComponent(TComponent& root, std::vector<TComponent*>& loaded);

  // Values.
  TValueType ReadValue();
  TValueType NextValue() override;
  bool EndOfList() override;
  // Consumes the next tag, failing with "Invalid property value" unless it is expected.
  void CheckValue(TValueType expected);
  void ReadListBegin() override;
  void ReadListEnd() override;
  int32_t ReadInteger() override;
  int64_t ReadInt64() override;
  double ReadFloat() override;
  double ReadDouble();
  float ReadSingle();
  // The amount in units (the stored value divided by 10000).
  double ReadCurrency();
  double ReadDate();
  std::string ReadString() override;
  std::string ReadIdent() override;
  bool ReadBoolean() override;
  // A one-character string.
  std::string ReadChar();
  // The bit mask of the element names stored; unknown names and bits beyond 31 fail.
  int64_t ReadSet(const TEnumInfo& elements);
  // A short string: one length byte, then that many bytes of UTF-8.
  std::string ReadStr();
  void SkipValue() override;

  // Objects.
  void ReadData(TComponent& instance) override;
  void ReadProperty(TPersistent& instance);
  void ReadCollection(TCollection& collection);

  std::size_t Position() const { return position_; }
  std::size_t Size() const { return bytes_.size(); }

 private:
  // A reference by name, set once every object of the description exists.
  struct TFixup {
    TPersistent* Instance;
    const TPropInfo* Property;
    std::string Name;
  };
  class TDefinedReader;
  // Objects, lists and collections nest; the guard keeps a hostile file from exhausting the
  // stack.
  class TNesting {
   public:
    explicit TNesting(int& depth);
    ~TNesting() { --depth_; }
    TNesting(const TNesting&) = delete;
    TNesting& operator=(const TNesting&) = delete;

   private:
    int& depth_;
  };

  void Read(void* buffer, std::size_t count);
  template <class T>
  T ReadRaw() {
    T value{};
    Read(&value, sizeof value);
    return value;
  }
  void SkipBytes(uint64_t count);
  std::size_t Remaining() const { return bytes_.size() - position_; }
  // A length field, checked against the bytes left: a lying length fails before anything is
  // allocated for it.
  std::size_t ReadLength(uint64_t unitSize);
  void ReadSignature();
  void ReadPrefix(uint8_t& flags, int& position);
  int64_t ReadIntegerTagged(TValueType tag);

  void ReadRootObject(TComponent& root, std::vector<TComponent*>& loaded);
  void ReadComponent();
  TComponent& CreateChild(const std::string& className, const std::string& name);
  const TMetaClass& FindComponentClass(const std::string& className) const;
  void ReadPropertyAt(TPersistent& instance, const std::string& path);
  void ReadPropValue(TPersistent& instance, const TPropInfo& property);
  void ReadObjectValue(TPersistent& instance, const TPropInfo& property);
  void ReadDefinedValue(TPersistent& instance, const std::string& name);
  void FixupReferences();
  TComponent* FindReference(const std::string& name) const;
  void AddLoaded(TComponent& component);

  std::span<const uint8_t> bytes_;
  std::size_t position_ = 0;
  int depth_ = 0;

  TComponent* root_ = nullptr;
  TComponent* owner_ = nullptr;
  TComponent* parent_ = nullptr;
  std::vector<TComponent*>* loaded_ = nullptr;
  // The stream-only value being looked for; emptied by the value that takes it.
  std::string propName_;
  std::vector<TFixup> fixups_;
  bool readingData_ = false;
};

// Reads bytes as the description of a new root made by create, with Loaded run; the root is
// destroyed again when reading fails, so no half-read window is ever handed out.
template <class T, class Create>
std::unique_ptr<T> ReadRootFromBytes(std::span<const uint8_t> bytes, Create create) {
  std::unique_ptr<T> root = create();
  TBinaryReader reader(bytes);
  reader.ReadRootComponent(*root);
  return root;
}

}  // namespace quil

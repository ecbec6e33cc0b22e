#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/reader.h"

namespace quil::test {

// Builds form description bytes by hand, tag by tag, so tests can store what no writer would.
class TStreamBuilder {
 public:
  TStreamBuilder& Signature() { return Raw("KWD0"); }
  TStreamBuilder& Byte(uint8_t b) {
    bytes_.push_back(b);
    return *this;
  }
  TStreamBuilder& Tag(TValueType tag) { return Byte(tag); }
  TStreamBuilder& Raw(const std::string& text) { return Append(text.data(), text.size()); }
  template <class T>
  TStreamBuilder& Bytes(T value) {
    return Append(&value, sizeof value);
  }
  // A short string: length byte, then the text.
  TStreamBuilder& Str(const std::string& text) { return Byte(static_cast<uint8_t>(text.size())).Raw(text); }
  // The start of an object record: class name, then object name.
  TStreamBuilder& Object(const std::string& className, const std::string& name) { return Str(className).Str(name); }
  TStreamBuilder& End() { return Byte(vaNull); }

  TStreamBuilder& Int8(int8_t v) { return Tag(vaInt8).Bytes(v); }
  TStreamBuilder& Int16(int16_t v) { return Tag(vaInt16).Bytes(v); }
  TStreamBuilder& Int32(int32_t v) { return Tag(vaInt32).Bytes(v); }
  TStreamBuilder& Int64(int64_t v) { return Tag(vaInt64).Bytes(v); }
  TStreamBuilder& Double(double v) { return Tag(vaDouble).Bytes(v); }
  TStreamBuilder& String(const std::string& text) { return Tag(vaString).Str(text); }
  TStreamBuilder& Ident(const std::string& text) { return Tag(vaIdent).Str(text); }
  TStreamBuilder& Set(const std::vector<std::string>& names) {
    Tag(vaSet);
    for (const auto& n : names) Str(n);
    return Byte(0);
  }

  const std::vector<uint8_t>& Result() const { return bytes_; }
  std::size_t Size() const { return bytes_.size(); }

 private:
  TStreamBuilder& Append(const void* data, std::size_t count) {
    const std::size_t end = bytes_.size();
    bytes_.resize(end + count);
    if (count) std::memcpy(bytes_.data() + end, data, count);
    return *this;
  }

  std::vector<uint8_t> bytes_;
};

}  // namespace quil::test

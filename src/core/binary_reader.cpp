#include "core/binary_reader.h"

#include <bit>
#include <cstring>
#include <limits>

#include "core/ansi_text.h"
#include "core/exceptions.h"
#include "core/extended_float.h"
#include "core/properties.h"
#include "core/stream_format.h"

namespace quil {

static_assert(std::endian::native == std::endian::little, "descriptions are little-endian");

namespace {

[[noreturn]] void InvalidValue() { throw EReadError(kInvalidPropertyValue); }

bool IsIntegerTag(TValueType tag) { return tag == vaInt8 || tag == vaInt16 || tag == vaInt32; }

}  // namespace

TBinaryReader::TBinaryReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

TBinaryReader::~TBinaryReader() = default;

void TBinaryReader::Read(void* buffer, std::size_t count) {
  if (count > Remaining()) throw EReadError(kStreamReadError);
  if (count) std::memcpy(buffer, bytes_.data() + position_, count);
  position_ += count;
}

void TBinaryReader::SkipBytes(uint64_t count) {
  if (count > Remaining()) throw EReadError(kStreamReadError);
  position_ += static_cast<std::size_t>(count);
}

std::size_t TBinaryReader::ReadLength(uint64_t unitSize) {
  const uint64_t count = ReadRaw<uint32_t>();
  if (count * unitSize > Remaining()) throw EReadError(kStreamReadError);
  return static_cast<std::size_t>(count);
}

void TBinaryReader::ReadSignature() {
  char signature[4];
  if (Remaining() < sizeof signature) throw EReadError(kInvalidStreamFormat);
  Read(signature, sizeof signature);
  if (std::memcmp(signature, kFormSignature, sizeof signature) != 0) throw EReadError(kInvalidStreamFormat);
}

TValueType TBinaryReader::ReadValue() { return static_cast<TValueType>(ReadRaw<uint8_t>()); }

TValueType TBinaryReader::NextValue() {
  if (Remaining() == 0) throw EReadError(kStreamReadError);
  return static_cast<TValueType>(bytes_[position_]);
}

bool TBinaryReader::EndOfList() { return NextValue() == vaNull; }

void TBinaryReader::CheckValue(TValueType expected) {
  if (ReadValue() != expected) InvalidValue();
}

void TBinaryReader::ReadListBegin() { CheckValue(vaList); }

void TBinaryReader::ReadListEnd() { CheckValue(vaNull); }

int64_t TBinaryReader::ReadIntegerTagged(TValueType tag) {
  switch (tag) {
    case vaInt8: return ReadRaw<int8_t>();
    case vaInt16: return ReadRaw<int16_t>();
    case vaInt32: return ReadRaw<int32_t>();
    case vaInt64: return ReadRaw<int64_t>();
    default: InvalidValue();
  }
}

int32_t TBinaryReader::ReadInteger() {
  const TValueType tag = ReadValue();
  if (!IsIntegerTag(tag)) InvalidValue();
  return static_cast<int32_t>(ReadIntegerTagged(tag));
}

int64_t TBinaryReader::ReadInt64() { return ReadIntegerTagged(ReadValue()); }

double TBinaryReader::ReadFloat() {
  const TValueType tag = ReadValue();
  if (tag == vaExtended) return ExtendedToDouble(ReadRaw<TExtendedBytes>());
  if (tag == vaDouble) return ReadRaw<double>();
  return static_cast<double>(ReadIntegerTagged(tag));
}

double TBinaryReader::ReadDouble() {
  CheckValue(vaDouble);
  return ReadRaw<double>();
}

float TBinaryReader::ReadSingle() {
  const TValueType tag = ReadValue();
  if (tag == vaSingle) return ReadRaw<float>();
  return static_cast<float>(ReadIntegerTagged(tag));
}

double TBinaryReader::ReadCurrency() {
  const TValueType tag = ReadValue();
  if (tag == vaCurrency) return static_cast<double>(ReadRaw<int64_t>()) / 10000.0;
  return static_cast<double>(ReadIntegerTagged(tag));
}

double TBinaryReader::ReadDate() {
  const TValueType tag = ReadValue();
  if (tag == vaDate) return ReadRaw<double>();
  return static_cast<double>(ReadIntegerTagged(tag));
}

std::string TBinaryReader::ReadString() {
  const TValueType tag = ReadValue();
  std::size_t length = 0;
  switch (tag) {
    case vaString: length = ReadRaw<uint8_t>(); break;
    case vaLString:
    case vaUTF8String: length = ReadLength(1); break;
    case vaWString: {
      std::u16string units(ReadLength(2), u'\0');
      Read(units.data(), units.size() * 2);
      return Utf16ToUtf8(units);
    }
    default: InvalidValue();
  }
  std::string text(length, '\0');
  Read(text.data(), length);
  return tag == vaUTF8String ? ValidUtf8(text) : AnsiToUtf8(text);
}

std::string TBinaryReader::ReadStr() {
  std::string text(ReadRaw<uint8_t>(), '\0');
  Read(text.data(), text.size());
  return ValidUtf8(text);
}

std::string TBinaryReader::ReadIdent() {
  switch (ReadValue()) {
    case vaIdent: return ReadStr();
    case vaFalse: return "False";
    case vaTrue: return "True";
    case vaNil: return "nil";
    case vaNull: return "Null";
    default: InvalidValue();
  }
}

bool TBinaryReader::ReadBoolean() {
  switch (ReadValue()) {
    case vaFalse: return false;
    case vaTrue: return true;
    default: InvalidValue();
  }
}

std::string TBinaryReader::ReadChar() {
  std::string text = ReadString();
  std::size_t characters = 0;
  for (char c : text)
    if ((static_cast<uint8_t>(c) & 0xC0) != 0x80) ++characters;
  if (characters > 1) InvalidValue();
  return text;
}

int64_t TBinaryReader::ReadSet(const TEnumInfo& elements) {
  CheckValue(vaSet);
  int64_t mask = 0;
  for (std::string name = ReadStr(); !name.empty(); name = ReadStr()) {
    const int bit = elements.IndexOf(name);
    if (bit < 0 || bit > 31) InvalidValue();
    mask |= int64_t{1} << bit;
  }
  return mask;
}

TBinaryReader::TNesting::TNesting(int& depth) : depth_(depth) {
  if (++depth_ > kMaxStreamNesting) {
    --depth_;
    throw EReadError(kNestedTooDeeply);
  }
}

void TBinaryReader::SkipValue() {
  switch (ReadValue()) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil: return;
    case vaList: {
      TNesting nesting(depth_);
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      return;
    }
    case vaInt8: return SkipBytes(1);
    case vaInt16: return SkipBytes(2);
    case vaInt32:
    case vaSingle: return SkipBytes(4);
    case vaExtended: return SkipBytes(10);
    case vaString:
    case vaIdent: return SkipBytes(ReadRaw<uint8_t>());
    case vaBinary:
    case vaLString:
    case vaUTF8String: return SkipBytes(ReadLength(1));
    case vaWString: return SkipBytes(uint64_t{ReadLength(2)} * 2);
    case vaSet:
      for (uint8_t length = ReadRaw<uint8_t>(); length != 0; length = ReadRaw<uint8_t>()) SkipBytes(length);
      return;
    case vaCollection: {
      TNesting nesting(depth_);
      while (!EndOfList()) {
        if (IsIntegerTag(NextValue())) SkipValue();
        ReadListBegin();
        while (!EndOfList()) {
          SkipBytes(ReadRaw<uint8_t>());
          SkipValue();
        }
        ReadListEnd();
      }
      ReadListEnd();
      return;
    }
    case vaCurrency:
    case vaDate:
    case vaInt64:
    case vaDouble: return SkipBytes(8);
    default: InvalidValue();
  }
}

}  // namespace quil

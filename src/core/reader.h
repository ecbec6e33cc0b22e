#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quil {

class TComponent;

// The tag in front of every stored value.
enum TValueType : uint8_t {
  vaNull,
  vaList,
  vaInt8,
  vaInt16,
  vaInt32,
  vaExtended,
  vaString,
  vaIdent,
  vaFalse,
  vaTrue,
  vaBinary,
  vaSet,
  vaLString,
  vaNil,
  vaCollection,
  vaSingle,
  vaCurrency,
  vaDate,
  vaWString,
  vaInt64,
  vaUTF8String,
  vaDouble,
};

// The value-reading side of a form description reader, as stream-only values see it.
// The binary form reader implements it; tests may feed values from a script.
class TReader {
 public:
  virtual ~TReader() = default;

  virtual void ReadListBegin() = 0;
  virtual void ReadListEnd() = 0;
  // True when the next value is the end-of-list marker (not consumed).
  virtual bool EndOfList() = 0;
  virtual int32_t ReadInteger() = 0;
  virtual int64_t ReadInt64() = 0;
  virtual double ReadFloat() = 0;
  virtual std::string ReadString() = 0;
  virtual std::string ReadIdent() = 0;
  virtual bool ReadBoolean() = 0;

  // The operations below fail with EReadError unless the reader provides them: a scripted
  // reader for one stream-only value needs none of them.

  // The tag of the next value, not consumed; tells apart values stored in more than one way
  // (a colour as an identifier or an integer).
  virtual TValueType NextValue();
  // Passes over the next value, whatever it is.
  virtual void SkipValue();
  // Reads the stored properties and children of instance (TComponent::ReadState's default).
  virtual void ReadData(TComponent& instance);
};

// The value-writing side, for stream-only values that write themselves.
class TWriter {
 public:
  virtual ~TWriter() = default;

  virtual void WriteListBegin() = 0;
  virtual void WriteListEnd() = 0;
  virtual void WriteInteger(int64_t value) = 0;
  virtual void WriteFloat(double value) = 0;
  virtual void WriteString(const std::string& value) = 0;
  virtual void WriteIdent(const std::string& value) = 0;
  virtual void WriteBoolean(bool value) = 0;
};

}  // namespace quil

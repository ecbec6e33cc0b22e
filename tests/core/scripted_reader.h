#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "core/exceptions.h"
#include "core/filer.h"
#include "core/persistent.h"
#include "core/properties.h"
#include "core/reader.h"

namespace quil::test {

// One value of a scripted stream: the start of a list, its end, a string or an integer.
struct TListBegin {};
struct TListEnd {};
using TScriptValue = std::variant<TListBegin, TListEnd, std::string, int64_t>;

// Hands out the values of a script in order; asking for a value of another kind, or for more
// values than the script holds, fails as the binary reader would.
class TScriptedReader : public TReader {
 public:
  explicit TScriptedReader(std::vector<TScriptValue> script) : script_(std::move(script)) {}

  bool AtEnd() const { return next_ == script_.size(); }

  void ReadListBegin() override { Take<TListBegin>(); }
  void ReadListEnd() override { Take<TListEnd>(); }
  bool EndOfList() override { return !AtEnd() && std::holds_alternative<TListEnd>(script_[next_]); }
  int32_t ReadInteger() override { return static_cast<int32_t>(Take<int64_t>()); }
  int64_t ReadInt64() override { return Take<int64_t>(); }
  double ReadFloat() override { return static_cast<double>(Take<int64_t>()); }
  std::string ReadString() override { return Take<std::string>(); }
  std::string ReadIdent() override { return Take<std::string>(); }
  bool ReadBoolean() override { return Take<int64_t>() != 0; }

 private:
  template <class T>
  T Take() {
    if (AtEnd()) throw EReadError("Stream read error");
    const T* value = std::get_if<T>(&script_[next_]);
    if (!value) throw EReadError("Invalid property value");
    ++next_;
    return *value;
  }

  std::vector<TScriptValue> script_;
  std::size_t next_ = 0;
};

// Asks an object for its stream-only values and reads the one called name (compared without
// regard to case) from reader, as the form reader does; answers whether any value took it.
class TDefinedPropertyRunner : public TFiler {
 public:
  TDefinedPropertyRunner(std::string name, TReader& reader) : name_(std::move(name)), reader_(reader) {}

  bool Run(TPersistent& instance) {
    instance.DefineProperties(*this);
    return taken_;
  }
  // What the object said about having data for the value it took.
  bool HasData() const { return hasData_; }

  void DefineProperty(const std::string& name, TReaderProc readData, TWriterProc, bool hasData) override {
    if (taken_ || !readData || !SameText(name, name_)) return;
    taken_ = true;
    hasData_ = hasData;
    readData(reader_);
  }
  void DefineBinaryProperty(const std::string&, TStreamProc, TStreamProc, bool) override {}

 private:
  std::string name_;
  TReader& reader_;
  bool taken_ = false;
  bool hasData_ = false;
};

}  // namespace quil::test

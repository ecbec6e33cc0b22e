#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/filer.h"
#include "core/reader.h"

namespace quil::testing {

// A reader whose every integer is the one it was given, for stream-only values that hold one.
class TIntegerReader : public TReader {
 public:
  explicit TIntegerReader(int32_t value) : value_(value) {}
  int32_t ReadInteger() override { return value_; }
  void ReadListBegin() override {}
  void ReadListEnd() override {}
  bool EndOfList() override { return true; }
  int64_t ReadInt64() override { return value_; }
  double ReadFloat() override { return value_; }
  std::string ReadString() override { return {}; }
  std::string ReadIdent() override { return {}; }
  bool ReadBoolean() override { return false; }

 private:
  int32_t value_;
};

class TIntegerWriter : public TWriter {
 public:
  void WriteListBegin() override {}
  void WriteListEnd() override {}
  void WriteInteger(int64_t value) override { Written.push_back(value); }
  void WriteFloat(double) override {}
  void WriteString(const std::string&) override {}
  void WriteIdent(const std::string&) override {}
  void WriteBoolean(bool) override {}
  std::vector<int64_t> Written;
};

struct TDefined {
  TFiler::TReaderProc Read;
  TFiler::TWriterProc Write;
  bool HasData = false;
};

// Keeps the stream-only values an object defines, by name, to read or write them one by one.
class TCapturingFiler : public TFiler {
 public:
  void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) override {
    Defined[name] = {std::move(read), std::move(write), hasData};
  }
  void DefineBinaryProperty(const std::string&, TStreamProc, TStreamProc, bool) override {}
  std::map<std::string, TDefined> Defined;
};

}  // namespace quil::testing

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "core/exceptions.h"
#include "core/filer.h"
#include "core/reader.h"
#include "engine/value_list.h"

namespace quil {
namespace {

// Hands out the floats of a script; any other kind of value is a fault of the code under test.
class TScriptedReader : public TReader {
 public:
  explicit TScriptedReader(std::deque<double> floats) : floats_(std::move(floats)) {}

  double ReadFloat() override {
    if (floats_.empty()) throw EReadError("script exhausted");
    const double v = floats_.front();
    floats_.pop_front();
    return v;
  }
  void ReadListBegin() override { Unexpected(); }
  void ReadListEnd() override { Unexpected(); }
  bool EndOfList() override { return Unexpected(), false; }
  int32_t ReadInteger() override { return Unexpected(), 0; }
  int64_t ReadInt64() override { return Unexpected(), 0; }
  std::string ReadString() override { return Unexpected(), std::string(); }
  std::string ReadIdent() override { return Unexpected(), std::string(); }
  bool ReadBoolean() override { return Unexpected(), false; }

  bool Exhausted() const { return floats_.empty(); }

 private:
  static void Unexpected() { throw EReadError("unexpected value kind"); }
  std::deque<double> floats_;
};

struct TDefinedProperty {
  TFiler::TReaderProc Read;
  TFiler::TWriterProc Write;
  bool HasData = false;
};

class TRecordingFiler : public TFiler {
 public:
  void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) override {
    Defined[name] = {std::move(read), std::move(write), hasData};
  }
  void DefineBinaryProperty(const std::string& name, TStreamProc, TStreamProc, bool) override {
    ADD_FAILURE() << "unexpected binary property " << name;
  }
  std::map<std::string, TDefinedProperty> Defined;
};

class ValueListMultiplier : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = ROvedeValueList::SetMessageHandler([this](const std::string& text) { Messages.push_back(text); });
    list_.DefineProperties(filer_);
  }
  void TearDown() override { ROvedeValueList::SetMessageHandler(std::move(saved_)); }

  void Read(double stored) {
    TScriptedReader reader({stored});
    filer_.Defined.at("Multiplier").Read(reader);
    EXPECT_TRUE(reader.Exhausted());
  }

  std::vector<std::string> Messages;

 private:
  ROvedeValueList list_{nullptr, "Y"};
  TRecordingFiler filer_;
  ROvedeValueList::TMessageProc saved_;

 protected:
  const TRecordingFiler& Filer() const { return filer_; }
};

TEST_F(ValueListMultiplier, IsReadButNeverWritten) {
  ASSERT_EQ(Filer().Defined.size(), 1u);
  const TDefinedProperty& p = Filer().Defined.at("Multiplier");
  EXPECT_FALSE(p.HasData);
  EXPECT_FALSE(p.Write);
}

TEST_F(ValueListMultiplier, OneIsReadSilently) {
  Read(1.0);
  EXPECT_TRUE(Messages.empty());
}

TEST_F(ValueListMultiplier, AnyOtherNumberShowsTheObsoleteMessageOncePerRead) {
  for (double stored : {2.5, 0.0, -1.0, 1.0000001}) Read(stored);
  ASSERT_EQ(Messages.size(), 4u);
  for (const auto& m : Messages)
    EXPECT_EQ(m, "Error: Multiplier property is obsolete.\rModify QuilDefs.inc (enable Multiplier) and recompile.");
}

TEST(ValueListProperties, PublishedInStreamOrderWithTheirStoredRules) {
  const auto& props = ROvedeValueList::StaticClass().OwnProperties();
  std::vector<std::string> names;
  for (const auto& p : props) names.push_back(p.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"DateTime", "Name", "Order", "ValueSource"}));

  const TMetaClass& meta = ROvedeValueList::StaticClass();
  ROvedeValueList list(nullptr, "X");
  const auto stored = [&](const char* name) { return meta.FindProperty(name)->IsStored(list); };
  EXPECT_FALSE(stored("DateTime"));
  EXPECT_TRUE(stored("Order"));  // no default: always written, even loNone
  EXPECT_FALSE(stored("ValueSource"));
  list.SetDateTime(true);
  EXPECT_TRUE(stored("DateTime"));
  list.InitDateTime(true);
  EXPECT_FALSE(stored("DateTime"));
  list.SetDateTime(false);
  EXPECT_TRUE(stored("DateTime"));

  meta.FindProperty("Order")->Set(list, TPropValue(int64_t{loDescending}));
  EXPECT_EQ(list.Order(), loDescending);
  EXPECT_EQ(ListOrderInfo().IndexOf("loascending"), loAscending);
}

}  // namespace
}  // namespace quil

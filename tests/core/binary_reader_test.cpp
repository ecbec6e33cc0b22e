#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/binary_reader.h"
#include "core/binary_writer.h"
#include "core/exceptions.h"
#include "core/extended_float.h"
#include "core/forms.h"
#include "sample_components.h"
#include "stream_builder.h"

namespace quil::test {
namespace {

using Builder = TStreamBuilder;

std::unique_ptr<TSampleRoot> Read(const std::vector<uint8_t>& bytes) {
  return ReadRootFromBytes<TSampleRoot>(bytes, [] { return std::make_unique<TSampleRoot>(); });
}

// A root "Root" holding one sample "S1" whose properties the caller writes.
std::vector<uint8_t> OneSample(const std::function<void(Builder&)>& properties) {
  Builder b;
  b.Signature().Object("TSampleRoot", "Root").End();
  b.Object("TSampleComponent", "S1");
  properties(b);
  b.End().End();  // S1: properties, children
  b.End();        // Root's children
  return b.Result();
}

TSampleComponent& Sample(TSampleRoot& root, const char* name = "S1") {
  return dynamic_cast<TSampleComponent&>(*root.FindComponent(name));
}

std::string ErrorOf(const std::vector<uint8_t>& bytes) {
  try {
    Read(bytes);
  } catch (const EQuilError& e) {
    return e.what();
  }
  return "no error";
}

TEST(BinaryReader, IntegerTagsOfEveryWidthAndIdentifiersReadTheSame) {
  struct Case {
    const char* what;
    std::function<void(Builder&)> value;
    int expected;
  };
  const Case cases[] = {
      {"int8", [](Builder& b) { b.Int8(120); }, 120},
      {"int16", [](Builder& b) { b.Int16(120); }, 120},
      {"int32", [](Builder& b) { b.Int32(120); }, 120},
      {"negative int16", [](Builder& b) { b.Int16(-300); }, -300},
      {"colour name", [](Builder& b) { b.Ident("clBtnFace"); }, static_cast<int>(clBtnFace)},
      {"colour name in lower case", [](Builder& b) { b.Ident("clwindowtext"); }, static_cast<int>(clWindowText)},
  };
  for (const Case& c : cases) {
    auto root = Read(OneSample([&](Builder& b) { c.value(b.Str("Left")); }));
    EXPECT_EQ(Sample(*root).Left(), c.expected) << c.what;
  }
}

TEST(BinaryReader, ReadsEveryKindOfPublishedValue) {
  const auto bytes = OneSample([](Builder& b) {
    b.Str("Big").Int32(-70000);
    b.Str("align").Ident("SATOP");  // names without regard to case
    b.Str("Active").Tag(vaTrue);
    b.Str("Ratio").Tag(vaExtended).Bytes(DoubleToExtended(2.5));
    b.Str("Text").Tag(vaWString).Bytes(uint32_t{3}).Bytes(u'A').Bytes(char16_t{0xD83D}).Bytes(char16_t{0xDE00});
    b.Str("Options").Set({"soFirst", "soThird"});
    b.Str("Detail.Size").Int8(7);
    b.Str("Detail.Lines.Strings").Tag(vaList).String("one").Tag(vaUTF8String).Bytes(uint32_t{2}).Raw("\xc3\xa9").End();
    b.Str("Items").Tag(vaCollection).Tag(vaList).Str("Text").String("a").End();
    b.Int8(5).Tag(vaList).Str("Value").Int8(9).End().End();
    b.Str("OnClick").Tag(vaNil);
    b.Str("Extra").Int16(300);
    b.Str("Blob").Tag(vaBinary).Bytes(uint32_t{3}).Raw("xyz");
  });
  auto root = Read(bytes);
  TSampleComponent& s = Sample(*root);
  EXPECT_EQ(s.Big(), -70000);
  EXPECT_EQ(s.Align(), 1);
  EXPECT_TRUE(s.Active());
  EXPECT_EQ(s.Ratio(), 2.5);
  EXPECT_EQ(s.Text(), "A\xf0\x9f\x98\x80");
  EXPECT_EQ(s.Options(), 0b101);
  ASSERT_NE(s.DetailOrNull(), nullptr);
  EXPECT_EQ(s.DetailOrNull()->Size(), 7);
  EXPECT_EQ(s.DetailOrNull()->Lines().Lines(), (std::vector<std::string>{"one", "\xc3\xa9"}));
  ASSERT_EQ(s.Items().Count(), 2);
  EXPECT_EQ(s.Items().At(0).Text(), "a");
  EXPECT_EQ(s.Items().At(1).Value(), 9);
  EXPECT_EQ(s.Extra(), 300);
  EXPECT_EQ(s.Blob(), (std::vector<uint8_t>{'x', 'y', 'z'}));
}

TEST(BinaryReader, AnsiStringsAreConvertedAndFloatsTakeIntegerTags) {
  auto root = Read(OneSample([](Builder& b) {
    b.Str("Text").Tag(vaString).Byte(2).Byte(0xE9).Byte(0x80);  // é and the euro sign in code page 1252
    b.Str("Ratio").Int16(-4);
  }));
  EXPECT_EQ(Sample(*root).Text(), "\xc3\xa9\xe2\x82\xac");
  EXPECT_EQ(Sample(*root).Ratio(), -4.0);
}

TEST(BinaryReader, ExtendedFloatsConvertBothWays) {
  for (double v : {0.0, -0.0, 1.0, -2.5, 1e300, 4.9e-324, 123456.789, double{INFINITY}})
    EXPECT_EQ(ExtendedToDouble(DoubleToExtended(v)), v) << v;
  EXPECT_TRUE(std::isnan(ExtendedToDouble(DoubleToExtended(NAN))));
  // 1.0 as stored by other writers: integer bit set, exponent 16383.
  EXPECT_EQ(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}), 1.0);
  // Beyond the double range: infinity, not undefined behaviour.
  EXPECT_EQ(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F}), INFINITY);
}

TEST(BinaryReader, CreatesParentsNamesAndLoadsInStreamOrder) {
  LoadedLog().clear();
  Builder b;
  b.Signature().Object("TSampleRoot", "Root").End();
  b.Object("TSampleComponent", "Outer").Str("Left").Int8(1).End();
  b.Object("TSampleComponent", "Inner").Str("Left").Int8(2).End().End();
  b.End();
  b.Object("TSampleComponent", "Second").End().End();
  b.End();
  auto root = Read(b.Result());
  EXPECT_EQ(LoadedLog(), (std::vector<std::string>{"Root", "Inner", "Outer", "Second"}));
  TSampleComponent& inner = Sample(*root, "Inner");
  EXPECT_EQ(inner.Owner(), root.get());
  EXPECT_EQ(inner.ParentSample(), &Sample(*root, "Outer"));
  EXPECT_TRUE(inner.ParentBeforeProperties());
  for (int i = 0; i < root->ComponentCount(); ++i)
    EXPECT_EQ(root->Components(i)->ComponentState() & (csLoading | csReading), 0u);
}

TEST(BinaryReader, ReferencesAreResolvedByNameAtTheEnd) {
  Builder b;
  b.Signature().Object("TSampleRoot", "Root").End();
  b.Object("TSampleComponent", "A").Str("Link").Ident("later").End().End();  // a forward reference
  b.Object("TSampleComponent", "B").Str("Link").Ident("Nobody").End().End();
  b.Object("TSampleComponent", "Later").Str("Link").Tag(vaNil).End().End();
  b.End();
  auto root = Read(b.Result());
  EXPECT_EQ(Sample(*root, "A").Link(), &Sample(*root, "Later"));
  EXPECT_EQ(Sample(*root, "B").Link(), nullptr);
  EXPECT_EQ(Sample(*root, "Later").Link(), nullptr);
}

TEST(BinaryReader, RootTakesAFreeNameWhenAnotherWindowHasIt) {
  TForm other;
  other.SetName("Form1");
  TForm taken;
  taken.SetName("Form1_1");
  Builder b;
  b.Signature().Object("TForm1", "Form1").End().End();
  TForm form;
  TBinaryReader(b.Result()).ReadRootComponent(form);
  EXPECT_EQ(form.Name(), "Form1_2");
}

TEST(BinaryReader, MalformedInputGivesTheReadersMessage) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    const char* message;
  };
  const auto sample = [](const std::function<void(Builder&)>& f) { return OneSample(f); };
  const Case cases[] = {
      {"wrong signature", Builder().Raw("KWD1").Object("TSampleRoot", "Root").End().End().Result(),
       "Invalid stream format"},
      {"short signature", Builder().Raw("KW").Result(), "Invalid stream format"},
      {"unknown class",
       Builder().Signature().Object("TSampleRoot", "Root").End().Object("TNothing", "X").End().End().End().Result(),
       "Class TNothing not found"},
      {"unknown property", sample([](Builder& b) { b.Str("Nope").Int8(1); }),
       "Error reading S1.Nope: Property Nope does not exist"},
      {"unknown dotted property", sample([](Builder& b) { b.Str("Nope.Deeper").Int8(1); }),
       "Error reading S1.Nope.Deeper: Property Nope.Deeper does not exist"},
      {"path through a number", sample([](Builder& b) { b.Str("Left.Size").Int8(1); }),
       "Error reading S1.Left.Size: Invalid property path"},
      {"text for a number", sample([](Builder& b) { b.Str("Left").String("x"); }),
       "Error reading S1.Left: Invalid property value"},
      {"unknown colour name", sample([](Builder& b) { b.Str("Left").Ident("clNoSuch"); }),
       "Error reading S1.Left: Invalid property value"},
      {"unknown enumeration name", sample([](Builder& b) { b.Str("Align").Ident("saMiddle"); }),
       "Error reading S1.Align: Invalid property value"},
      {"unknown set name", sample([](Builder& b) { b.Str("Options").Set({"soFirst", "soFourth"}); }),
       "Error reading S1.Options: Invalid property value"},
      {"number for a Boolean", sample([](Builder& b) { b.Str("Active").Int8(1); }),
       "Error reading S1.Active: Invalid property value"},
      {"int64 for an integer", sample([](Builder& b) { b.Str("Left").Int64(1); }),
       "Error reading S1.Left: Invalid property value"},
      {"method name", sample([](Builder& b) { b.Str("OnClick").Ident("Button1Click"); }),
       "Error reading S1.OnClick: Invalid property value"},
      {"unknown tag", sample([](Builder& b) { b.Str("Left").Byte(99); }),
       "Error reading S1.Left: Invalid property value"},
      {"binary value not binary", sample([](Builder& b) { b.Str("Blob").Int8(1); }),
       "Error reading S1.Blob: Invalid property value"},
      {"4 GB text", sample([](Builder& b) { b.Str("Text").Tag(vaLString).Bytes(uint32_t{0xFFFFFFFF}).Raw("ab"); }),
       "Error reading S1.Text: Stream read error"},
      {"4 GB wide text",
       sample([](Builder& b) { b.Str("Text").Tag(vaWString).Bytes(uint32_t{0x80000001}).Raw("ab"); }),
       "Error reading S1.Text: Stream read error"},
      {"lying binary length", sample([](Builder& b) { b.Str("Blob").Tag(vaBinary).Bytes(uint32_t{100}).Raw("ab"); }),
       "Error reading S1.Blob: Stream read error"},
      {"missing terminator of a list",
       sample([](Builder& b) { b.Str("Detail.Lines.Strings").Tag(vaList).String("a").Int8(1).End(); }),
       "Error reading S1.Detail.Lines.Strings: Invalid property value"},
      {"duplicate name",
       Builder().Signature().Object("TSampleRoot", "Root").End().Object("TSampleComponent", "A").End().End()
           .Object("TSampleComponent", "a").End().End().End().Result(),
       "A component named a already exists"},
      {"invalid name",
       Builder().Signature().Object("TSampleRoot", "Root").End().Object("TSampleComponent", "1st").End().End()
           .End().Result(),
       "'1st' is not a valid component name"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.bytes), c.message) << c.what;
}

TEST(BinaryReader, EveryTruncationFailsCleanly) {
  const auto full = OneSample([](Builder& b) {
    b.Str("Left").Int16(300).Str("Text").String("abc").Str("Options").Set({"soSecond"});
    b.Str("Detail.Lines.Strings").Tag(vaList).String("x").End();
    b.Str("Blob").Tag(vaBinary).Bytes(uint32_t{2}).Raw("ok");
  });
  ASSERT_EQ(ErrorOf(full), "no error");
  for (std::size_t n = 0; n < full.size(); ++n) {
    const std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
    const std::string message = ErrorOf(cut);
    const bool expected = message == "Invalid stream format" || message.find("Stream read error") != std::string::npos;
    EXPECT_TRUE(expected) << n << " bytes: " << message;
  }
}

TEST(BinaryReader, DeepNestingIsRefused) {
  Builder lists;
  lists.Signature().Object("TSampleRoot", "Root").Str("Nope");
  for (int i = 0; i < 100000; ++i) lists.Tag(vaList);
  EXPECT_EQ(ErrorOf(lists.Result()), "Error reading Root.Nope: Property Nope does not exist");

  // A value that cannot be read is passed over; its nesting is bounded too.
  const std::vector<uint8_t> nestedLists(100000, vaList);
  TBinaryReader reader(nestedLists);
  EXPECT_THROW(reader.SkipValue(), EReadError);

  Builder objects;
  objects.Signature().Object("TSampleRoot", "Root").End();
  for (int i = 0; i < 1000; ++i) {
    std::string name = "C";
    name += std::to_string(i);
    objects.Object("TSampleComponent", name).End();
  }
  EXPECT_EQ(ErrorOf(objects.Result()), "Stream nested too deeply");
}

TEST(BinaryWriter, WritesWhatTheReaderReadsBack) {
  TSampleRoot root;
  root.SetName("Root");
  auto& a = MakeOwned<TSampleComponent>(root);
  a.SetName("A");
  a.SetLeft(static_cast<int>(clRed));
  a.SetBig(1 << 20);
  a.SetAlign(2);
  a.SetActive(true);
  a.SetRatio(0.1);
  std::string longText = "caf\xc3\xa9 ";
  longText.append(300, 'x');
  a.SetText(longText);
  a.SetOptions(0b110);
  a.Detail()->Lines().SetLines({"l1", "l2"});
  static_cast<TSampleItem&>(a.Items().AddItem()).SetText("item");
  a.SetExtra(-70000);
  a.SetBlob({1, 2, 3});
  auto& b = MakeOwned<TSampleComponent>(root);
  b.SetName("B");
  b.SetParentComponent(&a);
  a.SetLink(&b);

  auto copy = Read(WriteComponentToBytes(root));
  TSampleComponent& ra = Sample(*copy, "A");
  EXPECT_EQ(ra.Left(), a.Left());
  EXPECT_EQ(ra.Big(), a.Big());
  EXPECT_EQ(ra.Align(), 2);
  EXPECT_TRUE(ra.Active());
  EXPECT_EQ(ra.Ratio(), 0.1);
  EXPECT_EQ(ra.Text(), a.Text());
  EXPECT_EQ(ra.Options(), 0b110);
  ASSERT_NE(ra.DetailOrNull(), nullptr);
  EXPECT_EQ(ra.DetailOrNull()->Lines().Lines(), a.Detail()->Lines().Lines());
  ASSERT_EQ(ra.Items().Count(), 1);
  EXPECT_EQ(ra.Items().At(0).Text(), "item");
  EXPECT_EQ(ra.Extra(), -70000);
  EXPECT_EQ(ra.Blob(), a.Blob());
  EXPECT_EQ(ra.Link(), &Sample(*copy, "B"));
  EXPECT_EQ(Sample(*copy, "B").ParentSample(), &ra);

  // Defaults are not stored: an untouched sample writes only its class and name.
  TSampleRoot plain;
  MakeOwned<TSampleComponent>(plain).SetName("P");
  const auto bytes = WriteComponentToBytes(plain);
  EXPECT_EQ(bytes, Builder().Signature().Object("TSampleRoot", "").End().Object("TSampleComponent", "P")
                       .End().End().End().Result());
}

}  // namespace
}  // namespace quil::test

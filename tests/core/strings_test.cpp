#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/exceptions.h"
#include "core/strings.h"
#include "scripted_reader.h"

namespace quil {
namespace {

using Lines = std::vector<std::string>;

// A string list that counts its change reports.
struct CountedStrings {
  int changes = 0;
  TStrings list{[this] { ++changes; }};
};

TEST(Strings, AddInsertDeleteAndPut) {
  CountedStrings s;
  s.list.Add("b");
  s.list.Insert(0, "a");
  s.list.Insert(2, "d");
  s.list.Insert(2, "c");
  EXPECT_EQ(s.list.Lines(), (Lines{"a", "b", "c", "d"}));
  s.list.Delete(1);
  s.list.Put(0, "A");
  EXPECT_EQ(s.list.Lines(), (Lines{"A", "c", "d"}));
  EXPECT_EQ(s.list[2], "d");
  EXPECT_EQ(s.list.IndexOf("C"), 1);
  EXPECT_EQ(s.list.IndexOf("b"), -1);
  EXPECT_EQ(s.changes, 6);

  s.list.Put(0, "A");  // no change, no report
  EXPECT_EQ(s.changes, 6);
  s.list.Clear();
  s.list.Clear();
  EXPECT_EQ(s.list.Count(), 0);
  EXPECT_EQ(s.changes, 7);
}

TEST(Strings, IndexesOutOfRangeFail) {
  CountedStrings s;
  s.list.SetLines({"a", "b"});
  const int before = s.changes;
  const auto expectOutOfBounds = [](const auto& call, const std::string& index) {
    try {
      call();
      ADD_FAILURE() << "index " << index << " accepted";
    } catch (const ERangeError& e) {
      EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + index + ")");
    }
  };
  expectOutOfBounds([&] { s.list.Insert(3, "x"); }, "3");
  expectOutOfBounds([&] { s.list.Insert(-1, "x"); }, "-1");
  expectOutOfBounds([&] { s.list.Delete(2); }, "2");
  expectOutOfBounds([&] { s.list.Put(2, "x"); }, "2");
  expectOutOfBounds([&] { static_cast<void>(s.list[5]); }, "5");
  EXPECT_EQ(s.list.Lines(), (Lines{"a", "b"}));
  EXPECT_EQ(s.changes, before);
}

TEST(Strings, TextJoinsWithCarriageReturns) {
  TStrings s;
  EXPECT_EQ(s.Text(), "");
  s.SetLines({"one", "", "three"});
  EXPECT_EQ(s.Text(), "one\r\rthree");
}

TEST(Strings, SetTextSplitsAtEveryKindOfLineBreak) {
  struct Case {
    std::string text;
    Lines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"single", {"single"}},
      {"a\rb", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"a\r\n", {"a"}},
      {"\r\n", {""}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\nb\n", {"a", "", "b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.text));
    TStrings s;
    s.SetText(c.text);
    EXPECT_EQ(s.Lines(), c.lines);
  }
}

TEST(Strings, TextRoundTrips) {
  TStrings s;
  s.SetLines({"first", "", "third line"});
  TStrings copy;
  copy.SetText(s.Text());
  EXPECT_EQ(copy.Lines(), s.Lines());
}

TEST(Strings, UpdatesReportOnceAtTheOutermostEnd) {
  CountedStrings s;
  s.list.BeginUpdate();
  s.list.Add("a");
  s.list.BeginUpdate();
  s.list.Add("b");
  s.list.SetText("x\ry");
  s.list.EndUpdate();
  EXPECT_EQ(s.changes, 0);
  s.list.EndUpdate();
  EXPECT_EQ(s.changes, 1);

  s.list.BeginUpdate();
  s.list.EndUpdate();
  EXPECT_EQ(s.changes, 1) << "an update without changes reports nothing";
  s.list.EndUpdate();  // unbalanced: ignored
  s.list.Add("z");
  EXPECT_EQ(s.changes, 2);
}

TEST(Strings, SettingTheSameTextReportsNothing) {
  CountedStrings s;
  s.list.SetText("a\r\nb");
  s.list.SetText("a\nb");
  s.list.SetLines({"a", "b"});
  EXPECT_EQ(s.changes, 1);
}

TEST(Strings, AssignCopiesAnotherListOnly) {
  TStrings source;
  source.SetLines({"x", "y"});
  CountedStrings s;
  s.list.Assign(source);
  EXPECT_EQ(s.list.Lines(), source.Lines());
  EXPECT_EQ(s.changes, 1);
  TPersistent other;
  try {
    s.list.Assign(other);
    FAIL() << "assigned a plain persistent";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TPersistent to a TStrings");
  }
}

TEST(StringsStreamValue, StringsListReplacesAllLines) {
  CountedStrings s;
  s.list.SetLines({"old 1", "old 2"});
  s.changes = 0;
  test::TScriptedReader reader({test::TListBegin{}, std::string("ROvede"), std::string("second"), test::TListEnd{}});
  test::TDefinedPropertyRunner runner("STRINGS", reader);
  ASSERT_TRUE(runner.Run(s.list));
  EXPECT_TRUE(runner.HasData());
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(s.list.Lines(), (Lines{"ROvede", "second"}));
  EXPECT_EQ(s.changes, 1);
}

TEST(StringsStreamValue, EmptyListClearsAndNothingElseIsTaken) {
  TStrings s;
  test::TScriptedReader empty({test::TListBegin{}, test::TListEnd{}});
  test::TDefinedPropertyRunner noData("Strings", empty);
  ASSERT_TRUE(noData.Run(s));
  EXPECT_FALSE(noData.HasData()) << "an empty list has nothing to store";
  EXPECT_EQ(s.Count(), 0);

  s.Add("kept");
  test::TScriptedReader unused({std::string("x")});
  test::TDefinedPropertyRunner other("Lines", unused);
  EXPECT_FALSE(other.Run(s));
  EXPECT_FALSE(unused.AtEnd());
  EXPECT_EQ(s.Lines(), Lines{"kept"});
}

TEST(StringsStreamValue, ABadValueLeavesTheLinesAlone) {
  CountedStrings s;
  s.list.SetLines({"keep"});
  s.changes = 0;
  for (auto script : {std::vector<test::TScriptValue>{test::TListBegin{}, std::string("a"), int64_t{5}, test::TListEnd{}},
                      std::vector<test::TScriptValue>{test::TListBegin{}, std::string("a")},
                      std::vector<test::TScriptValue>{std::string("not a list")}}) {
    test::TScriptedReader reader(script);
    test::TDefinedPropertyRunner runner("Strings", reader);
    EXPECT_THROW(runner.Run(s.list), EReadError);
  }
  EXPECT_EQ(s.list.Lines(), Lines{"keep"});
  EXPECT_EQ(s.changes, 0);
}

}  // namespace
}  // namespace quil

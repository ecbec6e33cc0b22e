#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/chart_exception.h"
#include "engine/value_list.h"
#include "engine/value_list_fixture.h"

namespace quil {
namespace {

using testing::TRecordingOwner;
using testing::ValuesOf;
using TEvents = std::vector<std::pair<TValueEvent, int>>;

// A list tells its owner once when it passes from clean to modified, and on every write of a
// value, exchange and renumbering with the index concerned; clearing tells nobody.
TEST(ValueListEvents, ReachTheOwnerInOrder) {
  TRecordingOwner owner;
  ROvedeValueList& y = owner.Y;
  y.AddChartValue(5);  // a new list starts modified: nothing to announce
  y.AddChartValue(6);
  EXPECT_TRUE(owner.Events.empty());
  y.RecalcStats();
  y.AddChartValue(7);
  y.AddChartValue(8);
  y.SetValue(2, 1);
  y.Exchange(1, 0);
  y.FillSequence();
  y.RecalcStats();
  y.Delete(0);
  y.ClearValues();
  EXPECT_EQ(owner.Events, (TEvents{{veModify, -1}, {veModify, 2}, {veModify, 1}, {veModify, 0}, {veModify, -1}}));
  EXPECT_TRUE(y.Modified());
}

TEST(ValueListEvents, SettersNotifyOnlyRealChanges) {
  TRecordingOwner owner;
  owner.X.SetDateTime(true);
  owner.X.SetDateTime(true);
  owner.X.SetValueSource("Dates");
  owner.X.SetValueSource("Dates");
  owner.X.InitDateTime(false);
  EXPECT_EQ(owner.Repaints, 1);
  EXPECT_EQ(owner.DataSourceChecks, 1);
  EXPECT_FALSE(owner.X.DateTime());
}

TEST(ValueListErrors, IndexOutOfRangeRaisesAndChangesNothing) {
  TRecordingOwner owner;
  for (double v : {1, 2, 3}) owner.Y.AddChartValue(v);
  owner.Y.RecalcStats();
  const struct {
    const char* Name;
    std::function<void(ROvedeValueList&)> Call;
    const char* Text;
  } cases[] = {
      {"read below", [](ROvedeValueList& l) { (void)l.Value(-1); }, "List index out of bounds (-1)"},
      {"read past", [](ROvedeValueList& l) { (void)l.Value(3); }, "List index out of bounds (3)"},
      {"write past", [](ROvedeValueList& l) { l.SetValue(3, 9); }, "List index out of bounds (3)"},
      {"exchange first index first", [](ROvedeValueList& l) { l.Exchange(7, 9); }, "List index out of bounds (7)"},
      {"exchange second", [](ROvedeValueList& l) { l.Exchange(0, 4); }, "List index out of bounds (4)"},
      {"insert past", [](ROvedeValueList& l) { l.InserrOvedeValue(4, 9); }, "List index out of bounds (4)"},
      {"delete below", [](ROvedeValueList& l) { l.Delete(-1); }, "List index out of bounds (-1)"},
      {"compare past", [](ROvedeValueList& l) { (void)l.CompareValueIndex(0, 3); }, "List index out of bounds (3)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    try {
      c.Call(owner.Y);
      ADD_FAILURE() << "no exception";
    } catch (const ChartException& e) {
      EXPECT_STREQ(e.what(), c.Text);
    }
    EXPECT_EQ(ValuesOf(owner.Y), (std::vector<double>{1, 2, 3}));
    EXPECT_FALSE(owner.Y.Modified());
    EXPECT_TRUE(owner.Events.empty());
  }
}

TEST(ValueListErrors, DeletingPastTheEndFailsItsAssertion) {
  ROvedeValueList list(nullptr, "Y");
  for (double v : {1, 2, 3}) list.AddChartValue(v);
  for (auto [start, quantity] : {std::pair{3, 1}, std::pair{1, 3}, std::pair{0, 4}}) {
    SCOPED_TRACE(std::to_string(start) + "+" + std::to_string(quantity));
    try {
      list.Delete(start, quantity);
      ADD_FAILURE() << "no exception";
    } catch (const EAssertionFailed& e) {
      EXPECT_STREQ(e.what(), "Quantity of data to delete must be less than Count.");
    }
    EXPECT_EQ(list.Count(), 3);
  }
}

TEST(ValueListErrors, FirstAndLastOfAnEmptyList) {
  ROvedeValueList list(nullptr, "Y");
  EXPECT_THROW((void)list.First(), ERangeError);
  EXPECT_THROW((void)list.Last(), ERangeError);
}

TEST(ValueListEdit, DeleteARunInTheMiddle) {
  ROvedeValueList list(nullptr, "Y");
  for (int i = 0; i < 8; ++i) list.AddChartValue(i);
  list.Delete(2, 3);
  EXPECT_EQ(ValuesOf(list), (std::vector<double>{0, 1, 5, 6, 7}));
  list.Delete(4, 1);
  EXPECT_EQ(ValuesOf(list), (std::vector<double>{0, 1, 5, 6}));
  list.Delete(1, 0);
  EXPECT_EQ(list.Count(), 4);
}

TEST(ValueListEdit, ScrollMovesTheFirstValueToTheEnd) {
  ROvedeValueList list(nullptr, "Y");
  list.Scroll();
  for (double v : {1, 2, 3}) list.AddChartValue(v);
  list.Scroll();
  EXPECT_EQ(ValuesOf(list), (std::vector<double>{2, 3, 1}));
}

TEST(ValueListLocate, FirstExactMatchWithinTheRange) {
  ROvedeValueList list(nullptr, "Y");
  for (double v : {4, 2, 9, 2, 2}) list.AddChartValue(v);
  EXPECT_EQ(list.Locate(2), 1);
  EXPECT_EQ(list.Locate(2, 2, 4), 3);
  EXPECT_EQ(list.Locate(4, 1, 4), -1);
  EXPECT_EQ(list.Locate(2.0000001), -1);
  EXPECT_EQ(list.Locate(2, 3, 2), -1);
  EXPECT_EQ(list.Locate(2, -5, 99), 1);  // a range past the values reads none of the spare storage
}

TEST(ValueListAssign, CopiesSettingsButNeitherNameNorValues) {
  TRecordingOwner owner;
  ROvedeValueList source(nullptr, "Source");
  source.SetOrder(loDescending);
  source.SetDateTime(true);
  source.SetValueSource("Field1");
  for (double v : {9, 8, 7, 6}) source.AddChartValue(v);
  owner.Y.AddChartValue(1);
  owner.Y.Assign(source);
  EXPECT_EQ(owner.Y.Name(), "Y");
  EXPECT_EQ(owner.Y.Order(), loDescending);
  EXPECT_TRUE(owner.Y.DateTime());
  EXPECT_EQ(owner.Y.ValueSource(), "Field1");
  EXPECT_EQ(ValuesOf(owner.Y), (std::vector<double>{1}));
  EXPECT_EQ(owner.Repaints, 1);
  EXPECT_EQ(owner.DataSourceChecks, 1);
}

TEST(ValueListText, ShortestGeneralForm) {
  ROvedeValueList list(nullptr, "Y");
  const std::vector<std::pair<double, std::string>> cases{
      {2.5, "2.5"}, {-3, "-3"}, {0.1, "0.1"}, {1e20, "1E20"}, {1.5e-7, "1.5E-7"}, {1.0 / 3, "0.333333333333333"}};
  for (const auto& [value, text] : cases) list.AddChartValue(value);
  for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(list.ValueToString(i), cases[i].second);
}

TEST(ValueListCollection, IndexLookupAndExchange) {
  TRecordingOwner owner;
  ROvedeValueLists& lists = owner.ValuesList();
  EXPECT_EQ(lists.Count(), 3);
  EXPECT_EQ(lists.IndexOf(owner.Z), 2);
  EXPECT_EQ(lists.Find("y"), &owner.Y);
  EXPECT_EQ(lists.Find("W"), nullptr);
  EXPECT_THROW((void)lists[3], ChartException);
  owner.AddPoint(1, 10, 100);
  owner.AddPoint(2, 20, 200);
  lists.Exchange(0, 1);
  EXPECT_EQ(ValuesOf(owner.X), (std::vector<double>{2, 1}));
  EXPECT_EQ(ValuesOf(owner.Z), (std::vector<double>{200, 100}));
}

}  // namespace
}  // namespace quil

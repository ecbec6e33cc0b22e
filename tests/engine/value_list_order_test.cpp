#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/value_list.h"
#include "engine/value_list_fixture.h"

namespace quil {
namespace {

using testing::TRecordingOwner;
using testing::ValuesOf;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct TInsertionCase {
  std::string Name;
  ROvedeListOrder Order;
  std::vector<double> Added;
  std::vector<int> Indices;  // what each AddChartValue answered
  std::vector<double> Result;
};

class ValueListInsertion : public ::testing::TestWithParam<TInsertionCase> {};

TEST_P(ValueListInsertion, PlacesEachValueAndAnswersItsIndex) {
  const TInsertionCase& c = GetParam();
  ROvedeValueList list(nullptr, "Y");
  list.SetOrder(c.Order);
  std::vector<int> indices;
  for (double v : c.Added) indices.push_back(list.AddChartValue(v));
  EXPECT_EQ(indices, c.Indices);
  EXPECT_EQ(ValuesOf(list), c.Result);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, ValueListInsertion,
    ::testing::Values(
        TInsertionCase{"NoneKeepsArrival", loNone, {3, 1, 2}, {0, 1, 2}, {3, 1, 2}},
        TInsertionCase{"AscendingEqualGoesAfter", loAscending, {1, 3, 2, 2}, {0, 1, 1, 2}, {1, 2, 2, 3}},
        TInsertionCase{"AscendingSmallestFirst", loAscending, {5, 4, 3}, {0, 0, 0}, {3, 4, 5}},
        TInsertionCase{"DescendingMiddle", loDescending, {1, 3, 2}, {0, 0, 1}, {3, 2, 1}},
        TInsertionCase{"DescendingEqualGoesAfter", loDescending, {2, 2, 5, 2}, {0, 1, 0, 3}, {5, 2, 2, 2}},
        TInsertionCase{"AscendingInfinities", loAscending, {0, kInf, -kInf, 1}, {0, 1, 0, 2}, {-kInf, 0, 1, kInf}}),
    [](const auto& info) { return info.param.Name; });

// A NaN has no place among numbers: it goes after all of them in either direction, and numbers
// added later go before it, so the list stays sorted for everything that compares.
TEST(ValueListNaN, SortsAfterEveryNumberWhenAdded) {
  for (ROvedeListOrder order : {loAscending, loDescending}) {
    SCOPED_TRACE(order);
    ROvedeValueList list(nullptr, "X");
    list.SetOrder(order);
    list.AddChartValue(1);
    list.AddChartValue(3);
    EXPECT_EQ(list.AddChartValue(kNaN), 2);
    EXPECT_EQ(list.AddChartValue(kNaN), 3);
    EXPECT_EQ(list.AddChartValue(2), 1);
    const std::vector<double> numbers{list.Value(0), list.Value(1), list.Value(2)};
    const std::vector<double> expected = order == loAscending ? std::vector<double>{1, 2, 3} : std::vector<double>{3, 2, 1};
    EXPECT_EQ(numbers, expected);
    EXPECT_TRUE(std::isnan(list.Value(3)) && std::isnan(list.Value(4)));
  }
}

TEST(ValueListSort, MovesEveryListOfTheOwnerTogether) {
  TRecordingOwner owner;
  owner.X.SetOrder(loNone);
  const std::vector<double> xs{5, 1, 4, 1, 3, 2};
  for (std::size_t i = 0; i < xs.size(); ++i) owner.AddPoint(xs[i], xs[i] * 10, double(i));
  owner.X.SetOrder(loAscending);
  owner.X.Sort();
  EXPECT_EQ(ValuesOf(owner.X), (std::vector<double>{1, 1, 2, 3, 4, 5}));
  EXPECT_EQ(ValuesOf(owner.Y), (std::vector<double>{10, 10, 20, 30, 40, 50}));
  // Z recorded where each point came from: every record kept its own X.
  for (int i = 0; i < owner.Z.Count(); ++i) EXPECT_EQ(owner.X.Value(i), xs[int(owner.Z.Value(i))]);
  EXPECT_GT(owner.Swaps, 0);
}

TEST(ValueListSort, DescendingByASecondList) {
  TRecordingOwner owner;
  for (double x : {1, 2, 3, 4}) owner.AddPoint(x, std::fmod(x * 7, 5), x);
  owner.Y.SetOrder(loDescending);
  owner.Y.Sort();
  EXPECT_EQ(ValuesOf(owner.Y), (std::vector<double>{4, 3, 2, 1}));
  EXPECT_EQ(ValuesOf(owner.X), (std::vector<double>{2, 4, 1, 3}));
}

TEST(ValueListSort, UnorderedListIsLeftAlone) {
  TRecordingOwner owner;
  owner.X.SetOrder(loNone);
  for (double y : {3, 1, 2}) owner.AddPoint(y, y, y);
  owner.Y.Sort();
  EXPECT_EQ(ValuesOf(owner.Y), (std::vector<double>{3, 1, 2}));
  EXPECT_EQ(owner.Swaps, 0);
}

// Runs of equal values are never swapped among themselves, so the order of their records holds
// for an input that is already sorted.
TEST(ValueListSort, SortedInputWithTiesIsNotDisturbed) {
  TRecordingOwner owner;
  owner.X.SetOrder(loNone);
  for (int i = 0; i < 40; ++i) owner.AddPoint(i / 8, 0, i);
  owner.X.SetOrder(loAscending);
  owner.X.Sort();
  EXPECT_EQ(owner.Swaps, 0);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(owner.Z.Value(i), i);
}

TEST(ValueListSort, NaNsEndUpLastAndTheRestSorted) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> uniform(-100, 100);
  for (ROvedeListOrder order : {loAscending, loDescending}) {
    for (int size : {1, 2, 3, 17, 500}) {
      SCOPED_TRACE(std::to_string(order) + "/" + std::to_string(size));
      ROvedeValueList list(nullptr, "X");
      int nans = 0;
      for (int i = 0; i < size; ++i) {
        const bool nan = i % 3 == 0;
        nans += nan;
        list.AddChartValue(nan ? kNaN : std::round(uniform(random)));
      }
      list.SetOrder(order);
      list.Sort();
      std::vector<double> numbers = ValuesOf(list);
      ASSERT_TRUE(std::all_of(numbers.end() - nans, numbers.end(), [](double v) { return std::isnan(v); }));
      numbers.resize(numbers.size() - nans);
      if (order == loAscending)
        EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
      else
        EXPECT_TRUE(std::is_sorted(numbers.rbegin(), numbers.rend()));
    }
  }
}

TEST(ValueListSort, AllNaNListStaysInBounds) {
  ROvedeValueList list(nullptr, "X");
  for (int i = 0; i < 9; ++i) list.AddChartValue(kNaN);
  list.SetOrder(loAscending);
  list.Sort();
  EXPECT_EQ(list.Count(), 9);
  EXPECT_EQ(list.CompareValueIndex(4, 4), 0);
}

TEST(ValueListCompare, OrderAndTieRule) {
  ROvedeValueList list(nullptr, "X");
  for (double v : {1.0, 2.0, 2.0, kNaN}) list.AddChartValue(v);
  list.SetOrder(loAscending);
  EXPECT_EQ(list.CompareValueIndex(0, 1), -1);
  EXPECT_EQ(list.CompareValueIndex(1, 0), 1);
  EXPECT_EQ(list.CompareValueIndex(1, 2), -1);
  EXPECT_EQ(list.CompareValueIndex(2, 1), 0);
  EXPECT_EQ(list.CompareValueIndex(0, 3), -1);
  EXPECT_EQ(list.CompareValueIndex(3, 0), 1);
  list.SetOrder(loDescending);
  EXPECT_EQ(list.CompareValueIndex(0, 1), 1);
  EXPECT_EQ(list.CompareValueIndex(1, 0), -1);
  EXPECT_EQ(list.CompareValueIndex(2, 1), 0);
  EXPECT_EQ(list.CompareValueIndex(0, 3), -1);
}

}  // namespace
}  // namespace quil

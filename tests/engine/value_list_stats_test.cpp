#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/value_list.h"

namespace quil {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct TExpectedStats {
  double Min, Max, Total, TotalABS;
};

void ExpectStats(const ROvedeValueList& list, const TExpectedStats& e) {
  EXPECT_EQ(list.MinValue(), e.Min);
  EXPECT_EQ(list.MaxValue(), e.Max);
  EXPECT_EQ(list.Total(), e.Total);
  EXPECT_EQ(list.TotalABS(), e.TotalABS);
  EXPECT_EQ(list.Range(), e.Max - e.Min);
}

TEST(ValueListStats, EmptyListReportsZeros) {
  ROvedeValueList list(nullptr, "Y");
  ExpectStats(list, {0, 0, 0, 0});
  EXPECT_FALSE(list.Modified());
}

TEST(ValueListStats, FollowAddDeleteModifyAndClear) {
  ROvedeValueList list(nullptr, "Y");
  for (double v : {4.0, -2.0, 7.0}) list.AddChartValue(v);
  {
    SCOPED_TRACE("added");
    ExpectStats(list, {-2, 7, 9, 13});
  }
  list.Delete(2);
  {
    SCOPED_TRACE("deleted the maximum");
    EXPECT_TRUE(list.Modified());
    ExpectStats(list, {-2, 4, 2, 6});
  }
  list.SetValue(0, -10);
  {
    SCOPED_TRACE("modified");
    ExpectStats(list, {-10, -2, -12, 12});
  }
  list.InserrOvedeValue(1, 0.5);
  {
    SCOPED_TRACE("inserted");
    ExpectStats(list, {-10, 0.5, -11.5, 12.5});
  }
  list.ClearValues();
  {
    SCOPED_TRACE("cleared");
    ExpectStats(list, {0, 0, 0, 0});
  }
}

// The statistics are taken lazily: reading one computes all four and leaves the list clean.
TEST(ValueListStats, RecomputedOnceOnFirstRead) {
  ROvedeValueList list(nullptr, "Y");
  list.AddChartValue(1);
  EXPECT_TRUE(list.Modified());
  EXPECT_EQ(list.Total(), 1);
  EXPECT_FALSE(list.Modified());
  list.AddChartValue(2);
  EXPECT_TRUE(list.Modified());
  EXPECT_EQ(list.MaxValue(), 2);
}

TEST(ValueListStats, ContinueFromAStartIndex) {
  ROvedeValueList list(nullptr, "Y");
  list.AddChartValue(3);
  list.AddChartValue(1);
  list.RecalcStats();
  list.AddChartValue(10);
  list.AddChartValue(-4);
  list.RecalcStats(2);
  EXPECT_FALSE(list.Modified());
  ExpectStats(list, {-4, 10, 10, 18});
}

// A NaN is left out of the extremes wherever it stands; the numbers around it still count.
TEST(ValueListStats, NaNIsLeftOutOfTheExtremes) {
  const std::vector<std::vector<double>> cases{{5, kNaN, 7}, {kNaN, 5, 7}, {5, 7, kNaN}, {7, kNaN, kNaN, 5}};
  for (const auto& values : cases) {
    SCOPED_TRACE(::testing::PrintToString(values));
    ROvedeValueList list(nullptr, "Y");
    for (double v : values) list.AddChartValue(v);
    EXPECT_EQ(list.MinValue(), 5);
    EXPECT_EQ(list.MaxValue(), 7);
    EXPECT_EQ(list.Range(), 2);
    EXPECT_TRUE(std::isnan(list.Total()));
  }
}

TEST(ValueListStats, OnlyNaNsGiveAnEmptyRange) {
  ROvedeValueList list(nullptr, "Y");
  list.AddChartValue(kNaN);
  list.AddChartValue(kNaN);
  EXPECT_EQ(list.MinValue(), 0);
  EXPECT_EQ(list.MaxValue(), 0);
  // Continuing from there, the first number starts the extremes rather than the 0 stand-in.
  list.AddChartValue(9);
  list.AddChartValue(8);
  list.RecalcStats(2);
  EXPECT_EQ(list.MinValue(), 8);
  EXPECT_EQ(list.MaxValue(), 9);
}

TEST(ValueListStats, Infinities) {
  ROvedeValueList list(nullptr, "Y");
  for (double v : {1.0, kInf, -kInf}) list.AddChartValue(v);
  EXPECT_EQ(list.MinValue(), -kInf);
  EXPECT_EQ(list.MaxValue(), kInf);
  EXPECT_EQ(list.Range(), kInf);
  EXPECT_EQ(list.TotalABS(), kInf);
  EXPECT_TRUE(std::isnan(list.Total()));
}

TEST(ValueListGrowth, StepsOfTheDefaultCapacity) {
  ROvedeValueList list(nullptr, "Y");
  EXPECT_EQ(list.Capacity(), 0);
  for (int i = 0; i < 1000; ++i) list.AddChartValue(i);
  EXPECT_EQ(list.Capacity(), 1000);
  list.AddChartValue(1000);
  EXPECT_EQ(list.Capacity(), 2000);
  list.Delete(0, 900);
  EXPECT_EQ(list.Capacity(), 2000);
  EXPECT_EQ(list.Count(), 101);
  EXPECT_EQ(list.First(), 900);
  EXPECT_EQ(list.Last(), 1000);
  for (int i = 0; i < 1900; ++i) list.AddChartValue(i);
  EXPECT_EQ(list.Capacity(), 3000);
  list.ClearValues();
  EXPECT_EQ(list.Capacity(), 0);
}

TEST(ValueListGrowth, ASeriesCanTakeItsStorageInOneStep) {
  const int saved = QuilDefaultCapacity;
  QuilDefaultCapacity = 12;
  ROvedeValueList list(nullptr, "Z");
  list.AddChartValue(1);
  EXPECT_EQ(list.Capacity(), 12);
  QuilDefaultCapacity = saved;
}

// Appending in order must not copy the whole list again every thousand values.
TEST(ValueListGrowth, AppendingInOrderReallocatesRarely) {
  ROvedeValueList list(nullptr, "X");
  list.SetOrder(loAscending);
  int reallocations = 0;
  const double* storage = nullptr;
  for (int i = 0; i < 300000; ++i) {
    ASSERT_EQ(list.AddChartValue(i), i);
    if (list.Values().data() != storage) {
      storage = list.Values().data();
      ++reallocations;
    }
  }
  EXPECT_LE(reallocations, 12);
}

}  // namespace
}  // namespace quil

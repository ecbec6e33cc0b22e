#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/exceptions.h"
#include "engine/chart_exception.h"
#include "core/messages.h"
#include "series_test_support.h"

namespace quil {
namespace {

using testing::ListValues;
using testing::TLoggingSeries;

using Values = std::vector<double>;

TEST(SeriesPoints, ListsAreNamedAndXIsAscending) {
  ROvedeSeries series;
  EXPECT_EQ(series.ValuesList().Count(), 2);
  EXPECT_EQ(series.XValues().Name(), QuilMsg_ValuesX);
  EXPECT_EQ(series.YValues().Name(), QuilMsg_ValuesY);
  EXPECT_EQ(series.XValues().Order(), loAscending);
  EXPECT_EQ(series.YValues().Order(), loNone);
  EXPECT_EQ(&series.ValuesList()[0], &series.XValues());
}

TEST(SeriesPoints, AddXYKeepsPointsTogetherInXOrder) {
  ROvedeSeries series;
  EXPECT_EQ(series.AddXY(5, 1, "five"), 0);
  EXPECT_EQ(series.AddXY(2, 2), 0);
  EXPECT_EQ(series.AddXY(3, 7, "", clRed), 1);
  EXPECT_EQ(ListValues(series.XValues()), (Values{2, 3, 5}));
  EXPECT_EQ(ListValues(series.YValues()), (Values{2, 7, 1}));
  EXPECT_EQ(series.XLabel(2), "five");
  EXPECT_EQ(series.XLabel(0), "");
  ASSERT_EQ(series.Labels().size(), 3u);
  ASSERT_TRUE(series.Colors());
  EXPECT_EQ(*series.Colors(), (std::vector<TColor>{clQuilColor, clRed, clQuilColor}));
}

TEST(SeriesPoints, EqualXGoesAfterTheOthersAndNaNIsAppended) {
  ROvedeSeries series;
  series.AddXY(1, 10);
  series.AddXY(3, 30);
  EXPECT_EQ(series.AddXY(1, 11), 1);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(series.AddXY(nan, 99), 3);
  EXPECT_EQ(series.AddXY(2, 20), 2);
  EXPECT_EQ(ListValues(series.YValues()), (Values{10, 11, 20, 30, 99}));
  EXPECT_TRUE(std::isnan(series.XValue(4)));
}

TEST(SeriesPoints, AddPlacesAtTheNextPosition) {
  ROvedeSeries vertical;
  EXPECT_EQ(vertical.Add(10), 0);
  EXPECT_EQ(vertical.Add(20), 1);
  EXPECT_EQ(ListValues(vertical.XValues()), (Values{0, 1}));
  EXPECT_EQ(ListValues(vertical.YValues()), (Values{10, 20}));

  ROvedeSeries horizontal;
  horizontal.SetYMandatory(false);
  horizontal.XValues().SetOrder(loNone);
  horizontal.YValues().SetOrder(loAscending);
  horizontal.Add(10);
  horizontal.Add(20);
  EXPECT_EQ(ListValues(horizontal.XValues()), (Values{10, 20}));
  EXPECT_EQ(ListValues(horizontal.YValues()), (Values{0, 1}));
  // A horizontal series is ordered by its Y positions.
  EXPECT_EQ(horizontal.AddXY(5, 0.5), 1);
  EXPECT_EQ(ListValues(horizontal.XValues()), (Values{10, 5, 20}));
}

TEST(SeriesPoints, NullPointsAreThoseWithoutColour) {
  ROvedeSeries series;
  series.SetDefaultNull(7);
  series.Add(1);
  series.AddNull("gap");
  const int xy = series.AddNullXY(5, 3);
  const int valued = series.AddNull(4.0);
  EXPECT_FALSE(series.IsNull(0));
  EXPECT_TRUE(series.IsNull(1));
  EXPECT_EQ(series.YValue(1), 7);
  EXPECT_EQ(series.XLabel(1), "gap");
  EXPECT_TRUE(series.IsNull(xy + 1));
  EXPECT_TRUE(series.IsNull(valued));
  EXPECT_EQ(series.YValue(valued), 4);
  EXPECT_EQ(series.YValue(xy + 1), 3);
}

TEST(SeriesPoints, SetValueColorPastTheEndAddsNullPoints) {
  ROvedeSeries series;
  series.SetValueColor(3, clRed);
  ASSERT_EQ(series.Count(), 4);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(series.IsNull(i));
    EXPECT_EQ(series.YValue(i), 0);
  }
  EXPECT_EQ(series.ValueColor(3), clRed);

  ROvedeSeries untouched;
  untouched.SetValueColor(2, clQuilColor);
  EXPECT_EQ(untouched.Count(), 0);
  EXPECT_FALSE(untouched.Colors());
}

TEST(SeriesPoints, DeleteOutOfBoundsNamesTheRange) {
  ROvedeSeries series;
  for (int i = 0; i < 5; ++i) series.Add(i);
  try {
    series.Delete(5);
    FAIL() << "no exception";
  } catch (const ChartException& e) {
    EXPECT_STREQ(e.what(), "Series Delete: ValueIndex 5 out of bounds (0 to 4).");
  }
  EXPECT_THROW(series.Delete(-1), ChartException);
  EXPECT_EQ(series.Count(), 5);
}

TEST(SeriesPoints, DeleteRemovesThePointFromEveryList) {
  ROvedeSeries series;
  series.AddXY(1, 10, "a");
  series.AddXY(2, 20, "b", clBlue);
  series.AddXY(3, 30, "c");
  series.Marks().Positions().resize(3);
  series.Marks().Positions()[2].Width = 9;
  series.Delete(1);
  EXPECT_EQ(ListValues(series.XValues()), (Values{1, 3}));
  EXPECT_EQ(ListValues(series.YValues()), (Values{10, 30}));
  EXPECT_EQ(series.Labels(), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(*series.Colors(), (std::vector<TColor>{clQuilColor, clQuilColor}));
  ASSERT_EQ(series.Marks().Positions().size(), 2u);
  EXPECT_EQ(series.Marks().Positions()[1].Width, 9);
}

TEST(SeriesPoints, DeleteARun) {
  ROvedeSeries series;
  for (int i = 0; i < 6; ++i) series.AddXY(i * 10, i, "", i == 4 ? clRed : clQuilColor);
  series.Delete(1, 2, true);
  EXPECT_EQ(ListValues(series.YValues()), (Values{0, 3, 4, 5}));
  EXPECT_EQ(ListValues(series.XValues()), (Values{0, 1, 2, 3}));
  EXPECT_EQ(series.ValueColor(2), clRed);

  EXPECT_THROW(series.Delete(0, 0), EAssertionFailed);
  EXPECT_THROW(series.Delete(2, 3), EAssertionFailed);
  series.Delete(9, 1);  // past the end: nothing
  EXPECT_EQ(series.Count(), 4);
  series.Delete(0, 4);
  EXPECT_EQ(series.Count(), 0);
  EXPECT_FALSE(series.Colors());
}

TEST(SeriesPoints, StatisticsFollowAddDeleteAndClear) {
  ROvedeSeries series;
  series.AddXY(1, 5);
  series.AddXY(2, -3);
  series.AddXY(4, 8);
  EXPECT_EQ(series.MinYValue(), -3);
  EXPECT_EQ(series.MaxYValue(), 8);
  EXPECT_EQ(series.YValues().Total(), 10);
  EXPECT_EQ(series.YValues().TotalABS(), 16);
  EXPECT_EQ(series.MaxXValue(), 4);
  series.Delete(2);
  EXPECT_EQ(series.MaxYValue(), 5);
  EXPECT_EQ(series.MaxXValue(), 2);
  series.Clear();
  EXPECT_EQ(series.Count(), 0);
  EXPECT_EQ(series.MinYValue(), 0);
  EXPECT_EQ(series.MaxYValue(), 0);
  EXPECT_TRUE(series.Labels().empty());
}

TEST(SeriesPoints, BeforeAddCanRefuseAPoint) {
  ROvedeSeries series;
  series.OnBeforeAdd = [](ROvedeSeries& s) { return s.XValues().TempValue() >= 0; };
  int added = 0;
  series.OnAfterAdd = [&](ROvedeSeries&, int) { ++added; };
  EXPECT_EQ(series.AddXY(-1, 3), -1);
  EXPECT_EQ(series.AddXY(1, 3), 0);
  EXPECT_EQ(series.Count(), 1);
  EXPECT_EQ(added, 1);
}

TEST(SeriesPoints, UpdateHoldsAnnouncementsBackUntilTheEnd) {
  TLoggingSeries series;
  int added = 0;
  series.OnAfterAdd = [&](ROvedeSeries&, int) { ++added; };
  EXPECT_EQ(series.AddArray({3, 1, 2}), 3);
  EXPECT_EQ(added, 0);
  EXPECT_EQ(series.ValueEvents, (std::vector<std::pair<TValueEvent, int>>{{veRefresh, 0}}));
  series.ValueEvents.clear();
  series.Add(4);
  EXPECT_EQ(added, 1);
  EXPECT_EQ(series.ValueEvents.back(), (std::pair<TValueEvent, int>{veAdd, 3}));
  series.Delete(0);
  EXPECT_EQ(series.ValueEvents.back(), (std::pair<TValueEvent, int>{veDelete, 0}));
  series.Clear();
  EXPECT_EQ(series.ValueEvents.back(), (std::pair<TValueEvent, int>{veClear, 0}));
}

TEST(SeriesPoints, SortingByXMovesWholePoints) {
  ROvedeSeries series;
  series.XValues().SetOrder(loNone);
  series.AddXY(3, 30, "c", clRed);
  series.AddXY(1, 10, "a");
  series.AddXY(2, 20, "b");
  series.XValues().SetOrder(loAscending);
  series.XValues().Sort();
  EXPECT_EQ(ListValues(series.YValues()), (Values{10, 20, 30}));
  EXPECT_EQ(series.Labels(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(series.ValueColor(2), clRed);
}

TEST(SeriesPoints, SortByLabelsRenumbersPositions) {
  ROvedeSeries series;
  series.Add(1, "pear");
  series.Add(2, "apple");
  series.Add(3, "fig");
  series.SortByLabels(loAscending);
  EXPECT_EQ(series.Labels(), (std::vector<std::string>{"apple", "fig", "pear"}));
  EXPECT_EQ(ListValues(series.YValues()), (Values{2, 3, 1}));
  EXPECT_EQ(ListValues(series.XValues()), (Values{0, 1, 2}));
  series.SortByLabels(loDescending);
  EXPECT_EQ(series.Labels(), (std::vector<std::string>{"pear", "fig", "apple"}));
}

TEST(SeriesPoints, ExtraListsTakeTheirStagedValue) {
  ROvedeSeries series;
  ROvedeValueList& z = CreateValueList(series, "Z");
  z.SetTempValue(100);
  series.AddXY(2, 1);
  z.SetTempValue(50);
  series.AddXY(1, 1);
  EXPECT_EQ(ListValues(z), (Values{50, 100}));
  EXPECT_EQ(series.GetYValueList("z"), &z);
}

TEST(SeriesPoints, AddValuesCopiesPointsWithColoursAndLabels) {
  ROvedeSeries source;
  source.AddXY(1, 10, "a");
  source.AddXY(2, 20, "", clGreen);
  ROvedeSeries copy;
  copy.Add(99);
  copy.AddValues(source);
  EXPECT_EQ(ListValues(copy.YValues()), (Values{10, 20}));
  EXPECT_EQ(copy.XLabel(0), "a");
  EXPECT_EQ(copy.ValueColor(1), clGreen);
}

TEST(SeriesPoints, FillSampleValuesGivesThePreferredCount) {
  ROvedeSeries series;
  series.Add(1);
  series.FillSampleValues(7);
  EXPECT_EQ(series.Count(), 7);
  EXPECT_FALSE(series.ManualData());
  series.FillSampleValues();
  EXPECT_EQ(series.Count(), series.NumSampleValues());
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include <string>

#include "axis_test_support.h"
#include "engine/date_time.h"
#include "engine/date_time_step.h"

namespace quil {
namespace {

using axistest::TFakeSeriesSource;
using axistest::TScaleFixture;

struct TIncrementCase {
  double Min, Max;
  int AxisSize;
  int CharWidth;
  double Expected;
};

// Labels of the monospaced fake font; 10 % separation. The increment is the first 1-2-5 step
// at which range / increment labels fit into the axis.
TEST(AxisIncrement, AutomaticIncrementsForTypicalRangesAndSizes) {
  const TIncrementCase cases[] = {
      // "0", "10" and the mid value 2.5 (5 halved to its fraction): 21 px + 2 → 22 labels fit.
      {0, 10, 500, 7, 0.5},
      // "12.5" (50 halved twice) is the widest: 28 px + 3 → 16 labels.
      {0, 100, 500, 7, 10},
      {0, 100, 100, 7, 50},
      {0, 1, 300, 7, 0.1},
      {-50, 50, 400, 7, 10},
      // "1,000,000": 63 px + 6 → 7 labels, then 29 over 2000 px.
      {0, 1e6, 500, 7, 200000},
      {0, 1e6, 2000, 7, 50000},
      {0.001, 0.002, 300, 7, 0.0002},
      // Thirteen characters for "1,000,000,010" leave room for 5 labels.
      {1e9, 1e9 + 10, 500, 7, 2},
      // An axis without pixels has room for a single label.
      {0, 10, 0, 7, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Min << ".." << c.Max << " over " << c.AxisSize);
    TScaleFixture f;
    f.Measurer.CharWidth = c.CharWidth;
    f.Scale.SetMinMax(c.Min, c.Max);
    f.Layout(0, c.AxisSize);
    EXPECT_DOUBLE_EQ(f.Scale.CalcIncrement(), c.Expected);
  }
}

// The worked example: 0..10 over 500 pixels with labels 20 wide starts at 10/24 (24 labels, one
// too many) and settles on the next step, 0.5.
TEST(AxisIncrement, LabelsIncrementGrowsToTheNextNiceStep) {
  TScaleFixture f;
  f.Scale.SetMinMax(0, 10);
  f.Layout(0, 500);
  EXPECT_EQ(f.Scale.CalcLabelsIncrement(23), 0.5);
  EXPECT_EQ(f.Scale.CalcXYIncrement(20), 0.5);
  EXPECT_EQ(f.Scale.CalcLabelsIncrement(0), MinAxisIncrement);
}

TEST(AxisIncrement, VerticalAxesSpaceLabelsByTheirHeight) {
  TScaleFixture f(TAxisDirection::Vertical);
  f.Measurer.CharWidth = 50;  // would allow only a few labels if widths counted
  f.Scale.SetMinMax(0, 100);
  f.Layout(0, 300);
  // 10 px lines + 1 px separation: 27 labels fit; 100/28 grows to 5.
  EXPECT_EQ(f.Scale.CalcIncrement(), 5);
}

// The fixed increment's labels are measured at the multiples the axis will show. 100..200 by
// 10 shows "100" .. "200" (21 px + 2); measuring round(100) × 10 = "1,000" (35 px + 4) instead
// would fit 4 labels into 150 px and double the increment twice.
TEST(AxisIncrement, FixedIncrementMeasuresTheMultiplesItLabels) {
  TScaleFixture f;
  f.Scale.SetMinMax(100, 200);
  f.Scale.SetIncrement(10);
  f.Layout(0, 150);
  f.Measurer.Measured.clear();
  EXPECT_EQ(f.Scale.CalcIncrement(), 20);
  ASSERT_FALSE(f.Measurer.Measured.empty());
  for (const std::string& text : f.Measurer.Measured) EXPECT_LE(text.size(), 3u) << text;

  f.Layout(0, 500);
  EXPECT_EQ(f.Scale.CalcIncrement(), 10);
}

TEST(AxisIncrement, FixedIncrementDoublesUntilLabelsFit) {
  TScaleFixture f;
  f.Scale.SetMinMax(0, 1000);
  f.Scale.SetIncrement(1);
  f.Layout(0, 300);
  // Labels up to "1,000": 5 chars, 35 px + 4 → 8 labels; 1 doubles to 128.
  EXPECT_EQ(f.Scale.CalcIncrement(), 128);
}

TEST(AxisIncrement, ZeroRangeHasIncrementOne) {
  TScaleFixture f;
  f.Layout(0, 500);
  EXPECT_EQ(f.Scale.CalcIncrement(), 1);
}

TEST(AxisIncrement, FewPointsGetWholeNumberSteps) {
  TScaleFixture f;
  f.Source = TFakeSeriesSource::WithValues({0, 1, 2, 3, 4});
  f.Layout(0, 800);
  EXPECT_LT(f.Scale.CalcIncrement(), 1);  // nothing tells the axis that the values are positions

  f.Source.Series[0].PositionsOnAxis = true;
  f.Source.Series[0].PointCount = 5;
  EXPECT_EQ(f.Scale.CalcIncrement(), 1);
}

TEST(AxisIncrement, AlternateLabelsHalveTheIncrement) {
  TScaleFixture f;
  f.Scale.SetMinMax(0, 100);
  f.Layout(0, 500);
  const double single = f.Scale.CalcIncrement();
  f.Scale.SetLabelsAlternate(true);
  EXPECT_EQ(f.Scale.CalcIncrement(), single / 2);
}

TEST(AxisIncrement, LogarithmicAxisStepsByPowersOfItsBase) {
  TScaleFixture f;
  f.Scale.SetMinMax(1, 1e6);
  f.Layout(0, 100);
  f.Scale.SetLogarithmic(true);
  // "1,000,000" is 63 + 6 px: one label fits; half the range, rounded to a power of ten, is
  // the whole range.
  EXPECT_EQ(f.Scale.CalcIncrement(), 1e6);
}

// Bases below 1 are allowed; growing by such a base would shrink the increment forever.
TEST(AxisIncrement, LogarithmicBaseBelowOneEnds) {
  TScaleFixture f;
  f.Scale.SetMinMax(1, 1000);
  f.Layout(0, 100);
  f.Scale.SetLogarithmic(true);
  f.Scale.SetLogarithmicBase(0.5);
  // "1,000" is 35 + 4 px: 3 labels. 999/4 rounds to the power 256 of 0.5 (4 labels), and the
  // increment then grows by 2, not by 0.5.
  EXPECT_EQ(f.Scale.CalcIncrement(), 512);
}

TEST(AxisIncrement, DateTimeAxisChoosesFromTheStepTable) {
  TScaleFixture f;
  f.Source = TFakeSeriesSource::WithValues({EncodeDate(2020, 1, 1), EncodeDate(2021, 12, 31)}, true);
  f.Layout(0, 500);
  ASSERT_TRUE(f.Scale.IAxisDateTime());
  // "mm/dd/yyyy" labels, 70 + 7 px: 6 labels over 730 days; four months (120 days) is the first
  // table step that gives no more.
  EXPECT_EQ(f.Scale.CalcIncrement(), DateTimeStep[dtFourMonths]);

  f.Layout(0, 8000);
  EXPECT_EQ(f.Scale.CalcIncrement(), DateTimeStep[dtOneWeek]);
}

TEST(AxisIncrement, DateTimeAxisBeyondAYearDoublesTheYear) {
  TScaleFixture f;
  f.Source = TFakeSeriesSource::WithValues({EncodeDate(1900, 1, 1), EncodeDate(2100, 1, 1)}, true);
  f.Layout(0, 400);
  // 5 labels over 200 years: one year doubled until 73049 days / c rounds to 5 or less.
  EXPECT_EQ(f.Scale.CalcIncrement(), 365.0 * 64);
}

}  // namespace
}  // namespace quil

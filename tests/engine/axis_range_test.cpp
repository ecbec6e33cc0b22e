#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "axis_test_support.h"
#include "core/geometry.h"
#include "engine/axis_extent.h"

namespace quil {
namespace {

using axistest::TFakeSeriesSource;
using axistest::TScaleFixture;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

TEST(AxisExtent, SkipsValuesThatAreNotFiniteAndMerges) {
  TAxisExtent extent;
  EXPECT_TRUE(extent.Empty());
  EXPECT_EQ(extent.Minimum(), 0);
  for (const double value : {std::nan(""), kInf, -kInf}) extent.Include(value);
  EXPECT_TRUE(extent.Empty());
  extent.Include(5);
  extent.Include(-kInf);
  extent.Include(3);
  EXPECT_EQ(extent.Minimum(), 3);
  EXPECT_EQ(extent.Maximum(), 5);

  TAxisExtent other;
  other.Include(-1);
  extent.Include(other);
  extent.Include(TAxisExtent());
  EXPECT_EQ(extent.Minimum(), -1);
  EXPECT_EQ(extent.Maximum(), 5);
}

TEST(AxisRange, AxisWithoutDataHasTheRangeZeroToZero) {
  TScaleFixture f;
  f.Layout(0, 400);
  EXPECT_EQ(f.Scale.IMinimum(), 0);
  EXPECT_EQ(f.Scale.IMaximum(), 0);
  EXPECT_TRUE(f.Scale.IRangeZero());

  TAxisScale withoutSource;
  withoutSource.SetPositions(0, 400);
  withoutSource.AdjustMaxMin();
  EXPECT_TRUE(withoutSource.IRangeZero());
}

TEST(AxisRange, AutomaticEndsComeFromTheSeriesAndShowThroughTheSettings) {
  TScaleFixture f;
  f.Source = TFakeSeriesSource::WithValues({3, -2, 7.5});
  f.Layout(0, 400);
  EXPECT_EQ(f.Scale.IMinimum(), -2);
  EXPECT_EQ(f.Scale.IMaximum(), 7.5);
  EXPECT_EQ(f.Scale.Minimum(), -2);
  EXPECT_EQ(f.Scale.Maximum(), 7.5);
  EXPECT_DOUBLE_EQ(f.Scale.IAxisSizeRange(), 400 / 9.5);
}

TEST(AxisRange, OneAutomaticEndKeepsTheOtherManual) {
  TScaleFixture f;
  f.Source = TFakeSeriesSource::WithValues({3, 70});
  f.Scale.SetMinimum(-10);  // still automatic: the value is replaced at the next layout
  f.Scale.SetAutomaticMinimum(false);
  EXPECT_FALSE(f.Scale.Automatic());
  f.Scale.SetMinimum(-10);
  f.Layout(0, 400);
  EXPECT_EQ(f.Scale.IMinimum(), -10);
  EXPECT_EQ(f.Scale.IMaximum(), 70);
}

// Values an axis cannot place take no part in the range, and ends that arrive non-finite all
// the same become finite ones.
TEST(AxisRange, NonFiniteDataIsIgnored) {
  TScaleFixture f;
  f.Source = TFakeSeriesSource::WithValues({std::nan(""), 4, kInf, -kInf, 1, std::nan("")});
  f.Layout(0, 400);
  EXPECT_EQ(f.Scale.IMinimum(), 1);
  EXPECT_EQ(f.Scale.IMaximum(), 4);

  f.Source = TFakeSeriesSource::WithValues({std::nan(""), kInf});
  f.Layout(0, 400);
  EXPECT_TRUE(f.Scale.IRangeZero());

  f.Scale.SetMinMax(-kInf, kInf);
  f.Layout(0, 400);
  EXPECT_EQ(f.Scale.IMinimum(), -kMax);
  EXPECT_EQ(f.Scale.IMaximum(), kMax);
  EXPECT_GT(f.Scale.IAxisSizeRange(), 0);
  EXPECT_EQ(f.Scale.CalcPosValue(0), 200);

  f.Scale.SetMinMax(std::nan(""), 5);
  f.Layout(0, 400);
  EXPECT_EQ(f.Scale.IMinimum(), 0);
  EXPECT_EQ(f.Scale.IMaximum(), 5);
}

TEST(AxisRange, RangesBelowTheZeroToleranceCountAsZero) {
  TScaleFixture f;
  f.Scale.SetMinMax(0, 1e-300);
  f.Layout(0, 400);
  EXPECT_TRUE(f.Scale.IRangeZero());
  EXPECT_EQ(f.Scale.CalcPosValue(1e-300), 200);

  f.Scale.SetMinMax(0, 1e-11);
  f.Layout(0, 400);
  EXPECT_FALSE(f.Scale.IRangeZero());
}

TEST(AxisRange, RoundingMovesAutomaticEndsToMultiplesOfTheIncrement) {
  TScaleFixture f;
  f.Source = TFakeSeriesSource::WithValues({0.3, 9.7});
  f.Scale.SetIncrement(2);
  f.Scale.SetMinimumRound(true);
  f.Scale.SetMaximumRound(true);
  f.Layout(0, 500);
  EXPECT_EQ(f.Scale.IMinimum(), 0);
  EXPECT_EQ(f.Scale.IMaximum(), 10);

  // The automatic increment: "12.5" labels over 500 px give 10 on 3..97.
  f.Scale.SetIncrement(0);
  f.Source = TFakeSeriesSource::WithValues({3, 97});
  f.Layout(0, 500);
  EXPECT_EQ(f.Scale.IMinimum(), 0);
  EXPECT_EQ(f.Scale.IMaximum(), 100);
}

TEST(AxisRange, RoundingLeavesManualEndsAndDegenerateAxesAlone) {
  TScaleFixture f;
  f.Source = TFakeSeriesSource::WithValues({0.3, 9.7});
  f.Scale.SetIncrement(2);
  f.Scale.SetMinimumRound(true);
  f.Scale.SetMaximumRound(true);
  f.Scale.SetAutomaticMaximum(false);
  f.Scale.SetMaximum(9.7);
  f.Layout(0, 500);
  EXPECT_EQ(f.Scale.IMinimum(), 0);
  EXPECT_EQ(f.Scale.IMaximum(), 9.7);

  f.Scale.SetAutomaticMaximum(true);
  f.Layout(0, 0);
  EXPECT_EQ(f.Scale.IMinimum(), 0.3);
  EXPECT_EQ(f.Scale.IMaximum(), 9.7);
}

// Offsets are pixel margins: the data then occupies the span shrunk by them.
TEST(AxisRange, MarginsWidenTheRange) {
  TScaleFixture horizontal;
  horizontal.Scale.SetMinMax(0, 100);
  horizontal.Layout(0, 500);
  horizontal.Scale.AdjustMaxMinRect(TRect{50, 0, 50, 0});
  EXPECT_DOUBLE_EQ(horizontal.Scale.IMinimum(), -12.5);
  EXPECT_DOUBLE_EQ(horizontal.Scale.IMaximum(), 112.5);
  EXPECT_EQ(horizontal.Scale.CalcPosValue(0), 50);
  EXPECT_EQ(horizontal.Scale.CalcPosValue(100), 450);

  // A vertical axis takes Top at its maximum and Bottom at its minimum.
  TScaleFixture vertical(TAxisDirection::Vertical);
  vertical.Scale.SetMinMax(0, 100);
  vertical.Layout(0, 500);
  vertical.Scale.AdjustMaxMinRect(TRect{0, 50, 0, 100});
  EXPECT_EQ(vertical.Scale.CalcPosValue(100), 50);
  EXPECT_EQ(vertical.Scale.CalcPosValue(0), 400);
  EXPECT_EQ(vertical.Scale.IStartPos(), 0);
  EXPECT_EQ(vertical.Scale.IEndPos(), 500);

  // Inverted, the same margins still land at the same pixels.
  TScaleFixture inverted;
  inverted.Scale.SetInverted(true);
  inverted.Scale.SetMinMax(0, 100);
  inverted.Layout(0, 500);
  inverted.Scale.AdjustMaxMinRect(TRect{20, 0, 80, 0});
  EXPECT_EQ(inverted.Scale.CalcPosValue(100), 20);
  EXPECT_EQ(inverted.Scale.CalcPosValue(0), 420);
}

// Margins wider than the axis would leave no span to measure by; the range must not collapse.
TEST(AxisRange, MarginsThatLeaveNoSpanChangeNothing) {
  TScaleFixture f;
  f.Scale.SetMinMax(0, 100);
  f.Layout(0, 60);
  f.Scale.AdjustMaxMinRect(TRect{40, 0, 40, 0});
  EXPECT_EQ(f.Scale.IMinimum(), 0);
  EXPECT_EQ(f.Scale.IMaximum(), 100);
}

TEST(AxisRange, SetMinMaxFixesTheRangeInEitherOrder) {
  TScaleFixture f;
  f.Source = TFakeSeriesSource::WithValues({1, 2});
  f.Scale.SetMinMax(10, 5);
  EXPECT_FALSE(f.Scale.Automatic());
  EXPECT_FALSE(f.Scale.AutomaticMinimum());
  EXPECT_FALSE(f.Scale.AutomaticMaximum());
  f.Layout(0, 500);
  EXPECT_EQ(f.Scale.IMinimum(), 5);
  EXPECT_EQ(f.Scale.IMaximum(), 10);
}

TEST(AxisRange, SubAxisTakesTheRangeAsItIs) {
  TAxisScale master;
  master.SetMinMax(-3, 8);
  master.SetPositions(0, 100);
  master.AdjustMaxMin();
  TAxisScale sub;
  sub.SetPositions(0, 100);
  sub.SetRange(master.IMinimum(), master.IMaximum());
  EXPECT_EQ(sub.CalcPosValue(8), 100);
  EXPECT_EQ(sub.CalcPosValue(-3), 0);
}

}  // namespace
}  // namespace quil

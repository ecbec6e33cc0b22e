#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "axis_test_support.h"
#include "engine/axis_labels.h"
#include "engine/date_time.h"
#include "engine/date_time_step.h"
#include "format_test_settings.h"

namespace quil {
namespace {

using axistest::TFakeSeriesSource;
using axistest::TScaleFixture;
using formattest::EnglishSettings;
using formattest::GermanSettings;
using formattest::TCurrentFormatSettings;

constexpr double kMax = std::numeric_limits<double>::max();

std::vector<double> Values(const TAxisLabels& labels) {
  std::vector<double> values;
  for (const auto& item : labels.Items) values.push_back(item.Value);
  return values;
}

std::vector<std::string> Texts(const TAxisLabels& labels) {
  std::vector<std::string> texts;
  for (const auto& item : labels.Items) texts.push_back(item.Text);
  return texts;
}

// A horizontal value axis over 0..500 pixels showing one active series with the given data.
struct TValueAxis : TScaleFixture {
  explicit TValueAxis(std::vector<double> data, TAxisDirection direction = TAxisDirection::Horizontal)
      : TScaleFixture(direction) {
    Source = TFakeSeriesSource::WithValues(std::move(data));
  }
  TAxisLabels Labels(int start = 0, int end = 500) {
    Layout(start, end);
    return CalcAxisLabels(Scale, TAxisLabelOptions{});
  }
};

// The picture the program starts with: a series without points gives each axis one label, "0",
// at its centre.
TEST(AxisLabels, AxisWithoutPointsShowsZeroAtItsCentre) {
  for (const auto direction : {TAxisDirection::Horizontal, TAxisDirection::Vertical}) {
    TValueAxis axis({}, direction);
    const TAxisLabels labels = axis.Labels(40, 441);
    ASSERT_EQ(labels.Items.size(), 1u);
    EXPECT_EQ(labels.Items[0].Text, "0");
    EXPECT_EQ(labels.Items[0].Pos, 240);
    EXPECT_EQ(labels.Ticks, std::vector<int>{240});
  }
}

TEST(AxisLabels, AxisWithoutActiveSeriesShowsNoLabels) {
  TScaleFixture f;
  f.Scale.SetMinMax(0, 100);
  f.Layout(0, 500);
  EXPECT_TRUE(CalcAxisLabels(f.Scale, {}).Ticks.empty());

  // An always-drawn grid still needs the positions.
  TAxisLabelOptions grid;
  grid.LabelsVisible = false;
  grid.GridDrawAlways = true;
  EXPECT_EQ(CalcAxisLabels(f.Scale, grid).Ticks.size(), 11u);
}

TEST(AxisLabels, RoundFirstLabelStartsAtAMultipleOfTheIncrement) {
  TValueAxis axis({0.3, 9.7});
  axis.Scale.SetIncrement(2);
  EXPECT_EQ(Values(axis.Labels()), (std::vector<double>{8, 6, 4, 2}));

  axis.Scale.SetRoundFirstLabel(false);
  const std::vector<double> unrounded = Values(axis.Labels());
  ASSERT_EQ(unrounded.size(), 5u);
  EXPECT_DOUBLE_EQ(unrounded[0], 9.7);
  EXPECT_NEAR(unrounded[4], 1.7, 1e-12);
}

// Steps that are not exact in binary still reach both ends of the range.
TEST(AxisLabels, DecimalStepsReachBothEnds) {
  TValueAxis axis({0.3, 9.7});
  axis.Scale.SetIncrement(0.1);
  const TAxisLabels labels = axis.Labels(0, 5000);
  ASSERT_EQ(labels.Items.size(), 95u);
  EXPECT_EQ(labels.Items.front().Text, "9.7");
  EXPECT_EQ(labels.Items.back().Text, "0.3");
}

TEST(AxisLabels, LabelsAtTheEndsNeedLabelsOnAxis) {
  TValueAxis axis({0, 10});
  axis.Scale.SetIncrement(5);
  EXPECT_EQ(Values(axis.Labels()), (std::vector<double>{10, 5, 0}));
  axis.Scale.SetLabelsOnAxis(false);
  EXPECT_EQ(Values(axis.Labels()), (std::vector<double>{5}));

  axis.Scale.SetLabelsOnAxis(true);
  TAxisLabelOptions gap;
  gap.HasGap = true;
  axis.Layout(0, 500);
  EXPECT_EQ(Values(CalcAxisLabels(axis.Scale, gap)), (std::vector<double>{5}));
}

TEST(AxisLabels, PositionsFollowTheMapping) {
  TValueAxis vertical({0, 100}, TAxisDirection::Vertical);
  vertical.Scale.SetIncrement(25);
  const TAxisLabels labels = vertical.Labels(0, 400);
  EXPECT_EQ(labels.Ticks, (std::vector<int>{0, 100, 200, 300, 400}));

  vertical.Scale.SetInverted(true);
  EXPECT_EQ(vertical.Labels(0, 400).Ticks, (std::vector<int>{400, 300, 200, 100, 0}));
}

TEST(AxisLabels, HiddenLabelsStillGiveTicks) {
  TValueAxis axis({0, 10});
  axis.Scale.SetIncrement(5);
  axis.Layout(0, 500);
  TAxisLabelOptions hidden;
  hidden.LabelsVisible = false;
  const TAxisLabels labels = CalcAxisLabels(axis.Scale, hidden);
  EXPECT_EQ(labels.Ticks.size(), 3u);
  EXPECT_TRUE(labels.Items.empty());
}

TEST(AxisLabels, TextsUseTheValuePictureAndTheLocale) {
  TValueAxis axis({0, 10000});
  axis.Scale.SetIncrement(2500);
  {
    TCurrentFormatSettings english(EnglishSettings());
    EXPECT_EQ(Texts(axis.Labels()), (std::vector<std::string>{"10,000", "7,500", "5,000", "2,500", "0"}));
    EXPECT_EQ(axis.Scale.LabelValue(1234.5678), "1,234.568");
  }
  {
    TCurrentFormatSettings german(GermanSettings());
    EXPECT_EQ(Texts(axis.Labels()), (std::vector<std::string>{"10.000", "7.500", "5.000", "2.500", "0"}));
    EXPECT_EQ(axis.Scale.LabelValue(1234.5678), "1.234,568");
    axis.Scale.SetAxisValuesFormat("0.00");
    EXPECT_EQ(axis.Scale.LabelValue(0.25), "0,25");
  }
}

TEST(AxisLabels, DateTimeTextsUseTheFormatOrTheShortFormats) {
  TCurrentFormatSettings german(GermanSettings());
  TScaleFixture f;
  f.Source = TFakeSeriesSource::WithValues({EncodeDate(2021, 3, 1), EncodeDate(2021, 3, 9)}, true);
  f.Layout(0, 500);
  EXPECT_EQ(f.Scale.LabelValue(EncodeDate(2021, 3, 5)), "05.03.2021");

  f.Source = TFakeSeriesSource::WithValues({EncodeDate(2021, 3, 1), EncodeDate(2021, 3, 1) + 0.5}, true);
  f.Layout(0, 500);
  EXPECT_EQ(f.Scale.LabelValue(EncodeDate(2021, 3, 1) + 0.25), "06:00");

  f.Scale.SetDateTimeFormat("mmm yyyy");
  EXPECT_EQ(f.Scale.LabelValue(EncodeDate(2021, 3, 1)), "Mär 2021");
}

TEST(AxisLabels, LabelTextHookAndMultiLineTexts) {
  TCurrentFormatSettings english(EnglishSettings());
  TScaleFixture f;
  f.Scale.OnGetLabelText = [](std::string& text) { text += " kg"; };
  EXPECT_EQ(f.Scale.LabelValue(1500), "1,500 kg");
  f.Scale.SetLabelsMultiLine(true);
  EXPECT_EQ(f.Scale.LabelValue(1500), "1,500\rkg");
  // Two lines: the height counts both, the width the wider one.
  EXPECT_EQ(f.Scale.LabelHeight(1500), 20);
  EXPECT_EQ(f.Scale.LabelWidth(1500), 35);
  f.Scale.SetLabelsAngle(-270);
  EXPECT_EQ(f.Scale.LabelWidth(1500), 20);
  f.Scale.SetLabelsGridIgnoresLabelSize(true);
  EXPECT_EQ(f.Scale.LabelWidth(1500), 1);
}

TEST(AxisLabels, MaxLabelsWidthMeasuresEveryValueLabel) {
  TCurrentFormatSettings english(EnglishSettings());
  TValueAxis axis({-1000, 10});
  axis.Scale.SetIncrement(250);
  axis.Layout(0, 2000);
  // "-1,000" is the widest, plus one blank.
  EXPECT_EQ(axis.Scale.MaxLabelsWidth(), 6 * 7 + 7);
}

TEST(AxisLabels, LogarithmicAxisLabelsPowersOfItsBase) {
  TValueAxis axis({1, 1000});
  axis.Layout(0, 500);
  axis.Scale.SetLogarithmic(true);
  EXPECT_EQ(Values(CalcAxisLabels(axis.Scale, {})), (std::vector<double>{1, 10, 100, 1000}));

  axis.Scale.SetLogarithmicBase(2);
  axis.Source = TFakeSeriesSource::WithValues({1, 16});
  axis.Layout(0, 500);
  EXPECT_EQ(Values(CalcAxisLabels(axis.Scale, {})), (std::vector<double>{1, 2, 4, 8, 16}));
}

// 2..8 holds no power of ten: the tenths of the power below it (1) label the axis.
TEST(AxisLabels, LogarithmicAxisWithoutAPowerInRangeStepsByTenths) {
  TValueAxis axis({2, 8});
  axis.Layout(0, 500);
  axis.Scale.SetLogarithmic(true);
  const std::vector<double> values = Values(CalcAxisLabels(axis.Scale, {}));
  ASSERT_EQ(values.size(), 61u);
  for (size_t i = 0; i < values.size(); ++i) EXPECT_NEAR(values[i], 2 + 0.1 * i, 1e-9);
}

TEST(AxisLabels, LogarithmicMinorGridStartsBelowTheFirstLabel) {
  TValueAxis axis({10, 1000});
  axis.Layout(0, 200);
  axis.Scale.SetLogarithmic(true);
  TAxisLabelOptions options;
  options.MinorGridVisible = true;
  const TAxisLabels labels = CalcAxisLabels(axis.Scale, options);
  // An extra tick for 1, a decade (100 px) before the axis starts.
  EXPECT_EQ(labels.Ticks, (std::vector<int>{-100, 0, 100, 200}));
  EXPECT_EQ(labels.Items.size(), 3u);
}

// A month increment on an exact date-time axis labels the 1st of every month in the range.
TEST(AxisLabels, DateTimeAxisStepsByCalendarMonths) {
  TCurrentFormatSettings english(EnglishSettings());
  TScaleFixture f;
  f.Source = TFakeSeriesSource::WithValues({EncodeDate(2020, 1, 10), EncodeDate(2021, 12, 20)}, true);
  f.Scale.SetIncrement(DateTimeStep[dtOneMonth]);
  f.Layout(0, 2000);
  const TAxisLabels labels = CalcAxisLabels(f.Scale, {});
  ASSERT_EQ(labels.Items.size(), 23u);
  EXPECT_EQ(labels.Items.front().Text, "12/01/2021");
  EXPECT_EQ(labels.Items.back().Text, "02/01/2020");
  for (size_t i = 0; i < labels.Items.size(); ++i) {
    const TDateParts date = DecodeDate(labels.Items[i].Value);
    EXPECT_EQ(date.Day, 1);
    EXPECT_EQ(date.Year * 12 + date.Month, 2021 * 12 + 12 - static_cast<int>(i));
  }

  // The same axis too narrow for every month moves on to two-month steps.
  f.Layout(0, 1000);
  const TAxisLabels narrow = CalcAxisLabels(f.Scale, {});
  ASSERT_EQ(narrow.Items.size(), 12u);
  EXPECT_EQ(narrow.Items[1].Text, "10/01/2021");
}

TEST(AxisLabels, DateTimeAxisStepsByCalendarYears) {
  TScaleFixture f;
  f.Source = TFakeSeriesSource::WithValues({EncodeDate(2001, 6, 1), EncodeDate(2010, 6, 1)}, true);
  f.Scale.SetIncrement(DateTimeStep[dtOneYear]);
  f.Layout(0, 1000);
  const TAxisLabels labels = CalcAxisLabels(f.Scale, {});
  ASSERT_EQ(labels.Items.size(), 9u);
  for (size_t i = 0; i < labels.Items.size(); ++i)
    EXPECT_EQ(labels.Items[i].Value, EncodeDate(2010 - static_cast<int>(i), 1, 1));
}

TEST(AxisLabels, DateTimeAxisStepsByWholeDaysFromARoundedDay) {
  TScaleFixture f;
  const double first = EncodeDate(2022, 5, 2) + 0.3;
  f.Source = TFakeSeriesSource::WithValues({first, first + 6}, true);
  f.Scale.SetIncrement(1);
  f.Layout(0, 1000);
  const std::vector<double> values = Values(CalcAxisLabels(f.Scale, {}));
  ASSERT_EQ(values.size(), 6u);
  EXPECT_EQ(values.front(), EncodeDate(2022, 5, 8));
  EXPECT_EQ(values.back(), EncodeDate(2022, 5, 3));
}

TEST(AxisLabels, ValueHookChoosesTheLabels) {
  TValueAxis axis({0, 100});
  axis.Scale.OnGetNextLabel = [](int index, bool&, double& value) { value = index * 30.0; };
  EXPECT_EQ(Values(axis.Labels()), (std::vector<double>{0, 30, 60, 90}));

  // Stopping at once hands over to the normal labels.
  axis.Scale.SetIncrement(50);
  axis.Scale.OnGetNextLabel = [](int, bool& stop, double&) { stop = true; };
  EXPECT_EQ(Values(axis.Labels()), (std::vector<double>{100, 50, 0}));

  // A hook that never ends is cut off after 2001 values.
  int calls = 0;
  axis.Scale.OnGetNextLabel = [&](int, bool&, double& value) {
    ++calls;
    value = 42;
  };
  EXPECT_EQ(axis.Labels().Items.size(), 2001u);
  EXPECT_EQ(calls, 2001);
}

TEST(AxisLabels, DepthAxisLabelsItsSeriesSlotsWithTheirTitles) {
  TScaleFixture f(TAxisDirection::Depth);
  f.Source = TFakeSeriesSource::WithValues({});
  f.Source.Series.push_back({});
  f.Source.Series.push_back({});
  f.Source.Titles = {"Back", "Middle", "Front"};
  // The chart fixes the range of a series-title depth axis to -0.5 .. MaxZOrder + 0.5.
  f.Scale.SetMinMax(-0.5, 2.5);
  f.Layout(0, 60);
  const TAxisLabels labels = CalcAxisLabels(f.Scale, {});
  EXPECT_EQ(Texts(labels), (std::vector<std::string>{"Back", "Middle", "Front"}));
  EXPECT_EQ(Values(labels), (std::vector<double>{2, 1, 0}));
  EXPECT_EQ(labels.Ticks, (std::vector<int>{50, 30, 10}));
}

TEST(AxisLabels, PointLabelStylesAreLeftToTheSeries) {
  TValueAxis axis({0, 10});
  axis.Source.Series[0].LabelStyle = talText;
  EXPECT_TRUE(axis.Labels().Items.empty());
}

struct TBadRange {
  const char* Name;
  double Min, Max, Increment;
  int Start, End;
};

// Degenerate ranges, increments and axis sizes end quickly with a bounded number of labels,
// every one of them at a finite value.
TEST(AxisLabels, BadInputGivesFiniteLabelCounts) {
  const double inf = std::numeric_limits<double>::infinity();
  const TBadRange cases[] = {
      {"tiny range", 0, 1e-300, 0, 0, 500},
      {"tiny range away from zero", 1, 1 + 1e-15, 0, 0, 500},
      {"huge range", -1e300, 1e300, 0, 0, 500},
      {"largest range", -kMax, kMax, 0, 0, 500},
      {"infinite range", -inf, inf, 0, 0, 500},
      {"tiny increment", 0, 1e300, 1e-300, 0, 500},
      {"increment below resolution", 1e20, 1e20 + 1e6, 1, 0, 500},
      {"zero-size axis", 0, 100, 0, 250, 250},
      {"reversed axis", 0, 100, 0, 500, 0},
      {"huge axis", 0, 1, 0, -2000000000, 2000000000},
  };
  for (const bool logarithmic : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << c.Name << (logarithmic ? " (log)" : ""));
      TValueAxis axis({});
      axis.Scale.SetMinMax(c.Min, c.Max);
      axis.Scale.SetIncrement(c.Increment);
      axis.Layout(c.Start, c.End);
      if (logarithmic && axis.Scale.IMinimum() < 0) continue;
      axis.Scale.SetLogarithmic(logarithmic);
      const auto started = std::chrono::steady_clock::now();
      const TAxisLabels labels = CalcAxisLabels(axis.Scale, {});
      EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
      EXPECT_LE(labels.Items.size(), 10000u);
      for (const auto& item : labels.Items) {
        ASSERT_TRUE(std::isfinite(item.Value));
        EXPECT_LE(std::abs(item.Pos), QuilMaxPixelPos);
      }
      EXPECT_TRUE(std::isfinite(axis.Scale.CalcIncrement()));
      EXPECT_GT(axis.Scale.MaxLabelsWidth(), 0);
    }
  }
}

TEST(AxisLabels, LogarithmicBasesNearOneEnd) {
  TValueAxis axis({1e-10, 1e10});
  axis.Layout(0, 500);
  axis.Scale.SetLogarithmic(true);
  for (const double base : {1.0001, 0.9999, 0.5, 1e300}) {
    SCOPED_TRACE(base);
    axis.Scale.SetLogarithmicBase(base);
    const TAxisLabels labels = CalcAxisLabels(axis.Scale, {});
    EXPECT_LE(labels.Items.size(), 10000u);
  }
}

TEST(AxisLabels, LabelStorageIsReused) {
  TValueAxis axis({0, 100});
  axis.Layout(0, 500);
  TAxisLabels labels;
  CalcAxisLabels(axis.Scale, {}, labels);
  const size_t first = labels.Items.size();
  CalcAxisLabels(axis.Scale, {}, labels);
  EXPECT_EQ(labels.Items.size(), first);
}

}  // namespace
}  // namespace quil

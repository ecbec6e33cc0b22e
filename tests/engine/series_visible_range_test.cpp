#include <gtest/gtest.h>

#include <optional>

#include "core/component.h"
#include "engine/themed_series.h"
#include "series_test_support.h"

namespace quil {
namespace {

using testing::TTestAxisPanel;

// A series whose axis shows a fixed window of positions.
class TWindowedSeries : public ROvedeSeries {
 public:
  using ROvedeSeries::ROvedeSeries;
  std::optional<std::pair<double, double>> Window;
  int ClickedIndex = -1;

  int Clicked(int, int) override { return ClickedIndex; }

 protected:
  bool VisibleAxisRange(double& minimum, double& maximum) const override {
    if (!Window) return false;
    minimum = Window->first;
    maximum = Window->second;
    return true;
  }
};

TEST(SeriesVisibleRange, PointsInsideTheAxisWindow) {
  const struct {
    double Min;
    double Max;
    bool Between;
    int First;
    int Last;
  } cases[] = {
      {-5, 100, false, 0, 9},  // everything
      {2, 5, false, 2, 5},     {2.5, 5.5, false, 3, 5},  {2.5, 5.5, true, 3, 6},
      {20, 30, false, -1, -1},  // past the last point: nothing
      {-9, -1, false, 0, 0},    // before the first point: the first one stays
      {9, 9, false, 9, 9},
  };
  TWindowedSeries series;
  for (int i = 0; i < 10; ++i) series.AddXY(i, i * i);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Min) + ".." + std::to_string(c.Max) + (c.Between ? " between" : ""));
    series.Window = {c.Min, c.Max};
    series.SetDrawBetweenPoints(c.Between);
    series.CalcFirstLastVisibleIndex();
    EXPECT_EQ(series.FirstVisibleIndex(), c.First);
    EXPECT_EQ(series.LastVisibleIndex(), c.Last);
  }
}

TEST(SeriesVisibleRange, UnorderedOrUnaskedSeriesShowAllPoints) {
  TWindowedSeries series;
  series.CalcFirstLastVisibleIndex();
  EXPECT_EQ(series.FirstVisibleIndex(), -1);
  for (int i = 0; i < 4; ++i) series.AddXY(i, i);
  series.Window = {1, 2};
  series.SetCalcVisiblePoints(false);
  series.CalcFirstLastVisibleIndex();
  EXPECT_EQ(series.LastVisibleIndex(), 3);
  series.SetCalcVisiblePoints(true);
  series.XValues().SetOrder(loNone);
  series.CalcFirstLastVisibleIndex();
  EXPECT_EQ(series.FirstVisibleIndex(), 0);
  EXPECT_EQ(series.LastVisibleIndex(), 3);
}

TEST(SeriesHover, MouseOverAPointSetsTheHoverIndexAndCursor) {
  TComponent form;
  auto& chart = MakeOwned<TTestAxisPanel>(form);
  auto& series = MakeOwned<TWindowedSeries>(form);
  chart.AddSeries(series);
  EXPECT_FALSE(series.CheckMouse(1, 1));  // nothing asks for hover: not even looked at
  EXPECT_EQ(series.SelectedOrNull(), nullptr);

  int entered = 0;
  int left = 0;
  series.OnMouseEnter = [&](ROvedeSeries&) { ++entered; };
  series.OnMouseLeave = [&](ROvedeSeries&) { ++left; };
  series.SetCursor(-21);
  series.Selected();
  series.ClickedIndex = 4;
  EXPECT_TRUE(chart.CheckMouseSeries(1, 1));
  EXPECT_EQ(series.Selected().HoverIndex(), 4);
  EXPECT_EQ(chart.Cursor(), -21);
  EXPECT_TRUE(series.HoverEnabled());
  series.ClickedIndex = -1;
  EXPECT_FALSE(chart.CheckMouseSeries(1, 1));
  EXPECT_EQ(series.Selected().HoverIndex(), -1);
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(left, 1);

  chart.Hover().SetVisible(false);
  EXPECT_FALSE(series.HoverEnabled());
}

TEST(SeriesAxisLabels, SuggestedLabelStyle) {
  ROvedeSeries series;
  series.Add(1);
  EXPECT_EQ(series.AxisLabelStyleFor(true), talValue);
  EXPECT_EQ(series.AxisLabelStyleFor(false), talValue);
  series.Add(2, "two");
  EXPECT_EQ(series.AxisLabelStyleFor(false), talText);
  EXPECT_EQ(series.AxisLabelStyleFor(true), talValue);
  series.SetHasZValues(true);
  EXPECT_EQ(series.AxisLabelStyleFor(false), talValue);
}

TEST(SeriesPublished, StoredOnlyWhenChanged) {
  TThemedSeries series;
  const TMetaClass& meta = series.ClassType();
  const auto stored = [&](const char* name) { return meta.FindProperty(name)->IsStored(series); };
  for (const char* name : {"SeriesColor", "PercentFormat", "ValueFormat", "ParenrOvede", "Title", "Depth"}) {
    SCOPED_TRACE(name);
    ASSERT_NE(meta.FindProperty(name), nullptr);
    EXPECT_FALSE(stored(name));
  }
  series.SetSeriesColor(clBlue);
  series.SetPercentFormat("0 %");
  series.SetValueFormat("0.0");
  series.SetTitle("T");
  for (const char* name : {"SeriesColor", "PercentFormat", "ValueFormat", "Title"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(stored(name));
  }
  EXPECT_TRUE(stored("HoverElement"));
  EXPECT_NE(meta.FindProperty("XValues"), nullptr);
  EXPECT_NE(meta.FindProperty("Active"), nullptr);
}

}  // namespace
}  // namespace quil

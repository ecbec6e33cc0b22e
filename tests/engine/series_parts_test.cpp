#include <gtest/gtest.h>

#include "core/component.h"
#include "series_test_support.h"

namespace quil {
namespace {

using testing::TLoggingSeries;
using testing::TTestAxisPanel;

TEST(SeriesParts, MarksStartHiddenCentredOnLightYellow) {
  ROvedeSeries series;
  EXPECT_EQ(series.MarksOrNull(), nullptr);
  const TSeriesMarks& marks = series.Marks();
  EXPECT_FALSE(marks.Visible());
  EXPECT_EQ(marks.Style(), smsLabelOrValue);
  EXPECT_EQ(marks.DrawEvery(), 1);
  EXPECT_EQ(marks.Angle(), 0);
  EXPECT_FALSE(marks.Clip());
  EXPECT_FALSE(marks.OnTop());
  EXPECT_FALSE(marks.MultiLine());
  EXPECT_TRUE(marks.AutoPosition());
  EXPECT_EQ(marks.TextAlignment(), taCenter);
  EXPECT_EQ(marks.RoundSize(), 4);
  EXPECT_EQ(marks.Color(), 0xE1FFFFu);
  EXPECT_TRUE(marks.UseSeriesTransparency());
  for (const char* name : {"Visible", "Color", "RoundSize", "TextAlignment", "Style"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(marks.ClassType().FindProperty(name)->IsStored(marks));
  }
  series.Marks().SetVisible(true);
  EXPECT_TRUE(marks.ClassType().FindProperty("Visible")->IsStored(marks));
}

TEST(SeriesParts, SelectionAndHoverLooks) {
  ROvedeSeries series;
  const TQuilSelected& selected = series.Selected();
  EXPECT_FALSE(selected.Visible());
  EXPECT_EQ(selected.Frame().Color(), clRed);
  EXPECT_EQ(selected.Frame().Width(), 2);
  EXPECT_EQ(selected.ItemIndex(), -1);
  EXPECT_EQ(selected.HoverIndex(), -1);
  EXPECT_TRUE(selected.Hover().Visible());
  EXPECT_EQ(selected.Hover().Frame().Color(), 0x800000FFu);
  EXPECT_EQ(selected.Hover().Frame().Width(), 3);
  EXPECT_EQ(selected.Hover().Font().Color(), clRed);
  EXPECT_FALSE(selected.ClassType().FindProperty("Visible")->IsStored(selected));
}

TEST(SeriesParts, LegendSettingsLiveInTheLegendShape) {
  ROvedeSeries series;
  EXPECT_TRUE(series.ShowInLegend());
  EXPECT_EQ(series.LegendOrNull(), nullptr);
  series.SetShowInLegend(false);
  series.SetLegendTitle("shown");
  EXPECT_FALSE(series.Legend().Visible());
  EXPECT_EQ(series.Legend().Text(), "shown");
}

TEST(SeriesParts, PartsRepaintTheChartTheSeriesBelongsTo) {
  TComponent form;
  auto& first = MakeOwned<TTestAxisPanel>(form);
  auto& second = MakeOwned<TTestAxisPanel>(form);
  auto& series = MakeOwned<TLoggingSeries>(form);
  series.Marks();
  series.Selected();
  series.Legend();
  first.AddSeries(series);
  EXPECT_EQ(series.Marks().Parent(), &first);
  EXPECT_EQ(series.Selected().Hover().Parent(), &first);
  EXPECT_EQ(series.Legend().Parent(), &first);
  second.AddSeries(series);
  EXPECT_EQ(series.Marks().Parent(), &second);
  form.DestroyComponent(second);
  EXPECT_EQ(series.ParenrOvede(), nullptr);
  EXPECT_EQ(series.Marks().Parent(), nullptr);
  EXPECT_EQ(series.Selected().Parent(), nullptr);
  EXPECT_EQ(series.Legend().Parent(), nullptr);
  series.Marks().SetVisible(true);  // no chart to repaint: nothing fails
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include <string>

#include "chart/legend_exception.h"
#include "core/rounding.h"
#include "legend_fixture.h"

namespace quil {
namespace {

using testing::LegendTest;
using testing::TEntriesSeries;

using LegendLayoutTest = LegendTest;

TEST_F(LegendLayoutTest, WhatIsListedFollowsTheActiveSeries) {
  ROvedeSeries& a = AddSeries("A", 4, clRed);
  EXPECT_EQ(Legend().CalcLegendStyle(), lsValues) << "one series: its values";
  EXPECT_EQ(Legend().CalcTotalItems(), 4);
  EXPECT_EQ(Legend().FormattedLegend(1), "11\x06P1");

  ROvedeSeries& b = AddSeries("B", 2, clGreen);
  EXPECT_EQ(Legend().CalcLegendStyle(), lsSeries) << "two series: the series";
  EXPECT_EQ(Legend().CalcTotalItems(), 2);
  EXPECT_EQ(Legend().FormattedLegend(1), "B");

  b.SetActive(false);
  EXPECT_EQ(Legend().CalcLegendStyle(), lsValues);
  Legend().SetCheckBoxes(true);
  EXPECT_EQ(Legend().CalcLegendStyle(), lsSeries) << "check boxes list the series";
  EXPECT_EQ(Legend().CalcTotalItems(), 2) << "inactive series keep their check box";

  Legend().SetCheckBoxes(false);
  Legend().SetLegendStyle(lsLastValues);
  b.SetActive(true);
  a.SetShowInLegend(false);
  EXPECT_EQ(Legend().CalcTotalItems(), 1);
  EXPECT_EQ(Legend().FormattedLegend(0), "11\x06P1") << "B's last value";

  Legend().SetLegendStyle(lsValues);
  Legend().SetFirstValue(1);
  EXPECT_EQ(Legend().GetLegendSeries(), &b) << "the first active series shown in the legend";
  EXPECT_EQ(Legend().CalcTotalItems(), 1);
  Legend().SetFirstValue(5);
  EXPECT_EQ(Legend().CalcTotalItems(), 0);
  EXPECT_THROW(Legend().SetFirstValue(-1), LegendException);
  EXPECT_EQ(Legend().FirstValue(), 5);
}

TEST_F(LegendLayoutTest, LegendSeriesLinkIsClearedWhenTheSeriesGoes) {
  AddSeries("A", 3, clRed);
  Legend().SetLegendStyle(lsValues);
  auto other = std::make_unique<ROvedeSeries>();
  for (int i = 0; i < 7; ++i) other->Add(i);
  other->SetParenrOvede(&chart);
  Legend().SetSeries(other.get());
  EXPECT_EQ(Legend().CalcTotalItems(), 7);
  other->SetParenrOvede(nullptr);
  EXPECT_EQ(Legend().CalcTotalItems(), 3) << "a series that left the chart is not listed";
  other.reset();
  EXPECT_EQ(Legend().Series(), nullptr);
  host->Render();
}

TEST_F(LegendLayoutTest, TheChartsTextEventCanChangeItemTexts) {
  AddSeries("A", 2, clRed);
  chart.OnGetLegendText = [](TCustomChart&, TLegendStyle style, int index, std::string& text) {
    if (style == lsValues) text = testing::Numbered("item ", index);
  };
  EXPECT_EQ(Legend().FormattedLegend(1), "item 1");
}

TEST_F(LegendLayoutTest, EachSidePlacesTheBoxAndShrinksTheChartRectangle) {
  AddSeries("A", 5, clRed);
  for (TLegendAlignment side : {laLeft, laRight, laTop, laBottom}) {
    SCOPED_TRACE(side);
    Legend().SetAlignment(side);
    PrepareMarginRect();
    Legend().CalcRect();
    const TRect box = Legend().ShapeBounds;
    const TRect after = chart.ChartRect;
    ASSERT_EQ(Legend().ListedItems(), 5);
    EXPECT_EQ(box.Height(), Legend().ItemHeight() * Legend().NumRows() + 2 * QuilRound(Legend().ItemHeight() * 0.1) + 2 + 1);
    switch (side) {
      case laLeft:
        EXPECT_EQ(box.Left, 28 + 1 + 1);
        EXPECT_EQ(box.Top, 29 + 65) << "TopPos 10 % of the chart height below its top";
        EXPECT_EQ(after, (TRect{box.Right + 857 * 3 / 100, 29, 885, 676}));
        break;
      case laRight:
        EXPECT_EQ(box.Right, 885 - 3 - 1) << "clear of the shadow and the frame";
        EXPECT_EQ(box.Top, 29 + 65);
        EXPECT_EQ(after, (TRect{28, 29, box.Left - 25, 676}));
        break;
      case laTop:
        EXPECT_EQ(box.Top, 29 + 1);
        EXPECT_LE(std::abs((box.Left + box.Right) / 2 - 456), 1) << "centred on the chart";
        EXPECT_EQ(after, (TRect{28, box.Bottom + 3 + 647 * 4 / 100, 885, 676})) << "below the shadow and a gap";
        break;
      case laBottom:
        EXPECT_EQ(box.Bottom, 676 - 1 - 3);
        EXPECT_EQ(after, (TRect{28, 29, 885, box.Top - 25}));
        break;
    }
    EXPECT_EQ(chart.ChartWidth(), after.Right - after.Left);
    EXPECT_EQ(chart.ChartHeight(), after.Bottom - after.Top);
  }
}

TEST_F(LegendLayoutTest, MarginsOrNoResizeOrACustomPositionChangeWhatTheChartGivesUp) {
  AddSeries("A", 5, clRed);
  Legend().SetHorizMargin(7);
  PrepareMarginRect();
  Legend().CalcRect();
  EXPECT_EQ(chart.ChartRect.Right, Legend().ShapeBounds.Left - 7);

  Legend().SetResizeChart(false);
  PrepareMarginRect();
  Legend().CalcRect();
  EXPECT_EQ(chart.ChartRect, (TRect{28, 29, 885, 676}));

  Legend().SetResizeChart(true);
  Legend().SetLeft(100);
  Legend().SetTop(50);
  EXPECT_TRUE(Legend().CustomPosition());
  PrepareMarginRect();
  Legend().CalcRect();
  EXPECT_EQ(Legend().ShapeBounds.TopLeft(), (TPoint{100, 50}));
  EXPECT_EQ(chart.ChartRect, (TRect{28, 29, 885, 676})) << "a placed legend takes nothing";

  Legend().SetPositionUnits(muPercent);
  Legend().SetLeftPercent(50);
  Legend().SetTopPercent(10);
  PrepareMarginRect();
  Legend().CalcRect();
  EXPECT_EQ(Legend().ShapeBounds.TopLeft(), (TPoint{QuilRound(913 * 0.5), QuilRound(705 * 0.1)}));
}

TEST_F(LegendLayoutTest, AVerticalLegendListsTheRowsThatFitFromFirstValue) {
  AddSeries("A", 200, clRed);
  Legend().SetFirstValue(7);
  PrepareMarginRect();
  Legend().CalcRect();
  const int rows = Legend().ListedItems();
  EXPECT_GT(rows, 10);
  EXPECT_LT(rows, 193);
  EXPECT_EQ(Legend().NumRows(), rows);
  EXPECT_EQ(Legend().LastValue(), 7 + rows - 1);
  EXPECT_LE(Legend().ShapeBounds.Bottom, 676) << "the box stays inside the chart rectangle";
  EXPECT_GT(Legend().ShapeBounds.Bottom + Legend().ItemHeight(), 676) << "one more row would not fit";

  Legend().SetMaxNumRows(4);
  PrepareMarginRect();
  Legend().CalcRect();
  EXPECT_EQ(Legend().ListedItems(), 4);
}

TEST_F(LegendLayoutTest, AHorizontalLegendJustifiesItsColumnsOnlyWhenItNeedsRows) {
  AddSeries("A", 3, clRed);
  Legend().SetAlignment(laTop);
  PrepareMarginRect();
  Legend().CalcRect();
  EXPECT_FALSE(Legend().IJustify()) << "three items fit side by side";
  EXPECT_EQ(Legend().NumRows(), 1);
  EXPECT_EQ(Legend().NumCols(), 3);

  AddSeries<ROvedeSeries>("B", 0, clGreen).SetActive(false);
  series[0]->Clear();
  for (int i = 0; i < 500; ++i) series[0]->Add(i * 1000.5, testing::Numbered("point label ", i));
  PrepareMarginRect();
  Legend().CalcRect();
  EXPECT_TRUE(Legend().IJustify());
  EXPECT_EQ(Legend().NumRows(), 10) << "at most ten rows";
  EXPECT_EQ(Legend().ListedItems(), Legend().NumCols() * 10);
  for (int c = 1; c < Legend().NumCols(); ++c) EXPECT_EQ(Legend().ColumnWidth(c), Legend().ColumnWidth(0));
  EXPECT_LE(Legend().ShapeBounds.Width(), 913);

  Legend().SetMaxNumRows(3);
  PrepareMarginRect();
  Legend().CalcRect();
  EXPECT_EQ(Legend().NumRows(), 3);

  Legend().SetHorizJustify(ljNo);
  PrepareMarginRect();
  Legend().CalcRect();
  EXPECT_FALSE(Legend().IJustify());
  EXPECT_EQ(Legend().NumRows(), 1) << "unjustified: one row of what fits";
}

TEST_F(LegendLayoutTest, ItemHeightMakesRoomForSpacingCheckBoxesTallSymbolsAndLines) {
  AddSeries("A", 2, clRed);
  PrepareMarginRect();
  const int text = Legend().CalcItemHeight();
  Legend().SetVertSpacing(4);
  EXPECT_EQ(Legend().CalcItemHeight(), text + 4);
  Legend().SetVertSpacing(0);
  Legend().DividingLines().SetVisible(true);
  Legend().DividingLines().SetWidth(2);
  EXPECT_EQ(Legend().CalcItemHeight(), text + 2);
  Legend().DividingLines().SetVisible(false);
  Legend().Symbol().SetHeightUnits(lcsPixels);
  Legend().Symbol().SetHeight(40);
  EXPECT_EQ(Legend().CalcItemHeight(), 40);
  Legend().Symbol().SetHeightUnits(lcsPercent);
  Legend().Symbol().SetHeight(100);
  Legend().SetCheckBoxes(true);
  EXPECT_EQ(Legend().CalcItemHeight(), std::max(text, QuilCheckBoxSize + 6));
}

TEST_F(LegendLayoutTest, AnEmptySeriesListsNothingAndLeavesTheChartAlone) {
  AddSeries("Series1", 0, clRed);
  PrepareMarginRect();
  Legend().CalcRect();
  EXPECT_EQ(Legend().ListedItems(), 0);
  EXPECT_EQ(chart.ChartRect, (TRect{28, 29, 885, 676}));
  EXPECT_EQ(Legend().Clicked(850, 120), -1);
}

TEST_F(LegendLayoutTest, ATitleWidensTheBoxAndPushesTheRowsDown) {
  AddSeries("A", 3, clRed);
  PrepareMarginRect();
  Legend().CalcRect();
  const TRect plain = Legend().ShapeBounds;
  const int firstTop = Legend().FirstItemTop();
  Legend().Title().SetText("A rather long legend title");
  PrepareMarginRect();
  Legend().CalcRect();
  const TRect titled = Legend().ShapeBounds;
  EXPECT_GT(titled.Width(), plain.Width());
  EXPECT_GT(Legend().FirstItemTop(), firstTop + 10);
  EXPECT_EQ(titled.Height() - plain.Height(), Legend().FirstItemTop() - firstTop + 2);
}

TEST_F(LegendLayoutTest, SeriesListingBackwardsTurnsTheValueListingAround) {
  auto& entries = AddSeries<TEntriesSeries>("E", 0, clRed);
  entries.Colors = {clRed, clGreen, clBlue};
  EXPECT_EQ(Legend().CalcTotalItems(), 3);
  EXPECT_EQ(Legend().FormattedLegend(0), "entry2");
  EXPECT_FALSE(Legend().CalcInverted());
  entries.Backwards = true;
  EXPECT_TRUE(Legend().CalcInverted());
  Legend().SetInverted(true);
  EXPECT_FALSE(Legend().CalcInverted());
}

}  // namespace
}  // namespace quil

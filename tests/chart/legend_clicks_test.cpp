#include <gtest/gtest.h>

#include "core/host.h"
#include "legend_fixture.h"

namespace quil {
namespace {

using testing::LegendTest;

using LegendClicksTest = LegendTest;

// Every pixel of a drawn row (and across its whole width) is that row's item; above the first
// row, below the last and outside the box there is none.
void ExpectRowsAreTheDrawnRows(const TCustomChartLegend& legend) {
  ASSERT_GT(legend.ListedItems(), 0);
  for (int position = 0; position < legend.ListedItems(); ++position) {
    SCOPED_TRACE(position);
    const TRect cell = legend.PositionRect(position);
    const int item = legend.CalcInverted() ? legend.LastValue() - position : legend.ListedFirst() + position;
    for (int y = cell.Top; y < cell.Bottom; ++y)
      for (int x : {cell.Left, (cell.Left + cell.Right) / 2, cell.Right - 1}) ASSERT_EQ(legend.Clicked(x, y), item) << x << "," << y;
  }
  const TRect box = legend.ShapeBounds;
  EXPECT_EQ(legend.Clicked(box.Left + 5, legend.PositionRect(0).Top - 1), -1);
  EXPECT_EQ(legend.Clicked(box.Left - 1, legend.PositionRect(0).Top + 2), -1);
  EXPECT_EQ(legend.Clicked(box.Right + 1, legend.PositionRect(0).Top + 2), -1);
  EXPECT_EQ(legend.Clicked(box.Left + 5, box.Bottom + 1), -1);
}

TEST_F(LegendClicksTest, AClickAnywhereInADrawnRowGivesThatRowsItem) {
  AddSeries("A", 12, clRed);
  struct Case {
    const char* name;
    TLegendAlignment side;
    int spacing;
    const char* title;
    bool inverted;
  } cases[] = {
      {"right", laRight, 0, "", false},
      {"right, spaced, titled", laRight, 6, "Values", false},
      {"left, inverted", laLeft, 3, "", true},
      {"top, one row", laTop, 0, "", false},
      {"bottom, spaced, inverted", laBottom, 5, "Values", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Legend().SetAlignment(c.side);
    Legend().SetVertSpacing(c.spacing);
    Legend().Title().SetText(c.title);
    Legend().SetInverted(c.inverted);
    host->Render();
    ExpectRowsAreTheDrawnRows(Legend());
  }
}

TEST_F(LegendClicksTest, JustifiedColumnsAndFirstValueMapToTheDrawnCells) {
  ROvedeSeries& values = AddSeries("A", 0, clRed);
  for (int i = 0; i < 120; ++i) values.Add(i, testing::Numbered("label ", i));
  Legend().SetAlignment(laBottom);
  Legend().SetFirstValue(3);
  Legend().SetVertSpacing(4);
  host->Render();
  ASSERT_TRUE(Legend().IJustify());
  ASSERT_GT(Legend().NumRows(), 1);
  EXPECT_EQ(Legend().ListedFirst(), 3);
  ExpectRowsAreTheDrawnRows(Legend());
  const TRect second = Legend().PositionRect(1);
  EXPECT_EQ(Legend().Clicked(second.Left, second.Top), 4) << "a shared edge belongs to the right-hand column";
}

TEST_F(LegendClicksTest, ItemsAreTheOnesRecordedWhenDrawn) {
  AddSeries("A", 4, clRed);
  host->Render();
  ASSERT_EQ(Legend().Items().Count(), 4);
  for (int i = 0; i < 4; ++i) {
    const TLegendItem& item = Legend().Items()[i];
    EXPECT_EQ(Legend().Clicked(item.Left + 1, item.Top + 1), i);
    EXPECT_EQ(Legend().Clicked(item.Symbol.Left, item.Symbol.Bottom - 1), i);
  }
}

TEST_F(LegendClicksTest, NoItemBeforeALayoutOrWhenTheLegendIsNotDrawn) {
  AddSeries("A", 4, clRed);
  EXPECT_EQ(Legend().Clicked(850, 130), -1);
  host->Render();
  const TRect row = Legend().PositionRect(0);
  EXPECT_EQ(Legend().Clicked(row.Left + 2, row.Top + 2), 0);
  Legend().SetVisible(false);
  host->Render();
  EXPECT_EQ(Legend().Clicked(row.Left + 2, row.Top + 2), -1);
}

TEST_F(LegendClicksTest, CheckBoxesAndRadioItemsSwitchSeries) {
  ROvedeSeries& a = AddSeries("A", 3, clRed);
  ROvedeSeries& b = AddSeries("B", 3, clGreen);
  ROvedeSeries& c = AddSeries("C", 3, clBlue);
  Legend().SetCheckBoxes(true);
  host->Render();
  EXPECT_TRUE(Legend().HasCheckBoxes());

  EXPECT_TRUE(Legend().DoMouseDown(0, 0, 1));
  EXPECT_FALSE(b.Active());
  EXPECT_EQ(Legend().Selected().ItemIndex(), 1);
  host->Render();
  EXPECT_EQ(Legend().ListedItems(), 3) << "an inactive series keeps its check box";
  EXPECT_TRUE(Legend().DoMouseDown(0, 0, 1));
  EXPECT_TRUE(b.Active());
  EXPECT_FALSE(Legend().DoMouseDown(0, 0, -1)) << "no item";

  Legend().SetCheckBoxesStyle(cbsRadio);
  EXPECT_TRUE(Legend().DoMouseDown(0, 0, 2));
  EXPECT_FALSE(a.Active());
  EXPECT_FALSE(b.Active());
  EXPECT_TRUE(c.Active());

  Legend().SetLegendStyle(lsValues);
  EXPECT_FALSE(Legend().HasCheckBoxes());
  EXPECT_FALSE(Legend().DoMouseDown(0, 0, 0)) << "values have no check boxes";
  EXPECT_TRUE(c.Active());
  EXPECT_EQ(Legend().Selected().ItemIndex(), 0);
}

TEST_F(LegendClicksTest, AClickOnADrawnCheckBoxTogglesItsSeries) {
  ROvedeSeries& a = AddSeries("A", 3, clRed);
  AddSeries("B", 3, clGreen);
  Legend().SetCheckBoxes(true);
  host->Render();
  const TPoint box{Legend().XLegendBox() + 3, Legend().PositionRect(0).Top + Legend().ItemHeight() / 2};
  const int item = Legend().Clicked(box);
  ASSERT_EQ(item, 0);
  Legend().DoMouseDown(box.X, box.Y, item);
  EXPECT_FALSE(a.Active());
}

TEST_F(LegendClicksTest, TheCursorIsTheHandOverASelectableLegend) {
  EXPECT_EQ(Legend().CalcCursor(), crDefault);
  Legend().SetCursor(crCross);
  EXPECT_EQ(Legend().CalcCursor(), crCross);
  Legend().Selected().SetVisible(true);
  EXPECT_EQ(Legend().CalcCursor(), crHandPoint);
}

// The chart's own mouse handling: a press on the legend goes to the legend first and starts no
// zoom, and a mouse over the legend marks the row it is over.
TEST_F(LegendClicksTest, APressOnALegendCheckBoxSwitchesTheSeriesAndStartsNoZoom) {
  ROvedeSeries& a = AddSeries("A", 3, clRed);
  AddSeries("B", 3, clGreen);
  Legend().SetCheckBoxes(true);
  int legendClicks = 0;
  chart.OnClickLegend = [&](TCustomChart&, TMouseButton, TShiftState, int, int) { ++legendClicks; };
  host->Render();
  const TPoint box{Legend().XLegendBox() + 3, Legend().PositionRect(0).Top + Legend().ItemHeight() / 2};

  chart.MouseDown(TMouseButton::mbLeft, ssLeft, box.X, box.Y);
  EXPECT_FALSE(chart.Zoom().Active()) << "the press belongs to the legend";
  chart.MouseMove(ssLeft, box.X - 200, box.Y + 200);
  chart.MouseUp(TMouseButton::mbLeft, 0, box.X - 200, box.Y + 200);
  EXPECT_FALSE(a.Active());
  EXPECT_FALSE(chart.Zoomed());
  EXPECT_EQ(legendClicks, 1);

  chart.MouseDown(TMouseButton::mbLeft, ssLeft, box.X, box.Y);
  chart.MouseUp(TMouseButton::mbLeft, 0, box.X, box.Y);
  EXPECT_TRUE(a.Active()) << "a second press switches it back";
}

TEST_F(LegendClicksTest, TheMouseOverALegendRowHoversItAndShowsTheLegendsCursor) {
  ROvedeSeries& values = AddSeries("A", 4, clRed);
  Legend().Selected().SetVisible(true);
  host->Render();
  const TRect row = Legend().PositionRect(2);
  const int item = Legend().Clicked(row.Left + 2, row.Top + 1);
  ASSERT_NE(item, -1);

  chart.MouseMove(0, row.Left + 2, row.Top + 1);
  EXPECT_EQ(host->Cursor(), crHandPoint);
  EXPECT_EQ(Legend().Selected().HoverIndex(), item);
  EXPECT_EQ(values.Selected().HoverIndex(), values.LegendToValueIndex(item)) << "a values legend hovers the point too";

  chart.MouseMove(0, 5, 5);
  EXPECT_EQ(host->Cursor(), chart.OriginalCursor());
  EXPECT_EQ(values.Selected().HoverIndex(), -1) << "the mouse left the point";
  EXPECT_EQ(Legend().Selected().HoverIndex(), -1);
}

}  // namespace
}  // namespace quil

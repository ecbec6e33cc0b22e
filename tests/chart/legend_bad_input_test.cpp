#include <gtest/gtest.h>

#include <string>

#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_startup.h"
#include "canvas/quil_canvas3d.h"
#include "legend_fixture.h"

namespace quil {
namespace {

using testing::LegendTest;

using LegendBadInputTest = LegendTest;

// Whatever it is given, the legend lists what fits inside the chart and answers clicks only
// inside its box.
void ExpectFitsInside(const ROvede& chart, const TCustomChartLegend& legend) {
  if (legend.ListedItems() == 0) return;
  const TRect box = legend.ShapeBounds;
  EXPECT_GE(box.Left, 0);
  EXPECT_GE(box.Top, 0);
  EXPECT_LE(box.Right, chart.Width());
  EXPECT_LE(box.Bottom, chart.Height());
  EXPECT_LE(legend.ListedItems(), legend.TotalItems());
  EXPECT_EQ(legend.Clicked(box.Left - 1, box.Top - 1), -1);
}

TEST_F(LegendBadInputTest, HundredsOfSeriesOrAHundredThousandValues) {
  for (int i = 0; i < 300; ++i) AddSeries(testing::Numbered("S", i), 1, static_cast<TColor>(i * 0x010203));
  for (TLegendAlignment side : {laLeft, laRight, laTop, laBottom}) {
    SCOPED_TRACE(side);
    Legend().SetAlignment(side);
    host->Render();
    EXPECT_GT(Legend().ListedItems(), 0);
    EXPECT_LT(Legend().ListedItems(), 300);
    ExpectFitsInside(chart, Legend());
  }
  series.clear();
  ROvedeSeries& big = AddSeries("Big", 0, clRed);
  for (int i = 0; i < 100000; ++i) big.Add(i);
  for (TLegendAlignment side : {laRight, laBottom}) {
    Legend().SetAlignment(side);
    host->Render();
    EXPECT_EQ(Legend().TotalItems(), 100000);
    ExpectFitsInside(chart, Legend());
  }
}

TEST_F(LegendBadInputTest, TinyChartsDrawWhatFitsOnBothCanvases) {
  AddSeries("A", 5, clRed);
  AddSeries("B", 5, clGreen);
  for (bool smooth : {false, true}) {
    if (smooth) {
      GDIPlusStartup();
      chart.SetInternalCanvas(std::make_unique<TGDIPlusCanvas>());
    }
    for (TLegendAlignment side : {laLeft, laRight, laTop, laBottom})
      for (const TPoint size : {TPoint{60, 40}, TPoint{8, 8}, TPoint{1, 1}, TPoint{300, 30}}) {
        SCOPED_TRACE(::testing::Message() << side << " " << size.X << "x" << size.Y);
        Legend().SetAlignment(side);
        host->Render(size.X, size.Y);
        ExpectFitsInside(chart, Legend());
      }
  }
  chart.SetInternalCanvas(std::make_unique<TQuilCanvas3D>());
  GDIPlusShutdown();
}

TEST_F(LegendBadInputTest, OddSettingsNeverHang) {
  AddSeries("A", 50, clRed);
  Legend().SetVertSpacing(-30);
  Legend().SetTextSymbolGap(-200);
  Legend().SetTopPos(500);
  Legend().SetMaxNumRows(-4);
  Legend().Symbol().SetHeightUnits(lcsPixels);
  Legend().Symbol().SetHeight(-10);
  Legend().Symbol().SetSquared(false);
  Legend().Symbol().SetWidthUnits(lcsPixels);
  Legend().Symbol().SetWidth(-50);
  for (TLegendAlignment side : {laLeft, laRight, laTop, laBottom}) {
    Legend().SetAlignment(side);
    host->Render();
    EXPECT_GE(Legend().ListedItems(), 0);
  }
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include <memory>

#include "chart/rovede.h"
#include "core/component.h"
#include "engine/capturing_filer.h"
#include "engine/custom_tool_series.h"
#include "engine/rovede_axis.h"
#include "engine/series.h"
#include "panel/headless_host.h"

namespace quil {
namespace {

using testing::TCapturingFiler;
using testing::TIntegerReader;
using testing::TIntegerWriter;

class CustomAxesTest : public ::testing::Test {
 protected:
  CustomAxesTest() {
    chart.SetBounds(0, 0, 500, 300);
    chart.SetView3D(false);
  }

  ROvedeSeries& AddSeries() {
    ROvedeSeries& series = MakeOwned<ROvedeSeries>(form);
    chart.AddSeries(series);
    series.AddXY(1, 10);
    series.AddXY(2, 20);
    return series;
  }

  TComponent form;
  ROvede& chart = MakeOwned<ROvede>(form);
};

// A custom axis follows the standard ones in Axes, takes no room from the chart and goes again
// with every link to it when it is deleted.
TEST_F(CustomAxesTest, CustomAxesJoinAndLeaveTheChartsAxes) {
  ROvedeSeries& series = AddSeries();
  ROvedeAxis& extra = chart.CustomAxes().Add();
  ASSERT_EQ(chart.Axes().Count(), 7);
  EXPECT_EQ(&chart.Axes()[6], &extra);
  EXPECT_FALSE(extra.ResizeChart());
  EXPECT_FALSE(extra.IsStandard());
  EXPECT_FALSE(extra.Horizontal());
  EXPECT_EQ(extra.ParentChart(), &chart);

  series.SetCustomVertAxis(&extra);
  THeadlessHost host(chart);
  host.Render();
  EXPECT_TRUE(extra.IsVisible());
  EXPECT_FALSE(chart.LeftAxis().IsVisible());
  EXPECT_EQ(series.CalcYPos(1), extra.CalcYPosValue(20));
  EXPECT_LT(extra.IStartPos(), extra.IEndPos());

  chart.CustomAxes().Delete(0);
  EXPECT_EQ(chart.Axes().Count(), 6);
  EXPECT_EQ(series.CustomVertAxis(), nullptr);
  EXPECT_EQ(series.GetVertAxis(), &chart.LeftAxis());
  EXPECT_THROW(chart.CustomAxes()[0], ERangeError);
  host.Render();
  EXPECT_TRUE(chart.LeftAxis().IsVisible());
}

// A series stores its custom axes by their index in the chart's CustomAxes; an index read
// before the series has its chart is looked up when loading ends, and one that names no
// custom axis is dropped.
TEST_F(CustomAxesTest, SeriesStoreTheirCustomAxesByIndex) {
  chart.CustomAxes().Add();
  ROvedeAxis& second = chart.CustomAxes().Add();
  second.SetHorizontal(true);
  ROvedeSeries& series = AddSeries();
  TCapturingFiler none;
  series.DefineProperties(none);
  EXPECT_FALSE(none.Defined["CustomHorizAxis"].HasData);
  EXPECT_FALSE(none.Defined["CustomVertAxis"].HasData);

  series.SetCustomHorizAxis(&second);
  TCapturingFiler filer;
  series.DefineProperties(filer);
  ASSERT_TRUE(filer.Defined["CustomHorizAxis"].HasData);
  TIntegerWriter writer;
  filer.Defined["CustomHorizAxis"].Write(writer);
  EXPECT_EQ(writer.Written, (std::vector<int64_t>{1}));

  ROvedeSeries& read = MakeOwned<ROvedeSeries>(form);
  TCapturingFiler reading;
  read.DefineProperties(reading);
  TIntegerReader one(1), zero(0);
  reading.Defined["CustomHorizAxis"].Read(one);
  reading.Defined["CustomVertAxis"].Read(zero);
  EXPECT_EQ(read.CustomHorizAxis(), nullptr) << "no chart yet";
  chart.AddSeries(read);
  read.Loaded();
  EXPECT_EQ(read.CustomHorizAxis(), &second);
  EXPECT_EQ(read.HorizAxis(), aCustomHorizAxis);
  EXPECT_EQ(read.CustomVertAxis(), &chart.CustomAxes()[0]);
  EXPECT_EQ(read.GetHorizAxis(), &second);

  ROvedeSeries& stray = AddSeries();
  TCapturingFiler strayFiler;
  stray.DefineProperties(strayFiler);
  TIntegerReader beyond(5), negative(-1);
  strayFiler.Defined["CustomHorizAxis"].Read(beyond);
  strayFiler.Defined["CustomVertAxis"].Read(negative);
  stray.Loaded();
  EXPECT_EQ(stray.CustomHorizAxis(), nullptr);
  EXPECT_EQ(stray.CustomVertAxis(), nullptr);
  EXPECT_EQ(stray.GetHorizAxis(), &chart.BottomAxis());
}

TEST_F(CustomAxesTest, SeriesToolsFindTheAxesTheyWorkAgainst) {
  auto& tool = MakeOwned<TQuilCustomToolSeries>(form);
  EXPECT_EQ(tool.GetHorizAxis(), nullptr);
  EXPECT_EQ(tool.GetVertAxis(), nullptr);
  tool.SetParenrOvede(&chart);
  // No series at all: the bottom and left axes.
  EXPECT_EQ(tool.GetHorizAxis(), &chart.BottomAxis());
  EXPECT_EQ(tool.GetVertAxis(), &chart.LeftAxis());

  ROvedeSeries& series = AddSeries();
  ROvedeAxis& customVert = chart.CustomAxes().Add();
  ROvedeAxis& customHoriz = chart.CustomAxes().Add();
  customHoriz.SetHorizontal(true);
  series.SetHorizAxis(aTopAxis);
  series.SetVertAxis(aRightAxis);
  EXPECT_EQ(tool.GetHorizAxis(), &chart.TopAxis());
  EXPECT_EQ(tool.GetVertAxis(), &chart.RightAxis());
  series.SetCustomHorizAxis(&customHoriz);
  series.SetCustomVertAxis(&customVert);
  EXPECT_EQ(tool.GetHorizAxis(), &customHoriz);
  EXPECT_EQ(tool.GetVertAxis(), &customVert);
  // Only active series count.
  series.SetActive(false);
  EXPECT_EQ(tool.GetHorizAxis(), &chart.BottomAxis());
  EXPECT_EQ(tool.GetVertAxis(), &chart.LeftAxis());

  // With a series, that series' axes, active or not.
  tool.SetSeries(&series);
  EXPECT_EQ(tool.GetHorizAxis(), &customHoriz);
  EXPECT_EQ(tool.GetVertAxis(), &customVert);
  series.SetVertAxis(aRightAxis);
  EXPECT_EQ(tool.GetVertAxis(), &chart.RightAxis());
}

// Destroying the chart destroys its custom axes and leaves series without links to them.
TEST_F(CustomAxesTest, SeriesOutlivingTheChartForgetItsCustomAxes) {
  ROvedeSeries survivor;
  {
    ROvede other;
    other.AddSeries(survivor);
    survivor.SetCustomVertAxis(&other.CustomAxes().Add());
  }
  EXPECT_EQ(survivor.ParenrOvede(), nullptr);
  EXPECT_EQ(survivor.CustomVertAxis(), nullptr);
  EXPECT_EQ(survivor.GetVertAxis(), nullptr);
}

}  // namespace
}  // namespace quil

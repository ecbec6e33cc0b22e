#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "canvas/bitmap.h"
#include "canvas/view3d_options.h"
#include "chart/rovede.h"
#include "engine/chart_exception.h"
#include "engine/rovede_axis.h"
#include "panel/headless_host.h"
#include "series/surface/custom3d_series.h"

namespace quil {
namespace {

std::vector<double> Values(const ROvedeValueList& list) {
  return {list.Values().begin(), list.Values().begin() + list.Count()};
}

class Custom3DChartTest : public ::testing::Test {
 protected:
  Custom3DChartTest() {
    chart.SetBounds(0, 0, 600, 400);
    host = std::make_unique<THeadlessHost>(chart);
    series.SetParenrOvede(&chart);
  }
  ~Custom3DChartTest() override { series.SetParenrOvede(nullptr); }

  ROvede chart;
  std::unique_ptr<THeadlessHost> host;
  TCustom3DSeries series;
};

TEST(Custom3DSeries, PointsKeepXYZTogetherInArrivalOrder) {
  TCustom3DSeries series;
  ASSERT_EQ(series.ValuesList().Count(), 3);
  EXPECT_EQ(&series.ValuesList()[2], &series.ZValues());
  EXPECT_EQ(series.ZValues().Name(), "Z");
  EXPECT_TRUE(series.HasZValues());
  EXPECT_FALSE(series.CalcVisiblePoints());

  EXPECT_EQ(series.AddXYZ(5, 50, 500), 0);
  EXPECT_EQ(series.AddXYZ(2, 20, 200, "two", clRed), 1) << "X keeps no order: appended";
  EXPECT_EQ(series.AddXYZ(9, 90, -1), 2);
  EXPECT_EQ(Values(series.XValues()), (std::vector<double>{5, 2, 9}));
  EXPECT_EQ(Values(series.YValues()), (std::vector<double>{50, 20, 90}));
  EXPECT_EQ(Values(series.ZValues()), (std::vector<double>{500, 200, -1}));
  EXPECT_EQ(series.XLabel(1), "two");
  EXPECT_EQ(series.ValueColor(1), clRed);
  EXPECT_EQ(series.MinZValue(), -1);
  EXPECT_EQ(series.MaxZValue(), 500);

  series.SetZValue(2, 7);
  EXPECT_EQ(series.GetZValue(2), 7);
  EXPECT_THROW(series.GetZValue(3), ChartException);
}

TEST(Custom3DSeries, AddArrayAddsRowColumnValueTriples) {
  TCustom3DSeries series;
  series.AddArray(std::vector<std::vector<double>>{{1, 2, 3}, {}, {4}});
  EXPECT_EQ(Values(series.XValues()), (std::vector<double>{0, 0, 0, 2}));
  EXPECT_EQ(Values(series.ZValues()), (std::vector<double>{0, 1, 2, 0}));
  EXPECT_EQ(Values(series.YValues()), (std::vector<double>{1, 2, 3, 4}));
}

TEST(Custom3DSeries, LoadTakesOnePointPerPixelColumnByColumn) {
  TBitmap image(2, 3);
  image.Fill(RGBColor(1, 2, 3));
  image.SetPixel(1, 2, RGBColor(255, 255, 255));
  TCustom3DSeries series;
  series.AddXYZ(100, 100, 100);
  series.Load(image);
  ASSERT_EQ(series.Count(), 6);
  EXPECT_EQ(Values(series.XValues()), (std::vector<double>{0, 0, 0, 1, 1, 1}));
  EXPECT_EQ(Values(series.ZValues()), (std::vector<double>{0, 1, 2, 0, 1, 2}));
  const double rgb = 1 + 256 * 2 + 65536 * 3;
  EXPECT_EQ(series.YValue(0), rgb);
  EXPECT_EQ(series.YValue(5), 16777215);

  series.Load(image, true);
  EXPECT_EQ(series.YValue(0), -rgb) << "inverted";
  series.Load(TBitmap());
  EXPECT_EQ(series.Count(), 0) << "an empty image empties the series";
}

TEST_F(Custom3DChartTest, DepthAxisSpansTheZValuesAndPlacesPoints) {
  chart.DepthAxis().SetVisible(true);
  series.AddXYZ(0, 0, -10);
  series.AddXYZ(1, 1, 5);
  series.AddXYZ(2, 2, 40);
  host->Render();
  EXPECT_EQ(series.ValueListOfAxis(chart.DepthAxis()), &series.ZValues());
  EXPECT_EQ(series.ValueListOfAxis(chart.BottomAxis()), &series.XValues());
  EXPECT_LE(chart.DepthAxis().Minimum(), -10);
  EXPECT_GE(chart.DepthAxis().Maximum(), 40);
  const int front = series.CalcZPos(0);
  const int middle = series.CalcZPos(1);
  const int back = series.CalcZPos(2);
  EXPECT_LT(front, middle);
  EXPECT_LT(middle, back);
  EXPECT_GE(front, 0);
  EXPECT_LE(back, chart.Width3D());

  chart.DepthAxis().SetInverted(true);
  host->Render();
  EXPECT_GT(series.CalcZPos(0), series.CalcZPos(2)) << "inverted depth axis";

  TCustom3DSeries alone;
  alone.AddXYZ(0, 0, 40);
  EXPECT_EQ(alone.CalcZPos(0), 0) << "no chart, no depth";
}

TEST_F(Custom3DChartTest, ReservesTimesZOrderSlotsBehindItsOwn) {
  series.AddXYZ(0, 0, 0);
  host->Render();
  EXPECT_EQ(chart.MaxZOrder(), 3);
  series.SetTimesZOrder(5);
  host->Render();
  EXPECT_EQ(chart.MaxZOrder(), 5);
  chart.SetView3D(false);
  host->Render();
  EXPECT_EQ(chart.MaxZOrder(), 0) << "a flat chart has no depth slots";
}

TEST_F(Custom3DChartTest, BackFacedWhenExactlyOneOfInvertedDepthAndTurnedView) {
  struct TCase {
    bool inverted;
    int rotation;
    bool backFaced;
  };
  for (const TCase& c : {TCase{false, 345, false}, {false, 90, false}, {false, 91, true}, {false, 269, true},
                         {false, 270, false}, {true, 345, true}, {true, 180, false}}) {
    SCOPED_TRACE(testing::Message() << "inverted " << c.inverted << " rotation " << c.rotation);
    chart.DepthAxis().SetInverted(c.inverted);
    chart.View3DOptions().SetRotation(c.rotation);
    EXPECT_EQ(series.BackFaced(), c.backFaced);
  }
}

TEST_F(Custom3DChartTest, AxisRectChangedTellsWhetherTheLastDrawingStillFits) {
  series.AddXYZ(0, 0, 0);
  series.AddXYZ(1, 1, 1);
  host->Render();
  EXPECT_FALSE(series.AxisRectChanged());
  host->Render(500, 400);
  EXPECT_FALSE(series.AxisRectChanged()) << "drawn again at the new size";
  chart.ChartRect.Left += 10;
  EXPECT_TRUE(series.AxisRectChanged());
}

TEST(Custom3DSeries, AssignCopiesPointsAndTimesZOrder) {
  TCustom3DSeries source;
  source.AddXYZ(1, 2, 3);
  source.SetTimesZOrder(7);
  TCustom3DSeries copy;
  copy.Assign(source);
  EXPECT_EQ(copy.TimesZOrder(), 7);
  ASSERT_EQ(copy.Count(), 1);
  EXPECT_EQ(copy.GetZValue(0), 3);
}

}  // namespace
}  // namespace quil

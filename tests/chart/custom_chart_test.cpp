#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "canvas/view3d_options.h"
#include "chart/rovede.h"
#include "core/rounding.h"
#include "engine/rovede_axis.h"
#include "panel/headless_host.h"
#include "series/surface/custom3d_series.h"

namespace quil {
namespace {

// Opens the chart's own layout steps to the tests.
class TTestChart : public ROvede {
 public:
  using ROvede::CalcWallsRect;
};

class CustomChartTest : public ::testing::Test {
 protected:
  CustomChartTest() {
    chart.SetBounds(0, 0, 913, 705);
    host = std::make_unique<THeadlessHost>(chart);
  }

  // The chart rectangle the panel margins leave on the 913 x 705 chart, as titles see it.
  void SetMarginRect() {
    chart.ChartRect = {28, 29, 885, 677};
    chart.ReCalcWidthHeight();
  }

  int BluePixels(const TBitmap& image, int top, int bottom) const {
    int count = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < image.Width(); ++x) {
        const TColor c = image.Pixel(x, y);
        if (((c >> 16) & 0xFF) > 0x80 && (c & 0xFF) < 0x60) ++count;
      }
    return count;
  }

  TTestChart chart;
  std::unique_ptr<THeadlessHost> host;
};

TEST_F(CustomChartTest, TopTitleIsCentredAtTheChartTopAndTakesItsHeight) {
  host->Render();
  SetMarginRect();
  const int center = chart.ChartXCenter();
  chart.Title().SetText({"ROvede"});
  chart.Title().DrawTitle(chart);
  const TRect box = chart.Title().ShapeBounds;
  EXPECT_EQ(box.Top, 29);
  EXPECT_GT(box.Width(), 0);
  EXPECT_EQ(box.Left, std::max(1 + 18, center - box.Width() / 2));
  EXPECT_EQ(chart.ChartRect.Top, box.Bottom + 5);
  EXPECT_EQ(chart.ChartHeight(), chart.ChartRect.Bottom - chart.ChartRect.Top);
}

TEST_F(CustomChartTest, WideOrUnadjustedTitlesStartAtTheMargin) {
  host->Render();
  SetMarginRect();
  chart.Title().SetText({std::string(300, 'W')});
  chart.Title().DrawTitle(chart);
  EXPECT_EQ(chart.Title().ShapeBounds.Left, 19) << "never left of the margin";

  SetMarginRect();
  chart.Title().SetText({"ROvede"});
  chart.Title().SetAdjustFrame(false);
  chart.Title().DrawTitle(chart);
  EXPECT_EQ(chart.Title().ShapeBounds.Left, 19);
  EXPECT_EQ(chart.Title().ShapeBounds.Width(), 913 - 2 * 19);
}

TEST_F(CustomChartTest, FootTitleSitsAtTheBottomInRedItalics) {
  host->Render();
  SetMarginRect();
  ROvedeTitle& foot = chart.Foot();
  EXPECT_EQ(foot.Font().Color(), clRed);
  EXPECT_TRUE(foot.Font().Style() & fsItalic);
  foot.SetText("first\r\nsecond");
  foot.DrawTitle(chart);
  const TRect box = foot.ShapeBounds;
  EXPECT_EQ(box.Bottom, 677);
  EXPECT_EQ(chart.ChartRect.Bottom, box.Top - 5);
  EXPECT_EQ(chart.ChartRect.Top, 29) << "a foot title leaves the top alone";
}

TEST_F(CustomChartTest, OnlyTitlesWithLinesAreDrawn) {
  EXPECT_EQ(chart.TitleOrNull(0), nullptr) << "created on first access";
  chart.Title().SetText({"ROvede"});
  EXPECT_GT(BluePixels(host->Render(), 25, 50), 10);
  chart.Title().SetText({});
  EXPECT_EQ(BluePixels(host->Render(), 25, 50), 0);
  chart.Title().SetText({"ROvede"});
  chart.Title().SetVisible(false);
  EXPECT_EQ(BluePixels(host->Render(), 25, 50), 0);
}

TEST_F(CustomChartTest, DepthFollowsChart3DPercentPerSlot) {
  const struct {
    int set, used;
  } cases[] = {{0, 1}, {15, 15}, {40, 40}, {150, 100}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.set);
    chart.SetChart3DPercent(c.set);
    EXPECT_EQ(chart.Chart3DPercent(), c.used);
    SetMarginRect();
    chart.SetMaxZOrder(3);
    chart.CalcSize3DWalls();
    const int slot = QuilRound(chart.ChartWidth() * c.used * 0.001);
    EXPECT_EQ(chart.SeriesWidth3D(), slot);
    EXPECT_EQ(chart.Width3D(), 4 * slot);
    EXPECT_EQ(chart.Height3D(), 4 * slot) << "ortho angle 45: as high as deep";
  }
}

TEST_F(CustomChartTest, ManySlotsShrinkSoTheBoxStaysWithinTheChart) {
  chart.SetChart3DPercent(100);
  SetMarginRect();
  chart.SetMaxZOrder(9);
  chart.CalcSize3DWalls();
  EXPECT_LE(chart.Width3D(), chart.ChartWidth() * 2 / 3);
  EXPECT_LE(chart.Height3D(), chart.ChartHeight() * 2 / 3);
  EXPECT_GT(chart.Height3D(), chart.ChartHeight() / 2) << "shrunk no more than needed";
  EXPECT_EQ(chart.SeriesWidth3D(), chart.SeriesHeight3D()) << "the slots keep their shape";
  EXPECT_EQ(chart.Width3D(), 10 * chart.SeriesWidth3D());
}

TEST_F(CustomChartTest, FixedDepthAndSteepOrthoAngleKeepTheBoxConsistent) {
  SetMarginRect();
  chart.SetMaxZOrder(1);
  chart.SetCustomWidth3D(40);
  chart.CalcSize3DWalls();
  EXPECT_EQ(chart.Width3D(), 40);
  EXPECT_EQ(chart.SeriesWidth3D(), 20);
  EXPECT_EQ(chart.Height3D(), 40);

  chart.ClearCustomWidth3D();
  chart.View3DOptions().SetOrthoAngle(90);
  chart.CalcSize3DWalls();
  EXPECT_EQ(chart.Width3D(), 0);
  EXPECT_EQ(chart.Height3D(), 2 * QuilRound(chart.ChartWidth() * 0.015));
}

TEST_F(CustomChartTest, OrthoAngleAbove90MovesTheDepthToTheLeft) {
  for (int angle : {45, 135}) {
    SCOPED_TRACE(angle);
    chart.View3DOptions().SetOrthoAngle(angle);
    SetMarginRect();
    chart.CalcWallsRect();
    const int depth = chart.Width3D();
    ASSERT_GT(depth, 0);
    if (angle <= 90) {
      EXPECT_EQ(chart.ChartRect.Left, 28);
      EXPECT_EQ(chart.ChartRect.Right, 885 - depth);
    } else {
      EXPECT_EQ(chart.ChartRect.Left, 28 + depth + 1) << "past the left wall";
      EXPECT_EQ(chart.ChartRect.Right, 885);
    }
    EXPECT_EQ(chart.ChartRect.Top, 29 + chart.Height3D());
  }
}

TEST_F(CustomChartTest, EndPosition50CoversTheUpperHalfOfTheLeftWall) {
  TCustomChartWall& wall = chart.LeftWall();
  wall.SetEndPosition(50);
  int top = 0, bottom = 0;
  wall.CalcPositions({10, 100, 500, 300}, 0, top, bottom);
  EXPECT_EQ(top, 100);
  EXPECT_EQ(bottom, 200);
  wall.SetStartPosition(25);
  wall.CalcPositions({10, 100, 500, 300}, 20, top, bottom);
  EXPECT_EQ(top, 150);
  EXPECT_EQ(bottom, 320 - 110);
}

TEST_F(CustomChartTest, DefaultViewShowsYellowLeftAndWhiteBottomWalls) {
  EXPECT_EQ(chart.LeftWall().Color(), static_cast<TColor>(0x80FFFF));
  EXPECT_TRUE(chart.BackWall().Transparent());
  EXPECT_EQ(chart.RightWallOrNull(), nullptr);
  chart.Title().SetText({"ROvede"});
  const TBitmap& image = host->Render();
  const TRect r = chart.ChartRect;
  EXPECT_EQ(image.Pixel(r.Left + chart.Width3D() / 2, (3 * r.Top + r.Bottom) / 4), static_cast<TColor>(0x80FFFF)) << "left wall";
  EXPECT_EQ(image.Pixel((r.Left + 3 * r.Right) / 4, r.Bottom - chart.Height3D() / 2), clWhite) << "bottom wall";
  EXPECT_NE(image.Pixel((r.Left + 3 * r.Right) / 4, (3 * r.Top + r.Bottom) / 4), clWhite) << "the back wall is see-through";
}

TEST_F(CustomChartTest, SeriesUseAxesWhenNoneIsActive) {
  EXPECT_TRUE(chart.ActiveSeriesUseAxis()) << "no series";
  TCustom3DSeries series;
  series.SetParenrOvede(&chart);
  EXPECT_TRUE(chart.ActiveSeriesUseAxis());
  series.SetActive(false);
  EXPECT_TRUE(chart.ActiveSeriesUseAxis()) << "no active series";
  series.SetParenrOvede(nullptr);
}

TEST_F(CustomChartTest, TinyChartsAndManySeriesDrawWithoutFailing) {
  chart.Title().SetText({"ROvede"});
  for (int size : {1, 3, 8}) {
    SCOPED_TRACE(size);
    EXPECT_NO_THROW(host->Render(size, size));
  }
  std::vector<std::unique_ptr<TCustom3DSeries>> many;
  for (int i = 0; i < 300; ++i) {
    many.push_back(std::make_unique<TCustom3DSeries>());
    many.back()->SetParenrOvede(&chart);
  }
  EXPECT_NO_THROW(host->Render(913, 705));
  EXPECT_GE(chart.MaxZOrder(), 300) << "every series has a slot";
  for (auto& series : many) series->SetParenrOvede(nullptr);
}

TEST_F(CustomChartTest, AxesShowWhatTheSeriesUseAndSpanTheirPoints) {
  host->Render();
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(chart.Axes()[i].IsVisible()) << "no series: axis " << i;
  EXPECT_FALSE(chart.Axes()[4].IsVisible()) << "depth axes are hidden by default";

  TCustom3DSeries series;
  series.SetParenrOvede(&chart);
  series.AddXY(-5, 2);
  series.AddXY(20, 40);
  series.AddXY(7, 10);
  host->Render();
  const ROvedeAxis& bottom = chart.Axes()[0];
  const ROvedeAxis& left = chart.Axes()[2];
  EXPECT_TRUE(bottom.IsVisible());
  EXPECT_TRUE(left.IsVisible());
  EXPECT_FALSE(chart.Axes()[1].IsVisible()) << "top";
  EXPECT_FALSE(chart.Axes()[3].IsVisible()) << "right";
  EXPECT_LE(bottom.Minimum(), -5);
  EXPECT_GE(bottom.Maximum(), 20);
  EXPECT_LE(left.Minimum(), 2);
  EXPECT_GE(left.Maximum(), 40);
  EXPECT_EQ(bottom.IStartPos(), chart.ChartRect.Left);
  EXPECT_EQ(bottom.IAxisSize(), chart.ChartWidth());
  EXPECT_GT(chart.ChartRect.Left, 28) << "the left labels took their width";
  series.SetParenrOvede(nullptr);
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "canvas/view3d_options.h"
#include "core/forms.h"
#include "mouse_chart_fixture.h"

namespace quil {
namespace {

using testing::AxesFinite;
using testing::AxesState;
using testing::MouseChartTest;
using testing::TMouseLogTool;
using testing::TRange;

class ChartPanTest : public MouseChartTest {
 protected:
  ChartPanTest() {
    // Without the legend beside it, the bottom axis spans 500 pixels: 0 .. 100 at 0.2 a pixel.
    chart.Legend().SetVisible(false);
    host->Render(562, 400);
    chart.OnScroll = [this](TCustomQuilPanelExtended&) { ++scrolls; };
  }

  void RightDrag(std::vector<TPoint> path) { Drag(TMouseButton::mbRight, std::move(path)); }

  int scrolls = 0;
};

TEST_F(ChartPanTest, ARightDragMovesTheValuesWithTheMouse) {
  ASSERT_EQ(chart.BottomAxis().IEndPos() - chart.BottomAxis().IStartPos(), 500);
  RightDrag({{300, 200}, {310, 200}});
  EXPECT_NEAR(Bottom().Min, -2, 1e-9);
  EXPECT_NEAR(Bottom().Max, 98, 1e-9);
  EXPECT_EQ(scrolls, 1);
  EXPECT_TRUE(chart.LeftAxis().Automatic()) << "no vertical move, no vertical pan";
  EXPECT_FALSE(chart.TopAxis().Automatic()) << "every horizontal axis pans";

  const double perPixel = 100.0 / (chart.LeftAxis().IEndPos() - chart.LeftAxis().IStartPos());
  RightDrag({{300, 200}, {300, 215}});
  EXPECT_NEAR(Left().Min, 15 * perPixel, 1e-9) << "dragging down shows lower values";
  EXPECT_NEAR(Left().Max, 100 + 15 * perPixel, 1e-9);
}

TEST_F(ChartPanTest, MovesBeforeTheNextPaintAddUp) {
  chart.MouseDown(TMouseButton::mbRight, ssRight, 300, 200);
  for (int x : {310, 320, 330}) chart.MouseMove(ssRight, x, 200);
  chart.MouseMove(ssRight, 330, 200);
  chart.MouseUp(TMouseButton::mbRight, 0, 330, 200);
  EXPECT_NEAR(Bottom().Min, -6, 1e-9);
  EXPECT_NEAR(Bottom().Max, 94, 1e-9);
  EXPECT_EQ(scrolls, 3) << "an unmoved mouse pans nothing";
}

TEST_F(ChartPanTest, AllowPanningChoosesTheDirections) {
  const auto before = AxesState(chart);
  const struct {
    TPanningMode mode;
    bool horizontal, vertical;
  } cases[] = {{pmBoth, true, true}, {pmHorizontal, true, false}, {pmVertical, false, true}, {pmNone, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    chart.SetAllowPanning(c.mode);
    scrolls = 0;
    RightDrag({{300, 200}, {320, 230}});
    EXPECT_EQ(chart.BottomAxis().Automatic(), !c.horizontal);
    EXPECT_EQ(chart.LeftAxis().Automatic(), !c.vertical);
    EXPECT_EQ(scrolls, c.mode == pmNone ? 0 : 1);
    chart.UndoZoom();
    EXPECT_EQ(AxesState(chart), before) << "undo brings back the ranges from before the pan";
    Paint();
  }
}

TEST_F(ChartPanTest, ScrollKeysAndSeriesThatCannotScroll) {
  QuilScrollKeyShift = ssCtrl;
  RightDrag({{300, 200}, {320, 230}});
  EXPECT_TRUE(chart.BottomAxis().Automatic()) << "ctrl not held";
  Drag(TMouseButton::mbRight, {{300, 200}, {320, 230}}, ssCtrl);
  EXPECT_FALSE(chart.BottomAxis().Automatic());
  QuilScrollKeyShift = 0;
  chart.UndoZoom();
  Paint();
  series.canZoomScroll = false;
  RightDrag({{300, 200}, {320, 230}});
  EXPECT_TRUE(chart.BottomAxis().Automatic());
  EXPECT_EQ(scrolls, 1);
}

TEST_F(ChartPanTest, OnAllowScrollMayRefuseOrReshapeEachAxis) {
  chart.OnAllowScroll = [](ROvedeAxis& axis, double& min, double& max, bool& allow) {
    if (axis.Horizontal()) {
      allow = false;
    } else {
      min = -1;
      max = 1;
    }
  };
  RightDrag({{300, 200}, {320, 230}});
  EXPECT_TRUE(chart.BottomAxis().Automatic());
  EXPECT_EQ(Left(), (TRange{-1, 1}));
  EXPECT_EQ(scrolls, 1) << "a refused pan still counts as moved";
}

TEST_F(ChartPanTest, WithInsideBoundsThePanEndsAtTheChartRectangleAndTakesNoCapture) {
  TForm form;
  chart.SetParent(&form);
  chart.MouseDown(TMouseButton::mbRight, ssRight, 300, 200);
  EXPECT_EQ(host->CaptureControl(), &chart) << "without InsideBounds the pan holds the mouse";
  chart.MouseUp(TMouseButton::mbRight, 0, 300, 200);
  EXPECT_EQ(host->CaptureControl(), nullptr);

  chart.Panning().SetInsideBounds(true);
  chart.MouseDown(TMouseButton::mbRight, ssRight, 300, 200);
  EXPECT_EQ(host->CaptureControl(), nullptr);
  chart.MouseMove(ssRight, 310, 200);
  const TRange panned = Bottom();
  chart.MouseMove(ssRight, 2, 200);
  EXPECT_FALSE(chart.Panning().Active());
  chart.MouseMove(ssRight, 330, 200);
  EXPECT_EQ(Bottom(), panned) << "a pan that ended outside does not resume on re-entry";
  chart.MouseUp(TMouseButton::mbRight, 0, 330, 200);
  chart.MouseDown(TMouseButton::mbRight, ssRight, 300, 200);
  chart.MouseLeave();
  EXPECT_FALSE(chart.Panning().Active()) << "nor does one the mouse left the chart during";
  chart.MouseUp(TMouseButton::mbRight, 0, 300, 200);
  chart.SetParent(nullptr);
}

TEST_F(ChartPanTest, ALogarithmicAxisKeepsItsRatioAndNeverTurnsRound) {
  series.Clear();
  for (double v : {1.0, 10.0, 100.0, 1000.0}) series.AddXY(v, v);
  chart.BottomAxis().SetLogarithmic(true);
  Paint();
  RightDrag({{300, 200}, {320, 200}});
  EXPECT_LT(Bottom().Min, 1);
  EXPECT_NEAR(Bottom().Max / Bottom().Min, 1000, 1e-6 * 1000);
  Paint();
  const TRange before = Bottom();
  RightDrag({{300, 200}, {400, 200}});
  EXPECT_EQ(Bottom(), before) << "the step would take both ends below zero and turn the range round";
  EXPECT_TRUE(AxesFinite(chart));
}

TEST_F(ChartPanTest, AnEndBeyondTheLargestDoubleKeepsItsValue) {
  constexpr double kLargest = std::numeric_limits<double>::max();
  chart.BottomAxis().SetMinMax(0, kLargest * 0.999);
  Paint();
  RightDrag({{300, 200}, {200, 200}});
  EXPECT_EQ(Bottom().Max, kLargest * 0.999) << "its new end would overflow";
  EXPECT_GT(Bottom().Min, 0);
  EXPECT_TRUE(AxesFinite(chart));
  Paint();
}

// The wheel with the main window's settings, and asked to zoom instead.
class ChartWheelTest : public MouseChartTest {
 protected:
  void Wheel(int delta) { chart.MouseWheel(0, delta, {300, 200}); }
};

TEST_F(ChartWheelTest, EachNotchScrollsEveryVerticalAxisByThreePercent) {
  const auto before = AxesState(chart);
  chart.DepthAxis().SetMinMax(0, 10);
  const auto withDepth = AxesState(chart);
  int scrolls = 0;
  chart.OnScroll = [&](TCustomQuilPanelExtended&) { ++scrolls; };
  Wheel(120);
  EXPECT_NEAR(Left().Min, 3, 1e-12);
  EXPECT_NEAR(Left().Max, 103, 1e-12);
  EXPECT_FALSE(chart.LeftAxis().Automatic());
  EXPECT_NEAR(RangeOf(chart.DepthAxis()).Min, 0.3, 1e-12) << "depth axes are not horizontal";
  EXPECT_EQ(Bottom(), (TRange{0, 100}));
  Wheel(-240);
  EXPECT_NEAR(Left().Min, -3, 1e-12) << "the range keeps its span";
  EXPECT_NEAR(Left().Max, 97, 1e-12);
  EXPECT_EQ(scrolls, 0);
  EXPECT_EQ(chart.View3DOptions().ZoomFloat(), 100) << "nor the 3D view";
  chart.UndoZoom();
  EXPECT_EQ(AxesState(chart), withDepth) << "undo brings back the ranges before the first notch, depth included";
  EXPECT_NE(withDepth, before);
}

TEST_F(ChartWheelTest, PartNotchesAddUp) {
  Wheel(60);
  EXPECT_TRUE(chart.LeftAxis().Automatic());
  Wheel(60);
  EXPECT_NEAR(Left().Min, 3, 1e-12);
  Wheel(200);
  EXPECT_NEAR(Left().Min, 6, 1e-12);
  Wheel(-50);  // 80 - 50 left over: no step
  EXPECT_NEAR(Left().Min, 6, 1e-12);
  Wheel(-150);
  EXPECT_NEAR(Left().Min, 3, 1e-12);
}

TEST_F(ChartWheelTest, OneMessageMovesTenNotchesAtMost) {
  Wheel(INT_MAX);
  EXPECT_NEAR(Left().Min, 30, 1e-9);
  Wheel(INT_MIN);
  EXPECT_NEAR(Left().Min, 0, 1e-9);
  Wheel(1230);
  EXPECT_NEAR(Left().Min, 30, 1e-9) << "what is beyond ten notches is not kept for later";
  Wheel(120);
  EXPECT_NEAR(Left().Min, 33, 1e-9);
  EXPECT_TRUE(AxesFinite(chart));
}

TEST_F(ChartWheelTest, InvertedOrHorizontalScrolling) {
  chart.Panning().SetMouseWheel(pmwInverted);
  Wheel(120);
  EXPECT_NEAR(Left().Min, -3, 1e-12);
  chart.UndoZoom();
  chart.Panning().SetMouseWheel(pmwNormal);
  chart.SetAllowPanning(pmHorizontal);
  Wheel(120);
  EXPECT_NEAR(Bottom().Min, 3, 1e-12);
  EXPECT_TRUE(chart.LeftAxis().Automatic());
}

TEST_F(ChartWheelTest, OnAllowScrollMayRefuseAWheelStep) {
  chart.OnAllowScroll = [](ROvedeAxis& axis, double& min, double& max, bool& allow) {
    allow = &axis != &axis.ParentChart()->Axes()[2];
    min = max = 0;  // only the answer counts
  };
  Wheel(120);
  EXPECT_TRUE(chart.LeftAxis().Automatic());
  EXPECT_NEAR(RangeOf(chart.RightAxis()).Min, 0, 1e-12);
  EXPECT_FALSE(chart.RightAxis().Automatic());
}

TEST_F(ChartWheelTest, TheWheelZoomsTheAxesOrTheViewWhenAsked) {
  chart.Panning().SetMouseWheel(pmwNone);
  chart.Zoom().SetMouseWheel(pmwNormal);
  const int framesBefore = frames;
  Wheel(120);
  EXPECT_EQ(frames, framesBefore + 1) << "a wheel zoom repaints at once";
  EXPECT_NEAR(Bottom().Min, 10, 1e-9);
  EXPECT_NEAR(Bottom().Max, 90, 1e-9);
  chart.UndoZoom();
  Paint();
  chart.Zoom().SetMouseWheel(pmwInverted);
  Wheel(120);
  EXPECT_NEAR(Bottom().Min, -10, 1e-9);
  chart.UndoZoom();

  chart.Zoom().SetMouseWheel(pmwNone);
  chart.SetZoomWheel(pmwNormal);
  chart.SetView3D(true);
  Wheel(-120);
  EXPECT_DOUBLE_EQ(chart.View3DOptions().ZoomFloat(), 90);
  EXPECT_TRUE(chart.BottomAxis().Automatic());
}

TEST_F(ChartWheelTest, ToolsHearEachNotchThenTheWholeMessage) {
  TMouseLogTool first, second;
  first.SetParenrOvede(&chart);
  second.SetParenrOvede(&chart);
  Wheel(240);
  EXPECT_EQ(first.log, (std::vector<std::string>{"wheel2:1", "wheel2:1", "wheel1:240"}));
  chart.Panning().SetMouseWheel(pmwInverted);
  first.log.clear();
  Wheel(-120);
  EXPECT_EQ(first.log, (std::vector<std::string>{"wheel2:-1", "wheel1:-120"})) << "the direction after the flip";
  EXPECT_EQ(second.log.size(), 5u);
  first.SetParenrOvede(nullptr);
  second.SetParenrOvede(nullptr);
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include <vector>

#include "mouse_chart_fixture.h"

namespace quil {
namespace {

using testing::AxesFinite;
using testing::AxesState;
using testing::DifferingPixels;
using testing::MouseChartTest;
using testing::TRange;

class ChartZoomTest : public MouseChartTest {
 protected:
  ChartZoomTest() {
    chart.OnZoom = [this](TCustomQuilPanelExtended&) { ++zooms; };
    chart.OnUndoZoom = [this](TCustomQuilPanelExtended&) { ++undos; };
  }

  // The ranges a rectangle of pixels reads on the bottom and left axes as last painted.
  TRange BottomAt(int x0, int x1) const {
    return {chart.BottomAxis().CalcPosPoint(x0), chart.BottomAxis().CalcPosPoint(x1)};
  }
  TRange LeftAt(int y0, int y1) const { return {chart.LeftAxis().CalcPosPoint(y1), chart.LeftAxis().CalcPosPoint(y0)}; }

  int zooms = 0;
  int undos = 0;
};

TEST_F(ChartZoomTest, ADragToTheLowerRightZoomsAndADragBackRestoresAxesAndPictureExactly) {
  const auto before = AxesState(chart);
  const TBitmap first = Paint();
  const TPoint from{X(20), Y(80)}, to{X(60), Y(40)};
  const TRange bottom = BottomAt(from.X, to.X), left = LeftAt(from.Y, to.Y);

  LeftDrag(from, to);
  EXPECT_EQ(Bottom(), bottom);
  EXPECT_EQ(Left(), left);
  EXPECT_NEAR(bottom.Min, 20, 0.2);
  EXPECT_NEAR(left.Max, 80, 0.3);
  EXPECT_FALSE(chart.BottomAxis().Automatic());
  EXPECT_FALSE(chart.LeftAxis().AutomaticMinimum());
  // The top and right axes show no series: their zero range reads 0 at every pixel.
  EXPECT_FALSE(chart.TopAxis().Automatic()) << "all four axes of the rectangle change";
  EXPECT_FALSE(chart.RightAxis().Automatic());
  EXPECT_EQ(RangeOf(chart.TopAxis()), (TRange{0, 0}));
  EXPECT_EQ(RangeOf(chart.DepthAxis()), (TRange{before[4].Minimum, before[4].Maximum})) << "depth axes do not";
  EXPECT_TRUE(chart.Zoomed());
  EXPECT_EQ(zooms, 1);
  EXPECT_GT(DifferingPixels(first, Paint()), 0);

  LeftDrag({X(55), Y(45)}, {X(30), Y(70)});
  EXPECT_EQ(AxesState(chart), before);
  EXPECT_FALSE(chart.Zoomed());
  EXPECT_EQ(undos, 1);
  EXPECT_TRUE(chart.RestoredAxisScales());
  EXPECT_EQ(DifferingPixels(first, Paint()), 0);
}

TEST_F(ChartZoomTest, DirectionChoosesTheAxesAndTheBandSpansTheOtherWay) {
  const TRect r = chart.ChartRect;
  const struct {
    TQuilZoomDirection direction;
    TRect band;  // after the press at (200, 100) and a move to (400, 300)
    bool horizontalChange, verticalChange;
  } cases[] = {
      {tzdBoth, {200, 100, 400, 300}, true, true},
      {tzdHorizontal, {200, r.Top, 400, r.Bottom}, true, false},
      {tzdVertical, {r.Left, 100, r.Right, 300}, false, true},
  };
  const auto before = AxesState(chart);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.direction);
    chart.Zoom().SetDirection(c.direction);
    chart.MouseDown(TMouseButton::mbLeft, ssLeft, 200, 100);
    chart.MouseMove(ssLeft, 400, 300);
    const TQuilZoom& zoom = chart.Zoom();
    EXPECT_EQ((TRect{zoom.X0, zoom.Y0, zoom.X1, zoom.Y1}), c.band);
    chart.MouseUp(TMouseButton::mbLeft, 0, 400, 300);
    EXPECT_EQ(chart.BottomAxis().Automatic(), !c.horizontalChange);
    EXPECT_EQ(chart.TopAxis().Automatic(), !c.horizontalChange);
    EXPECT_EQ(chart.LeftAxis().Automatic(), !c.verticalChange);
    EXPECT_EQ(chart.RightAxis().Automatic(), !c.verticalChange);
    chart.UndoZoom();
    EXPECT_EQ(AxesState(chart), before);
    Paint();
  }
}

TEST_F(ChartZoomTest, AVerticalZoomDraggedUpwardsUndoes) {
  chart.Zoom().SetDirection(tzdVertical);
  LeftDrag({300, 100}, {300, 300});
  EXPECT_TRUE(chart.Zoomed());
  Paint();
  LeftDrag({100, 300}, {500, 100});
  EXPECT_FALSE(chart.Zoomed());
  EXPECT_TRUE(chart.LeftAxis().Automatic());
}

TEST_F(ChartZoomTest, DragsNoLongerThanMinimumPixelsAreDroppedWithoutARepaint) {
  const TBitmap first = Paint();
  const struct {
    TQuilZoomDirection direction;
    int dx, dy;
    bool zooms;
  } cases[] = {
      {tzdBoth, 17, 17, true},   {tzdBoth, 16, 40, false},      {tzdBoth, 40, 16, false},
      {tzdBoth, 200, 0, false},  {tzdHorizontal, 17, 0, true},  {tzdVertical, 0, 17, true},
      {tzdVertical, 200, 16, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.direction << " " << c.dx << "," << c.dy);
    chart.Zoom().SetDirection(c.direction);
    const int framesBefore = frames;
    LeftDrag({200, 100}, {200 + c.dx, 100 + c.dy});
    EXPECT_EQ(chart.Zoomed(), c.zooms);
    if (!c.zooms) {
      EXPECT_EQ(DifferingPixels(first, Paint()), 0) << "the band was taken away";
      EXPECT_EQ(frames, framesBefore) << "nothing was drawn again";
    }
    chart.UndoZoom();
    Paint();
  }
}

TEST_F(ChartZoomTest, WhoMayStartAZoom) {
  const struct {
    const char* what;
    bool allow;
    TShiftState keyShift, held;
    TMouseButton button;
    bool seriesCanZoom, zooms;
  } cases[] = {
      {"the defaults", true, 0, 0, TMouseButton::mbLeft, true, true},
      {"zoom not allowed", false, 0, 0, TMouseButton::mbLeft, true, false},
      {"shift asked for, not held", true, ssShift, 0, TMouseButton::mbLeft, true, false},
      {"shift and ctrl asked for, shift held", true, ssShift | ssCtrl, ssShift, TMouseButton::mbLeft, true, false},
      {"shift asked for and held", true, ssShift, ssShift | ssAlt, TMouseButton::mbLeft, true, true},
      {"the middle button", true, 0, 0, TMouseButton::mbMiddle, true, false},
      {"a series that cannot zoom", true, 0, 0, TMouseButton::mbLeft, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    chart.Zoom().SetAllow(c.allow);
    chart.Zoom().SetKeyShift(c.keyShift);
    series.canZoomScroll = c.seriesCanZoom;
    Drag(c.button, {{X(20), Y(80)}, {X(60), Y(40)}}, c.held);
    EXPECT_EQ(chart.Zoomed(), c.zooms);
    chart.UndoZoom();
    Paint();
  }
}

TEST_F(ChartZoomTest, UpLeftZoomsZoomsIntoTheOrderedRectangle) {
  chart.Zoom().SetUpLeftZooms(true);
  const TRange bottom = BottomAt(X(30), X(70)), left = LeftAt(Y(70), Y(30));
  LeftDrag({X(70), Y(30)}, {X(30), Y(70)});
  EXPECT_EQ(Bottom(), bottom);
  EXPECT_EQ(Left(), left);
}

TEST(ZoomAspectRatioTest, TheCornerFollowsTheChartRectangleShapeOnTheDiagonal) {
  const struct {
    TPoint mouse, corner;
  } cases[] = {
      {{150, 180}, {260, 180}},  // narrower than 2:1: the width follows the height
      {{300, 120}, {300, 200}},  // wider: the height follows the width
      {{200, 50}, {200, 150}},   // up and to the right: down and to the right
      {{140, 30}, {-40, 30}},    // up and a little right: up and to the left
      {{180, 100}, {100, 100}},  // no height: the width follows the height, nothing
  };
  for (const auto& c : cases) {
    TQuilZoom zoom;
    zoom.Activate(100, 100);
    zoom.CorrectAspectRatio({0, 0, 400, 200}, c.mouse.X, c.mouse.Y);
    EXPECT_EQ((TPoint{zoom.X1, zoom.Y1}), c.corner) << c.mouse.X << "," << c.mouse.Y;
  }
  TQuilZoom flat;
  flat.Activate(10, 10);
  flat.CorrectAspectRatio({0, 50, 400, 50}, 30, 20);
  EXPECT_EQ((TPoint{flat.X1, flat.Y1}), (TPoint{30, 30})) << "a chart rectangle without height counts as square";
}

TEST_F(ChartZoomTest, KeepAspectRatioZoomsIntoTheCorrectedRectangle) {
  chart.Zoom().SetKeepAspectRatio(true);
  const TRect r = chart.ChartRect;
  chart.MouseDown(TMouseButton::mbLeft, ssLeft, 100, 100);
  chart.MouseMove(ssLeft, 150, 300);
  const TQuilZoom& zoom = chart.Zoom();
  const double ratio = double(r.Width()) / r.Height();
  EXPECT_EQ(zoom.Y1, 300);
  EXPECT_NEAR(zoom.X1 - 100, 200 * ratio, 0.5);
  const TRange bottom = BottomAt(100, zoom.X1);
  chart.MouseUp(TMouseButton::mbLeft, 0, 150, 300);
  EXPECT_EQ(Bottom(), bottom) << "the release keeps the corrected corner";
}

TEST_F(ChartZoomTest, HistoryStepsBackOneZoomAtATime) {
  chart.Zoom().SetHistory(true);
  const auto before = AxesState(chart);
  LeftDrag({X(10), Y(90)}, {X(90), Y(10)});
  const TRange firstBottom = Bottom(), firstLeft = Left();
  Paint();
  LeftDrag({X(30), Y(70)}, {X(60), Y(40)});
  EXPECT_EQ(chart.Zoom().AxesHistory().size(), 2u);
  Paint();

  chart.UndoZoom();
  EXPECT_EQ(Bottom(), firstBottom);
  EXPECT_EQ(Left(), firstLeft);
  EXPECT_EQ(chart.Zoom().AxesHistory().size(), 1u);
  EXPECT_FALSE(chart.RestoredAxisScales()) << "one level back keeps the saved scales";
  chart.UndoZoom();
  EXPECT_EQ(AxesState(chart), before);
  EXPECT_TRUE(chart.Zoom().AxesHistory().empty());
  EXPECT_EQ(undos, 2);

  Paint();
  LeftDrag({X(10), Y(90)}, {X(90), Y(10)});
  ASSERT_EQ(chart.Zoom().AxesHistory().size(), 1u);
  chart.Zoom().SetHistory(false);
  EXPECT_TRUE(chart.Zoom().AxesHistory().empty());
}

TEST_F(ChartZoomTest, AnAnimatedZoomPaintsEachStepAThirdOfTheWayCloser) {
  chart.Zoom().SetAnimated(true);
  std::vector<TRange> steps;
  chart.OnAfterDraw = [&](TCustomQuilPanelExtended&) { steps.push_back(Bottom()); };
  chart.DoZoom({{40, 60}, {40, 60}, {40, 60}, {40, 60}});
  ASSERT_EQ(steps.size(), 7u);
  EXPECT_NEAR(steps[0].Min, 13.333, 0.001);
  EXPECT_NEAR(steps[0].Max, 86.667, 0.001);
  EXPECT_NEAR(steps[1].Min, 22.222, 0.001);
  EXPECT_NEAR(steps[1].Max, 77.778, 0.001);
  EXPECT_NEAR(steps[6].Min, 37.66, 0.005);
  EXPECT_NEAR(steps[6].Max, 62.34, 0.005);
  TRange expected{0, 100};
  for (const TRange& step : steps) {
    expected = {expected.Min + (40 - expected.Min) / 3, expected.Max - (expected.Max - 60) / 3};
    EXPECT_DOUBLE_EQ(step.Min, expected.Min);
    EXPECT_DOUBLE_EQ(step.Max, expected.Max);
  }
  EXPECT_EQ(Bottom(), (TRange{40, 60}));

  for (int few : {1, 0, -3}) {
    chart.UndoZoom();
    Paint();
    steps.clear();
    chart.Zoom().SetAnimatedSteps(few);
    chart.DoZoom({{40, 60}, {40, 60}, {40, 60}, {40, 60}});
    EXPECT_TRUE(steps.empty()) << few << " steps paint nothing between";
    EXPECT_EQ(Bottom(), (TRange{40, 60}));
  }
}

TEST_F(ChartZoomTest, ZoomPercentNarrowsOrWidensAboutTheCentre) {
  const struct {
    double percent;
    TRange range;
  } cases[] = {{110, {10, 90}}, {90, {-10, 110}}, {100, {0, 100}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.percent);
    chart.ZoomPercent(c.percent);
    EXPECT_NEAR(Bottom().Min, c.range.Min, 1e-9);
    EXPECT_NEAR(Bottom().Max, c.range.Max, 1e-9);
    EXPECT_NEAR(Left().Min, c.range.Min, 1e-9);
    EXPECT_NEAR(Left().Max, c.range.Max, 1e-9);
    EXPECT_FALSE(chart.BottomAxis().Automatic());
    chart.UndoZoom();
    Paint();
  }
}

TEST_F(ChartZoomTest, ZoomRectNeedsNoMinimumSizeButFollowsDirection) {
  chart.Zoom().SetDirection(tzdHorizontal);
  const TRange bottom = BottomAt(X(40), X(45));
  chart.ZoomRect({X(40), Y(60), X(45), Y(58)});
  EXPECT_EQ(Bottom(), bottom);
  EXPECT_TRUE(chart.LeftAxis().Automatic());
}

}  // namespace
}  // namespace quil

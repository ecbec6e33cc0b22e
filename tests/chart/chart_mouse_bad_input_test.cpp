#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <memory>

#include "mouse_chart_fixture.h"
#include "support/hang_guard.h"

namespace quil {
namespace {

using testing::AxesFinite;
using testing::AxesState;
using testing::DifferingPixels;
using testing::MouseChartTest;
using testing::TClickableSeries;
using testing::THangGuard;
using testing::TRange;

// Whatever the mouse does, the chart stays usable: it paints, every axis keeps finite ends and
// an undo brings the first picture back.
class ChartMouseBadInputTest : public MouseChartTest {
 protected:
  void ExpectUsable(const TBitmap& first) {
    EXPECT_TRUE(AxesFinite(chart));
    Paint();
    EXPECT_TRUE(AxesFinite(chart));
    chart.UndoZoom();
    EXPECT_EQ(DifferingPixels(first, Paint()), 0);
    EXPECT_FALSE(chart.Zoom().Active());
    EXPECT_FALSE(chart.Panning().Active());
  }

  THangGuard guard;
};

TEST_F(ChartMouseBadInputTest, DragsOutsideTheWindowAndBack) {
  const TBitmap first = Paint();
  const TPoint far[] = {{-5000, 9000}, {INT_MAX, INT_MIN}, {INT_MIN, INT_MAX}, {1000000, -1000000}};
  for (TMouseButton button : {TMouseButton::mbLeft, TMouseButton::mbRight}) {
    for (TPoint outside : far) {
      SCOPED_TRACE(::testing::Message() << static_cast<int>(button) << " to " << outside.X << "," << outside.Y);
      Drag(button, {{200, 150}, outside, {250, 180}, outside});
      ExpectUsable(first);
      Drag(button, {{200, 150}, outside, {350, 300}});
      ExpectUsable(first);
    }
  }
  chart.Zoom().SetKeepAspectRatio(true);
  Drag(TMouseButton::mbLeft, {{200, 150}, {INT_MAX, INT_MAX}, {INT_MIN, 160}});
  ExpectUsable(first);

  series.Clear();
  for (double v : {1.0, 10.0, 100.0}) series.AddXY(v, v);
  chart.BottomAxis().SetLogarithmic(true);
  const TBitmap logarithmic = Paint();
  for (TPoint outside : far) {
    SCOPED_TRACE(::testing::Message() << "logarithmic, to " << outside.X << "," << outside.Y);
    Drag(TMouseButton::mbRight, {{200, 150}, outside, {250, 180}});
    ExpectUsable(logarithmic);
  }
}

TEST_F(ChartMouseBadInputTest, SeveralButtonsAtOnce) {
  const TBitmap first = Paint();
  chart.MouseDown(TMouseButton::mbLeft, ssLeft, 200, 150);
  chart.MouseDown(TMouseButton::mbRight, ssLeft | ssRight, 210, 160);
  EXPECT_FALSE(chart.Panning().Active()) << "a press during a drag is ignored";
  chart.MouseMove(ssLeft | ssRight, 400, 300);
  chart.MouseUp(TMouseButton::mbRight, ssLeft, 400, 300);
  EXPECT_TRUE(chart.Zoom().Active()) << "another button's release leaves the zoom running";
  chart.MouseDown(TMouseButton::mbMiddle, ssLeft | ssMiddle, 410, 310);
  chart.MouseUp(TMouseButton::mbMiddle, ssLeft, 410, 310);
  chart.MouseUp(TMouseButton::mbLeft, 0, 400, 300);
  EXPECT_TRUE(chart.Zoomed());
  ExpectUsable(first);

  chart.SetScrollMouseButton(TMouseButton::mbLeft);
  Drag(TMouseButton::mbLeft, {{200, 150}, {400, 300}});
  EXPECT_TRUE(chart.Zoomed()) << "zoom and pan on one button: the drag zooms";
  EXPECT_FALSE(chart.Panning().Active()) << "and the release ends both";
  ExpectUsable(first);
}

TEST_F(ChartMouseBadInputTest, ReleasesAndMovesWithoutAPress) {
  const TBitmap first = Paint();
  const auto before = AxesState(chart);
  for (TMouseButton button : {TMouseButton::mbLeft, TMouseButton::mbRight, TMouseButton::mbMiddle}) {
    chart.MouseMove(0, 300, 200);
    chart.MouseUp(button, 0, 300, 200);
  }
  EXPECT_EQ(AxesState(chart), before);
  EXPECT_EQ(DifferingPixels(first, Paint()), 0);
}

TEST_F(ChartMouseBadInputTest, ZoomingUntilTheRangeIsEmpty) {
  const TBitmap first = Paint();
  for (int i = 0; i < 60; ++i) {
    LeftDrag({300, 150}, {318, 168});
    Paint();
    ASSERT_TRUE(AxesFinite(chart)) << "zoom " << i;
  }
  EXPECT_LT(Bottom().Max - Bottom().Min, 1e-12) << "the range ran out of doubles";
  LeftDrag({300, 150}, {318, 168});
  EXPECT_TRUE(AxesFinite(chart));
  ExpectUsable(first);
}

TEST_F(ChartMouseBadInputTest, ZoomPercentOutsideReason) {
  const TBitmap first = Paint();
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  for (double percent : {1e308, -1e308, kNaN, std::numeric_limits<double>::infinity(), 0.0, 200.0}) {
    SCOPED_TRACE(percent);
    chart.ZoomPercent(percent);
    EXPECT_TRUE(AxesFinite(chart));
  }
  ExpectUsable(first);
}

TEST_F(ChartMouseBadInputTest, PanningAndScrollingFarOut) {
  constexpr double kLargest = std::numeric_limits<double>::max();
  const TRange ranges[][2] = {{{1e300, 1.5e300}, {-1e300, -0.5e300}}, {{-kLargest, kLargest}, {-kLargest, kLargest}}};
  for (const auto& range : ranges) {
    SCOPED_TRACE(range[0].Min);
    chart.BottomAxis().SetMinMax(range[0].Min, range[0].Max);
    chart.LeftAxis().SetMinMax(range[1].Min, range[1].Max);
    const TBitmap first = Paint();
    for (int i = 0; i < 20; ++i) {
      Drag(TMouseButton::mbRight, {{100, 100}, {550, 350}});
      chart.MouseWheel(0, i % 2 ? -1200 : 1200, {300, 200});
      Paint();
      ASSERT_TRUE(AxesFinite(chart)) << "step " << i;
    }
    LeftDrag({200, 150}, {400, 300});
    chart.ZoomPercent(50);
    ExpectUsable(first);
  }
}

TEST_F(ChartMouseBadInputTest, ZoomAndPanOnAnEmptyChart) {
  series.SetParenrOvede(nullptr);
  const TBitmap first = Paint();
  const TPoint inside{300, 200};
  EXPECT_EQ(chart.CalcClickedPart(inside).Part, cpNone);
  LeftDrag(inside, {400, 300});
  EXPECT_FALSE(chart.Zoomed()) << "the plotting area of a chart without series starts nothing";

  const int line = chart.LeftAxis().PosAxis;
  LeftDrag({line, 100}, {line + 200, 300});
  EXPECT_TRUE(chart.Zoomed()) << "its axes still can";
  EXPECT_EQ(Bottom(), (TRange{0, 0}));
  Drag(TMouseButton::mbRight, {{line, 100}, {line + 50, 150}});
  chart.MouseWheel(0, 120, inside);
  chart.ZoomRect({10, 10, 500, 300});
  chart.ZoomPercent(110);
  ExpectUsable(first);
}

TEST_F(ChartMouseBadInputTest, ASeriesRemovedOrDestroyedDuringADrag) {
  const TBitmap first = Paint();
  for (TMouseButton button : {TMouseButton::mbLeft, TMouseButton::mbRight}) {
    SCOPED_TRACE(static_cast<int>(button));
    const TShiftState shift = ButtonShift(button);
    auto doomed = std::make_unique<TClickableSeries>();
    doomed->SetParenrOvede(&chart);
    doomed->AddXY(10, 90);
    Paint();
    chart.MouseDown(button, shift, 200, 150);
    chart.MouseMove(shift, 300, 200);
    doomed.reset();
    chart.MouseMove(shift, 400, 300);
    Paint();
    series.SetParenrOvede(nullptr);
    chart.MouseMove(shift, 420, 310);
    chart.MouseUp(button, 0, 420, 310);
    Paint();
    EXPECT_TRUE(AxesFinite(chart));
    series.SetParenrOvede(&chart);
    ExpectUsable(first);
  }
}

TEST_F(ChartMouseBadInputTest, ADragWhileTheChartIsResized) {
  const TBitmap first = Paint();
  chart.MouseDown(TMouseButton::mbLeft, ssLeft, 200, 150);
  chart.MouseMove(ssLeft, 400, 300);
  host->Render(100, 60);
  chart.MouseMove(ssLeft, 500, 350);
  host->Render(600, 400);
  chart.MouseUp(TMouseButton::mbLeft, 0, 500, 350);
  ExpectUsable(first);
}

}  // namespace
}  // namespace quil

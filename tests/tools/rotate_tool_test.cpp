#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "app/library_startup.h"
#include "app/main_form.h"
#include "canvas/view3d_options.h"
#include "chart/mouse_chart_fixture.h"
#include "chart/quil_registries.h"
#include "core/class_registry.h"
#include "core/messages.h"
#include "tools/rotate_tool.h"

namespace quil::testing {
namespace {

constexpr TPoint kPress{300, 200};

// The 600 x 400 chart of the mouse tests, in 3D, with a rotate tool on the left button.
class RotateToolTest : public MouseChartTest {
 protected:
  RotateToolTest() {
    chart.SetView3D(true);
    tool.SetParenrOvede(&chart);
    Paint();
  }
  ~RotateToolTest() override { tool.SetParenrOvede(nullptr); }

  TView3DOptions& View() { return chart.View3DOptions(); }
  bool ViewUntouched() {
    return View().Orthogonal() && View().RotationFloat() == 345 && View().ElevationFloat() == 345;
  }

  TRotateTool tool;
};

TEST_F(RotateToolTest, DraggingTurnsTheViewWithinItsRange) {
  struct TCase {
    int dx, dy;
    double rotation, elevation;
  };
  // Half a degree a pixel; rotation goes round, elevation stops level or straight above.
  const TCase cases[] = {
      {20, 0, 355, 345},   {60, 0, 15, 345},     {-100, 0, 295, 345},  {0, 20, 345, 335},
      {0, -10, 345, 350},  {0, 400, 345, 270},   {0, -400, 345, 360},  {20, -10, 355, 350},
      {1440, 0, 345, 345}, {-1500, 0, 315, 345}, {7, 3, 348.5, 343.5},
  };
  const std::vector<TAxisState> axes = AxesState(chart);
  for (const TCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "drag by " << c.dx << ", " << c.dy);
    View().SetOrthogonal(true);
    View().SetRotation(345);
    View().SetElevation(345);
    Drag(TMouseButton::mbLeft, {kPress, {kPress.X + c.dx / 2, kPress.Y + c.dy / 2}, {kPress.X + c.dx, kPress.Y + c.dy}});
    EXPECT_FALSE(View().Orthogonal()) << "only the rotated view follows the angles";
    EXPECT_DOUBLE_EQ(View().RotationFloat(), c.rotation);
    EXPECT_DOUBLE_EQ(View().ElevationFloat(), c.elevation);
    EXPECT_FALSE(tool.Dragging());
  }
  EXPECT_EQ(AxesState(chart), axes) << "the press went to the tool, not to the zoom";
  EXPECT_FALSE(chart.Zoomed());
}

TEST_F(RotateToolTest, EveryMoveRedrawsTheChartTurnedFurther) {
  chart.MouseDown(TMouseButton::mbLeft, ssLeft, kPress.X, kPress.Y);
  TBitmap previous = Paint();
  const int framesBefore = frames;
  for (int step = 1; step <= 3; ++step) {
    chart.MouseMove(ssLeft, kPress.X + 30 * step, kPress.Y + 10 * step);
    EXPECT_TRUE(host->PaintPending()) << "step " << step;
    const TBitmap& now = Paint();
    EXPECT_GT(DifferingPixels(previous, now), 1000) << "step " << step;
    previous = now;
  }
  EXPECT_EQ(frames, framesBefore + 3);
  chart.MouseMove(ssLeft, kPress.X, kPress.Y);
  EXPECT_DOUBLE_EQ(View().RotationFloat(), 345) << "back at the start, the view is back where it was";
  EXPECT_DOUBLE_EQ(View().ElevationFloat(), 345);
  chart.MouseMove(ssLeft, kPress.X + 90, kPress.Y + 30);
  chart.MouseUp(TMouseButton::mbLeft, 0, kPress.X + 90, kPress.Y + 30);
  const double rotation = View().RotationFloat();
  chart.MouseMove(ssLeft, kPress.X + 200, kPress.Y);
  EXPECT_EQ(View().RotationFloat(), rotation) << "the release ended the drag";
}

TEST_F(RotateToolTest, APressWithoutAMoveChangesNothing) {
  int backgroundClicks = 0;
  chart.OnClickBackground = [&](TCustomChart&, TMouseButton, TShiftState, int, int) { ++backgroundClicks; };
  const int framesBefore = frames;
  Drag(TMouseButton::mbLeft, {kPress, kPress});
  Paint();
  EXPECT_TRUE(ViewUntouched());
  EXPECT_EQ(frames, framesBefore) << "nothing to redraw";
  EXPECT_EQ(backgroundClicks, 0) << "the tool claimed the press";
}

TEST_F(RotateToolTest, ButtonAndKeysChooseWhichDragsTurnAndTheRestStillZoomOrPan) {
  struct TCase {
    TMouseButton toolButton;
    TShiftState keyShift;
    TMouseButton pressed;
    TShiftState held;
    bool turns;
  };
  using enum TMouseButton;
  const TCase cases[] = {
      {mbLeft, 0, mbLeft, 0, true},
      {mbLeft, 0, mbRight, 0, false},
      {mbMiddle, 0, mbMiddle, 0, true},
      {mbMiddle, 0, mbLeft, 0, false},
      {mbLeft, ssShift, mbLeft, 0, false},
      {mbLeft, ssShift, mbLeft, ssShift, true},
      {mbLeft, ssShift | ssCtrl, mbLeft, ssShift, false},
      {mbRight, ssCtrl, mbRight, ssCtrl | ssShift, true},
      {mbRight, ssAlt, mbRight, ssCtrl, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "tool on " << static_cast<int>(c.toolButton) << "+" << c.keyShift
                                      << ", pressed " << static_cast<int>(c.pressed) << "+" << c.held);
    chart.UndoZoom();
    View().SetOrthogonal(true);
    View().SetRotation(345);
    View().SetElevation(345);
    Paint();
    tool.SetButton(c.toolButton);
    tool.SetKeyShift(c.keyShift);
    const std::vector<TAxisState> axes = AxesState(chart);
    Drag(c.pressed, {kPress, {kPress.X + 80, kPress.Y + 60}}, c.held);
    EXPECT_EQ(!ViewUntouched(), c.turns);
    if (c.turns) {
      EXPECT_EQ(AxesState(chart), axes) << "a turning drag neither zooms nor pans";
    } else if (c.pressed != mbMiddle) {
      // Without the tool, a left drag down and right zooms and a right drag pans.
      EXPECT_NE(AxesState(chart), axes) << "the chart's own drag went on";
    }
  }
}

TEST_F(RotateToolTest, NoTurnOnAFlatChartOrFromAnInactiveTool) {
  for (bool flat : {true, false}) {
    SCOPED_TRACE(flat ? "flat chart" : "inactive tool");
    chart.UndoZoom();
    chart.SetView3D(!flat);
    tool.SetActive(flat);
    Paint();
    const std::vector<TAxisState> axes = AxesState(chart);
    Drag(TMouseButton::mbLeft, {kPress, {kPress.X + 80, kPress.Y + 60}});
    EXPECT_TRUE(ViewUntouched());
    EXPECT_NE(AxesState(chart), axes) << "the drag zoomed";
  }
}

TEST_F(RotateToolTest, OtherButtonsLostReleasesAndALeavingToolEndCleanly) {
  const std::vector<TAxisState> axes = AxesState(chart);
  chart.MouseUp(TMouseButton::mbLeft, 0, kPress.X, kPress.Y);
  EXPECT_FALSE(tool.Dragging()) << "a release without a press";

  chart.MouseDown(TMouseButton::mbLeft, ssLeft, kPress.X, kPress.Y);
  chart.MouseDown(TMouseButton::mbRight, ssLeft | ssRight, kPress.X, kPress.Y);
  chart.MouseMove(ssLeft | ssRight, kPress.X + 40, kPress.Y);
  chart.MouseUp(TMouseButton::mbRight, ssLeft, kPress.X + 40, kPress.Y);
  EXPECT_EQ(AxesState(chart), axes) << "the right press during the turn started no pan";
  EXPECT_TRUE(tool.Dragging()) << "the other button's release does not end the turn";
  EXPECT_DOUBLE_EQ(View().RotationFloat(), 5);

  // The release happened where the window never heard of it: the next move has no button.
  chart.MouseMove(0, kPress.X + 80, kPress.Y);
  EXPECT_FALSE(tool.Dragging());
  EXPECT_DOUBLE_EQ(View().RotationFloat(), 5);

  chart.MouseDown(TMouseButton::mbLeft, ssLeft, kPress.X, kPress.Y);
  for (int far : {INT_MAX, INT_MIN, 0}) {
    chart.MouseMove(ssLeft, far, far);
    EXPECT_TRUE(std::isfinite(View().RotationFloat()));
    EXPECT_GE(View().RotationFloat(), 0);
    EXPECT_LT(View().RotationFloat(), 360);
    EXPECT_GE(View().ElevationFloat(), TRotateTool::kTopElevation);
    EXPECT_LE(View().ElevationFloat(), TRotateTool::kLevelElevation);
  }
  tool.SetParenrOvede(nullptr);
  EXPECT_FALSE(tool.Dragging()) << "leaving the chart ends the drag";
  const double rotation = View().RotationFloat();
  chart.MouseMove(ssLeft, kPress.X + 10, kPress.Y);
  chart.MouseUp(TMouseButton::mbLeft, 0, kPress.X + 10, kPress.Y);
  EXPECT_EQ(View().RotationFloat(), rotation);
  EXPECT_TRUE(AxesFinite(chart));
}

TEST(RotateToolAngles, StartingAnglesComeIntoRange) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct TCase {
    double given, rotation, elevation;
  };
  const TCase cases[] = {
      {345, 345, 345}, {0, 0, 360},     {360, 0, 360},   {270, 270, 270}, {10, 10, 360},
      {179, 179, 360}, {200, 200, 270}, {-15, 345, 345}, {705, 345, 345}, {nan, 0, 360},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.given);
    EXPECT_DOUBLE_EQ(TRotateTool::NormalRotation(c.given), c.rotation);
    EXPECT_DOUBLE_EQ(TRotateTool::ElevationInRange(c.given), c.elevation);
  }
}

// A view below the floor turns from the nearer end of the range, not from where it was.
TEST_F(RotateToolTest, AViewFromBelowStartsTurningFromLevel) {
  View().SetElevation(20);
  Drag(TMouseButton::mbLeft, {kPress, {kPress.X, kPress.Y + 10}});
  EXPECT_DOUBLE_EQ(View().ElevationFloat(), 355);
}

// Shut-down empties the message texts; the other tests of this program expect them filled.
class RotateToolClass : public ::testing::Test {
 protected:
  void TearDown() override { InitializeMessages(); }
};

TEST_F(RotateToolClass, IsARegisteredToolThatFormsStoreWithItsSettings) {
  TLibraryStartup library;
  ASSERT_EQ(QuilToolTypes().size(), 20u);
  EXPECT_EQ(QuilToolTypes()[7], &TRotateTool::StaticClass()) << "in its place among the tools";
  ASSERT_EQ(GetClass("TRotateTool"), &TRotateTool::StaticClass());
  ASSERT_TRUE(TRotateTool::StaticClass().CanCreate());

  TForm1 form;
  form.SetName("Form1");
  auto& chart = MakeOwned<ROvede>(form);
  chart.SetName("Chart1");
  chart.SetParent(&form);
  auto& tool = MakeOwned<TRotateTool>(form);
  tool.SetName("Rotate1");
  tool.SetParenrOvede(&chart);
  tool.SetButton(TMouseButton::mbMiddle);
  tool.SetKeyShift(ssShift | ssCtrl);

  auto copy = ReadFormDescription(WriteFormDescription(form));
  auto* chartCopy = dynamic_cast<ROvede*>(copy->FindComponent("Chart1"));
  ASSERT_NE(chartCopy, nullptr);
  ASSERT_EQ(chartCopy->Tools().Count(), 1);
  auto* toolCopy = dynamic_cast<TRotateTool*>(&chartCopy->Tools()[0]);
  ASSERT_NE(toolCopy, nullptr);
  EXPECT_EQ(toolCopy->Button(), TMouseButton::mbMiddle);
  EXPECT_EQ(toolCopy->KeyShift(), ssShift | ssCtrl);
  EXPECT_EQ(toolCopy->ParenrOvede(), chartCopy);
}

}  // namespace
}  // namespace quil::testing

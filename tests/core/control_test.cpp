#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/control.h"
#include "core/exceptions.h"
#include "recording_host.h"

namespace quil {
namespace {

using Names = std::vector<std::string>;

// A window holding one child control, both named, the window attached to a recording host.
class ControlTest : public ::testing::Test {
 protected:
  ControlTest() {
    window.SetName("Window");
    child.SetName("Child");
    child.SetParent(&window);
    window.SetHost(&host);
    host.Log.clear();
  }

  test::TRecordingHost host;
  TWinControl window;
  TControl& child = MakeOwned<TControl>(window);
};

TEST_F(ControlTest, BoundsAreKeptInTheParentsClientPixels) {
  child.SetBounds(10, 20, 30, 40);
  EXPECT_EQ(child.BoundsRect(), (TRect{10, 20, 40, 60}));
  EXPECT_EQ(child.ClientRect(), (TRect{0, 0, 30, 40}));
  child.SetLeft(-5);
  child.SetTop(7);
  child.SetWidth(100);
  child.SetHeight(1);
  EXPECT_EQ(child.BoundsRect(), (TRect{-5, 7, 95, 8}));
}

TEST_F(ControlTest, NegativeSizesClampToZero) {
  child.SetBounds(3, 4, -10, -1);
  EXPECT_EQ(child.Width(), 0);
  EXPECT_EQ(child.Height(), 0);
  EXPECT_EQ(child.BoundsRect(), (TRect{3, 4, 3, 4}));
  child.SetBounds(3, 4, 5, -2);
  EXPECT_EQ(child.BoundsRect(), (TRect{3, 4, 8, 4}));
}

TEST_F(ControlTest, OnlyRealBoundsChangesReachTheHost) {
  int resizes = 0;
  child.OnResize = [&](TControl&) { ++resizes; };
  child.SetBounds(1, 2, 3, 4);
  EXPECT_EQ(host.Log, (Names{"Bounds:Child", "Invalidate:Child"}));
  EXPECT_EQ(resizes, 1);
  host.Log.clear();
  child.SetBounds(1, 2, 3, 4);
  child.SetWidth(-3);
  child.SetWidth(0);  // the same size as -3 already gave
  EXPECT_EQ(host.Requests("Bounds"), Names{"Child"});
  child.SetLeft(9);  // a move is no resize
  EXPECT_EQ(resizes, 2);
}

TEST_F(ControlTest, ParentAndChildren) {
  TWinControl other;
  ASSERT_EQ(window.ControlCount(), 1);
  EXPECT_EQ(window.Controls(0), &child);
  EXPECT_EQ(child.Parent(), &window);
  EXPECT_EQ(child.GetParentComponent(), &window);

  child.SetParent(&other);
  EXPECT_EQ(window.ControlCount(), 0);
  EXPECT_EQ(other.ControlCount(), 1);
  child.SetParentComponent(&window);  // how the form reader parents a control
  EXPECT_EQ(child.Parent(), &window);
  EXPECT_EQ(other.ControlCount(), 0);

  window.DestroyComponent(child);
  EXPECT_EQ(window.ControlCount(), 0);
}

TEST_F(ControlTest, AParentGoingFirstReleasesChildrenOwnedElsewhere) {
  TComponent owner;
  auto& orphan = MakeOwned<TControl>(owner);
  {
    TWinControl parent;
    orphan.SetParent(&parent);
  }
  EXPECT_EQ(orphan.Parent(), nullptr);
}

TEST_F(ControlTest, AControlCannotBeItsOwnParent) {
  auto& inner = MakeOwned<TWinControl>(window);
  inner.SetParent(&window);
  EXPECT_THROW(window.SetParent(&window), EComponentError);
  EXPECT_THROW(window.SetParent(&inner), EComponentError);
  EXPECT_EQ(window.Parent(), nullptr);
}

TEST_F(ControlTest, ChildrenReachTheHostThroughTheirParent) {
  EXPECT_EQ(child.Host(), &host);
  child.Invalidate();
  child.Repaint();
  EXPECT_EQ(host.Log, (Names{"Invalidate:Child", "Invalidate:Child", "Update:Child"}));

  TControl loose;
  loose.Invalidate();
  loose.Update();
  loose.MouseCapture(true);
  EXPECT_EQ(loose.ScreenCursorPos(), (TPoint{0, 0}));
  EXPECT_EQ(host.Log.size(), 3u) << "a control without host asks nobody";
}

TEST_F(ControlTest, CursorCaptureAndMousePositionGoThroughTheHost) {
  child.SetCursor(crQuilHand);
  child.SetCursor(crQuilHand);
  EXPECT_EQ(child.Cursor(), 2020);
  EXPECT_EQ(host.Requests("Cursor2020"), Names{"Child"});

  child.MouseCapture(true);
  EXPECT_EQ(host.Captured, &child);
  child.MouseCapture(false);
  EXPECT_EQ(host.Captured, nullptr);

  host.MousePos = {12, 34};
  EXPECT_EQ(child.ScreenCursorPos(), (TPoint{12, 34}));
}

TEST_F(ControlTest, VisibilityIsReportedToTheHost) {
  child.SetVisible(false);
  child.SetVisible(false);
  EXPECT_FALSE(child.Visible());
  EXPECT_EQ(host.Requests("Bounds"), Names{"Child"});
}

TEST_F(ControlTest, TheHostForgetsADestroyedControl) {
  auto& doomed = MakeOwned<TWinControl>(window);
  doomed.SetName("Doomed");
  doomed.SetParent(&window);
  doomed.SetFocus();
  doomed.MouseCapture(true);
  window.DestroyComponent(doomed);
  EXPECT_EQ(host.Focused, nullptr);
  EXPECT_EQ(host.Captured, nullptr);
  EXPECT_EQ(host.Requests("Removed"), Names{"Doomed"});
}

TEST_F(ControlTest, TheHostForgetsControlsThatLeaveIt) {
  auto& panel = MakeOwned<TWinControl>(window);
  panel.SetName("Panel");
  panel.SetParent(&window);
  auto& inner = MakeOwned<TControl>(window);
  inner.SetName("Inner");
  inner.SetParent(&panel);
  test::TRecordingHost ownHost;
  inner.SetHost(&ownHost);
  host.Log.clear();

  panel.SetParent(nullptr);
  EXPECT_EQ(host.Requests("Removed"), Names{"Panel"}) << "Inner keeps its own host";
  EXPECT_TRUE(ownHost.Log.empty());
  inner.SetHost(nullptr);
  EXPECT_EQ(ownHost.Requests("Removed"), Names{"Inner"});

  panel.SetParent(&window);
  host.Log.clear();
  window.SetHost(nullptr);
  EXPECT_EQ(host.Requests("Removed"), (Names{"Window", "Child", "Panel", "Inner"}));
}

TEST_F(ControlTest, ParentColorFollowsTheParent) {
  auto& panel = MakeOwned<TWinControl>(window);
  panel.SetParent(&window);
  auto& label = MakeOwned<TControl>(window);
  label.SetParent(&panel);
  panel.SetParentColor(true);
  label.SetParentColor(true);
  child.SetParentColor(true);

  window.SetColor(clRed);
  EXPECT_EQ(panel.Color(), clRed);
  EXPECT_EQ(label.Color(), clRed) << "passed on through the panel";
  EXPECT_EQ(child.Color(), clRed);

  label.SetColor(clBlue);  // an own colour ends following the parent
  EXPECT_FALSE(label.ParentColor());
  window.SetColor(clLime);
  EXPECT_EQ(panel.Color(), clLime);
  EXPECT_EQ(label.Color(), clBlue);
}

TEST_F(ControlTest, ParentColorIsTakenWhenJoiningAParent) {
  window.SetColor(clYellow);
  TControl late;
  late.SetParentColor(true);
  EXPECT_EQ(late.Color(), clBtnFace);
  late.SetParent(&window);
  EXPECT_EQ(late.Color(), clYellow);
}

TEST_F(ControlTest, MouseInputReachesTheHandlersWithButtonsAndShiftState) {
  Names events;
  const auto button = [](TMouseButton b) {
    return b == TMouseButton::mbLeft ? "L" : b == TMouseButton::mbRight ? "R" : "M";
  };
  child.OnMouseDown = [&](TControl& c, TMouseButton b, TShiftState s, int x, int y) {
    events.push_back(c.Name() + " down " + button(b) + " " + std::to_string(s) + " " + std::to_string(x) + "," + std::to_string(y));
  };
  child.OnMouseUp = [&](TControl&, TMouseButton b, TShiftState s, int x, int y) {
    events.push_back(std::string("up ") + button(b) + " " + std::to_string(s) + " " + std::to_string(x) + "," + std::to_string(y));
  };
  child.OnMouseMove = [&](TControl&, TShiftState s, int x, int y) {
    events.push_back("move " + std::to_string(s) + " " + std::to_string(x) + "," + std::to_string(y));
  };
  child.OnDblClick = [&](TControl&) { events.push_back("double"); };
  child.OnMouseLeave = [&](TControl&) { events.push_back("leave"); };

  child.MouseDown(TMouseButton::mbRight, ssRight | ssShift, 5, 6);
  child.MouseMove(ssRight | ssShift | ssCtrl, 7, -8);
  child.MouseUp(TMouseButton::mbRight, ssShift, 9, 10);
  child.MouseDown(TMouseButton::mbLeft, ssLeft | ssDouble, 1, 1);
  child.DblClick();
  child.MouseUp(TMouseButton::mbMiddle, ssAlt, 0, 0);
  child.MouseLeave();

  const std::string rs = std::to_string(ssRight | ssShift);
  EXPECT_EQ(events, (Names{"Child down R " + rs + " 5,6", "move " + std::to_string(ssRight | ssShift | ssCtrl) + " 7,-8",
                           "up R " + std::to_string(ssShift) + " 9,10",
                           "Child down L " + std::to_string(ssLeft | ssDouble) + " 1,1", "double",
                           "up M " + std::to_string(ssAlt) + " 0,0", "leave"}));
}

TEST(ControlWheel, OneStepPerWholeNotchAccumulatedAcrossMessages) {
  struct Case {
    const char* name;
    std::vector<int> deltas;
    int ups;
    int downs;
  };
  const Case cases[] = {
      {"one notch", {120}, 1, 0},
      {"two halves", {60, 60}, 1, 0},
      {"two notches at once", {240}, 2, 0},
      {"one notch down", {-120}, 0, 1},
      {"two halves down", {-60, -60}, 0, 1},
      {"short of a notch", {119}, 0, 0},
      {"back and forth", {60, -60, 60}, 0, 0},
      {"remainder kept", {100, 100, 100}, 2, 0},
      {"remainder cancelled", {130, -10, 110}, 1, 0},
      {"down then up", {-240, 360}, 3, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TControl control;
    std::vector<int> raw;
    int ups = 0;
    int downs = 0;
    control.OnMouseWheel = [&](TControl&, TShiftState, int delta, TPoint, bool&) { raw.push_back(delta); };
    control.OnMouseWheelUp = [&](TControl&) { ++ups; };
    control.OnMouseWheelDown = [&](TControl&) { ++downs; };
    for (int delta : c.deltas) control.MouseWheel(0, delta, {});
    EXPECT_EQ(raw, c.deltas) << "each message reported once with its raw delta";
    EXPECT_EQ(ups, c.ups);
    EXPECT_EQ(downs, c.downs);
  }
}

TEST(ControlWheel, AHandledMessageMakesNoSteps) {
  TControl control;
  int steps = 0;
  bool claim = true;
  control.OnMouseWheel = [&](TControl&, TShiftState, int, TPoint, bool& handled) { handled = claim; };
  control.OnMouseWheelUp = [&](TControl&) { ++steps; };
  EXPECT_TRUE(control.MouseWheel(0, 120, {}));
  EXPECT_EQ(steps, 0);
  claim = false;
  EXPECT_FALSE(control.MouseWheel(0, 60, {})) << "half a notch: nothing handled yet";
  EXPECT_TRUE(control.MouseWheel(0, 60, {}));
  EXPECT_EQ(steps, 1) << "the claimed message did not count";
}

TEST(ControlWheel, StepsPassShiftAndPosition) {
  struct TWheelProbe : TControl {
    TShiftState shift = 0;
    TPoint pos;
    bool DoMouseWheelDown(TShiftState s, TPoint p) override {
      shift = s;
      pos = p;
      return true;
    }
  } probe;
  EXPECT_TRUE(probe.MouseWheel(ssCtrl, -120, {3, 4}));
  EXPECT_EQ(probe.shift, ssCtrl);
  EXPECT_EQ(probe.pos, (TPoint{3, 4}));
  EXPECT_FALSE(probe.MouseWheel(ssCtrl, 120, {3, 4})) << "no handler for a step up";
}

}  // namespace
}  // namespace quil

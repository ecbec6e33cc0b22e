// The window shell as a control's host, driven in-process through the X server with XTest:
// what a control receives for real mouse and key input, and what its requests do on screen.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/gtk_form_window.h"
#include "app/screen_cursors.h"
#include "app/toolkit.h"
#include "app/x_session.h"
#include "canvas/device_context.h"

namespace quil::testing {
namespace {

using namespace std::chrono_literals;

std::string ShiftText(TShiftState s) {
  std::string text;
  const std::pair<TShiftState, const char*> names[] = {{ssShift, "Shift"}, {ssAlt, "Alt"},   {ssCtrl, "Ctrl"},
                                                       {ssLeft, "Left"},   {ssRight, "Right"}, {ssMiddle, "Middle"},
                                                       {ssDouble, "Double"}};
  for (const auto& [flag, name] : names)
    if (s & flag) text += (text.empty() ? "" : "+") + std::string(name);
  return text.empty() ? "-" : text;
}

const char* ButtonText(TMouseButton b) {
  return b == TMouseButton::mbLeft ? "L" : b == TMouseButton::mbRight ? "R" : "M";
}

// Paints itself red and writes down every input it receives.
class TProbe : public TWinControl {
 public:
  using TWinControl::TWinControl;

  std::vector<std::string> log;
  int paints = 0;
  bool failOnPress = false;

  void Paint(TDeviceContext& dc) override {
    ++paints;
    cairo_t* cr = dynamic_cast<TCairoDeviceContext&>(dc).Context();
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_paint(cr);
  }
  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
    if (failOnPress) throw std::runtime_error("press failed");
    Add("down " + std::string(ButtonText(b)) + " " + ShiftText(s) + " " + Pos(x, y));
  }
  void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
    Add("up " + std::string(ButtonText(b)) + " " + ShiftText(s) + " " + Pos(x, y));
  }
  void MouseMove(TShiftState s, int x, int y) override { lastMove = {x, y}, lastMoveShift = s; }
  void DblClick() override { Add("dblclick"); }
  void MouseLeave() override { Add("leave"); }
  void KeyDown(int& key, TShiftState s) override { Add("key " + std::to_string(key) + " " + ShiftText(s)); }

  TPoint lastMove{-1000, -1000};
  TShiftState lastMoveShift = 0;

 protected:
  bool DoMouseWheel(TShiftState s, int delta, TPoint pos) override {
    Add("wheel " + std::to_string(delta) + " " + ShiftText(s) + " " + Pos(pos.X, pos.Y));
    return true;
  }

 private:
  static std::string Pos(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
  void Add(std::string entry) { log.push_back(std::move(entry)); }
};

bool ToolkitStarted() {
  static const bool started = [] {
    int argc = 0;
    char** argv = nullptr;
    return InitToolkit(argc, argv);
  }();
  return started;
}

// Probe1 and Probe2 take the tab order against their positions, with the button between them
// on screen: probe1 (20,30), button (250,30), probe2 (300,200).
class FormWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(x_.Connected() && ToolkitStarted()) << "no X display: run the window tests under xvfb-run";
    form_.SetCaption("FormWindowTest");
    form_.SetClientWidth(420);
    form_.SetClientHeight(300);
    probe_ = &AddControl<TProbe>(20, 30, 200, 150);
    button_ = &AddControl<TButton>(250, 30, 80, 25);
    probe2_ = &AddControl<TProbe>(300, 200, 60, 40);
    probe_->SetTabStop(true);
    probe2_->SetTabStop(true);
    probe2_->SetTabOrder(1);
    cursors_ = CreateScreenCursors();
    InstallScreenHandCursor(*cursors_);
    window_ = std::make_unique<TGtkFormWindow>(form_, *cursors_);
    window_->Show();
    ASSERT_TRUE(Pump([&] { return window_->NativeWindow() != 0 && probe_->paints > 0; }));
    xid_ = window_->NativeWindow();
    x_.Focus(xid_);
  }

  void TearDown() override {
    if (x_.Connected()) x_.ReleaseAll();
    if (window_) SettleBriefly();
    window_.reset();
  }

  template <class T>
  T& AddControl(int left, int top, int width, int height) {
    T& control = MakeOwned<T>(form_);
    control.SetParent(&form_);
    control.SetBounds(left, top, width, height);
    return control;
  }

  // Handles the window's events until the condition holds (or 3 s have passed).
  bool Pump(const std::function<bool()>& condition) {
    return WaitUntil(
        [&] {
          window_->ProcessPendingEvents();
          return condition();
        },
        3s);
  }
  bool PumpUntilLogged(std::size_t entries) { return Pump([&] { return probe_->log.size() >= entries; }); }
  // Lets every event already sent arrive and be handled.
  void SettleBriefly() {
    WaitUntil(
        [&] {
          window_->ProcessPendingEvents();
          return false;
        },
        150ms);
  }

  // The probe's log without the keys (a modifier held down is a key for the focused control).
  std::vector<std::string> Mouse() const {
    std::vector<std::string> mouse;
    for (const auto& entry : probe_->log)
      if (entry.rfind("key", 0) != 0) mouse.push_back(entry);
    return mouse;
  }

  // In window pixels: a point of probe1's client area.
  void MoveToProbe(int x, int y) { x_.MoveMouse(xid_, 20 + x, 30 + y); }

  TXSession x_;
  TForm form_;
  TProbe* probe_ = nullptr;
  TButton* button_ = nullptr;
  TProbe* probe2_ = nullptr;
  std::unique_ptr<TScreenCursors> cursors_;
  std::unique_ptr<TGtkFormWindow> window_;
  Window xid_ = 0;
};

TEST_F(FormWindowTest, PressesAndReleasesCarryTheButtonTheShiftStateAndClientPixels) {
  struct Case {
    unsigned xButton;
    const char* modifier;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {1, nullptr, {"down L Left 10,20", "up L - 10,20"}},
      {3, "Shift_L", {"down R Shift+Right 10,20", "up R Shift 10,20"}},
      {2, "Control_L", {"down M Ctrl+Middle 10,20", "up M Ctrl 10,20"}},
      {1, "Alt_L", {"down L Alt+Left 10,20", "up L Alt 10,20"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected[0]);
    probe_->log.clear();
    MoveToProbe(10, 20);
    if (c.modifier) x_.PressKey(c.modifier, true);
    x_.PressButton(c.xButton, true);
    x_.PressButton(c.xButton, false);
    if (c.modifier) x_.PressKey(c.modifier, false);
    ASSERT_TRUE(Pump([&] { return Mouse().size() >= 2; }));
    EXPECT_EQ(Mouse(), c.expected);
    SettleBriefly();  // let the next press not count as a double click
    WaitUntil([] { return false; }, 450ms);
  }
}

TEST_F(FormWindowTest, ADoubleClickIsOnePressWithDoubleAfterTheDoubleClickEvent) {
  MoveToProbe(5, 6);
  x_.PressButton(1, true);
  x_.PressButton(1, false);
  x_.PressButton(1, true);
  x_.PressButton(1, false);
  ASSERT_TRUE(PumpUntilLogged(5));
  SettleBriefly();
  EXPECT_EQ(probe_->log, (std::vector<std::string>{"down L Left 5,6", "up L - 5,6", "dblclick",
                                                    "down L Left+Double 5,6", "up L - 5,6"}));
}

TEST_F(FormWindowTest, EachWheelNotchIs120UnitsAtThePointer) {
  MoveToProbe(40, 50);
  x_.Click(xid_, 20 + 40, 30 + 50, 4);
  x_.Click(xid_, 20 + 40, 30 + 50, 5);
  ASSERT_TRUE(Pump([&] { return probe_->log.size() >= 2; }));
  // The clicks of buttons 4 and 5 are the wheel; they must not show as presses.
  EXPECT_EQ(probe_->log, (std::vector<std::string>{"wheel 120 - 40,50", "wheel -120 - 40,50"}));
}

TEST_F(FormWindowTest, MovesReportTheButtonsHeldAndFollowACapturedDragOutside) {
  MoveToProbe(10, 10);
  ASSERT_TRUE(Pump([&] { return probe_->lastMove == TPoint{10, 10}; }));
  EXPECT_EQ(probe_->lastMoveShift, 0u);

  x_.PressButton(1, true);
  MoveToProbe(50, 50);
  ASSERT_TRUE(Pump([&] { return probe_->lastMove == TPoint{50, 50}; }));
  MoveToProbe(250, 200);  // outside the probe, over the form
  ASSERT_TRUE(Pump([&] { return probe_->lastMove == TPoint{250, 200}; }))
      << "the drag was not followed outside: " << probe_->lastMove.X << "," << probe_->lastMove.Y;
  EXPECT_EQ(probe_->lastMoveShift, TShiftState{ssLeft});
  x_.PressButton(1, false);
  ASSERT_TRUE(Pump([&] { return probe_->log.size() >= 2 && probe_->log[1].rfind("up", 0) == 0; }));
  EXPECT_EQ(probe_->log[1], "up L - 250,200");
}

TEST_F(FormWindowTest, TheMouseLeavesOnlyWhenThePointerReallyGoes) {
  MoveToProbe(10, 10);
  MoveToProbe(12, 10);
  x_.MoveMouse(xid_, 5, 5);  // out, over the form
  ASSERT_TRUE(PumpUntilLogged(1));
  SettleBriefly();
  EXPECT_EQ(probe_->log, std::vector<std::string>{"leave"});

  // Dragged out with a button held: the pointer still belongs to the probe until released.
  probe_->log.clear();
  MoveToProbe(10, 10);
  x_.PressButton(1, true);
  x_.MoveMouse(xid_, 5, 5);
  SettleBriefly();
  EXPECT_EQ(probe_->log, std::vector<std::string>{"down L Left 10,10"});
  x_.PressButton(1, false);
  ASSERT_TRUE(PumpUntilLogged(3));
  SettleBriefly();
  EXPECT_EQ(probe_->log, (std::vector<std::string>{"down L Left 10,10", "up L - -15,-25", "leave"}));

  // Pressing the button from the keyboard grabs inside the toolkit; that is no leaving.
  probe_->log.clear();
  MoveToProbe(10, 10);
  button_->SetFocus();
  x_.Key("space");
  SettleBriefly();
  EXPECT_EQ(probe_->log, std::vector<std::string>{});
}

TEST_F(FormWindowTest, FocusStartsAtTheFirstTabStopAndTabFollowsTheTabOrder) {
  EXPECT_TRUE(probe_->Focused());
  x_.Key("Tab");
  ASSERT_TRUE(Pump([&] { return probe2_->Focused(); })) << "Tab did not follow the tab order";
  x_.Key("Tab");
  ASSERT_TRUE(Pump([&] { return button_->Focused(); }));
  x_.Key("Tab");
  ASSERT_TRUE(Pump([&] { return probe_->Focused(); }));
  x_.Key("Tab", true);
  ASSERT_TRUE(Pump([&] { return button_->Focused(); })) << "Shift+Tab did not go back";
}

TEST_F(FormWindowTest, KeysGoToTheFocusedControl) {
  x_.Key("a");
  x_.Key("F5", true);
  ASSERT_TRUE(PumpUntilLogged(3));
  SettleBriefly();
  // Shift itself is a key too; its own press already carries no Shift state before it.
  EXPECT_EQ(probe_->log, (std::vector<std::string>{"key 65 -", "key 16 -", "key 116 Shift"}));
  EXPECT_TRUE(probe2_->log.empty());
}

TEST_F(FormWindowTest, InvalidateRepaintsLaterAndUpdatePaintsAtOnce) {
  SettleBriefly();
  const int painted = probe_->paints;
  probe_->Invalidate();
  EXPECT_EQ(probe_->paints, painted) << "an invalidation must not paint by itself";
  ASSERT_TRUE(Pump([&] { return probe_->paints > painted; }));

  const int before = probe_->paints;
  probe_->Invalidate();
  probe_->Update();
  EXPECT_EQ(probe_->paints, before + 1) << "Update must paint what is pending now";
}

TEST_F(FormWindowTest, NewBoundsAndARoundRegionShowOnScreen) {
  constexpr uint32_t red = 0xFF0000;
  const auto painted = [&](std::initializer_list<TPoint> inside, std::initializer_list<TPoint> outside) {
    return Pump([&] {
      for (TPoint p : inside)
        if (x_.Pixel(xid_, p.X, p.Y) != red) return false;
      for (TPoint p : outside)
        if (x_.Pixel(xid_, p.X, p.Y) == red) return false;
      return true;
    });
  };
  // Moved from (20,30) 200x150 to (40,60) 100x80: the old place shows the form again.
  probe_->SetBounds(40, 60, 100, 80);
  EXPECT_TRUE(painted({{40, 60}, {139, 139}, {139, 60}, {40, 139}}, {{140, 100}, {39, 100}, {30, 40}, {200, 170}}));

  window_->SetRoundRegion(*probe_, 40);
  EXPECT_TRUE(painted({{90, 100}, {90, 60}, {40, 100}, {139, 100}}, {{40, 60}, {139, 60}, {40, 139}, {139, 139}}))
      << "the corners are outside the region, the middles of the edges inside";
  x_.Click(xid_, 41, 61);
  x_.Click(xid_, 90, 100);
  const auto presses = [&] {
    std::vector<std::string> downs;
    for (const auto& entry : probe_->log)
      if (entry.rfind("down", 0) == 0) downs.push_back(entry);
    return downs;
  };
  ASSERT_TRUE(Pump([&] { return !presses().empty(); }));
  SettleBriefly();
  EXPECT_EQ(presses(), std::vector<std::string>{"down L Left 50,40"}) << "a press in a cut-off corner reached the control";
  window_->SetRoundRegion(*probe_, 0);
  probe_->Invalidate();
  EXPECT_TRUE(painted({{40, 60}, {139, 139}}, {}));
}

TEST_F(FormWindowTest, CursorPositionIsInClientPixels) {
  MoveToProbe(33, 44);
  ASSERT_TRUE(Pump([&] { return probe_->lastMove == TPoint{33, 44}; }));
  EXPECT_EQ(probe_->ScreenCursorPos(), (TPoint{33, 44}));
  EXPECT_EQ(probe2_->ScreenCursorPos(), (TPoint{20 + 33 - 300, 30 + 44 - 200}));
}

TEST_F(FormWindowTest, AnErrorInAControlEndsEventHandlingAndIsRaised) {
  probe_->failOnPress = true;
  x_.Click(xid_, 30, 40);
  EXPECT_THROW(Pump([] { return false; }), std::runtime_error);
  probe_->failOnPress = false;
}

TEST_F(FormWindowTest, ACloseRequestClosesTheWindow) {
  x_.RequestClose(xid_);
  ASSERT_TRUE(Pump([&] { return window_->Closed(); }));
  probe_->Invalidate();  // no widget left to reach
  EXPECT_FALSE(probe_->Focused());
}

TEST_F(FormWindowTest, TheHandCursorIsInstalledAndRemoved) {
  EXPECT_NE(cursors_->Cursor(crQuilHand), nullptr);
  RemoveScreenHandCursor(*cursors_);
  EXPECT_EQ(cursors_->Cursor(crQuilHand), nullptr);
}

}  // namespace
}  // namespace quil::testing

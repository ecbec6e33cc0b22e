#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/forms.h"
#include "recording_host.h"

namespace quil {
namespace {

using Controls = std::vector<TWinControl*>;

// A windowed control that notes the keys it receives; it may ask for arrow keys and may use
// keys up by setting them to 0.
class TKeyProbe : public TWinControl {
 public:
  explicit TKeyProbe(TComponent* owner, bool wantsArrows = false) : TWinControl(owner), wantsArrows_(wantsArrows) {
    SetTabStop(true);
  }
  bool WantsArrowKeys() const override { return wantsArrows_; }
  void KeyDown(int& key, TShiftState) override {
    Keys.push_back(key);
    if (key == UsesKey) key = 0;
  }
  void KeyUp(int& key, TShiftState) override {
    Keys.push_back(-key);
    if (key == UsesKey) key = 0;
  }

  std::vector<int> Keys;  // presses as the key, releases as its negative
  int UsesKey = -1;

 private:
  bool wantsArrows_;
};

// The main window's layout: a chart and a button, the button created first so that the
// stored tab order, not the creation order, decides.
class FocusTest : public ::testing::Test {
 protected:
  FocusTest() {
    form.SetHost(&host);
    button.SetName("Button1");
    button.SetParent(&form);
    chart.SetName("Chart1");
    chart.SetParent(&form);
    chart.SetTabOrder(0);
    button.SetTabOrder(1);
  }

  test::TRecordingHost host;
  TForm form;
  TButton& button = MakeOwned<TButton>(form);
  TKeyProbe& chart = MakeOwned<TKeyProbe>(form, true);
};

TEST_F(FocusTest, TabOrderIsChartThenButton) {
  EXPECT_EQ(form.TabList(), (Controls{&chart, &button}));
  EXPECT_EQ(chart.TabOrder(), 0);
  EXPECT_EQ(button.TabOrder(), 1);
  EXPECT_EQ(form.FindNextControl(nullptr, true), &chart);
  EXPECT_EQ(form.FindNextControl(&chart, true), &button);
  EXPECT_EQ(form.FindNextControl(&button, true), &chart) << "wraps around";
  EXPECT_EQ(form.FindNextControl(nullptr, false), &button);
  EXPECT_EQ(form.FindNextControl(&chart, false), &button);
}

TEST_F(FocusTest, SetTabOrderMovesAndKeepsTheOthersInOrder) {
  auto& third = MakeOwned<TKeyProbe>(form);
  third.SetParent(&form);
  EXPECT_EQ(third.TabOrder(), 2);
  third.SetTabOrder(0);
  EXPECT_EQ(form.TabList(), (Controls{&third, &chart, &button}));
  chart.SetTabOrder(99);
  EXPECT_EQ(form.TabList(), (Controls{&third, &button, &chart}));
  chart.SetTabOrder(-4);
  EXPECT_EQ(form.TabList(), (Controls{&chart, &third, &button}));
  EXPECT_EQ(button.TabOrder(), 2);
}

TEST_F(FocusTest, TabOrderSetBeforeParentingIsApplied) {
  auto& early = MakeOwned<TKeyProbe>(form);
  early.SetTabOrder(0);
  EXPECT_EQ(early.TabOrder(), 0);
  early.SetParent(&form);
  EXPECT_EQ(form.TabList(), (Controls{&early, &chart, &button}));
}

TEST_F(FocusTest, UnfocusableControlsAreSkipped) {
  auto& hidden = MakeOwned<TKeyProbe>(form);
  hidden.SetParent(&form);
  hidden.SetTabOrder(1);
  hidden.SetVisible(false);
  EXPECT_EQ(form.FindNextControl(&chart, true), &button);

  button.SetEnabled(false);
  EXPECT_EQ(form.FindNextControl(&chart, true), &chart) << "the only tab stop left";
  chart.SetTabStop(false);
  EXPECT_EQ(form.FindNextControl(&chart, true), nullptr);
  EXPECT_FALSE(hidden.CanFocus());
  EXPECT_FALSE(button.CanFocus());
}

TEST_F(FocusTest, NestedControlsFollowTheirParentInTabOrder) {
  auto& panel = MakeOwned<TWinControl>(form);  // no tab stop itself
  panel.SetParent(&form);
  panel.SetTabOrder(1);
  auto& inner = MakeOwned<TKeyProbe>(form);
  inner.SetParent(&panel);
  EXPECT_EQ(form.FindNextControl(&chart, true), &inner);
  EXPECT_EQ(form.FindNextControl(&inner, true), &button);
  EXPECT_EQ(form.FindNextControl(&button, false), &inner);

  panel.SetVisible(false);
  EXPECT_EQ(form.FindNextControl(&chart, true), &button) << "inside a hidden parent";
}

TEST_F(FocusTest, FocusGoesThroughTheHost) {
  chart.SetFocus();
  EXPECT_EQ(host.Focused, &chart);
  EXPECT_TRUE(chart.Focused());
  EXPECT_FALSE(button.Focused());
  EXPECT_EQ(form.FocusedDescendant(), &chart);
  form.SelectNext(&chart, true);
  EXPECT_EQ(host.Focused, &button);
  EXPECT_EQ(host.Requests("Focus"), (std::vector<std::string>{"Chart1", "Button1"}));
}

TEST_F(FocusTest, TabAndShiftTabMoveTheFocus) {
  EXPECT_TRUE(form.DispatchKeyDown(VK_TAB, 0));
  EXPECT_EQ(host.Focused, &chart) << "nothing focused yet: the first tab stop";
  EXPECT_TRUE(form.DispatchKeyDown(VK_TAB, 0));
  EXPECT_EQ(host.Focused, &button);
  EXPECT_TRUE(form.DispatchKeyDown(VK_TAB, 0));
  EXPECT_EQ(host.Focused, &chart);
  EXPECT_TRUE(form.DispatchKeyDown(VK_TAB, ssShift));
  EXPECT_EQ(host.Focused, &button);

  EXPECT_FALSE(form.DispatchKeyDown(VK_TAB, ssCtrl)) << "Ctrl+Tab is left to the toolkit";
  EXPECT_FALSE(form.DispatchKeyUp(VK_TAB, 0));
  EXPECT_EQ(host.Focused, &button);
  EXPECT_TRUE(chart.Keys.empty()) << "Tab never reaches a control";
}

TEST_F(FocusTest, ArrowKeysReachOnlyAControlThatAsksForThem) {
  auto& plain = MakeOwned<TKeyProbe>(form, false);
  plain.SetParent(&form);

  chart.SetFocus();
  chart.UsesKey = VK_LEFT;
  EXPECT_TRUE(form.DispatchKeyDown(VK_LEFT, 0));
  EXPECT_FALSE(form.DispatchKeyDown(VK_DOWN, ssShift)) << "delivered, but not used up";
  EXPECT_TRUE(form.DispatchKeyUp(VK_LEFT, 0));
  EXPECT_EQ(chart.Keys, (std::vector<int>{VK_LEFT, VK_DOWN, -VK_LEFT}));

  plain.SetFocus();
  plain.UsesKey = VK_RIGHT;
  EXPECT_FALSE(form.DispatchKeyDown(VK_RIGHT, 0));
  EXPECT_FALSE(form.DispatchKeyUp(VK_RIGHT, 0));
  EXPECT_TRUE(plain.Keys.empty()) << "arrows are left to the toolkit";

  plain.UsesKey = 'A';
  EXPECT_TRUE(form.DispatchKeyDown('A', 0));
  EXPECT_FALSE(form.DispatchKeyDown(VK_RETURN, 0));
  EXPECT_EQ(plain.Keys, (std::vector<int>{'A', VK_RETURN}));
}

TEST_F(FocusTest, KeysWithoutAFocusedControlAreNotUsed) {
  EXPECT_FALSE(form.DispatchKeyDown(VK_LEFT, 0));
  EXPECT_FALSE(form.DispatchKeyDown('A', 0));
  EXPECT_TRUE(chart.Keys.empty());
}

TEST_F(FocusTest, ActiveControlIsClearedWhenItGoes) {
  form.SetActiveControl(&chart);
  EXPECT_EQ(form.ActiveControl(), &chart);
  form.DestroyComponent(chart);
  EXPECT_EQ(form.ActiveControl(), nullptr);

  // A control owned elsewhere is watched as well.
  auto elsewhere = std::make_unique<TComponent>();
  auto& foreign = MakeOwned<TKeyProbe>(*elsewhere);
  foreign.SetParent(&form);
  form.SetActiveControl(&foreign);
  elsewhere.reset();
  EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST_F(FocusTest, ReplacedActiveControlIsNoLongerWatched) {
  auto other = std::make_unique<TComponent>();
  auto& first = MakeOwned<TKeyProbe>(*other);
  form.SetActiveControl(&first);
  form.SetActiveControl(&button);
  other.reset();
  EXPECT_EQ(form.ActiveControl(), &button);
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include "core/component.h"
#include "core/exceptions.h"
#include "series_test_support.h"

namespace quil {
namespace {

using testing::TLoggingSeries;
using testing::TLoggingTool;
using testing::TTestAxisPanel;

class ChartToolsTest : public ::testing::Test {
 protected:
  TLoggingTool& AddTool(const std::string& tag) {
    auto& tool = MakeOwned<TLoggingTool>(form_);
    tool.Tag = tag;
    tool.Log = &Log;
    chart_.Tools().Add(tool);
    return tool;
  }

  TComponent form_;
  TTestAxisPanel& chart_ = MakeOwned<TTestAxisPanel>(form_);
  std::vector<std::string> Log;
};

TEST_F(ChartToolsTest, InactiveToolsHearNothing) {
  AddTool("a");
  TLoggingTool& b = AddTool("b");
  b.SetActive(false);
  auto& series = MakeOwned<TLoggingSeries>(form_);
  series.SetName("S");
  chart_.AddSeries(series);

  chart_.BroadcastToolEvent(cteBeforeDraw);
  chart_.BroadcastToolSeriesEvent(cteBeforeDrawSeries, series);
  chart_.BroadcastToolMouseEvent(cmeDown, TMouseButton::mbLeft, 0, 1, 2);
  chart_.BroadcastWheelEvent(wmeUp, 120, 0, 0);

  EXPECT_EQ(Log, (std::vector<std::string>{"a:cteBeforeDraw", "a:cteBeforeDrawSeries(S)", "a:mouse0@1,2", "a:wheel2"}));
}

TEST_F(ChartToolsTest, ToolsAreToldInTheOrderTheyJoined) {
  AddTool("first");
  AddTool("second");
  AddTool("third");
  chart_.BroadcastToolEvent(cteAfterDraw);
  EXPECT_EQ(Log, (std::vector<std::string>{"first:cteAfterDraw", "second:cteAfterDraw", "third:cteAfterDraw"}));
}

TEST_F(ChartToolsTest, ClaimedPressStopsLaterToolsAndTheChart) {
  AddTool("a");
  AddTool("b").CancelOn = cmeDown;
  AddTool("c");

  chart_.MouseDown(TMouseButton::mbLeft, 0, 10, 20);
  EXPECT_EQ(Log, (std::vector<std::string>{"a:mouse0@10,20", "b:mouse0@10,20"}));
  // The claim lasts for that press only: moves still reach every tool.
  Log.clear();
  chart_.MouseMove(0, 11, 21);
  EXPECT_EQ(Log, (std::vector<std::string>{"a:mouse1@11,21", "b:mouse1@11,21", "c:mouse1@11,21"}));
  EXPECT_FALSE(chart_.CancelMouse());
}

TEST_F(ChartToolsTest, ClaimedWheelStepStopsLaterTools) {
  AddTool("a").CancelOn = 100;
  AddTool("b");
  chart_.BroadcastWheelEvent(wmeDown, -120, 0, 0);
  EXPECT_EQ(Log, (std::vector<std::string>{"a:wheel0"}));
}

TEST_F(ChartToolsTest, ReleaseReachesToolsAfterTheChart) {
  AddTool("a");
  chart_.MouseUp(TMouseButton::mbLeft, 0, 3, 4);
  EXPECT_EQ(Log, (std::vector<std::string>{"a:mouse2@3,4"}));
}

TEST_F(ChartToolsTest, SettingTheSameChartTwiceAddsOnce) {
  TLoggingTool& tool = AddTool("a");
  tool.SetParenrOvede(&chart_);
  chart_.Tools().Add(tool);
  chart_.Tools().InternalAdd(tool);
  EXPECT_EQ(chart_.Tools().Count(), 1);
  chart_.BroadcastToolEvent(cteBeforeDraw);
  EXPECT_EQ(Log.size(), 1u);
}

TEST_F(ChartToolsTest, MovingToAnotherChartLeavesTheFirst) {
  TLoggingTool& tool = AddTool("a");
  auto& other = MakeOwned<TTestAxisPanel>(form_);
  tool.SetParenrOvede(&other);
  EXPECT_EQ(chart_.Tools().Count(), 0);
  ASSERT_EQ(other.Tools().Count(), 1);
  EXPECT_EQ(&other.Tools()[0], &tool);
  tool.SetParenrOvede(nullptr);
  EXPECT_EQ(other.Tools().Count(), 0);
}

TEST_F(ChartToolsTest, DestroyingAToolTakesItOutOfTheList) {
  AddTool("a");
  TLoggingTool& b = AddTool("b");
  form_.DestroyComponent(b);
  ASSERT_EQ(chart_.Tools().Count(), 1);
  chart_.BroadcastToolEvent(cteBeforeDraw);
  EXPECT_EQ(Log, (std::vector<std::string>{"a:cteBeforeDraw"}));
}

TEST_F(ChartToolsTest, ClearDestroysOwnedToolsAndReleasesOthers) {
  AddTool("owned");
  TLoggingTool unowned;
  chart_.Tools().Add(unowned);
  const int before = form_.ComponentCount();

  chart_.Tools().Clear();

  EXPECT_EQ(chart_.Tools().Count(), 0);
  EXPECT_EQ(form_.ComponentCount(), before - 1);
  EXPECT_EQ(unowned.ParenrOvede(), nullptr);
}

TEST_F(ChartToolsTest, ActiveSwitchesEveryTool) {
  TLoggingTool& a = AddTool("a");
  TLoggingTool& b = AddTool("b");
  chart_.Tools().SetActive(false);
  EXPECT_FALSE(a.Active());
  EXPECT_FALSE(b.Active());
}

class TCreatableTool : public TQuilCustomTool {
  QUIL_PERSISTENT_CLASS

 public:
  using TQuilCustomTool::TQuilCustomTool;
};

const TMetaClass& TCreatableTool::StaticClass() {
  static const TMetaClass meta("TCreatableTool", &TQuilCustomTool::StaticClass(), {},
                               ComponentFactory<TCreatableTool>());
  return meta;
}

TEST_F(ChartToolsTest, AddByClassCreatesAToolOwnedByTheChartsOwner) {
  TQuilCustomTool& tool = chart_.Tools().Add(TCreatableTool::StaticClass());
  EXPECT_EQ(tool.ClassName(), "TCreatableTool");
  EXPECT_EQ(tool.Owner(), &form_);
  EXPECT_EQ(tool.ParenrOvede(), &chart_);
  EXPECT_EQ(chart_.Tools().IndexOf(tool), 0);
  EXPECT_THROW(chart_.Tools().Add(TQuilCustomTool::StaticClass()), EConvertError);
}

TEST_F(ChartToolsTest, DestroyingTheChartDestroysItsTools) {
  AddTool("a");
  const int before = form_.ComponentCount();
  form_.DestroyComponent(chart_);
  EXPECT_EQ(form_.ComponentCount(), before - 2);
}

TEST_F(ChartToolsTest, FreedSeriesLeavesTheToolWithoutOneAndTheNextFrameWorks) {
  TLoggingTool& tool = AddTool("a");
  auto& series = MakeOwned<TLoggingSeries>(form_);
  chart_.AddSeries(series);
  tool.SetSeries(&series);

  form_.DestroyComponent(series);

  EXPECT_EQ(tool.Series(), nullptr);
  EXPECT_EQ(chart_.SeriesCount(), 0);
  chart_.SetBounds(0, 0, 60, 40);
  EXPECT_NO_THROW(chart_.QuilCreateBitmap());
}

TEST_F(ChartToolsTest, SeriesToolAssignCopiesTheSeries) {
  TLoggingTool& a = AddTool("a");
  auto& series = MakeOwned<TLoggingSeries>(form_);
  a.SetSeries(&series);
  a.SetActive(false);
  TLoggingTool copy;
  copy.Assign(a);
  EXPECT_EQ(copy.Series(), &series);
  EXPECT_FALSE(copy.Active());
  form_.DestroyComponent(series);
  EXPECT_EQ(copy.Series(), nullptr);
}

TEST_F(ChartToolsTest, ParentComponentIsTheChart) {
  TLoggingTool tool;
  tool.SetParentComponent(&chart_);
  EXPECT_EQ(tool.GetParentComponent(), &chart_);
  EXPECT_EQ(chart_.Tools().IndexOf(tool), 0);
  tool.SetParentComponent(&form_);  // not a chart: ignored
  EXPECT_EQ(tool.ParenrOvede(), &chart_);
}

TEST_F(ChartToolsTest, MouseLeaveClearsHoverThenTellsTools) {
  AddTool("a");
  auto& series = MakeOwned<TLoggingSeries>(form_);
  chart_.AddSeries(series);
  series.Selected().SetHoverIndex(3);
  chart_.MouseLeave();
  EXPECT_EQ(series.Selected().HoverIndex(), -1);
  EXPECT_EQ(Log, (std::vector<std::string>{"a:cteMouseLeave"}));
}

}  // namespace
}  // namespace quil

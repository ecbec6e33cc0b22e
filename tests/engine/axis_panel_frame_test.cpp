#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "canvas/canvas_classes.h"
#include "canvas/view3d_options.h"
#include "core/component.h"
#include "series_test_support.h"

namespace quil {
namespace {

using testing::TLoggingSeries;
using testing::TLoggingTool;
using testing::TTestAxisPanel;
using Log = std::vector<std::string>;

class AxisPanelFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitializeCanvas3DUnit();
    chart_.Log = &log_;
    chart_.SetBounds(0, 0, 120, 80);
    tool_.Log = &log_;
    chart_.Tools().Add(tool_);
  }
  void TearDown() override { FinalizeCanvas3DUnit(); }

  TLoggingSeries& AddSeries(const std::string& name, int points) {
    auto& series = MakeOwned<TLoggingSeries>(form_);
    series.SetName(name);
    series.Log = &log_;
    for (int i = 0; i < points; ++i) series.Add(i);
    chart_.AddSeries(series);
    return series;
  }

  void DrawFrame() {
    log_.clear();
    chart_.QuilCreateBitmap();
  }

  TComponent form_;
  TTestAxisPanel& chart_ = MakeOwned<TTestAxisPanel>(form_);
  TLoggingTool& tool_ = MakeOwned<TLoggingTool>(form_);
  Log log_;
};

TEST_F(AxisPanelFrameTest, StagesInOrderWithAxesBehind) {
  AddSeries("S", 2);
  DrawFrame();
  EXPECT_EQ(log_, (Log{"tool:cteBeforeDraw", "TitlesBefore", "CalcWallsRect", "DrawWalls", "tool:cteBeforeDrawAxes",
                       "DrawAxes", "tool:cteBeforeDrawSeries", "tool:cteBeforeDrawSeries(S)", "S.DrawValue(0)",
                       "S.DrawValue(1)", "tool:cteAfterDrawSeries(S)", "tool:cteAfterDrawSeries", "TitlesAfter",
                       "tool:cteAfterDraw"}));
}

TEST_F(AxisPanelFrameTest, AxesInFrontComeAfterTheSeries) {
  AddSeries("S", 1);
  chart_.SetAxisBehind(false);
  DrawFrame();
  EXPECT_EQ(log_, (Log{"tool:cteBeforeDraw", "TitlesBefore", "CalcWallsRect", "DrawWalls", "tool:cteBeforeDrawSeries",
                       "tool:cteBeforeDrawSeries(S)", "S.DrawValue(0)", "tool:cteAfterDrawSeries(S)",
                       "tool:cteAfterDrawSeries", "tool:cteBeforeDrawAxes", "DrawAxes", "TitlesAfter",
                       "tool:cteAfterDraw"}));
}

TEST_F(AxisPanelFrameTest, HiddenAxesEmptyAndInactiveSeriesAreSkipped) {
  AddSeries("Empty", 0);
  AddSeries("Off", 3).SetActive(false);
  chart_.SetAxisVisible(false);
  tool_.SetActive(false);
  DrawFrame();
  EXPECT_EQ(log_, (Log{"TitlesBefore", "CalcWallsRect", "DrawWalls", "TitlesAfter"}));
}

TEST_F(AxisPanelFrameTest, ProgramHookDrawsInsteadOfTheSeries) {
  TLoggingSeries& series = AddSeries("S", 2);
  std::vector<int> drawn;
  chart_.OnDrawValue = [&](ROvedeSeries& s, int index) {
    EXPECT_EQ(&s, &series);
    drawn.push_back(index);
  };
  DrawFrame();
  EXPECT_EQ(drawn, (std::vector<int>{0, 1}));
  EXPECT_EQ(std::count(log_.begin(), log_.end(), "S.DrawValue(0)"), 0);
}

TEST_F(AxisPanelFrameTest, ViewFromTheBackDrawsPointsBackwards) {
  AddSeries("S", 3);
  chart_.View3DOptions().SetOrthoAngle(135);
  DrawFrame();
  EXPECT_TRUE(chart_.InvertedRotation());
  Log points;
  for (const std::string& line : log_)
    if (line.rfind("S.", 0) == 0) points.push_back(line);
  EXPECT_EQ(points, (Log{"S.DrawValue(2)", "S.DrawValue(1)", "S.DrawValue(0)"}));
}

TEST_F(AxisPanelFrameTest, InvertedDepthAxisDrawsTheLastSeriesFirst) {
  AddSeries("A", 1);
  AddSeries("B", 1);
  chart_.InvertDepthAxis = true;
  DrawFrame();
  Log points;
  for (const std::string& line : log_)
    if (line.find(".DrawValue") != std::string::npos) points.push_back(line);
  EXPECT_EQ(points, (Log{"B.DrawValue(0)", "A.DrawValue(0)"}));
}

TEST_F(AxisPanelFrameTest, SeriesSharingADepthSlotDrawPointByPoint) {
  TLoggingSeries& a = AddSeries("A", 3);
  TLoggingSeries& b = AddSeries("B", 2);
  a.SetZOrder(0);
  b.SetZOrder(0);
  const auto drawing = [&] {
    Log lines;
    for (const std::string& line : log_)
      if (line.find("DrawValue") != std::string::npos || line.find("(A)") != std::string::npos ||
          line.find("(B)") != std::string::npos)
        lines.push_back(line);
    return lines;
  };
  DrawFrame();
  EXPECT_EQ(drawing(), (Log{"tool:cteBeforeDrawSeries(A)", "tool:cteBeforeDrawSeries(B)", "A.DrawValue(0)",
                            "B.DrawValue(0)", "A.DrawValue(1)", "B.DrawValue(1)", "A.DrawValue(2)",
                            "tool:cteAfterDrawSeries(A)", "tool:cteAfterDrawSeries(B)"}));

  // Seen from the back both the points and the series of the slot run the other way.
  chart_.View3DOptions().SetOrthoAngle(135);
  DrawFrame();
  EXPECT_EQ(drawing(), (Log{"tool:cteBeforeDrawSeries(A)", "tool:cteBeforeDrawSeries(B)", "A.DrawValue(2)",
                            "B.DrawValue(1)", "A.DrawValue(1)", "B.DrawValue(0)", "A.DrawValue(0)",
                            "tool:cteAfterDrawSeries(A)", "tool:cteAfterDrawSeries(B)"}));

  // In a flat view every series draws on its own.
  chart_.SetView3D(false);
  chart_.View3DOptions().SetOrthoAngle(45);
  DrawFrame();
  EXPECT_EQ(drawing(), (Log{"tool:cteBeforeDrawSeries(A)", "A.DrawValue(0)", "A.DrawValue(1)", "A.DrawValue(2)",
                            "tool:cteAfterDrawSeries(A)", "tool:cteBeforeDrawSeries(B)", "B.DrawValue(0)",
                            "B.DrawValue(1)", "tool:cteAfterDrawSeries(B)"}));
}

class TParallelSeries : public TLoggingSeries {
 public:
  using TLoggingSeries::TLoggingSeries;
  bool CanBeforeParallel() const override { return true; }
  void DoBeforeParallel() override {
    ++Prepared;
    if (std::this_thread::get_id() != Main) ++OnWorker;
  }
  std::atomic<int> Prepared{0};
  std::atomic<int> OnWorker{0};
  std::thread::id Main = std::this_thread::get_id();
};

TEST_F(AxisPanelFrameTest, ParallelPreparationRunsOnceOnWorkers) {
  std::vector<TParallelSeries*> all;
  for (int i = 0; i < 3; ++i) {
    auto& series = MakeOwned<TParallelSeries>(form_);
    series.Add(1);
    chart_.AddSeries(series);
    all.push_back(&series);
  }
  chart_.SetParallelThreads(2);
  DrawFrame();
  for (TParallelSeries* series : all) {
    EXPECT_EQ(series->Prepared, 1);
    EXPECT_EQ(series->OnWorker, 1);
  }
  chart_.SetParallelThreads(1);
  DrawFrame();
  for (TParallelSeries* series : all) EXPECT_EQ(series->OnWorker, 1);
}

TEST_F(AxisPanelFrameTest, ProgramEventsOfTheFrame) {
  AddSeries("S", 1);
  Log events;
  chart_.OnBeforeDrawChart = [&](TCustomAxisPanel&) { events.push_back("chart"); };
  chart_.OnBeforeDrawAxes = [&](TCustomAxisPanel&) { events.push_back("axes"); };
  chart_.OnBeforeDrawSeries = [&](TCustomAxisPanel&) { events.push_back("series"); };
  chart_.OnAfterDraw = [&](TCustomQuilPanelExtended&) { events.push_back("after"); };
  DrawFrame();
  EXPECT_EQ(events, (Log{"chart", "axes", "series", "after"}));
  EXPECT_TRUE(chart_.AutoRepaint());
}

TEST_F(AxisPanelFrameTest, Chart3DPercentIsClamped) {
  const struct {
    int Set;
    int Get;
  } cases[] = {{0, 1}, {-5, 1}, {150, 100}, {40, 40}, {100, 100}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Set);
    chart_.SetChart3DPercent(c.Set);
    EXPECT_EQ(chart_.Chart3DPercent(), c.Get);
  }
}

}  // namespace
}  // namespace quil

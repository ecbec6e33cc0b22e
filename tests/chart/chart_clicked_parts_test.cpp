#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mouse_chart_fixture.h"

namespace quil {
namespace {

using testing::MouseChartTest;
using testing::TClickableSeries;
using testing::TMouseLogTool;

std::string Describe(const ROvedeClickedPart& part) {
  return std::to_string(part.Part) + "/" + std::to_string(part.PointIndex) + (part.ASeries ? "/series" : "") +
         (part.AAxis ? "/" + part.AAxis->Identifier() : "");
}

using ChartClickedPartTest = MouseChartTest;

TEST_F(ChartClickedPartTest, EachPartOfTheChartIsFoundUnderItsPixels) {
  chart.Title().SetText("Title");
  chart.SubTitle().SetText("Sub title");
  chart.Foot().SetText("Foot");
  chart.SubFoot().SetText("Sub foot");
  chart.LeftAxis().Title().SetCaption("Values");
  Paint();
  const auto centre = [](const TRect& r) { return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; };
  const ROvedeAxis& left = chart.LeftAxis();
  const ROvedeAxis& bottom = chart.BottomAxis();
  const struct {
    const char* what;
    TPoint p;
    std::string part;
  } cases[] = {
      {"a point", {X(50) + 2, Y(50) - 2}, "3/2/series"},
      {"the plotting area", {X(40), Y(60)}, "6/-1"},
      {"the left axis line", {left.PosAxis, Y(60)}, "2/-1/Left"},
      {"3 pixels inside the left axis", {left.PosAxis + 3, Y(60)}, "2/-1/Left"},
      {"4 pixels inside the left axis", {left.PosAxis + 4, Y(60)}, "6/-1"},
      {"the left axis labels", {left.PosLabels + 1, Y(60)}, "2/-1/Left"},
      {"the bottom axis labels", {X(60), bottom.PosLabels - 1}, "2/-1/Bottom"},
      {"the left axis title", centre(left.Title().ShapeBounds), "11/-1/Left"},
      {"the title", centre(chart.Title().ShapeBounds), "4/-1"},
      {"the sub title", centre(chart.SubTitle().ShapeBounds), "9/-1"},
      {"the foot", centre(chart.Foot().ShapeBounds), "5/-1"},
      {"the sub foot", centre(chart.SubFoot().ShapeBounds), "10/-1"},
      {"the title's bottom right corner", chart.Title().ShapeBounds.BottomRight(), "4/-1"},
      {"the panel's margin", {3, 3}, "0/-1"},
  };
  for (const auto& c : cases) EXPECT_EQ(Describe(chart.CalcClickedPart(c.p)), c.part) << c.what;
}

TEST_F(ChartClickedPartTest, AnAxisWithoutLabelsIsHitOnItsLineOnly) {
  chart.LeftAxis().SetLabels(false);
  Paint();
  const int line = chart.LeftAxis().PosAxis;
  EXPECT_EQ(chart.CalcClickedPart({line, Y(50)}).Part, cpAxis);
  EXPECT_NE(chart.CalcClickedPart({line - 1, Y(50)}).Part, cpAxis);
  EXPECT_NE(chart.CalcClickedPart({line + 1, Y(50)}).Part, cpAxis);
}

TEST_F(ChartClickedPartTest, AnAxisOnTheFarSideOf3DIsHitWhereItIsProjected) {
  chart.SetView3D(true);
  chart.View3DOptions().SetOrthogonal(true);
  series.SetVertAxis(aRightAxis);
  Paint();
  const ROvedeAxis& right = chart.RightAxis();
  const int y = (right.IStartPos() + right.IEndPos()) / 2;
  const TPoint projected = chart.Canvas().Calculate3DPosition(right.PosAxis, y, chart.Width3D());
  ASSERT_GT(chart.Width3D(), 4);
  EXPECT_EQ(Describe(chart.CalcClickedPart(projected)), "2/-1/Right");
  EXPECT_NE(chart.CalcClickedPart({right.PosAxis, y}).AAxis, &right);
}

TEST_F(ChartClickedPartTest, PointersAndMarksNameTheirPoint) {
  series.pointers = true;
  EXPECT_EQ(Describe(chart.CalcClickedPart({X(75), Y(75)})), "8/3/series");
  EXPECT_EQ(Describe(chart.CalcClickedPart({X(75) + 1, Y(75)})), "3/3/series");

  series.Marks().SetVisible(true);
  series.Marks().Positions().resize(2);
  series.Marks().Positions()[1] = {{}, false, {}, true, 20, {100, 100}, 40};
  EXPECT_EQ(Describe(chart.CalcClickedPart({140, 120})), "7/1/series");
  EXPECT_NE(chart.CalcClickedPart({141, 120}).Part, cpSeriesMarks);
  series.Marks().SetVisible(false);
  EXPECT_NE(chart.CalcClickedPart({140, 120}).Part, cpSeriesMarks);
}

TEST_F(ChartClickedPartTest, WhenNeededOnlySeriesWithClickHandlersCount) {
  const TPoint point{X(25), Y(25)};
  EXPECT_EQ(chart.CalcNeedClickedPart(point, true).Part, cpChartRect);
  series.OnDblClick = [](ROvedeSeries&, int, TMouseButton, TShiftState, int, int) {};
  EXPECT_EQ(chart.CalcNeedClickedPart(point, true).Part, cpSeries);
  series.OnDblClick = nullptr;
  chart.OnClickSeries = [](TCustomChart&, ROvedeSeries&, int, TMouseButton, TShiftState, int, int) {};
  EXPECT_EQ(chart.CalcNeedClickedPart(point, true).Part, cpSeries);
}

TEST_F(ChartClickedPartTest, WithoutActiveSeriesThePlottingAreaIsNoPartButTheAxesStillAre) {
  series.SetActive(false);
  Paint();
  EXPECT_EQ(chart.CalcClickedPart({X(50), Y(50)}).Part, cpNone);
  EXPECT_EQ(Describe(chart.CalcClickedPart({chart.LeftAxis().PosAxis, Y(50)})), "2/-1/Left");
}

// Presses and their click events.
class ChartClickEventsTest : public MouseChartTest {
 protected:
  void Press(TPoint p, TShiftState extra = 0) { chart.MouseDown(TMouseButton::mbLeft, ssLeft | extra, p.X, p.Y); }
  void Release(TPoint p) { chart.MouseUp(TMouseButton::mbLeft, 0, p.X, p.Y); }

  std::vector<std::string> log;
};

TEST_F(ChartClickEventsTest, EachPartFiresItsEventAndAHandlerThatKeepsCancelMouseClaimsThePress) {
  chart.Title().SetText("Title");
  Paint();
  bool letGo = false;
  chart.OnClickAxis = [&](TCustomChart&, ROvedeAxis& axis, TMouseButton, TShiftState, int, int) {
    log.push_back("axis " + axis.Identifier());
    if (letGo) chart.SetCancelMouse(false);
  };
  chart.OnClickSeries = [&](TCustomChart&, ROvedeSeries&, int index, TMouseButton, TShiftState, int, int) {
    log.push_back("series " + std::to_string(index));
    if (letGo) chart.SetCancelMouse(false);
  };
  chart.OnClickTitle = [&](TCustomChart& c, ROvedeTitle& title, TMouseButton, TShiftState, int, int) {
    log.push_back(&title == &c.Title() ? "title" : "other title");
    if (letGo) chart.SetCancelMouse(false);
  };
  chart.OnClickBackground = [&](TCustomChart&, TMouseButton, TShiftState, int, int) {
    log.push_back("background");
    if (letGo) chart.SetCancelMouse(false);
  };
  const TRect t = chart.Title().ShapeBounds;
  const struct {
    TPoint p;
    const char* event;
  } cases[] = {
      {{chart.LeftAxis().PosAxis, Y(50)}, "axis Left"},
      {{X(50), Y(50)}, "series 2"},
      {{(t.Left + t.Right) / 2, (t.Top + t.Bottom) / 2}, "title"},
      {{X(40), Y(60)}, "background"},
  };
  for (bool let : {false, true}) {
    letGo = let;
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << c.event << (let ? ", let go" : ", claimed"));
      log.clear();
      Press(c.p);
      EXPECT_EQ(log, std::vector<std::string>{c.event});
      EXPECT_EQ(chart.Zoom().Active(), let) << "a zoom starts only when the handler lets the press go";
      EXPECT_FALSE(chart.CancelMouse());
      Release(c.p);
    }
  }
}

TEST_F(ChartClickEventsTest, ThePlottingAreaTellsTheBackgroundOncePerPress) {
  int told = 0;
  chart.OnClickBackground = [&](TCustomChart& c, TMouseButton, TShiftState, int, int) {
    ++told;
    c.SetCancelMouse(false);
  };
  chart.Zoom().SetAllow(false);
  chart.SetAllowPanning(pmNone);
  Press({X(40), Y(60)});
  EXPECT_EQ(told, 1) << "a handler that lets the press go, and nothing starts";
  Release({X(40), Y(60)});
  told = 0;
  Press({3, 3});
  EXPECT_EQ(told, 1) << "outside every part";
}

TEST_F(ChartClickEventsTest, ASeriesHearsClicksAndDoubleClicksOnItsPoints) {
  series.OnClick = [&](ROvedeSeries&, int index, TMouseButton, TShiftState, int, int) {
    log.push_back("click " + std::to_string(index));
  };
  series.OnDblClick = [&](ROvedeSeries&, int index, TMouseButton, TShiftState, int, int) {
    log.push_back("double " + std::to_string(index));
  };
  Press({X(25), Y(25)});
  EXPECT_TRUE(chart.Zoom().Active()) << "the series' own handler does not claim the press";
  Release({X(25), Y(25)});
  Press({X(25), Y(25)}, ssDouble);
  Release({X(25), Y(25)});
  EXPECT_EQ(log, (std::vector<std::string>{"click 1", "double 1"}));
}

TEST_F(ChartClickEventsTest, ASeriesTakenOutByItsOwnClickHandlerIsNotReportedToTheChart) {
  TClickableSeries other;
  other.SetParenrOvede(&chart);
  other.AddXY(50, 50);
  other.OnClick = [&](ROvedeSeries& s, int, TMouseButton, TShiftState, int, int) { s.SetParenrOvede(nullptr); };
  chart.OnClickSeries = [&](TCustomChart&, ROvedeSeries&, int, TMouseButton, TShiftState, int, int) {
    log.push_back("chart heard");
  };
  Press({X(50), Y(50)});
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(chart.SeriesCount(), 1);
  Release({X(50), Y(50)});
  Paint();
}

TEST_F(ChartClickEventsTest, EventsComeInTheirOrder) {
  TMouseLogTool tool;
  tool.events = &log;
  tool.SetParenrOvede(&chart);
  chart.OnMouseDown = [&](TControl&, TMouseButton, TShiftState, int, int) { log.push_back("OnMouseDown"); };
  chart.OnMouseUp = [&](TControl&, TMouseButton, TShiftState, int, int) { log.push_back("OnMouseUp"); };
  chart.OnClickBackground = [&](TCustomChart& c, TMouseButton, TShiftState, int, int) {
    log.push_back("background");
    c.SetCancelMouse(false);
  };
  chart.OnZoom = [&](TCustomQuilPanelExtended&) { log.push_back("OnZoom"); };
  chart.OnUndoZoom = [&](TCustomQuilPanelExtended&) { log.push_back("OnUndoZoom"); };
  chart.OnScroll = [&](TCustomQuilPanelExtended&) { log.push_back("OnScroll"); };
  LeftDrag({X(20), Y(80)}, {X(60), Y(40)});
  EXPECT_EQ(log, (std::vector<std::string>{"OnMouseDown", "tool 0", "background", "tool 1", "OnMouseUp", "OnZoom",
                                           "tool 2"}));
  Paint();
  log.clear();
  LeftDrag({X(55), Y(45)}, {X(30), Y(70)});
  Drag(TMouseButton::mbRight, {{X(40), Y(60)}, {X(45), Y(60)}});
  EXPECT_EQ(log, (std::vector<std::string>{"OnMouseDown", "tool 0", "background", "tool 1", "OnMouseUp",
                                           "OnUndoZoom", "tool 2", "OnMouseDown", "tool 0", "background", "tool 1",
                                           "OnScroll", "OnMouseUp", "tool 2"}));
  tool.SetParenrOvede(nullptr);
}

TEST_F(ChartClickEventsTest, AToolThatClaimsThePressKeepsClickEventsAndZoomAway) {
  TMouseLogTool first, second;
  first.SetParenrOvede(&chart);
  second.SetParenrOvede(&chart);
  chart.OnClickBackground = [&](TCustomChart& c, TMouseButton, TShiftState, int, int) {
    log.push_back("background");
    c.SetCancelMouse(false);
  };
  first.claimPresses = true;
  Press({X(40), Y(60)});
  chart.MouseMove(ssLeft, X(80), Y(20));
  Release({X(80), Y(20)});
  EXPECT_EQ(first.log, (std::vector<std::string>{"mouse0@" + std::to_string(X(40)) + "," + std::to_string(Y(60)),
                                                 "mouse1@" + std::to_string(X(80)) + "," + std::to_string(Y(20)),
                                                 "mouse2@" + std::to_string(X(80)) + "," + std::to_string(Y(20))}));
  EXPECT_EQ(second.log.size(), 2u) << "the claimed press stops at the first tool";
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(chart.Zoomed());

  first.claimPresses = false;
  first.SetActive(false);
  first.log.clear();
  LeftDrag({X(40), Y(60)}, {X(80), Y(20)});
  EXPECT_TRUE(first.log.empty()) << "an inactive tool hears nothing";
  EXPECT_EQ(log, std::vector<std::string>{"background"});
  EXPECT_TRUE(chart.Zoomed());
  first.SetParenrOvede(nullptr);
  second.SetParenrOvede(nullptr);
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include "canvas/canvas_classes.h"
#include "core/rounding.h"
#include "rovede_axis_test_support.h"

namespace quil {
namespace {

using testing::TAxisTestChart;

class RovedeAxisLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitializeCanvas3DUnit();
    chart_.SetBounds(0, 0, 400, 300);
    chart_.ChartRect = TRect{40, 30, 360, 270};
    chart_.ReCalcWidthHeight();
  }
  void TearDown() override { FinalizeCanvas3DUnit(); }

  int HeightOfW(const TQuilFont& font) {
    chart_.PrepareFont3D(font);
    return chart_.Canvas().TextHeight("W");
  }

  TComponent form_;
  TAxisTestChart& chart_ = MakeOwned<TAxisTestChart>(form_);
};

TEST_F(RovedeAxisLayoutTest, RectangleEdgeAndOutwardDirectionPerSide) {
  const TRect rect{10, 20, 110, 220};
  EXPECT_EQ(chart_.Bottom().GetRectangleEdge(rect), 220);
  EXPECT_EQ(chart_.Top().GetRectangleEdge(rect), 20);
  EXPECT_EQ(chart_.Left().GetRectangleEdge(rect), 10);
  EXPECT_EQ(chart_.Right().GetRectangleEdge(rect), 110);
  EXPECT_EQ(chart_.Bottom().InflateAxisPos(100, 5), 105);
  EXPECT_EQ(chart_.Top().InflateAxisPos(100, 5), 95);
  EXPECT_EQ(chart_.Left().InflateAxisPos(100, 5), 95);
  EXPECT_EQ(chart_.Right().InflateAxisPos(100, 5), 105);
}

TEST_F(RovedeAxisLayoutTest, InflateAxisRectNeverPassesTheOppositeEdge) {
  struct Case {
    ROvedeAxis* axis;
    TRect small, huge;
  };
  const TRect rect{10, 20, 110, 220};
  const Case cases[] = {{&chart_.Bottom(), {10, 20, 110, 205}, {10, 20, 110, 21}},
                        {&chart_.Top(), {10, 35, 110, 220}, {10, 219, 110, 220}},
                        {&chart_.Left(), {25, 20, 110, 220}, {109, 20, 110, 220}},
                        {&chart_.Right(), {10, 20, 95, 220}, {10, 20, 11, 220}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.axis->Identifier());
    TRect r = rect;
    c.axis->InflateAxisRect(r, 15);
    EXPECT_EQ(r, c.small);
    r = rect;
    c.axis->InflateAxisRect(r, 100000);
    EXPECT_EQ(r, c.huge);
  }
}

TEST_F(RovedeAxisLayoutTest, ApplyPositionMovesInwardsByPercentOrPixels) {
  const TRect rect{0, 0, 200, 100};
  chart_.Bottom().SetPositionPercent(10);
  chart_.Top().SetPositionPercent(10);
  chart_.Left().SetPositionPercent(10);
  chart_.Right().SetPositionPercent(10);
  EXPECT_EQ(chart_.Bottom().ApplyPosition(100, rect), 90);
  EXPECT_EQ(chart_.Top().ApplyPosition(0, rect), 10);
  EXPECT_EQ(chart_.Left().ApplyPosition(0, rect), 20);
  EXPECT_EQ(chart_.Right().ApplyPosition(200, rect), 180);
  chart_.Left().SetPositionUnits(muPixels);
  EXPECT_EQ(chart_.Left().ApplyPosition(0, rect), 10);
}

TEST_F(RovedeAxisLayoutTest, SizeTickAxisCountsLineTicksAndMinorTicks) {
  ROvedeAxis& axis = chart_.Bottom();
  EXPECT_EQ(axis.SizeTickAxis(true), 2 + 1 + 4);
  EXPECT_EQ(axis.SizeTickAxis(false), 3);
  axis.Axis().SetVisible(false);
  EXPECT_EQ(axis.SizeTickAxis(true), 4);
  axis.Ticks().SetVisible(false);
  EXPECT_EQ(axis.SizeTickAxis(true), 2);  // the minor ticks' length
}

TEST_F(RovedeAxisLayoutTest, HorizontalAxisTakesTitleLabelsAndTicksFromTheBottom) {
  ROvedeAxis& axis = chart_.Bottom();
  axis.SetMinMax(0, 100);
  chart_.PlaceAxis(axis);
  const int labelsHeight = HeightOfW(axis.LabelsFormat().Font());
  ASSERT_GT(labelsHeight, 0);

  axis.SetLabels(false);
  TRect rect = chart_.ChartRect;
  axis.CalcRect(rect, true);
  EXPECT_EQ(rect, (TRect{40, 30, 360, 270 - 7}));

  axis.SetLabels(true);
  rect = chart_.ChartRect;
  axis.CalcRect(rect, true);
  EXPECT_EQ(rect.Bottom, 270 - labelsHeight - 7);
  EXPECT_EQ(axis.PosLabels, 270 - labelsHeight + QuilRound(0.1 * labelsHeight));

  axis.Title().SetCaption("Time");
  const int titleHeight = HeightOfW(axis.Title().Font());
  rect = chart_.ChartRect;
  axis.CalcRect(rect, true);
  EXPECT_EQ(rect.Bottom, 270 - titleHeight - labelsHeight - 7);
  EXPECT_EQ(axis.PosTitle, 270 - titleHeight);
  EXPECT_EQ(rect.Left, 40);
  EXPECT_EQ(rect.Right, 360);
}

TEST_F(RovedeAxisLayoutTest, VerticalAxisTakesTheWidestLabelFromTheLeft) {
  ROvedeAxis& axis = chart_.Left();
  axis.SetMinMax(0, 1000);
  chart_.PlaceAxis(axis);
  const int widest = axis.MaxLabelsWidth();
  chart_.PrepareFont3D(axis.LabelsFormat().Font());
  EXPECT_GE(widest, chart_.Canvas().TextWidth("1,000"));
  TRect rect = chart_.ChartRect;
  axis.CalcRect(rect, true);
  EXPECT_EQ(rect, (TRect{40 + widest + 7, 30, 360, 270}));

  // A title turned along the axis takes one text line.
  axis.Title().SetCaption("Volts");
  const int titleHeight = HeightOfW(axis.Title().Font());
  rect = chart_.ChartRect;
  axis.CalcRect(rect, true);
  EXPECT_EQ(rect.Left, 40 + titleHeight + widest + 7);
}

TEST_F(RovedeAxisLayoutTest, AxisWithoutResizeChartOnlyPlacesItself) {
  ROvedeAxis& axis = chart_.Right();
  axis.SetMinMax(0, 10);
  chart_.PlaceAxis(axis);
  TRect rect = chart_.ChartRect;
  axis.CalcRect(rect, false);
  EXPECT_EQ(rect, chart_.ChartRect);
  EXPECT_EQ(axis.PosAxis, 360);
  EXPECT_EQ(axis.PosLabels, 367);
  EXPECT_EQ(axis.PosTitle, 367 + axis.SizeLabels());
}

TEST_F(RovedeAxisLayoutTest, FixedSizesReplaceMeasuring) {
  ROvedeAxis& axis = chart_.Bottom();
  axis.SetLabelsSize(25);
  EXPECT_EQ(axis.SizeLabels(), 25);
  axis.SetLabelsAlternate(true);
  EXPECT_EQ(axis.SizeLabels(), 50);
}

TEST_F(RovedeAxisLayoutTest, SpanFollowsStartAndEndPosition) {
  ROvedeAxis& bottom = chart_.Bottom();
  bottom.SetEndPosition(50);
  chart_.PlaceAxis(bottom);
  EXPECT_EQ(bottom.IStartPos(), 40);
  EXPECT_EQ(bottom.IEndPos(), 200);
  EXPECT_EQ(bottom.IAxisSize(), 160);
  ROvedeAxis& left = chart_.Left();
  left.SetStartPosition(25);
  chart_.PlaceAxis(left);
  EXPECT_EQ(left.IStartPos(), 90);
  EXPECT_EQ(left.IEndPos(), 270);
}

TEST_F(RovedeAxisLayoutTest, MappingRunsTheOtherWayWhenInverted) {
  struct Case {
    ROvedeAxis* axis;
    int minimumPos, maximumPos;
  };
  const Case cases[] = {{&chart_.Bottom(), 40, 360}, {&chart_.Left(), 270, 30}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.axis->Identifier());
    c.axis->SetMinMax(0, 10);
    chart_.PlaceAxis(*c.axis);
    EXPECT_EQ(c.axis->CalcPosValue(0), c.minimumPos);
    EXPECT_EQ(c.axis->CalcPosValue(10), c.maximumPos);
    EXPECT_DOUBLE_EQ(c.axis->CalcPosPoint(c.maximumPos), 10);
    c.axis->SetInverted(true);
    chart_.PlaceAxis(*c.axis);
    EXPECT_EQ(c.axis->CalcPosValue(0), c.maximumPos);
    EXPECT_EQ(c.axis->CalcPosValue(10), c.minimumPos);
  }
}

TEST_F(RovedeAxisLayoutTest, DepthPositionsFollowTheBox) {
  chart_.SetWidth3D(40);
  chart_.SetHeight3D(20);
  ROvedeAxis& top = chart_.Top();
  chart_.PlaceAxis(top);
  EXPECT_EQ(top.IZPos, 40);
  ROvedeAxis& depth = chart_.Depth();
  depth.SetZPosition(50);
  chart_.PlaceAxis(depth);
  EXPECT_EQ(depth.IStartPos(), 0);
  EXPECT_EQ(depth.IEndPos(), 40);
  EXPECT_EQ(depth.IZPos, 10);
}

}  // namespace
}  // namespace quil

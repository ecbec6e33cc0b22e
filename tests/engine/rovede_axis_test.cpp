#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "canvas/canvas_classes.h"
#include "engine/axis_exception.h"
#include "core/messages.h"
#include "../core/scripted_reader.h"
#include "rovede_axis_test_support.h"

namespace quil {
namespace {

using testing::TAxisTestChart;

class RovedeAxisTest : public ::testing::Test {
 protected:
  void SetUp() override { InitializeCanvas3DUnit(); }
  void TearDown() override { FinalizeCanvas3DUnit(); }

  TComponent form_;
  TAxisTestChart& chart_ = MakeOwned<TAxisTestChart>(form_);
};

TEST_F(RovedeAxisTest, StandardAxesInOrderWithTheirSidesAndDepths) {
  struct Expected {
    const char* id;
    bool horizontal, otherSide, depth, visible;
    double z;
    int titleAngle;
  };
  const Expected expected[] = {{"Bottom", true, false, false, true, 0, 0},   {"Top", true, true, false, true, 100, 0},
                               {"Left", false, false, false, true, 0, 90},   {"Right", false, true, false, true, 100, 270},
                               {"Depth", false, true, true, false, 0, 270},  {"DepthTop", false, false, true, false, 0, 90}};
  ASSERT_EQ(chart_.Axes().Count(), 6);
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(expected[i].id);
    ROvedeAxis& axis = chart_.Axes()[i];
    EXPECT_EQ(&axis, chart_.StandardAxes()[i].get());
    EXPECT_EQ(axis.Identifier(), expected[i].id);
    EXPECT_EQ(axis.Horizontal(), expected[i].horizontal);
    EXPECT_EQ(axis.OtherSide(), expected[i].otherSide);
    EXPECT_EQ(axis.IsDepthAxis(), expected[i].depth);
    EXPECT_EQ(axis.Visible(), expected[i].visible);
    EXPECT_EQ(axis.ZPosition(), expected[i].z);
    EXPECT_EQ(axis.Grid().ZPosition(), expected[i].z);
    EXPECT_EQ(axis.Title().Angle(), expected[i].titleAngle);
    EXPECT_TRUE(axis.ResizeChart());
    EXPECT_EQ(axis.ParentChart(), &chart_);
    EXPECT_EQ(TCustomAxisPanel::ChartOfAxis(axis), &chart_);
  }
}

TEST_F(RovedeAxisTest, PublishedDefaults) {
  const ROvedeAxis& axis = chart_.Left();
  EXPECT_TRUE(axis.Automatic());
  EXPECT_TRUE(axis.AutomaticMinimum());
  EXPECT_TRUE(axis.AutomaticMaximum());
  EXPECT_EQ(axis.Increment(), 0);
  EXPECT_FALSE(axis.Logarithmic());
  EXPECT_EQ(axis.LogarithmicBase(), 10);
  EXPECT_FALSE(axis.Inverted());
  EXPECT_EQ(axis.AxisValuesFormat(), "#,##0.###");
  EXPECT_EQ(axis.DateTimeFormat(), "");
  EXPECT_EQ(axis.LabelsSeparation(), 10);
  EXPECT_EQ(axis.LabelsAngle(), 0);
  EXPECT_EQ(axis.LabelStyle(), talAuto);
  EXPECT_TRUE(axis.Labels());
  EXPECT_EQ(axis.TickLength(), 4);
  EXPECT_EQ(axis.TickInnerLength(), 0);
  EXPECT_EQ(axis.MinorTickLength(), 2);
  EXPECT_EQ(axis.MinorTickCount(), 3);
  EXPECT_EQ(axis.StartPosition(), 0);
  EXPECT_EQ(axis.EndPosition(), 100);
  EXPECT_EQ(axis.PositionPercent(), 0);
  EXPECT_EQ(axis.PositionUnits(), muPercent);
  EXPECT_EQ(axis.Axis().Width(), 2);
  EXPECT_EQ(axis.Axis().LineMode(), lmLine);
  EXPECT_EQ(axis.Grid().Color(), TColor(0xC0C0C0));
  EXPECT_EQ(axis.Grid().DrawEvery(), 1);
  EXPECT_FALSE(axis.Grid().DrawAlways());
  EXPECT_FALSE(axis.Grid().Centered());
  EXPECT_FALSE(axis.MinorGrid().Visible());
  EXPECT_TRUE(axis.Ticks().Visible());
  EXPECT_TRUE(axis.LabelsFormat().Transparent());
  EXPECT_TRUE(axis.Title().Transparent());
  EXPECT_EQ(axis.Title().Position(), tpCenter);
  EXPECT_TRUE(axis.Items().empty());
  EXPECT_TRUE(static_cast<const ROvedeDepthAxis&>(*chart_.StandardAxes()[4]).LabelsAsSeriesTitles());
}

// Every rejected write names the rule and leaves the setting as it was.
TEST_F(RovedeAxisTest, RejectedWritesRaiseTheAxisMessages) {
  ROvedeAxis& axis = chart_.Bottom();
  axis.SetMinMax(0, 10);
  struct Case {
    const char* name;
    std::function<void()> write;
    const std::string& message;
    std::function<bool()> unchanged;
  };
  const Case cases[] = {
      {"minimum above maximum", [&] { axis.SetMinimum(11); }, QuilMsg_AxisMinMax, [&] { return axis.Minimum() == 0; }},
      {"maximum below minimum", [&] { axis.SetMaximum(-1); }, QuilMsg_AxisMaxMin, [&] { return axis.Maximum() == 10; }},
      {"negative increment", [&] { axis.SetIncrement(-1); }, QuilMsg_AxisIncrementNeg,
       [&] { return axis.Increment() == 0; }},
      {"increment NaN", [&] { axis.SetIncrement(std::nan("")); }, QuilMsg_AxisIncrementNeg,
       [&] { return axis.Increment() == 0; }},
      {"log base 1", [&] { axis.SetLogarithmicBase(1); }, QuilMsg_AxisLogBase,
       [&] { return axis.LogarithmicBase() == 10; }},
      {"log base 0", [&] { axis.SetLogarithmicBase(0); }, QuilMsg_AxisLogBase,
       [&] { return axis.LogarithmicBase() == 10; }},
      {"negative separation", [&] { axis.SetLabelsSeparation(-1); }, QuilMsg_AxisLabelSep,
       [&] { return axis.LabelsSeparation() == 10; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      c.write();
      ADD_FAILURE() << "no exception";
    } catch (const AxisException& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
    EXPECT_TRUE(c.unchanged());
  }
}

TEST_F(RovedeAxisTest, LogarithmicRefusesANegativeRange) {
  ROvedeAxis& axis = chart_.Left();
  axis.SetMinMax(-5, 10);
  try {
    axis.SetLogarithmic(true);
    ADD_FAILURE() << "no exception";
  } catch (const AxisException& e) {
    EXPECT_EQ(std::string(e.what()), QuilMsg_AxisLogNotPositive);
  }
  EXPECT_FALSE(axis.Logarithmic());
}

TEST_F(RovedeAxisTest, StoredEndsAcceptAnyOrder) {
  ROvedeAxis& axis = chart_.Left();
  axis.SetStoredMaximum(-10);
  axis.SetStoredMinimum(-20);
  EXPECT_EQ(axis.Minimum(), -20);
  EXPECT_EQ(axis.Maximum(), -10);
  EXPECT_THROW(axis.SetMaximum(-30), AxisException);
}

TEST_F(RovedeAxisTest, InvertingOneDepthAxisInvertsTheOther) {
  chart_.Depth().SetInverted(true);
  EXPECT_TRUE(chart_.DepthTop().Inverted());
  chart_.DepthTop().SetInverted(false);
  EXPECT_FALSE(chart_.Depth().Inverted());
  EXPECT_FALSE(chart_.Left().Inverted());
}

TEST_F(RovedeAxisTest, LeavingTheChartClearsBothLinks) {
  auto axis = std::make_unique<ROvedeAxis>(&chart_, true, false);
  chart_.Axes().Add(*axis);
  ASSERT_EQ(chart_.Axes().Count(), 7);
  axis.reset();
  EXPECT_EQ(chart_.Axes().Count(), 6);
  chart_.Left().DetachChart();
  EXPECT_EQ(chart_.Left().ParentChart(), nullptr);
  EXPECT_EQ(chart_.Axes().IndexOf(&chart_.Left()), -1);
}

TEST_F(RovedeAxisTest, AssignCopiesSettings) {
  ROvedeAxis& from = chart_.Left();
  from.SetMinMax(-3, 7);
  from.SetIncrement(2);
  from.SetTickLength(9);
  from.Title().SetCaption("Volts");
  from.AddItem(1, "one");
  ROvedeAxis& to = chart_.Right();
  to.Assign(from);
  EXPECT_EQ(to.Minimum(), -3);
  EXPECT_EQ(to.Maximum(), 7);
  EXPECT_FALSE(to.AutomaticMinimum());
  EXPECT_EQ(to.Increment(), 2);
  EXPECT_EQ(to.TickLength(), 9);
  EXPECT_EQ(to.Title().Caption(), "Volts");
  ASSERT_EQ(to.Items().size(), 1u);
  EXPECT_EQ(to.Items()[0].Text, "one");
}

TEST_F(RovedeAxisTest, ItemsAndOldGridDepthFromTheStream) {
  ROvedeAxis& axis = chart_.Left();
  axis.AddItem(1, "stale");
  test::TScriptedReader reader({test::TListBegin{}, int64_t{5}, std::string("low"), int64_t{35}, std::string("high"),
                                test::TListEnd{}});
  test::TDefinedPropertyRunner items("Items", reader);
  ASSERT_TRUE(items.Run(axis));
  EXPECT_TRUE(items.HasData());
  EXPECT_TRUE(reader.AtEnd());
  ASSERT_EQ(axis.Items().size(), 2u);
  EXPECT_EQ(axis.Items()[0].Value, 5);
  EXPECT_EQ(axis.Items()[0].Text, "low");
  EXPECT_EQ(axis.Items()[1].Value, 35);
  EXPECT_EQ(axis.Items()[1].Text, "high");

  ROvedeAxis& right = chart_.Right();
  test::TScriptedReader zZero({int64_t{1}});
  test::TDefinedPropertyRunner grid("ZZero", zZero);
  ASSERT_TRUE(grid.Run(right.Grid()));
  EXPECT_EQ(right.Grid().ZPosition(), 0);
}

}  // namespace
}  // namespace quil

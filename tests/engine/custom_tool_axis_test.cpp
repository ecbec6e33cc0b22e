#include <gtest/gtest.h>

#include <memory>

#include "core/component.h"
#include "engine/capturing_filer.h"
#include "engine/custom_tool_axis.h"
#include "engine/rovede_axis.h"
#include "series_test_support.h"

namespace quil {
namespace {

using testing::TCapturingFiler;
using testing::TIntegerReader;
using testing::TIntegerWriter;
using testing::TTestAxisPanel;

class CustomToolAxisTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (ROvedeAxis* axis : {&bottom_, &left_}) first_.Axes().Add(*axis);
    second_.Axes().Add(other_);
  }

  TComponent form_;
  TTestAxisPanel& first_ = MakeOwned<TTestAxisPanel>(form_);
  TTestAxisPanel& second_ = MakeOwned<TTestAxisPanel>(form_);
  TQuilCustomToolAxis& tool_ = MakeOwned<TQuilCustomToolAxis>(form_);
  ROvedeAxis bottom_{&first_, true, false};
  ROvedeAxis left_{&first_, false, false};
  ROvedeAxis other_{&second_, true, false};
};

TEST_F(CustomToolAxisTest, AnAxisOfAnotherChartMovesTheTool) {
  tool_.SetAxis(&left_);
  EXPECT_EQ(tool_.ParenrOvede(), &first_);
  EXPECT_EQ(first_.Tools().IndexOf(tool_), 0);

  tool_.SetAxis(&other_);
  EXPECT_EQ(tool_.ParenrOvede(), &second_);
  EXPECT_EQ(first_.Tools().Count(), 0);
  EXPECT_EQ(second_.Tools().IndexOf(tool_), 0);
}

TEST_F(CustomToolAxisTest, RemovingTheAxisClearsTheLink) {
  tool_.SetAxis(&bottom_);
  first_.RemoveAxis(bottom_);
  EXPECT_EQ(tool_.Axis(), nullptr);
  EXPECT_EQ(first_.Axes().Count(), 1);
  EXPECT_EQ(tool_.ParenrOvede(), &first_);
}

TEST_F(CustomToolAxisTest, AxisIdIsTheIndexInTheChartsAxes) {
  tool_.SetAxis(&left_);
  TCapturingFiler filer;
  tool_.DefineProperties(filer);
  ASSERT_TRUE(filer.Defined.count("AxisID"));
  EXPECT_TRUE(filer.Defined["AxisID"].HasData);
  TIntegerWriter writer;
  filer.Defined["AxisID"].Write(writer);
  EXPECT_EQ(writer.Written, (std::vector<int64_t>{1}));

  TIntegerReader reader(0);
  filer.Defined["AxisID"].Read(reader);
  EXPECT_EQ(tool_.Axis(), &bottom_);
}

TEST_F(CustomToolAxisTest, AxisIdIsIgnoredWithoutAChartOrOutOfRange) {
  TCapturingFiler filer;
  tool_.DefineProperties(filer);
  EXPECT_FALSE(filer.Defined["AxisID"].HasData);
  TIntegerReader reader(0);
  filer.Defined["AxisID"].Read(reader);
  EXPECT_EQ(tool_.Axis(), nullptr);

  tool_.SetParenrOvede(&first_);
  TIntegerReader beyond(7);
  filer.Defined["AxisID"].Read(beyond);
  EXPECT_EQ(tool_.Axis(), nullptr);
}

TEST_F(CustomToolAxisTest, AnAxisOutlivingItsChartForgetsIt) {
  std::unique_ptr<ROvedeAxis> survivor;
  {
    TComponent form;
    auto& chart = MakeOwned<TTestAxisPanel>(form);
    survivor = std::make_unique<ROvedeAxis>(&chart, true, false);
    chart.Axes().Add(*survivor);
  }
  EXPECT_EQ(survivor->ParentChart(), nullptr);
}

}  // namespace
}  // namespace quil

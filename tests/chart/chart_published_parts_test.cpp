#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/font.h"
#include "chart/rovede.h"
#include "core/property_path.h"
#include "engine/rovede_axis.h"

namespace quil {
namespace {

class ChartPublishedPartsTest : public ::testing::Test {
 protected:
  // The value and stored state of a property reached by a stored path.
  int64_t Value(const std::string& path) {
    const TPropertyPathEnd end = ResolvePropertyPath(chart, path);
    EXPECT_NE(end.Property, nullptr) << path;
    return end.Property ? PropValueToInt(end.Property->Get(*end.Instance)) : -1;
  }
  bool Stored(const std::string& path) {
    const TPropertyPathEnd end = ResolvePropertyPath(chart, path);
    return end.Property && end.Property->IsStored(*end.Instance);
  }
  void Set(const std::string& path, int64_t value) {
    const TPropertyPathEnd end = ResolvePropertyPath(chart, path);
    ASSERT_NE(end.Property, nullptr) << path;
    SetPropertyValue(*end.Instance, *end.Property, value);
  }

  ROvede chart;
};

TEST_F(ChartPublishedPartsTest, PathsReachTitleAndWallDefaultsThatAreNotStored) {
  const struct {
    const char* path;
    int64_t value;
  } cases[] = {
      {"Title.Font.Color", clBlue},
      {"Title.Alignment", taCenter},
      {"Title.TextAlignment", taCenter},
      {"Title.Transparent", 1},
      {"Title.AdjustFrame", 1},
      {"Title.VertMargin", 5},
      {"SubTitle.Font.Color", clBlue},
      {"Foot.Font.Color", clRed},
      {"SubFoot.Font.Style", fsItalic},
      {"LeftWall.Color", 0x80FFFF},
      {"LeftWall.Transparent", 0},
      {"LeftWall.RoundSize", 16},
      {"LeftWall.Dark3D", 1},
      {"LeftWall.EndPosition", 100},
      {"LeftWall.StartPosition", 0},
      {"BottomWall.Color", clWhite},
      {"BackWall.Color", clSilver},
      {"BackWall.Transparent", 1},
      {"BackWall.Pen.Visible", 1},
      {"BackWall.Shadow.Visible", 0},
      {"BackWall.Shadow.Color", clGray},
      {"BackWall.Emboss.Color", clGray},
      {"RightWall.Visible", 0},
      {"RightWall.Color", clSilver},
      {"Walls.Visible", 1},
      {"BottomAxis.Visible", 1},
      {"TopAxis.Visible", 1},
      {"LeftAxis.Axis.Width", 2},
      {"RightAxis.Grid.Color", 0xC0C0C0},
      {"DepthAxis.Visible", 0},
      {"DepthTopAxis.Visible", 0},
      {"Legend.Alignment", laRight},
      {"Legend.Visible", 1},
      {"Legend.CheckBoxes", 0},
      {"Legend.Color", clWhite},
      {"Legend.Frame.Visible", 1},
      {"Legend.Shadow.Visible", 1},
      {"Legend.Shadow.Color", clBlack},
      {"Legend.Shadow.HorizSize", 3},
      {"Legend.TopPos", 10},
      {"Legend.TextSymbolGap", 2},
      {"Legend.LegendStyle", lsAuto},
      {"Legend.TextStyle", ltsLeftValue},
      {"Legend.ResizeChart", 1},
      {"Legend.DividingLines.Visible", 0},
      {"Legend.DividingLines.EndStyle", esFlat},
      {"Legend.Gradient.Direction", gdBottomTop},
      {"Legend.Gradient.Visible", 0},
      {"Legend.Symbol.Width", 20},
      {"Legend.Symbol.Squared", 1},
      {"Legend.Symbol.Shadow.HorizSize", 1},
      {"Legend.Title.Transparent", 1},
      {"Legend.Title.Font.Style", fsBold},
      {"Legend.Title.TextAlignment", taCenter},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(Value(c.path), c.value);
    EXPECT_FALSE(Stored(c.path)) << "a default is left out of the stream";
  }
}

TEST_F(ChartPublishedPartsTest, ValuesSetThroughPathsReachTheChartsParts) {
  Set("Title.Font.Color", clGreen);
  EXPECT_EQ(chart.Title().Font().Color(), clGreen);
  EXPECT_TRUE(Stored("Title.Font.Color"));
  Set("Foot.AdjustFrame", 0);
  EXPECT_FALSE(chart.Foot().AdjustFrame());
  Set("LeftAxis.Visible", 0);
  EXPECT_FALSE(chart.LeftAxis().Visible());
  EXPECT_EQ(&chart.LeftAxis(), &chart.Axes()[2]);
  Set("LeftWall.Size", 6);
  EXPECT_EQ(chart.LeftWall().Size(), 6);
  Set("BackWall.Pen.Visible", 0);
  EXPECT_FALSE(chart.Frame().Visible()) << "the chart's frame is the back wall's pen";
  Set("Frame.Width", 3);
  EXPECT_EQ(chart.BackWall().Pen().Width(), 3);
  Set("Legend.Alignment", laBottom);
  EXPECT_EQ(chart.Legend().Alignment(), laBottom);
  EXPECT_TRUE(Stored("Legend.Alignment"));
  Set("Legend.Symbol.Width", 12);
  EXPECT_EQ(chart.Legend().ColorWidth(), 12) << "the legend's ColorWidth is its symbol's width";
  Set("Walls.Visible", 0);
  EXPECT_FALSE(chart.View3DWalls());
  Set("Walls.Size", 4);
  for (const TCustomChartWall* wall : std::vector<const TCustomChartWall*>{
           &chart.LeftWall(), &chart.BottomWall(), &chart.BackWall(), &chart.RightWall()})
    EXPECT_EQ(wall->Size(), 4);

  const TPropertyPathEnd lines = ResolvePropertyPath(chart, "Title.Text.Strings");
  EXPECT_EQ(lines.Instance, &chart.Title().Lines()) << "the stored lines fill the title's list";
  EXPECT_EQ(lines.Property, nullptr);
}

TEST_F(ChartPublishedPartsTest, WallColourIsStoredOnlyWhenItDiffersFromItsDefault) {
  chart.RightWall();
  for (TCustomChartWall* wall : std::vector<TCustomChartWall*>{&chart.LeftWall(), &chart.BottomWall(),
                                                                &chart.BackWall(), &chart.RightWall()}) {
    SCOPED_TRACE(wall->ClassName());
    const TPropInfo* color = wall->ClassType().FindProperty("Color");
    ASSERT_NE(color, nullptr);
    EXPECT_EQ(wall->Color(), wall->DefaultColor());
    EXPECT_FALSE(color->IsStored(*wall));
    wall->SetColor(clNavy);
    EXPECT_TRUE(color->IsStored(*wall));
    wall->SetColor(wall->DefaultColor());
    EXPECT_FALSE(color->IsStored(*wall));
    wall->InitColor(clNavy);
    EXPECT_FALSE(color->IsStored(*wall)) << "a new default";
  }
}

TEST_F(ChartPublishedPartsTest, TitlesAndTheRightWallAreStoredOnceTheyExist) {
  const TMetaClass& meta = chart.ClassType();
  for (const char* name : {"Title", "SubTitle", "Foot", "SubFoot", "RightWall"}) {
    SCOPED_TRACE(name);
    const TPropInfo* property = meta.FindProperty(name);
    ASSERT_NE(property, nullptr);
    EXPECT_FALSE(property->IsStored(chart));
    property->Object(chart);
    EXPECT_TRUE(property->IsStored(chart));
  }
  EXPECT_EQ(chart.TitleOrNull(2)->ClassName(), "ROvedeFootTitle");
  EXPECT_FALSE(meta.FindProperty("Frame")->IsStored(chart)) << "stored as the back wall's pen";
}

TEST_F(ChartPublishedPartsTest, TitleSettersCopySettingsButKeepTheSide) {
  ROvedeTitle source;
  source.SetText("copied");
  source.SetAdjustFrame(false);
  source.SetVertMargin(9);
  source.Font().SetColor(clMaroon);
  chart.SetFoot(source);
  chart.SetSubTitle(source);
  for (ROvedeTitle* title : {&chart.Foot(), &chart.SubTitle()}) {
    EXPECT_EQ(title->Lines().Lines(), std::vector<std::string>{"copied"});
    EXPECT_FALSE(title->AdjustFrame());
    EXPECT_EQ(title->VertMargin(), 9);
    EXPECT_EQ(title->Font().Color(), clMaroon);
  }
  EXPECT_FALSE(chart.Foot().IOnTop);
  EXPECT_TRUE(chart.SubTitle().IOnTop);
}

TEST_F(ChartPublishedPartsTest, WallsShowAndHideWithTheChartsWalls) {
  chart.Walls().Hide();
  EXPECT_FALSE(chart.View3DWalls());
  EXPECT_FALSE(chart.Walls().Visible());
  chart.SetView3DWalls(true);
  EXPECT_TRUE(chart.Walls().Visible());
  EXPECT_EQ(chart.RightWallOrNull(), nullptr) << "showing the walls creates no right wall";
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "canvas/view3d_options.h"
#include "series/surface/surface_test_support.h"

namespace quil::testing {
namespace {

TEST(SurfaceSeriesSettings, PublishedSettingsStartAtTheirDefaults) {
  TSurfaceSeries series;
  for (const char* name : {"DotFrame", "FastBrush", "HideCells", "SideBrush", "SideLines", "SmoothPalette", "WireFrame"})
    EXPECT_NE(TSurfaceSeries::StaticClass().FindProperty(name), nullptr) << name;
  for (const TPropInfo* p : TSurfaceSeries::StaticClass().Properties()) {
    if (p->Kind == TPropKind::Class || p->Kind == TPropKind::Event || !p->Default) continue;
    EXPECT_FALSE(p->IsStored(series)) << p->Name << " differs from its default";
  }
  EXPECT_TRUE(series.HideCells());
  EXPECT_FALSE(series.DotFrame() || series.WireFrame() || series.FastBrush() || series.SmoothPalette());
  EXPECT_EQ(series.SideBrush().Style(), bsClear);
  EXPECT_FALSE(series.SideLines().Visible());
  EXPECT_FALSE(series.Selected().Hover().Visible());
  EXPECT_EQ(series.Selected().Hover().ShapeStyle(), fosEllipse);
}

TEST(SurfaceSeriesSettings, WireFrameAndDotFrameShowThePenAndExcludeEachOther) {
  TSurfaceSeries series;
  series.Pen().SetVisible(false);
  series.SetWireFrame(true);
  EXPECT_TRUE(series.Pen().Visible());
  series.Pen().SetVisible(false);
  series.SetDotFrame(true);
  EXPECT_TRUE(series.DotFrame());
  EXPECT_FALSE(series.WireFrame());
  EXPECT_TRUE(series.Pen().Visible());
  series.SetWireFrame(true);
  EXPECT_FALSE(series.DotFrame());
  series.SetWireFrame(false);
  EXPECT_FALSE(series.WireFrame() || series.DotFrame());
}

TEST(SurfaceSeriesSettings, AssignCopiesHideCellsAndAssignFormattingTheLook) {
  TSurfaceSeries source;
  source.SetHideCells(false);
  source.SetSmoothPalette(true);
  source.SetWireFrame(true);
  source.SideBrush().SetStyle(bsSolid);
  source.SideBrush().SetColor(clRed);
  source.SideLines().SetVisible(true);
  source.SetUsePalette(true);

  TSurfaceSeries look;
  look.AssignFormatting(source);
  EXPECT_TRUE(look.HideCells()) << "HideCells is not part of the look";
  EXPECT_TRUE(look.SmoothPalette());
  EXPECT_TRUE(look.WireFrame());
  EXPECT_EQ(look.SideBrush().Style(), bsSolid);
  EXPECT_EQ(look.SideBrush().Color(), clRed);
  EXPECT_TRUE(look.SideLines().Visible());
  EXPECT_TRUE(look.UsePalette()) << "the palette's part comes along";

  TSurfaceSeries copy;
  copy.Assign(source);
  EXPECT_FALSE(copy.HideCells());
}

class SurfaceOrderTest : public SurfaceChart {
 protected:
  void Grid(int numX, int numZ) {
    FillGrid(numX, numZ, [](int x, int z) { return x + z; });
  }
  std::vector<TPoint> DrawnCells() {
    series.cells.clear();
    Render();
    return series.cells;
  }
};

// The first corners (grid positions) of the cells of a 4 x 3 grid in drawing order.
TEST_F(SurfaceOrderTest, CellsAreSortedFromTheBackOrWalkedByColumns) {
  Grid(4, 3);
  chart.View3DOptions().SetOrthogonal(false);
  const struct {
    int rotation;
    std::vector<TPoint> cells;
  } cases[] = {
      // From the front: the far row first, each row in column order.
      {345, {{2, 3}, {3, 3}, {4, 3}, {2, 2}, {3, 2}, {4, 2}}},
      // From behind: the nearest row (Z 0) is now the far one.
      {180, {{2, 1}, {3, 1}, {4, 1}, {2, 2}, {3, 2}, {4, 2}}},
      // From the side no sorting: column by column, each column from the back; below 180
      // degrees the rotation counts as inverted, so columns run the other way.
      {90, {{3, 3}, {3, 2}, {2, 3}, {2, 2}, {1, 3}, {1, 2}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rotation);
    chart.View3DOptions().SetRotation(c.rotation);
    EXPECT_EQ(DrawnCells(), c.cells);
  }
}

TEST_F(SurfaceOrderTest, PerspectiveViewStraightOnDrawsColumnsFromBothEndsInwards) {
  Grid(10, 2);
  series.SetHideCells(false);
  chart.View3DOptions().SetRotation(0);
  chart.View3DOptions().SetPerspective(15);
  std::vector<int> columns;
  for (const TPoint& cell : DrawnCells()) columns.push_back(cell.X);
  EXPECT_EQ(columns, (std::vector<int>{2, 10, 3, 9, 4, 8, 5, 7, 6}));
  chart.View3DOptions().SetPerspective(0);
  columns.clear();
  for (const TPoint& cell : DrawnCells()) columns.push_back(cell.X);
  EXPECT_EQ(columns, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

// A hole removes its cells from the sorted order and nothing else; the rest stays in depth
// order though depth values vary along the rows: from the largest depth value down seen from the
// front, from the smallest up seen from behind or with the depth axis turned round.
TEST_F(SurfaceOrderTest, SortedOrderWithHolesKeepsDepthOrder) {
  series.Clear();
  for (int z = 0; z < 6; ++z)
    for (int x = 0; x < 7; ++x)
      if ((x * 7 + z * 3) % 5 != 0) series.AddXYZ(x, x, z + 0.3 * std::sin(x * 1.7 + z));
  const struct {
    int rotation;
    bool depthInverted;
    bool ascending;
  } cases[] = {{345, false, false}, {180, false, true}, {345, true, true}, {180, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "rotation " << c.rotation << (c.depthInverted ? " inverted" : ""));
    chart.View3DOptions().SetRotation(c.rotation);
    chart.DepthAxis().SetInverted(c.depthInverted);
    std::vector<double> depths;
    const std::vector<TPoint> cells = DrawnCells();
    ASSERT_GT(cells.size(), 8u);
    for (const TPoint& cell : cells) {
      const int first = series.GridIndex()(cell.X, cell.Y);
      ASSERT_GE(first, 0);
      depths.push_back(series.GetZValue(first));
    }
    for (std::size_t k = 1; k < depths.size(); ++k)
      EXPECT_TRUE(c.ascending ? depths[k - 1] <= depths[k] : depths[k - 1] >= depths[k]) << "cell " << k;
  }
}

// DrawValue draws the one cell whose first corner is the point's own grid position, in the
// directions of the last drawing, on a regular and on an irregular grid.
TEST_F(SurfaceOrderTest, DrawValueDrawsTheCellOfThePointsGridPosition) {
  for (bool irregular : {false, true}) {
    SCOPED_TRACE(irregular);
    series.Clear();
    series.SetIrregularGrid(irregular);
    for (int z = 0; z < 3; ++z)
      for (int x = 0; x < 4; ++x) series.AddXYZ(irregular ? x * 1.5 - 2 : x + 10, x - z, irregular ? z * 0.25 : z + 5);
    Render();
    series.cells.clear();
    series.DrawValue(1 * 4 + 2);  // X column 3, Z row 2
    EXPECT_EQ(series.cells, (std::vector<TPoint>{{3, 2}}));
  }
}

TEST_F(SurfaceOrderTest, NoPointsDrawNothingAndHitNothing) {
  series.Clear();
  series.SideBrush().SetStyle(bsSolid);
  series.SideBrush().SetColor(clRed);
  const TBitmap& image = Render();
  EXPECT_TRUE(series.cells.empty());
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) ASSERT_NE(image.Pixel(x, y), clRed) << "no side walls either";
  EXPECT_EQ(series.Clicked(200, 150), -1);
  EXPECT_EQ(series.ClickedCell(200, 150), -1);
}

class SurfaceClickTest : public SurfaceChart {
 protected:
  void SetUp() override {
    FillGrid(4, 3, [](int x, int z) { return 0.5 * x - 0.3 * z; });
    chart.View3DOptions().SetOrthogonal(false);
    Render();
  }
  TPoint Screen(int index) {
    return Project(series.XValue(index), series.YValue(index), DepthOf(series.GetZValue(index)));
  }
};

TEST_F(SurfaceClickTest, ClickedFindsAPointWithinThreePixels) {
  for (int index : {0, 5, 11}) {
    SCOPED_TRACE(index);
    const TPoint p = Screen(index);
    EXPECT_EQ(series.Clicked(p.X + 3, p.Y - 3), index);
    EXPECT_EQ(series.Clicked(p.X - 4, p.Y), -1);
    EXPECT_EQ(series.Clicked(p.X, p.Y + 4), -1);
  }
}

// A click inside a cell answers the point at the cell's higher column and lower row, the first
// corner of the walk that visits near cells first.
TEST_F(SurfaceClickTest, ClickedCellAnswersTheCellUnderTheMouse) {
  const auto index = [&](int x, int z) { return z * 4 + x; };
  for (int z = 0; z < 2; ++z)
    for (int x = 0; x < 3; ++x) {
      SCOPED_TRACE(::testing::Message() << "cell " << x << "," << z);
      TPoint sum{};
      for (int corner : {index(x, z), index(x + 1, z), index(x + 1, z + 1), index(x, z + 1)}) {
        const TPoint p = Screen(corner);
        sum = {sum.X + p.X, sum.Y + p.Y};
      }
      EXPECT_EQ(series.ClickedCell(sum.X / 4, sum.Y / 4), index(x + 1, z));
    }
  EXPECT_EQ(series.ClickedCell(2, 2), -1);
}

// Through the chart a press near a point of the surface is a click on that point; inside a cell
// but away from its corners it is a press on the plotting area, which a zoom may take.
TEST_F(SurfaceClickTest, APressThroughTheChartFindsThePointUnderTheMouse) {
  std::vector<int> seriesClicks;
  int backgroundClicks = 0;
  chart.OnClickSeries = [&](TCustomChart&, ROvedeSeries& clicked, int index, TMouseButton, TShiftState, int, int) {
    EXPECT_EQ(&clicked, &series);
    seriesClicks.push_back(index);
  };
  chart.OnClickBackground = [&](TCustomChart&, TMouseButton, TShiftState, int, int) { ++backgroundClicks; };
  for (int index : {0, 6, 11}) {
    SCOPED_TRACE(index);
    const TPoint p = Screen(index);
    const ROvedeClickedPart part = chart.CalcClickedPart({p.X - 2, p.Y + 3});
    EXPECT_EQ(part.Part, cpSeries);
    EXPECT_EQ(part.ASeries, &series);
    EXPECT_EQ(part.PointIndex, index);
    chart.MouseDown(TMouseButton::mbLeft, ssLeft, p.X - 2, p.Y + 3);
    chart.MouseUp(TMouseButton::mbLeft, 0, p.X - 2, p.Y + 3);
  }
  EXPECT_EQ(seriesClicks, (std::vector<int>{0, 6, 11}));
  EXPECT_EQ(backgroundClicks, 0);

  TPoint middle{};
  for (int corner : {0, 1, 4, 5}) middle = {middle.X + Screen(corner).X, middle.Y + Screen(corner).Y};
  middle = {middle.X / 4, middle.Y / 4};
  ASSERT_EQ(series.Clicked(middle.X, middle.Y), -1) << "the cell is wide enough to press away from its corners";
  EXPECT_EQ(chart.CalcClickedPart(middle).Part, cpChartRect);
  chart.MouseDown(TMouseButton::mbLeft, ssLeft, middle.X, middle.Y);
  chart.MouseUp(TMouseButton::mbLeft, 0, middle.X, middle.Y);
  EXPECT_EQ(seriesClicks.size(), 3u);
  EXPECT_EQ(backgroundClicks, 1);
}

}  // namespace
}  // namespace quil::testing

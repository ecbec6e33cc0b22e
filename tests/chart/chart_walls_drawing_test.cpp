#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "canvas/gradient.h"
#include "chart/rovede.h"
#include "panel/headless_host.h"

namespace quil {
namespace {

int Channel(TColor c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

bool NearColor(TColor a, TColor b, int tolerance = 2) {
  for (int shift : {0, 8, 16})
    if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance) return false;
  return true;
}

TBitmap SolidPicture(TColor color) {
  TBitmap bitmap(16, 16);
  bitmap.Fill(color);
  return bitmap;
}

class ChartWallsDrawingTest : public ::testing::Test {
 public:
  ChartWallsDrawingTest() {
    chart.SetBounds(0, 0, 913, 705);
    host = std::make_unique<THeadlessHost>(chart);
  }

  // Points inside each wall of the default 3D box, away from the centre grid lines.
  TPoint LeftWallPoint() const {
    const TRect& r = chart.ChartRect;
    return {r.Left + chart.Width3D() / 2, (3 * r.Top + r.Bottom) / 4};
  }
  TPoint BottomWallPoint() const {
    const TRect& r = chart.ChartRect;
    return {(r.Left + 3 * r.Right) / 4, r.Bottom - chart.Height3D() / 2};
  }
  TPoint BackWallPoint() const {
    const TRect& r = chart.ChartRect;
    return {(r.Left + 3 * r.Right) / 4, (3 * r.Top + r.Bottom) / 4};
  }
  TColor At(const TBitmap& image, TPoint p) const { return image.Pixel(p.X, p.Y); }
  // Paints first: the probe points follow the chart rectangle of the paint.
  TColor RenderAt(TPoint (ChartWallsDrawingTest::*probe)() const) {
    const TBitmap& image = host->Render();
    return At(image, (this->*probe)());
  }

  ROvede chart;
  std::unique_ptr<THeadlessHost> host;
};

TEST_F(ChartWallsDrawingTest, WallPicturesCoverTheirPlanes) {
  const struct {
    const char* name;
    TCustomChartWall& wall;
    TPoint (ChartWallsDrawingTest::*probe)() const;
    TColor color;
  } cases[] = {
      {"left", chart.LeftWall(), &ChartWallsDrawingTest::LeftWallPoint, clGreen},
      {"bottom", chart.BottomWall(), &ChartWallsDrawingTest::BottomWallPoint, clNavy},
      {"back", chart.BackWall(), &ChartWallsDrawingTest::BackWallPoint, clMaroon},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TColor before = RenderAt(c.probe);
    EXPECT_FALSE(NearColor(before, c.color));
    c.wall.Picture().SetGraphic(SolidPicture(c.color));
    EXPECT_TRUE(NearColor(RenderAt(c.probe), c.color));
  }
}

TEST_F(ChartWallsDrawingTest, PanelBackImageInsideTheWallsGoesOnTheBackWall) {
  chart.BackImage().SetGraphic(SolidPicture(clTeal));
  const TBitmap& outside = host->Render();
  EXPECT_TRUE(NearColor(outside.Pixel(5, 5), clTeal)) << "drawn on the panel";
  chart.SetBackImageInside(true);
  const TBitmap& inside = host->Render();
  EXPECT_FALSE(NearColor(inside.Pixel(5, 5), clTeal));
  EXPECT_TRUE(NearColor(At(inside, BackWallPoint()), clTeal));
  chart.BackWall().Picture().SetGraphic(SolidPicture(clMaroon));
  EXPECT_TRUE(NearColor(RenderAt(&ChartWallsDrawingTest::BackWallPoint), clMaroon)) << "the wall's own picture wins";
}

TEST_F(ChartWallsDrawingTest, TranslucentWallMixesWithWhatIsBehindIt) {
  chart.LeftWall().SetColor(clRed);
  const TColor wall = RenderAt(&ChartWallsDrawingTest::LeftWallPoint);
  ASSERT_TRUE(NearColor(wall, clRed));
  chart.LeftWall().SetVisible(false);
  const TColor behind = RenderAt(&ChartWallsDrawingTest::LeftWallPoint);
  chart.LeftWall().SetVisible(true);
  chart.LeftWall().SetTransparency(50);
  const TColor mixed = RenderAt(&ChartWallsDrawingTest::LeftWallPoint);
  for (int shift : {0, 8, 16}) {
    SCOPED_TRACE(shift);
    EXPECT_NEAR(Channel(mixed, shift), (Channel(wall, shift) + Channel(behind, shift)) / 2, 3);
  }
  chart.LeftWall().SetTransparent(true);
  EXPECT_EQ(RenderAt(&ChartWallsDrawingTest::LeftWallPoint), behind) << "a see-through wall has no fill to blend";
}

TEST_F(ChartWallsDrawingTest, BackColorFollowsAShownSolidBackWallElseThePanel) {
  const struct {
    bool walls, transparent, wallGradient, panelGradient;
    TColor expected;
  } cases[] = {
      {true, true, false, false, clBtnFace},   {true, false, false, false, clSilver},
      {true, false, true, false, clYellow},    {false, false, true, false, clBtnFace},
      {true, true, false, true, clLime},       {true, false, true, true, clYellow},
  };
  chart.BackWall().Gradient().SetStartColor(clYellow);
  chart.Gradient().SetStartColor(clLime);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.walls << c.transparent << c.wallGradient << c.panelGradient);
    chart.SetView3DWalls(c.walls);
    chart.BackWall().SetTransparent(c.transparent);
    chart.BackWall().Gradient().SetVisible(c.wallGradient);
    chart.Gradient().SetVisible(c.panelGradient);
    EXPECT_EQ(chart.GetBackColor(), c.expected);
  }
  chart.SetView3DWalls(true);
  chart.BackWall().SetTransparent(false);
  chart.BackWall().Gradient().SetVisible(false);
  chart.BackWall().SetVisible(false);
  chart.Gradient().SetVisible(false);
  EXPECT_EQ(chart.GetBackColor(), clBtnFace) << "a hidden back wall";
}

TEST_F(ChartWallsDrawingTest, HatchInTheBackgroundColourIsDrawnBlack) {
  chart.BackWall().SetTransparent(false);
  chart.BackWall().SetColor(clSilver);
  chart.BackWall().Brush().SetStyle(bsCross);
  const TBitmap& image = host->Render();
  const TPoint p = BackWallPoint();
  bool black = false;
  for (int dy = 0; dy < 12 && !black; ++dy)
    for (int dx = 0; dx < 12 && !black; ++dx) black = image.Pixel(p.X + dx, p.Y + dy) == clBlack;
  EXPECT_TRUE(black) << "a silver hatch on the silver background colour would vanish";
}

TEST_F(ChartWallsDrawingTest, FlatChartBackWallFillsTheChartRectangleAndCanBeRounded) {
  chart.SetView3D(false);
  chart.BackWall().SetTransparent(false);
  chart.BackWall().SetColor(clAqua);
  const TBitmap& square = host->Render();
  const TRect r = chart.ChartRect;
  EXPECT_EQ(square.Pixel((r.Left + 3 * r.Right) / 4, (3 * r.Top + r.Bottom) / 4), clAqua);
  EXPECT_EQ(square.Pixel(r.Left + 3, r.Top + 3), clAqua);
  EXPECT_EQ(square.Pixel(r.Right - 1, r.Bottom - 3), clAqua) << "one pixel wider than the chart rectangle";

  chart.BackWall().SetRoundSize(40);
  const TBitmap& round = host->Render();
  EXPECT_NE(round.Pixel(r.Left + 3, r.Top + 3), clAqua) << "the corner is cut";
  EXPECT_EQ(round.Pixel((r.Left + 3 * r.Right) / 4, (3 * r.Top + r.Bottom) / 4), clAqua);
}

TEST_F(ChartWallsDrawingTest, CustomPositionedTitleIsDrawnWhereItWasPutAndLeavesTheChartRectangle) {
  host->Render();
  const TRect without = chart.ChartRect;
  chart.Title().SetText("Placed");
  chart.Title().SetLeft(400);
  chart.Title().SetTop(300);
  EXPECT_TRUE(chart.Title().CustomPosition());
  const TBitmap& image = host->Render();
  EXPECT_EQ(chart.ChartRect, without);
  int blue = 0;
  for (int y = 300; y < 330; ++y)
    for (int x = 400; x < 480; ++x) blue += image.Pixel(x, y) == clBlue ? 1 : 0;
  EXPECT_GT(blue, 5);

  chart.Title().SetCustomPosition(false);
  host->Render();
  EXPECT_GT(chart.ChartRect.Top, without.Top) << "placed automatically it takes its room";
}

TEST_F(ChartWallsDrawingTest, PictureOnTheBackWallTranslucentLeftWallAndFootTitle) {
  TBitmap picture(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) picture.SetPixel(x, y, static_cast<TColor>((x * 4) | ((y * 4) << 8) | (0xA0 << 16)));
  chart.BackWall().Picture().SetGraphic(picture);
  chart.LeftWall().SetColor(clRed);
  chart.LeftWall().SetTransparency(50);
  chart.Title().SetText("Walls and titles");
  chart.Foot().SetText("Foot title");
  const TBitmap& image = host->Render();
  std::filesystem::create_directories(QUIL_TEST_OUTPUT_DIR);
  const std::string png = std::string(QUIL_TEST_OUTPUT_DIR) + "/chart_walls_titles.png";
  EXPECT_EQ(cairo_surface_write_to_png(image.Surface(), png.c_str()), CAIRO_STATUS_SUCCESS);

  const TRect foot = chart.Foot().ShapeBounds;
  EXPECT_EQ(chart.ChartRect.Bottom < foot.Top, true) << "the foot title sits below the chart";
  int red = 0;
  for (int y = foot.Top; y < foot.Bottom; ++y)
    for (int x = foot.Left; x < foot.Right; ++x) red += image.Pixel(x, y) == clRed ? 1 : 0;
  EXPECT_GT(red, 5);
  const TColor left = At(image, LeftWallPoint());
  EXPECT_GT(Channel(left, 0), Channel(left, 8)) << "reddish";
  EXPECT_GT(Channel(left, 8), 0x40) << "but mixed with the light background";
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include "canvas/gradient.h"
#include "canvas/quil_blend.h"
#include "gdiplus_fixture.h"

namespace quil {
namespace {

using GDIPlusPens = GDIPlusFixture;

TEST_F(GDIPlusPens, PenSettingsBecomeBackendStrokes) {
  Start();
  const struct {
    TPenEndStyle end;
    TPenJoinStyle join;
    TGPLineCap cap;
    TGPDashCap dashCap;
    TGPLineJoin backendJoin;
  } cases[] = {{esRound, jsRound, lcRound, dcRound, ljRound},
               {esSquare, jsBevel, lcSquare, dcTriangle, ljBevel},
               {esFlat, jsMitter, lcFlat, dcFlat, ljMiter}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.end));
    canvas->Pen().SetEndStyle(c.end);
    canvas->Pen().SetJoinStyle(c.join);
    ASSERT_TRUE(canvas->HasPen());
    const TGPPen* pen = canvas->BackendPen();
    EXPECT_EQ(pen->StartCap(), c.cap);
    EXPECT_EQ(pen->EndCap(), c.cap);
    EXPECT_EQ(pen->DashCap(), c.dashCap);
    EXPECT_EQ(pen->LineJoin(), c.backendJoin);
  }
  const struct {
    TPenStyle style;
    TGPDashStyle dash;
  } styles[] = {{psSolid, dsSolid}, {psDash, dsDash}, {psDot, dsDot}, {psDashDot, dsDashDot},
                {psDashDotDot, dsDashDotDot}, {psInsideFrame, dsSolid}};
  for (const auto& s : styles) {
    canvas->Pen().SetStyle(s.style);
    ASSERT_TRUE(canvas->HasPen());
    EXPECT_EQ(canvas->BackendPen()->DashStyle(), s.dash);
  }
  canvas->Pen().SetStyle(psSolid);
  canvas->Pen().SetSmallDots(true);
  ASSERT_TRUE(canvas->HasPen());
  EXPECT_EQ(canvas->BackendPen()->DashStyle(), dsDot);
  canvas->Pen().SetStyle(psClear);
  EXPECT_FALSE(canvas->HasPen());
  canvas->Pen().SetStyle(psSolid);
  canvas->Pen().SetVisible(false);
  EXPECT_FALSE(canvas->HasPen());
}

// Dots stay dots with round caps: a dotted line leaves gaps as wide as its dots.
TEST_F(GDIPlusPens, DashedLinesLeaveGaps) {
  Start(200, 40);
  canvas->Pen().SetWidth(3);
  canvas->Pen().SetStyle(psDot);
  canvas->Line(10, 10, 190, 10);
  canvas->Pen().SetStyle(psDash);
  canvas->Pen().SetEndStyle(esFlat);
  canvas->Line(10, 30, 190, 30);
  int dotGaps = 0, dashGaps = 0;
  for (int x = 12; x < 188; ++x) {
    dotGaps += Pixel(x, 10) == clWhite;
    dashGaps += Pixel(x, 30) == clWhite;
  }
  EXPECT_GT(dotGaps, 30);
  EXPECT_NEAR(dashGaps, 176 / 4, 10);  // three parts dash, one part gap
}

using GDIPlusBrushes = GDIPlusFixture;

TEST_F(GDIPlusBrushes, ImageBrushTilesFromTheOrigin) {
  Start(40, 40);
  TBitmap tile(2, 2);
  tile.Fill(clRed);
  tile.SetPixel(1, 0, clBlue);
  tile.SetPixel(0, 1, clBlue);
  canvas->Brush().Image().SetGraphic(tile);
  canvas->Pen().SetStyle(psClear);
  canvas->FillRect({10, 10, 30, 30});
  EXPECT_EQ(Pixel(10, 10), clRed);
  EXPECT_EQ(Pixel(11, 10), clBlue);
  EXPECT_EQ(Pixel(11, 11), clRed);
  EXPECT_EQ(Pixel(9, 9), clWhite);
  auto blend = canvas->BeginBlending({}, 50);
  canvas->FillRect({30, 30, 40, 40});
  canvas->EndBlending(std::move(blend));
  EXPECT_EQ(Pixel(30, 30), RGBColor(255, 127, 127));
}

// The angle turns the direction's own angle further: top-to-bottom turned by 90° runs from
// right to left, the end colour at the right.
TEST_F(GDIPlusBrushes, AngledGradientTurnsItsDirection) {
  Start(100, 100);
  TQuilGradient& g = canvas->Gradient();
  g.SetStartColor(clWhite);
  g.SetEndColor(clBlack);
  g.SetDirection(gdTopBottom);
  g.SetAngle(90);
  g.SetVisible(true);
  canvas->Pen().SetStyle(psClear);
  canvas->FillRect({0, 0, 100, 100});
  EXPECT_GT(Darkness(98, 50), 700);
  EXPECT_LT(Darkness(1, 50), 60);
  EXPECT_NEAR(Darkness(50, 5), Darkness(50, 95), 3);
}

TEST_F(GDIPlusBrushes, PathGradientBlendsEveryStop) {
  Start(120, 120);
  TQuilGradient& g = canvas->Gradient();
  g.Colors().Clear();
  g.Colors().Add(0, clRed);
  g.Colors().Add(0.5, clLime);
  g.Colors().Add(1, clBlue);
  g.SetDirection(gdFromCenter);
  g.SetVisible(true);
  canvas->Pen().SetStyle(psClear);
  canvas->FillRect({10, 10, 111, 111});
  EXPECT_GT(GetRValue(Pixel(60, 60)), 240);  // the first stop at the centre
  EXPECT_GT(GetBValue(Pixel(60, 11)), 200);  // the last at the rim
  EXPECT_GT(GetGValue(Pixel(60, 35)), 200);  // the middle halfway
  EXPECT_EQ(Pixel(5, 5), clWhite);
}

TEST_F(GDIPlusBrushes, GradientPolygonOverridesTheShapesOwnSpan) {
  Start(200, 100);
  TQuilGradient& g = canvas->Gradient();
  g.SetStartColor(clWhite);
  g.SetEndColor(clBlack);
  g.SetDirection(gdLeftRight);
  g.SetVisible(true);
  canvas->Pen().SetStyle(psClear);
  canvas->SetGradientPolygon({{0, 0}, {200, 0}, {200, 100}, {0, 100}});
  canvas->Polygon(std::vector<TPoint>{{0, 0}, {100, 0}, {100, 100}, {0, 100}});
  EXPECT_NEAR(Darkness(99, 50), 765 / 2, 30);  // halfway along the wider span, not at its end
  canvas->SetGradientPolygon({});
  canvas->Polygon(std::vector<TPoint>{{100, 0}, {200, 0}, {200, 100}, {100, 100}});
  EXPECT_LT(Darkness(198, 50), 40);
}

using GDIPlusFigures = GDIPlusFixture;

TEST_F(GDIPlusFigures, ArcsDonutsCurvesAndPolylinesStayInTheirBoxes) {
  Start(300, 200);
  canvas->Pen().SetWidth(2);
  canvas->Brush().SetColor(clBlack);
  canvas->Arc(10, 10, 90, 90, 0.0, 90.0);  // the upper right quarter
  EXPECT_EQ(InkBounds({0, 0, 100, 100}).Left, 49);
  EXPECT_LE(InkBounds({0, 0, 100, 100}).Bottom, 52);
  canvas->Donut(150, 50, 40, 40, 0, 360, 50);
  EXPECT_EQ(Pixel(150, 50), clWhite);
  EXPECT_EQ(Pixel(150, 20), clBlack);
  canvas->ArcTo(200, 10, 280, 90, 280, 50, 240, 10, false);
  EXPECT_EQ(canvas->PenPosition(), (TPoint{240, 10}));
  EXPECT_GT(Darkness(268, 22), 100);
  canvas->Brush().SetStyle(bsClear);
  canvas->Curve({{10, 150}, {60, 110}, {110, 150}}, 0.5f, false, 0);
  EXPECT_LT(InkBounds({0, 100, 150, 200}).Top, 115);
  canvas->Polyline(std::vector<TPoint>{{150, 190}, {200, 120}, {250, 190}});
  EXPECT_GT(Darkness(200, 121), 100);
  const TPointFloat tri[3] = {{260.5f, 110.5f}, {290.5f, 110.5f}, {275.5f, 190.5f}};
  canvas->Brush().SetStyle(bsSolid);
  canvas->Brush().SetColor(clRed);
  canvas->PolygonFloat(tri, 3);
  EXPECT_EQ(Pixel(275, 130), clRed);
}

TEST_F(GDIPlusFigures, RoundedClipCutsTheCorners) {
  Start(100, 100);
  canvas->ClipRectangle({10, 10, 90, 90}, 30, 30);
  canvas->Pen().SetStyle(psClear);
  canvas->Brush().SetColor(clBlack);
  canvas->FillRect({0, 0, 100, 100});
  canvas->UnClipRectangle();
  EXPECT_EQ(Pixel(11, 11), clWhite);
  EXPECT_EQ(Pixel(50, 11), clBlack);
  EXPECT_EQ(Pixel(50, 50), clBlack);
  canvas->ClipRectangle({10, 10, 90, 90}, 0, 0);  // no rounding: the plain rectangle
  canvas->Brush().SetColor(clRed);
  canvas->FillRect({0, 0, 100, 100});
  canvas->UnClipRectangle();
  EXPECT_EQ(Pixel(10, 9), clRed);
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include "canvas/gradient.h"
#include "gdiplus_fixture.h"

namespace quil {
namespace {

using GDIPlusShapes = GDIPlusFixture;

// A 3-pixel outline straddles the rectangle's edges; the fill starts where the outline's
// inner half ends. A 1-pixel pen leaves the whole integer rectangle to the fill.
TEST_F(GDIPlusShapes, RectangleFillMakesRoomForWidePens) {
  Start();
  canvas->Brush().SetColor(clBlue);
  canvas->Pen().SetColor(clRed);
  canvas->Pen().SetWidth(3);
  canvas->Rectangle(20, 20, 60, 50);
  EXPECT_EQ(Pixel(20, 35), clRed);   // on the left edge
  EXPECT_EQ(Pixel(18, 35), RGBColor(255, 127, 127));  // 1.5 pixels out ends halfway into pixel 18
  EXPECT_EQ(Pixel(17, 35), clWhite);
  EXPECT_NE(Pixel(21, 35), clBlue);   // the outline's inner half reaches 21.5
  EXPECT_EQ(Pixel(22, 35), clBlue);
  EXPECT_EQ(Pixel(57, 35), clBlue);
  EXPECT_EQ(Pixel(59, 35), clRed);

  canvas->Pen().SetStyle(psClear);
  canvas->Rectangle(100, 20, 140, 50);
  EXPECT_EQ(CountPixels(clBlue, {95, 15, 145, 55}), 40 * 30);
}

TEST_F(GDIPlusShapes, HairlinesStayAliasedWhileWiderPensSmooth) {
  Start();
  canvas->Pen().SetWidth(0);
  canvas->Line(10, 10, 150, 60);
  EXPECT_FALSE(canvas->IsAliased());  // the smoothing cached for the hairline
  EXPECT_GT(CountPixels(clBlack, {0, 0, 200, 75}), 100);
  EXPECT_EQ(CountBlended(clBlack, {0, 0, 200, 75}), 0);
  canvas->Pen().SetWidth(1);
  canvas->Line(10, 80, 150, 130);
  EXPECT_TRUE(canvas->IsAliased());
  EXPECT_GT(CountBlended(clBlack, {0, 75, 200, 150}), 100);
}

TEST_F(GDIPlusShapes, SmoothingCanBeSwitchedOff) {
  Start();
  canvas->SetAnti(false);
  EXPECT_FALSE(canvas->Antialias());
  canvas->Brush().SetColor(clBlack);
  canvas->Pen().SetStyle(psClear);
  canvas->Ellipse(20, 20, 120, 100);
  EXPECT_EQ(CountBlended(clBlack, {0, 0, 200, 150}), 0);
  canvas->SetAnti(true);
  canvas->Ellipse(20, 20, 120, 100);
  EXPECT_GT(CountBlended(clBlack, {0, 0, 200, 150}), 50);
}

TEST_F(GDIPlusShapes, FullPieOutlinesTheEllipse) {
  Start();
  canvas->Brush().SetStyle(bsClear);
  canvas->Pen().SetWidth(2);
  canvas->Pie(TRect{20, 20, 120, 120}, 0, 360);
  // No radius is drawn: the centre row holds ink only at the rim.
  EXPECT_EQ(InkBounds({25, 68, 115, 72}).Left, 115);
  EXPECT_GT(Darkness(20, 70), 100);
  canvas->Pie(TRect{20, 20, 120, 120}, 0, 90);
  EXPECT_GT(Darkness(90, 70), 100);  // now the radius along 0° shows
}

TEST_F(GDIPlusShapes, ClipRectangleReachesAPixelAboveAndBelow) {
  Start(80, 80);
  canvas->ClipRectangle({10, 10, 50, 50});
  canvas->Pen().SetStyle(psClear);
  canvas->Brush().SetColor(clBlack);
  canvas->FillRect({0, 0, 80, 80});
  EXPECT_EQ(InkBounds({0, 0, 80, 80}), (TRect{10, 9, 50, 51}));
  canvas->UnClipRectangle();
  EXPECT_EQ(canvas->ClipDepth(), 0);
  // With nothing saved, unclipping removes all clipping.
  canvas->UnClipRectangle();
  canvas->Brush().SetColor(clRed);
  canvas->FillRect({0, 0, 80, 80});
  EXPECT_EQ(CountPixels(clRed, {0, 0, 80, 80}), 80 * 80);
}

// Only the bounds of the polygon clip are saved, so ending the nested ellipse clip brings
// back the polygon's bounding rectangle.
TEST_F(GDIPlusShapes, NestedClipComesBackAsItsBounds) {
  Start(100, 100);
  const TPoint triangle[3] = {{10, 10}, {90, 10}, {10, 90}};
  canvas->ClipPolygon(triangle, 3, false);
  canvas->ClipEllipse({20, 20, 40, 40}, false);
  canvas->UnClipRectangle();
  canvas->Pen().SetStyle(psClear);
  canvas->Brush().SetColor(clBlack);
  canvas->FillRect({0, 0, 100, 100});
  EXPECT_EQ(Pixel(80, 80), clBlack);  // outside the triangle, inside its bounds
  EXPECT_EQ(Pixel(95, 50), clWhite);
  canvas->UnClipRectangle();
  EXPECT_EQ(canvas->ClipDepth(), 0);
}

TEST_F(GDIPlusShapes, InvertedClipsKeepTheOutside) {
  Start(100, 100);
  canvas->ClipEllipse({20, 20, 80, 80}, true);
  canvas->Pen().SetStyle(psClear);
  canvas->Brush().SetColor(clBlack);
  canvas->FillRect({0, 0, 100, 100});
  canvas->UnClipRectangle();
  EXPECT_EQ(Pixel(50, 50), clWhite);
  EXPECT_EQ(Pixel(5, 5), clBlack);
  const TPoint square[4] = {{0, 0}, {50, 0}, {50, 50}, {0, 50}};
  canvas->ClipPolygon(square, 4, true);
  canvas->Brush().SetColor(clRed);
  canvas->FillRect({0, 0, 100, 100});
  canvas->UnClipRectangle();
  EXPECT_EQ(Pixel(25, 25), clBlack);  // untouched inside the excluded square
  EXPECT_EQ(Pixel(75, 75), clRed);
}

// Exclusive-or goes through the plain canvas: drawing the same rectangle twice restores the
// picture.
TEST_F(GDIPlusShapes, XorRectangleUndoesItself) {
  Start(100, 100);
  canvas->Brush().SetColor(clGreen);
  canvas->Pen().SetStyle(psClear);
  canvas->FillRect({0, 0, 50, 100});
  canvas->Pen().SetStyle(psSolid);
  canvas->Pen().SetMode(pmXor);
  canvas->Pen().SetColor(clWhite);
  canvas->Brush().SetStyle(bsClear);
  canvas->Rectangle(20, 20, 80, 80);
  EXPECT_NE(Pixel(20, 50), clGreen);
  EXPECT_EQ(Pixel(20, 50), RGBColor(255, 127, 255));
  canvas->Rectangle(20, 20, 80, 80);
  EXPECT_EQ(Pixel(20, 50), clGreen);
  EXPECT_EQ(Pixel(79, 50), clWhite);
  canvas->Line(0, 10, 99, 10);
  canvas->Line(0, 10, 99, 10);
  EXPECT_EQ(Pixel(60, 10), clWhite);
}

TEST_F(GDIPlusShapes, LinesLeaveThePenAtTheirEnd) {
  Start();
  canvas->Pen().SetStyle(psClear);
  canvas->MoveTo(5, 6);
  canvas->LineTo(30, 40);
  EXPECT_EQ(canvas->PenPosition(), (TPoint{30, 40}));
  canvas->Line(1, 2, 3, 4);
  EXPECT_EQ(canvas->PenPosition(), (TPoint{3, 4}));
  canvas->MoveTo3D(10, 20, 0);
  EXPECT_EQ(canvas->PenPosition(), canvas->Calculate3DPosition(10, 20, 0));
}

TEST_F(GDIPlusShapes, PixelsKeepTheLinePenColour) {
  Start();
  canvas->Pen().SetWidth(2);
  canvas->Line(10, 10, 100, 10);
  canvas->SetPixel(150, 100, clRed);
  EXPECT_GT(GetRValue(Pixel(150, 100)), 200);
  EXPECT_LT(GetGValue(Pixel(150, 100)), 150);
  canvas->Line(10, 50, 100, 50);
  EXPECT_EQ(Pixel(50, 50), clBlack);
}

// Ends of a top-to-bottom gradient: the end colour at the top, the start colour at the
// bottom, as on the plain canvas; a middle colour sits at its offset.
TEST_F(GDIPlusShapes, LinearGradientsRunLikeThePlainCanvas) {
  Start(200, 200);
  TQuilGradient& g = canvas->Gradient();
  g.SetStartColor(clWhite);
  g.SetEndColor(clBlack);
  g.SetDirection(gdTopBottom);
  g.SetVisible(true);
  canvas->Pen().SetStyle(psClear);
  canvas->FillRect({0, 0, 100, 101});
  EXPECT_GT(Darkness(50, 0), 740);
  EXPECT_LT(Darkness(50, 100), 20);
  EXPECT_NEAR(Darkness(50, 50), 765 / 2, 20);
  g.SetMidColor(clRed);
  g.SetBalance(10);  // no effect on this canvas
  canvas->FillRect({100, 0, 200, 101});
  EXPECT_GT(GetRValue(Pixel(150, 51)), 250);
  EXPECT_LT(GetGValue(Pixel(150, 51)), 5);
  EXPECT_GT(Darkness(150, 2), 700);
  g.SetDirection(gdLeftRight);
  g.SetMidColor(clNone);
  canvas->FillRect({0, 150, 200, 200});
  EXPECT_LT(Darkness(198, 175), 60);  // the start colour at the right
  EXPECT_GT(Darkness(1, 175), 700);
}

// The fill's gradient is its own: the canvas brush stays solid for what comes next.
TEST_F(GDIPlusShapes, GradientFillLeavesTheBrushAlone) {
  Start(100, 50);
  canvas->GradientFill({0, 0, 50, 50}, clWhite, clBlack, gdLeftRight, 50, 0, 0);
  EXPECT_LT(Darkness(48, 25), 60);
  EXPECT_GT(Darkness(1, 25), 700);
  EXPECT_FALSE(canvas->Brush().HasGradient());
  canvas->Brush().SetColor(clRed);
  canvas->Pen().SetStyle(psClear);
  canvas->FillRect({50, 0, 100, 50});
  EXPECT_EQ(CountPixels(clRed, {50, 0, 100, 50}), 50 * 50);
}

TEST_F(GDIPlusShapes, RadialGradientCoversTheCornersAndCentresOnTheOffsets) {
  Start(200, 200);
  TQuilGradient& g = canvas->Gradient();
  g.SetStartColor(clRed);
  g.SetEndColor(clBlue);
  g.SetDirection(gdRadial);
  g.SetVisible(true);
  canvas->Pen().SetStyle(psClear);
  canvas->FillRect({0, 0, 100, 100});
  EXPECT_NE(Pixel(0, 0), clWhite);    // the ellipse (-26, -26, 152, 152) holds the corners
  EXPECT_NE(Pixel(99, 99), clWhite);
  EXPECT_GT(GetRValue(Pixel(50, 50)), 240);  // the start colour at the centre
  g.SetRadialX(40);
  canvas->FillRect({100, 100, 200, 200});
  EXPECT_GT(GetRValue(Pixel(190, 150)), GetRValue(Pixel(110, 150)));
}

TEST_F(GDIPlusShapes, PenFillPaintsWideLinesWithItsGradient) {
  Start(200, 60);
  canvas->Pen().SetWidth(10);
  canvas->Pen().SetEndStyle(esFlat);
  TQuilGradient& g = canvas->Pen().Fill().Gradient();
  g.SetStartColor(clRed);
  g.SetEndColor(clBlue);
  g.SetDirection(gdLeftRight);
  g.SetVisible(true);
  canvas->Line(10, 30, 190, 30);
  EXPECT_GT(GetBValue(Pixel(15, 30)), 200);   // end colour at the left
  EXPECT_GT(GetRValue(Pixel(185, 30)), 200);  // start colour at the right
}

TEST_F(GDIPlusShapes, ThreeDimensionalShapesProject) {
  Start(300, 250, 100, true);
  canvas->Brush().SetColor(clBlue);
  canvas->Pen().SetStyle(psClear);
  canvas->Cube(60, 160, 100, 200, 0, 50, true, 0);
  EXPECT_EQ(Pixel(110, 150), clBlue);  // the front face keeps its colour
  const TPoint side = canvas->Calculate3DPosition(160, 150, 25);
  EXPECT_LT(GetBValue(Pixel(side.X - 1, side.Y)), 250);  // the right side is shaded
  canvas->Brush().SetColor(clGreen);
  canvas->EllipseWithZ(200, 120, 260, 180, 60);
  const TPoint centre = canvas->Calculate3DPosition(230, 150, 60);
  EXPECT_EQ(Pixel(centre.X, centre.Y), clGreen);
}

TEST_F(GDIPlusShapes, DegenerateShapesDrawNothingAndRaiseNothing) {
  Start(100, 100);
  canvas->Brush().SetColor(clBlack);
  canvas->Pen().SetWidth(3);
  EXPECT_NO_THROW({
    canvas->Ellipse(50, 50, 50, 50);
    canvas->Ellipse(10, 50, 90, 50);
    canvas->Rectangle(30, 30, 30, 30);
    canvas->RoundRect(40, 40, 40, 40, 20, 20);
    canvas->Polygon(nullptr, 3);
    canvas->Polygon(std::vector<TPoint>{});
    canvas->Polygon(std::vector<TPoint>{{5, 5}});
    canvas->Polyline(std::vector<TPoint>{{5, 5}, {5, 5}});
    canvas->Pie(TRect{10, 10, 10, 10}, 30, 30);
    canvas->Donut(50, 50, 0, 0, 0, 90, 50);
    canvas->Curve({}, 0.5f, true, 0);
    canvas->Curve({{1, 1}}, 0.5f, false, 0);
    canvas->Arc(0, 0, 0, 0, 0, 0, 0, 0);
    canvas->ClipPolygon(nullptr, 0, false);
    canvas->UnClipRectangle();
    canvas->GradientFill({0, 0, 0, 0}, clRed, clBlue, gdRadial, 50, 0, 0);
  });
  EXPECT_EQ(canvas->GetGraphics()->LastStatus(), CAIRO_STATUS_SUCCESS);
}

}  // namespace
}  // namespace quil

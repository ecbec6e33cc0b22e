#include <gtest/gtest.h>

#include <algorithm>

#include "canvas/canvas_classes.h"
#include "canvas/quil_blend.h"
#include "canvas/clip_history.h"
#include "canvas/device_context.h"
#include "canvas_fixture.h"
#include "core/exceptions.h"

namespace quil {
namespace {

class Canvas3D : public CanvasFixture {
 protected:
  // The face among the recorded polygons whose points are exactly these, in any rotation.
  bool Drawn(std::vector<TPoint> face) const {
    for (auto p : raster->polygons) {
      if (p.size() != face.size()) continue;
      for (std::size_t k = 0; k < p.size(); ++k) {
        if (p == face) return true;
        std::rotate(p.begin(), p.begin() + 1, p.end());
      }
    }
    return false;
  }
  std::vector<TPoint> Face(std::initializer_list<TPoint3D> corners) const {
    std::vector<TPoint> out;
    for (const TPoint3D& c : corners) out.push_back(canvas->Calculate3DPosition(c));
    return out;
  }
  void DrawBox() { canvas->Cube(60, 140, 50, 100, 10, 60, false, 0); }
  // Corners of the box DrawBox draws.
  static constexpr int L = 60, R = 140, T = 50, B = 100, F = 10, K = 60;
};

TEST_F(Canvas3D, CubeInTheDefaultViewDrawsFrontRightAndTop) {
  Start();
  DrawBox();
  ASSERT_EQ(raster->polygons.size(), 3u);
  EXPECT_TRUE(Drawn(Face({{L, T, F}, {R, T, F}, {R, B, F}, {L, B, F}})));
  EXPECT_TRUE(Drawn(Face({{R, T, F}, {R, T, K}, {R, B, K}, {R, B, F}})));
  EXPECT_TRUE(Drawn(Face({{L, T, F}, {R, T, F}, {R, T, K}, {L, T, K}})));
}

TEST_F(Canvas3D, CubeSeenFromBehindDrawsTheBackInsteadOfTheFront) {
  options.SetOrthogonal(false);
  options.SetRotation(180);
  Start();
  DrawBox();
  EXPECT_TRUE(Drawn(Face({{L, T, K}, {R, T, K}, {R, B, K}, {L, B, K}})));
  EXPECT_FALSE(Drawn(Face({{L, T, F}, {R, T, F}, {R, B, F}, {L, B, F}})));
}

TEST_F(Canvas3D, CubeWithAClearBrushDrawsFiveFacesInAnyView) {
  for (int rotation : {345, 180, 30}) {
    SCOPED_TRACE(rotation);
    options.SetOrthogonal(rotation == 345);
    options.SetRotation(rotation);
    Start();
    canvas->Brush().SetStyle(bsClear);
    DrawBox();
    EXPECT_EQ(raster->polygons.size(), 5u);
    EXPECT_FALSE(Drawn(Face({{L, T, K}, {R, T, K}, {R, B, K}, {L, B, K}})));
  }
}

TEST_F(Canvas3D, DarkSidesShadeTheRightFaceTowardsTheDarkerColour) {
  Start();
  canvas->Brush().SetColor(RGBColor(200, 200, 200));
  canvas->Pen().SetStyle(psClear);
  DrawBox();
  const TPoint front = canvas->Calculate3DPosition((L + R) / 2, (T + B) / 2, F);
  EXPECT_EQ(Pixel(front.X, front.Y), RGBColor(200, 200, 200));
  canvas->Cube(60, 140, 50, 100, 10, 60, true, 0);
  const TPoint nearEdge = canvas->Calculate3DPosition(R, (T + B) / 2, F + 2);
  const TPoint farEdge = canvas->Calculate3DPosition(R, (T + B) / 2, K - 2);
  // The gradient's start (the face colour) lies at the right, its darker end at the left.
  const TColor a = Pixel(nearEdge.X + 1, nearEdge.Y), b = Pixel(farEdge.X - 1, farEdge.Y);
  EXPECT_LT(GetRValue(a), GetRValue(b));
  EXPECT_GE(GetRValue(a), 72);
  EXPECT_GE(GetRValue(b), 190);
}

TEST_F(Canvas3D, FrontPlaneSectionsNest) {
  options.SetOrthogonal(false);
  Start();
  EXPECT_TRUE(canvas->Is3D());
  canvas->FrontPlaneBegin();
  canvas->FrontPlaneBegin();
  canvas->FrontPlaneEnd();
  EXPECT_FALSE(canvas->Is3D());
  EXPECT_EQ(canvas->Calculate3DPosition(30, 40, 50), (TPoint{30, 40}));
  canvas->FrontPlaneEnd();
  EXPECT_TRUE(canvas->Is3D());
}

TEST_F(Canvas3D, EllipseInDepthFollowsTheView) {
  options.SetOrthogonal(false);
  Start();
  canvas->Pen().SetStyle(psClear);
  canvas->Brush().SetColor(clGreen);
  canvas->EllipseWithZ(80, 50, 120, 90, 80);
  ASSERT_EQ(raster->polygons.size(), 1u);
  EXPECT_EQ(raster->polygons[0].size(), 180u);
  const TPoint c = canvas->Calculate3DPosition(100, 70, 80);
  EXPECT_EQ(Pixel(c.X, c.Y), clGreen);
  EXPECT_EQ(Pixel(100 - 30, 70), clWhite);
}

TEST_F(Canvas3D, ClipsNestAsAStack) {
  Start();
  DeleteClipHistory();
  canvas->ClipRectangle({10, 10, 100, 100});
  const TQuilRegion a = *canvas->ClipRegion();
  canvas->ClipRectangle({50, 50, 150, 150});
  EXPECT_EQ(canvas->ClipRegion()->Bounds(), (TRect{50, 50, 100, 100}));
  canvas->UnClipRectangle();
  ASSERT_NE(canvas->ClipRegion(), nullptr);
  EXPECT_EQ(*canvas->ClipRegion(), a);
  canvas->UnClipRectangle();
  EXPECT_EQ(canvas->ClipRegion(), nullptr);
  canvas->Brush().SetColor(clRed);
  canvas->FillRect({0, 0, 200, 150});
  EXPECT_EQ(Pixel(5, 5), clRed);
}

TEST_F(Canvas3D, InvertedEllipseAndDifferenceClipsByPixels) {
  Start();
  DeleteClipHistory();
  canvas->Brush().SetColor(clBlue);
  canvas->ClipEllipse({20, 20, 60, 60}, true);
  canvas->FillRect({0, 0, 200, 150});
  canvas->UnClipRectangle();
  EXPECT_EQ(Pixel(40, 40), clWhite);
  EXPECT_EQ(Pixel(21, 21), clBlue);
  EXPECT_EQ(Pixel(100, 100), clBlue);

  canvas->Brush().SetColor(clRed);
  canvas->ClipRectangle({100, 20, 180, 100});
  const TPoint hole[4] = {{120, 40}, {160, 40}, {160, 80}, {120, 80}};
  canvas->ClipPolygon(hole, 4, true);
  canvas->FillRect({0, 0, 200, 150});
  canvas->UnClipRectangle();
  canvas->UnClipRectangle();
  EXPECT_EQ(Pixel(140, 60), clBlue);
  EXPECT_EQ(Pixel(105, 25), clRed);
  EXPECT_EQ(Pixel(185, 25), clBlue);
  EXPECT_EQ(CountPixels(clRed, {0, 0, 200, 150}), 80 * 80 - 40 * 40);
}

TEST_F(Canvas3D, ClipCubeUsesTheProjectedOutline) {
  Start();
  DeleteClipHistory();
  canvas->ClipCube({60, 50, 140, 100}, 10, 30);
  const std::vector<TPoint> hull = canvas->CubeHull({60, 50, 140, 100}, 10, 30);
  EXPECT_EQ(hull.size(), 6u);
  const TPoint deepCorner = canvas->Calculate3DPosition(140, 50, 30);
  EXPECT_TRUE(canvas->ClipRegion()->Contains(deepCorner.X - 2, deepCorner.Y + 2));
  EXPECT_FALSE(canvas->ClipRegion()->Contains(deepCorner.X + 2, deepCorner.Y));
  const TPoint frontCorner = canvas->Calculate3DPosition(60, 100, 10);
  EXPECT_TRUE(canvas->ClipRegion()->Contains(frontCorner.X + 1, frontCorner.Y - 2));
  EXPECT_FALSE(canvas->ClipRegion()->Contains(frontCorner.X + 1, frontCorner.Y + 2));
  canvas->UnClipRectangle();
}

TEST_F(Canvas3D, BufferIsCleanOnlyAfterShowingIt) {
  Start(40, 30);
  EXPECT_TRUE(canvas->Dirty());
  EXPECT_FALSE(canvas->ReDrawBitmap());
  TBitmap window(40, 30);
  cairo_t* cr = cairo_create(window.Surface());
  TCairoDeviceContext dc(cr);
  canvas->Brush().SetColor(clRed);
  canvas->FillRect({0, 0, 10, 10});
  canvas->ShowImage(&dc, &dc, {0, 0, 40, 30});
  EXPECT_FALSE(canvas->Dirty());
  EXPECT_EQ(window.Pixel(5, 5), clRed);
  TBitmap exported;
  EXPECT_FALSE(canvas->RenderToBitmap(exported, {0, 0, 20, 30}));
  EXPECT_TRUE(canvas->RenderToBitmap(exported, {0, 0, 40, 30}));
  EXPECT_EQ(exported.Pixel(5, 5), clRed);
  window.Fill(clWhite);
  EXPECT_TRUE(canvas->ReDrawBitmap());
  EXPECT_EQ(window.Pixel(5, 5), clRed);
  canvas->Invalidate();
  EXPECT_FALSE(canvas->ReDrawBitmap());
  EXPECT_FALSE(canvas->RenderToBitmap(exported, {0, 0, 40, 30}));
  canvas->SetUseBuffer(false);
  EXPECT_EQ(canvas->Bitmap(), nullptr);
  EXPECT_TRUE(canvas->Dirty());
  cairo_destroy(cr);
}

TEST_F(Canvas3D, TransparencyStackMultipliesOpacitiesAndRefusesAnEmptyPop) {
  Start();
  auto first = canvas->BeginBlending({0, 0, 10, 10}, 50);
  auto second = canvas->BeginBlending({0, 0, 10, 10}, 50);
  EXPECT_EQ(canvas->Transparency(), 75);
  canvas->EndBlending(std::move(second));
  EXPECT_EQ(canvas->Transparency(), 50);
  canvas->EndBlending(std::move(first));
  EXPECT_EQ(canvas->Transparency(), 0);
  try {
    canvas->PopTransp();
    FAIL() << "popping an empty stack must fail";
  } catch (const EAssertionFailed& e) {
    EXPECT_STREQ(e.what(), "Canvas Transparency Stack might be corrupt");
  }
}

TEST_F(Canvas3D, BlendingMixesTheDrawingWithTheBackground) {
  Start();
  auto blend = canvas->BeginBlending({10, 10, 30, 30}, 50);
  canvas->Brush().SetColor(clBlack);
  canvas->FillRect({0, 0, 40, 40});
  canvas->EndBlending(std::move(blend));
  // 50·2.55 is just below 127.5 in binary, so A = 255 - 127 = 128: 0 + 255·128/255 = 128.
  EXPECT_EQ(Pixel(20, 20), RGBColor(128, 128, 128));
  EXPECT_EQ(Pixel(5, 5), clBlack);
}

TEST_F(Canvas3D, VerticalGradientBands) {
  Start(300, 1100);
  canvas->GradientFill({0, 0, 100, 1}, clWhite, clBlack, gdTopBottom, 50, 0, 0);
  EXPECT_TRUE(raster->fills.empty());
  canvas->GradientFill({0, 50, 100, 1050}, clWhite, clBlack, gdTopBottom, 50, 0, 0);
  ASSERT_EQ(raster->fills.size(), 256u);
  for (const TRect& band : raster->fills) {
    EXPECT_GE(band.Height(), 3);
    EXPECT_LE(band.Height(), 4);
    EXPECT_EQ(band.Width(), 100);
  }
  EXPECT_EQ(Pixel(50, 50), clBlack);
  EXPECT_EQ(Pixel(50, 1049), clWhite);
  EXPECT_GT(GetRValue(Pixel(50, 1040)), 240);
}

TEST_F(Canvas3D, ThreeColourGradientSplitsInHalves) {
  Start();
  TQuilGradient g;
  g.SetStartColor(clRed);
  g.SetEndColor(clBlue);
  g.SetMidColor(clLime);
  g.SetDirection(gdLeftRight);
  canvas->GradientFill(g, {0, 0, 100, 20});
  // Left half runs mid -> end with the start at its right edge; right half start -> mid.
  EXPECT_EQ(Pixel(0, 10), clBlue);
  EXPECT_EQ(Pixel(99, 10), clRed);
  EXPECT_EQ(Pixel(49, 10), clLime);
}

TEST_F(Canvas3D, PolygonWithAVisibleGradientIsClippedToItsShape) {
  Start();
  canvas->Pen().SetStyle(psClear);
  canvas->Brush().SetColor(clRed);
  TQuilGradient& g = canvas->Gradient();
  g.SetStartColor(clBlack);
  g.SetEndColor(clBlack);
  g.SetVisible(true);
  const std::vector<TPoint> triangle{{10, 10}, {90, 10}, {10, 90}};
  canvas->Polygon(triangle);
  EXPECT_EQ(Pixel(20, 20), clBlack);
  EXPECT_EQ(Pixel(80, 80), clWhite);
  EXPECT_EQ(canvas->ClipRegion(), nullptr);
}

TEST_F(Canvas3D, RotatedAndRadialGradientsFillTheirRectangle) {
  Start();
  TQuilGradient g;
  g.SetStartColor(clRed);
  g.SetEndColor(clBlue);
  g.SetDirection(gdRadial);
  canvas->GradientFill(g, {10, 10, 70, 70});
  EXPECT_EQ(Pixel(11, 11), clBlue);
  EXPECT_GT(GetRValue(Pixel(40, 40)), 200);
  g.SetDirection(gdLeftRight);
  g.SetAngle(90);
  canvas->GradientFill(g, {100, 10, 160, 70});
  const TColor top = Pixel(130, 12), bottom = Pixel(130, 67);
  EXPECT_NE(top, bottom);
  EXPECT_EQ(Pixel(99, 40), clWhite);
  EXPECT_EQ(Pixel(160, 40), clWhite);
}

TEST(CanvasClasses, ThePlainCanvasIsRegisteredByTheUnitInitialisation) {
  InitializeCanvas3DUnit();
  std::unique_ptr<TCanvas3D> c = CreateCanvasByClassName("tquilcanvas3d");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->Description(), "GDI");
  EXPECT_EQ(c->Create()->ClassName(), "TQuilCanvas3D");
  FinalizeCanvas3DUnit();
  EXPECT_EQ(CreateCanvasByClassName("TQuilCanvas3D"), nullptr);
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "canvas/gradient.h"
#include "canvas/quil_blend.h"
#include "gdiplus_fixture.h"

namespace quil {
namespace {

// A sheet of what the anti-aliased canvas draws, saved for a person to look at and pinned by a
// few probes: smooth edges, real translucency, gradients without steps.
class GDIPlusScene : public GDIPlusFixture {
 protected:
  void Draw() {
    options.SetOrthogonal(false);
    options.SetRotation(340);
    options.SetElevation(350);
    options.SetPerspective(20);
    Start(640, 480, 160, true);
    DrawSolids();
    DrawGradientPolygons();
    DrawClippedAndTranslucent();
    DrawLabels();
  }

  void DrawSolids() {
    canvas->Pen().SetColor(clBlack);
    canvas->Brush().SetColor(RGBColor(70, 130, 230));
    canvas->Cube(60, 180, 250, 370, 0, 80, true, 0);
    canvas->Pen().SetStyle(psClear);
    const TColor colors[] = {RGBColor(230, 60, 60), RGBColor(60, 180, 90), RGBColor(240, 180, 40)};
    for (int i = 0; i < 3; ++i) {
      canvas->Brush().SetColor(colors[i]);
      canvas->EllipseWithZ(220 + i * 50, 300, 290 + i * 50, 370, 140 - i * 60);
    }
    canvas->Pen().SetStyle(psSolid);
  }

  void DrawGradientPolygons() {
    TQuilGradient& g = canvas->Gradient();
    g.SetStartColor(clYellow);
    g.SetEndColor(clRed);
    g.SetDirection(gdLeftRight);
    g.SetVisible(true);
    canvas->Pen().SetWidth(2);
    canvas->Polygon(std::vector<TPoint>{{40, 30}, {300, 40}, {270, 140}, {60, 120}});
    g.SetDirection(gdRadial);
    g.SetStartColor(clWhite);
    g.SetEndColor(RGBColor(20, 60, 160));
    canvas->Polygon(std::vector<TPoint>{{330, 30}, {470, 20}, {450, 150}, {340, 130}});
    g.SetVisible(false);
    canvas->Pen().SetWidth(1);
  }

  void DrawClippedAndTranslucent() {
    canvas->ClipEllipse({480, 20, 620, 160}, false);
    canvas->Brush().SetColor(clFuchsia);
    canvas->Brush().SetStyle(bsDiagCross);
    canvas->Brush().SetBackColor(clNone);
    canvas->Rectangle(470, 10, 630, 170);
    canvas->UnClipRectangle();
    canvas->Brush().SetStyle(bsSolid);
    canvas->Brush().SetBackColor(clNone);

    canvas->Pen().SetStyle(psClear);
    canvas->Brush().SetColor(clBlue);
    canvas->FillRect({420, 200, 600, 280});
    auto blend = canvas->BeginBlending({}, 50);
    canvas->Brush().SetColor(clRed);
    canvas->Ellipse(470, 220, 620, 330);
    canvas->EndBlending(std::move(blend));
    TQuilShadow shadow;
    shadow.SetColor(clBlack);
    canvas->SmoothShadow(shadow, {440, 360, 600, 440}, false, 0, {}, 0, 0, 360);
    canvas->Brush().SetColor(clWhite);
    canvas->Pen().SetStyle(psSolid);
    canvas->RoundRect(430, 350, 590, 430, 16, 16);
  }

  void DrawLabels() {
    canvas->SetBackMode(cbmTransparent);
    canvas->Font().SetName("Arial");
    canvas->Font().SetSize(11);
    canvas->Font().SetColor(clNavy);
    canvas->SetTextAlign(TA_LEFT);
    canvas->TextOut(20, 440, "Left aligned");
    canvas->SetTextAlign(TA_RIGHT);
    canvas->TextOut(400, 440, "Right aligned");
    canvas->SetTextAlign(TA_CENTER + TA_BOTTOM);
    canvas->TextOut(460, 470, "Centre bottom");
    canvas->SetTextAlign(TA_LEFT);
    canvas->RotateLabel(20, 400, "Turned 90", 90, false);
    canvas->RotateLabel(40, 230, "Turned 30", 30, false);
    canvas->Font().SetSize(16);
    canvas->Font().SetStyle(fsBold);
    canvas->Font().SetColor(clWhite);
    canvas->Font().Shadow().SetColor(clGray);
    canvas->Font().Shadow().SetSize(2);
    canvas->Font().Shadow().SetVisible(true);
    canvas->TextOut(220, 170, "Shadowed");
  }
};

TEST_F(GDIPlusScene, DrawsTheSheetAndSavesIt) {
  Draw();
  Save("gdiplus_scene.png");

  // The cube's front face keeps its colour; its sides are shaded.
  const TPoint front = canvas->Calculate3DPosition(120, 310, 0);
  EXPECT_EQ(Pixel(front.X, front.Y), RGBColor(70, 130, 230));
  // Edges are smooth: the nearest ellipse's rim has pixels between its colour and the back.
  EXPECT_GT(CountBlended(RGBColor(230, 60, 60), {200, 200, 330, 400}), 20);
  // The gradient runs from red at the left to yellow at the right without visible steps.
  std::set<int> greens;
  for (int x = 80; x < 260; ++x) greens.insert(GetGValue(Pixel(x, 85)));
  EXPECT_GT(greens.size(), 120u);
  EXPECT_GT(GetGValue(Pixel(250, 85)), GetGValue(Pixel(90, 85)));
  // Red over blue at half opacity mixes both; over white it is pink.
  const TColor mixed = Pixel(520, 260);
  EXPECT_NEAR(GetRValue(mixed), 128, 2);
  EXPECT_NEAR(GetBValue(mixed), 127, 2);
  EXPECT_EQ(Pixel(540, 310), RGBColor(255, 127, 127));
  // The hatch shows only inside its elliptic clip.
  EXPECT_EQ(CountPixels(clFuchsia, {470, 10, 500, 30}), 0);
  EXPECT_GT(CountPixels(clFuchsia, {520, 60, 580, 120}), 100);
}

TEST_F(GDIPlusScene, DrawingTwiceGivesTheSamePixels) {
  Draw();
  const TBitmap first = *canvas->Bitmap();
  Draw();
  const TBitmap& second = *canvas->Bitmap();
  const std::size_t bytes = static_cast<std::size_t>(first.StridePixels()) * first.Height() * 4;
  EXPECT_EQ(std::memcmp(first.PixelData(), second.PixelData(), bytes), 0);
}

}  // namespace
}  // namespace quil

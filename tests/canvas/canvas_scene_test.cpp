#include <gtest/gtest.h>

#include <filesystem>

#include "canvas/quil_blend.h"
#include "canvas/shadow_drawing.h"
#include "canvas_fixture.h"

namespace quil {
namespace {

// One picture with most of what the plain canvas does, saved for a person to look at and
// pinned by a few pixels.
class CanvasScene : public CanvasFixture {
 protected:
  void Draw() {
    Start(400, 300, 120);
    canvas->Pen().SetColor(clBlack);

    canvas->Brush().SetColor(RGBColor(70, 130, 230));
    canvas->Cube(40, 140, 120, 220, 0, 60, true, 0);

    canvas->Gradient().SetStartColor(clYellow);
    canvas->Gradient().SetEndColor(clRed);
    canvas->Gradient().SetDirection(gdLeftRight);
    canvas->Gradient().SetVisible(true);
    canvas->Polygon(std::vector<TPoint>{{200, 40}, {360, 60}, {330, 150}, {220, 130}});
    canvas->Gradient().SetVisible(false);

    canvas->Brush().SetColor(clGreen);
    canvas->EllipseWithZ(220, 190, 300, 270, 80);

    canvas->ClipEllipse({300, 170, 390, 290}, false);
    canvas->Brush().SetColor(clFuchsia);
    canvas->Brush().SetStyle(bsDiagCross);
    canvas->Rectangle(280, 160, 400, 300);
    canvas->UnClipRectangle();
    canvas->Brush().SetStyle(bsSolid);

    TQuilShadow shadow;
    shadow.SetSize(6);
    shadow.SetColor(clGray);
    TShadowPainter(shadow, *canvas).Draw({20, 20, 120, 70}, 0, 0);
    canvas->Brush().SetColor(clWhite);
    canvas->Rectangle(20, 20, 120, 70);
    canvas->Font().SetColor(clNavy);
    canvas->SetBackMode(cbmTransparent);
    canvas->TextOut(30, 35, "Quil canvas");

    auto blend = canvas->BeginBlending({150, 10, 250, 110}, 60);
    canvas->Brush().SetColor(clBlack);
    canvas->Pen().SetStyle(psClear);
    canvas->FillRect({150, 10, 250, 110});
    canvas->EndBlending(std::move(blend));
  }
};

TEST_F(CanvasScene, DrawsTheSceneAndSavesIt) {
  Draw();
  std::filesystem::create_directories(QUIL_TEST_OUTPUT_DIR);
  canvas->Bitmap()->SaveToPNGFile(std::string(QUIL_TEST_OUTPUT_DIR) + "/canvas_scene.png");

  // The cube's front keeps its colour; its right side is shaded darker toward the front.
  EXPECT_EQ(Pixel(90, 170), RGBColor(70, 130, 230));
  const TPoint side = canvas->Calculate3DPosition(140, 170, 5);
  EXPECT_LT(GetBValue(Pixel(side.X + 1, side.Y)), 230);
  // The gradient runs from red at the left of the polygon to yellow at its right.
  EXPECT_EQ(GetRValue(Pixel(225, 120)), 255);
  EXPECT_LT(GetGValue(Pixel(225, 120)), 60);
  EXPECT_GT(GetGValue(Pixel(340, 70)), 200);
  EXPECT_EQ(GetBValue(Pixel(340, 70)), 0);
  // The ellipse sits 80 deep: moved right and up by the oblique view.
  EXPECT_EQ(Pixel(260 + 80 - 0, 230 - 80), clGreen);
  // The hatched rectangle shows only inside its elliptic clip.
  EXPECT_EQ(Pixel(285, 165), clWhite);
  // Under the 60 % translucent black the white background keeps 60 %.
  EXPECT_EQ(Pixel(245, 15), RGBColor(153, 153, 153));
  // The shadow lies right of and below the framed box.
  EXPECT_NE(Pixel(123, 73), clWhite);
  EXPECT_GT(CountPixels(clNavy, {30, 35, 120, 60}), 20);
}

TEST_F(CanvasScene, DrawingTwiceGivesTheSamePixels) {
  Draw();
  const TBitmap first = *canvas->Bitmap();
  Draw();
  const TBitmap& second = *canvas->Bitmap();
  int differing = 0;
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x) differing += first.Pixel(x, y) != second.Pixel(x, y);
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace quil

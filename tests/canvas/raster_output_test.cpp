#include <gtest/gtest.h>

#include "canvas_fixture.h"

namespace quil {
namespace {

class RasterOutput : public CanvasFixture {};

TEST_F(RasterOutput, RectangleLeavesOutRightAndBottomEdges) {
  Start();
  canvas->Pen().SetColor(clBlack);
  canvas->Brush().SetColor(clRed);
  canvas->Rectangle(10, 10, 20, 15);
  EXPECT_EQ(Pixel(10, 10), clBlack);
  EXPECT_EQ(Pixel(19, 14), clBlack);
  EXPECT_EQ(Pixel(15, 12), clRed);
  EXPECT_EQ(Pixel(20, 12), clWhite);
  EXPECT_EQ(Pixel(15, 15), clWhite);
  EXPECT_EQ(CountPixels(clBlack, {0, 0, 40, 40}), 2 * 10 + 2 * 3);
  EXPECT_EQ(CountPixels(clRed, {0, 0, 40, 40}), 8 * 3);
}

TEST_F(RasterOutput, EllipseTouchesItsBoxWithoutTheRightAndBottomEdge) {
  Start();
  canvas->Pen().SetColor(clBlack);
  canvas->Brush().SetColor(clRed);
  canvas->Ellipse(10, 20, 41, 51);
  EXPECT_EQ(Pixel(10, 35), clBlack);
  EXPECT_EQ(Pixel(40, 35), clBlack);
  EXPECT_EQ(Pixel(25, 20), clBlack);
  EXPECT_EQ(Pixel(25, 50), clBlack);
  EXPECT_EQ(Pixel(25, 35), clRed);
  EXPECT_EQ(CountPixels(clBlack, {41, 0, 200, 150}) + CountPixels(clBlack, {0, 51, 41, 150}), 0);
  EXPECT_EQ(CountPixels(clBlack, {0, 0, 10, 150}) + CountPixels(clBlack, {0, 0, 200, 20}), 0);
  EXPECT_EQ(Pixel(10, 20), clWhite);  // corners of the box stay outside
}

TEST_F(RasterOutput, OnePixelLinesStepLikeTheIntegerAlgorithmAndLeaveOutTheLastPixel) {
  Start();
  canvas->Pen().SetColor(clBlack);
  canvas->MoveTo(0, 0);
  canvas->LineTo(10, 5);
  EXPECT_EQ(CountPixels(clBlack, {0, 0, 20, 20}), 10);
  EXPECT_EQ(Pixel(10, 5), clWhite);
  EXPECT_EQ(Pixel(0, 0), clBlack);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(CountPixels(clBlack, {x, 0, x + 1, 20}), 1) << x;
  canvas->MoveTo(30, 30);
  canvas->LineTo(30, 40);
  EXPECT_EQ(CountPixels(clBlack, {30, 30, 31, 41}), 10);
  EXPECT_EQ(Pixel(30, 40), clWhite);
}

TEST_F(RasterOutput, XorAndNotXorPenModesMixWithTheBackground) {
  Start();
  canvas->Pen().SetColor(clBlack);
  canvas->Pen().SetMode(pmNotXor);
  canvas->MoveTo(5, 5);
  canvas->LineTo(25, 5);  // white xnor black = black
  EXPECT_EQ(Pixel(10, 5), clBlack);
  canvas->MoveTo(5, 5);
  canvas->LineTo(25, 5);  // black xnor black = white again
  EXPECT_EQ(Pixel(10, 5), clWhite);
  canvas->Pen().SetColor(RGBColor(0xFF, 0x0F, 0x00));
  canvas->Pen().SetMode(pmXor);
  canvas->Brush().SetStyle(bsClear);
  canvas->Rectangle(40, 40, 60, 60);
  EXPECT_EQ(Pixel(40, 50), RGBColor(0x00, 0xF0, 0xFF));
  canvas->Rectangle(40, 40, 60, 60);
  EXPECT_EQ(Pixel(40, 50), clWhite);
  canvas->Brush().SetStyle(bsSolid);
  canvas->Brush().SetColor(clBlue);
  canvas->Pen().SetStyle(psClear);
  canvas->Polygon(std::vector<TPoint>{{100, 100}, {120, 100}, {120, 120}, {100, 120}});
  EXPECT_EQ(Pixel(110, 110), RGBColor(0xFF, 0xFF, 0x00));  // white xor blue
}

TEST_F(RasterOutput, TextIsDrawnUnsmoothedWithTheFontColour) {
  Start();
  canvas->Font().SetColor(clBlack);
  canvas->SetBackMode(cbmTransparent);
  EXPECT_GT(canvas->TextWidth("W"), 5);
  EXPECT_GT(canvas->TextHeight("W"), 8);
  EXPECT_EQ(canvas->TextWidth(""), 0);
  canvas->TextOut(20, 20, "Wave");
  const int black = CountPixels(clBlack, {0, 0, 200, 150});
  EXPECT_GT(black, 20);
  EXPECT_EQ(black + CountPixels(clWhite, {0, 0, 200, 150}), 200 * 150);
  canvas->SetTextAlign(TA_RIGHT);
  EXPECT_EQ(canvas->GetTextAlign(), TA_RIGHT);
}

TEST_F(RasterOutput, DegenerateInputDrawsNothingAndDoesNotFail) {
  Start();
  canvas->Pen().SetColor(clBlack);
  canvas->Brush().SetColor(clRed);
  canvas->Polygon(nullptr, 0);
  canvas->Polygon(std::vector<TPoint>{});
  canvas->Polyline(std::vector<TPoint>{});
  canvas->PolygonFloat(nullptr, 0);
  canvas->Rectangle(5, 5, 5, 50);
  canvas->Ellipse(7, 7, 7, 7);
  canvas->FillRect({10, 10, 10, 10});
  canvas->Donut(50, 50, 0, 0, 0, 90, 50);
  canvas->Pie({0, 0, 0, 0}, 0, 90);
  canvas->ClipPolygon(nullptr, 0, false);
  canvas->UnClipRectangle();
  canvas->MoveTo(-2000000000, -2000000000);
  canvas->LineTo(2000000000, 2000000000);  // a huge line only walks its visible part
  EXPECT_EQ(CountPixels(clRed, {0, 0, 200, 150}), 0);
  EXPECT_EQ(Pixel(100, 100), clBlack);
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include "text_fixture.h"

namespace quil {
namespace {

using RasterPens = TextCanvas;

TEST_F(RasterPens, SmallDotsSetEveryOtherPixelOrOneInSpacePlusOne) {
  for (int space : {0, 2}) {
    SCOPED_TRACE(space);
    Clear();
    canvas->Pen().SetStyle(psSolid);
    canvas->Pen().SetColor(clBlack);
    canvas->Pen().SetSmallDots(true);
    canvas->Pen().SetSmallSpace(space);
    canvas->MoveTo(10, 20);
    canvas->LineTo(40, 20);
    const int step = space <= 0 ? 2 : space + 1;
    for (int x = 10; x < 40; ++x) EXPECT_EQ(Pixel(x, 20), (x - 10) % step == 0 ? clBlack : clWhite) << x;
  }
  EXPECT_EQ(QuilCreatePenSmallDots(clRed, 0).Style, psAlternate);
  EXPECT_EQ(QuilCreatePenSmallDots(clRed, 4).SmallSpace, 4);
}

TEST_F(RasterPens, DashedPensRepeatTheirPattern) {
  struct Case {
    TPenStyle style;
    std::vector<int> runs;  // on, off, on, off ... in pixels
  };
  const Case cases[] = {{psDash, {18, 6}}, {psDot, {3, 3}}, {psDashDot, {9, 6, 3, 6}}, {psDashDotDot, {9, 3, 3, 3, 3, 3}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.style));
    Clear();
    canvas->Pen().SetStyle(c.style);
    canvas->Pen().SetColor(clBlack);
    canvas->Pen().SetEndStyle(esFlat);
    canvas->MoveTo(0, 30);
    canvas->LineTo(200, 30);
    int x = 0;
    for (int repeat = 0; repeat < 2; ++repeat) {
      for (std::size_t i = 0; i < c.runs.size(); ++i) {
        const TColor expected = i % 2 == 0 ? clBlack : clWhite;
        for (int k = 0; k < c.runs[i]; ++k, ++x) EXPECT_EQ(Pixel(x, 30), expected) << "pixel " << x;
      }
    }
  }
}

TEST_F(RasterPens, WidePensKeepTheirEndsAndJoins) {
  canvas->Pen().SetWidth(5);
  canvas->Pen().SetColor(clBlack);
  canvas->Pen().SetEndStyle(esFlat);
  canvas->MoveTo(40, 50);
  canvas->LineTo(100, 50);
  EXPECT_EQ(Pixel(38, 50), clWhite);
  EXPECT_EQ(Pixel(41, 50), clBlack);
  EXPECT_EQ(Pixel(70, 52), clBlack);
  EXPECT_EQ(Pixel(70, 54), clWhite);
  Clear();
  canvas->Pen().SetEndStyle(esSquare);
  canvas->MoveTo(40, 50);
  canvas->LineTo(100, 50);
  EXPECT_EQ(Pixel(38, 50), clBlack);

  Clear();
  canvas->Pen().SetWidth(9);
  canvas->Pen().SetJoinStyle(jsMitter);
  canvas->Polyline(std::vector<TPoint>{{40, 140}, {80, 100}, {120, 140}});
  EXPECT_EQ(Pixel(80, 94), clBlack) << "a mitre reaches past the corner";
  Clear();
  canvas->Pen().SetJoinStyle(jsBevel);
  canvas->Polyline(std::vector<TPoint>{{40, 140}, {80, 100}, {120, 140}});
  EXPECT_EQ(Pixel(80, 94), clWhite);
}

// The mix of a wide pen follows its mode only when its ends are not round.
TEST_F(RasterPens, SetPenModeAppliesTheMixToWideUnroundedPens) {
  TQuilPen pen;
  pen.SetWidth(3);
  pen.SetMode(pmXor);
  pen.SetEndStyle(esFlat);
  canvas->Backend().SetRop2(R2_COPYPEN);
  canvas->SetPenMode(pen);
  EXPECT_EQ(canvas->Backend().Rop2(), 7);
  pen.SetEndStyle(esRound);
  canvas->Backend().SetRop2(R2_COPYPEN);
  canvas->SetPenMode(pen);
  EXPECT_EQ(canvas->Backend().Rop2(), R2_COPYPEN);
  pen.SetWidth(1);
  pen.SetEndStyle(esFlat);
  canvas->SetPenMode(pen);
  EXPECT_EQ(canvas->Backend().Rop2(), R2_COPYPEN);
}

TEST_F(RasterPens, HatchesShowTheirBackColourOrWhatIsUnder) {
  canvas->Pen().SetStyle(psClear);
  TQuilBrush hatch;
  hatch.SetStyle(bsCross);
  hatch.SetColor(clBlue);
  canvas->AssignBrush(hatch, clBlue, clYellow);
  canvas->Rectangle(16, 16, 48, 48);
  EXPECT_EQ(Pixel(16, 16), clBlue);
  EXPECT_EQ(Pixel(19, 19), clYellow);
  EXPECT_EQ(Pixel(24, 21), clBlue);
  canvas->AssignBrush(hatch, clBlue, clNone);
  canvas->Rectangle(64, 16, 96, 48);
  EXPECT_EQ(Pixel(67, 19), clWhite);
  EXPECT_EQ(Pixel(72, 19), clBlue);
}

TEST_F(RasterPens, FastLinesDrawLikeLines) {
  canvas->Pen().SetColor(clBlack);
  canvas->SetFastLine(true);
  canvas->MoveTo(10, 60);
  canvas->FastLineTo(50, 60);
  canvas->FastLineTo(50, 90);
  canvas->SetFastLine(false);
  EXPECT_EQ(CountPixels(clBlack, {0, 0, 240, 180}), 40 + 30);
  EXPECT_EQ(Pixel(50, 60), clBlack);
  EXPECT_EQ(Pixel(50, 90), clWhite) << "the last pixel is left out";
  EXPECT_FALSE(canvas->CheckFastBrush()) << "solid fills need no special brush here";
}

TEST_F(RasterPens, Frame3DDrawsTheBevelAndShrinksTheRectangle) {
  TRect r{10, 10, 30, 30};
  canvas->Frame3D(r, clWhite, clBlack, 2);
  EXPECT_EQ(r, (TRect{12, 12, 28, 28}));
  Clear();
  r = {10, 10, 30, 30};
  canvas->Frame3D(r, clRed, clBlue, 2);
  EXPECT_EQ(Pixel(10, 10), clRed);
  EXPECT_EQ(Pixel(10, 28), clRed);
  EXPECT_EQ(Pixel(11, 11), clRed);
  EXPECT_EQ(Pixel(29, 29), clBlue);
  EXPECT_EQ(Pixel(10, 29), clBlue);
  EXPECT_EQ(Pixel(29, 10), clBlue);
  EXPECT_EQ(Pixel(28, 28), clBlue);
  EXPECT_EQ(Pixel(12, 12), clWhite);
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include "canvas/gdiplus_images.h"
#include "canvas/quil_blend.h"
#include "gdiplus_fixture.h"

namespace quil {
namespace {

using GDIPlusImages = GDIPlusFixture;

TEST_F(GDIPlusImages, HalfOpacityBitmapCoversItsOwnSize) {
  Start(200, 100);
  TBitmap bitmap(16, 16);
  bitmap.Fill(clBlack);
  auto blend = canvas->BeginBlending({}, 50);
  canvas->Draw(100, 50, bitmap);
  canvas->EndBlending(std::move(blend));
  EXPECT_EQ(InkBounds({0, 0, 200, 100}), (TRect{100, 50, 116, 66}));
  EXPECT_EQ(CountPixels(RGBColor(127, 127, 127), {100, 50, 116, 66}), 256);
  canvas->Draw(10, 10, bitmap);
  EXPECT_EQ(CountPixels(clBlack, {10, 10, 26, 26}), 256);
}

TEST_F(GDIPlusImages, TransparentColourIsLeftUnpainted) {
  Start(100, 100);
  TBitmap bitmap(20, 20);
  bitmap.Fill(clFuchsia);
  for (int i = 0; i < 20; ++i) bitmap.SetPixel(i, 5, clBlue);
  canvas->SetStretchDrawQuality(sqLow);
  const TBitmapTransparency automatic{true, tmAuto, clNone};
  canvas->StretchDraw({10, 10, 50, 50}, bitmap, automatic);
  EXPECT_EQ(CountPixels(clFuchsia, {0, 0, 100, 100}), 0);
  EXPECT_EQ(Pixel(30, 21), clBlue);
  // A fixed colour with the 0x02000000 flag names its colour the same way.
  const TBitmapTransparency fixed{true, tmFixed, 0x02000000 | clBlue};
  canvas->StretchDraw({60, 10, 80, 30}, bitmap, fixed);
  EXPECT_EQ(Pixel(70, 15), clWhite);
  EXPECT_EQ(Pixel(70, 25), clFuchsia);
  EXPECT_TRUE(TransparentImage(TBitmap{}, automatic).Empty());
}

TEST_F(GDIPlusImages, StretchQualityChoosesTheFilter) {
  Start(100, 50);
  TBitmap checker(2, 1);
  checker.SetPixel(0, 0, clBlack);
  checker.SetPixel(1, 0, clWhite);
  canvas->SetStretchDrawQuality(sqLow);
  canvas->StretchDraw({0, 0, 40, 20}, checker);
  EXPECT_EQ(CountBlended(clBlack, {0, 0, 40, 20}), 0);
  canvas->SetStretchDrawQuality(sqHigh);
  canvas->StretchDraw({50, 0, 90, 20}, checker);
  EXPECT_GT(CountBlended(clBlack, {50, 0, 90, 20}), 20);
}

TEST_F(GDIPlusImages, EmptyAndHugeImagesAreHarmless) {
  Start(100, 100);
  EXPECT_NO_THROW({
    canvas->Draw(0, 0, TBitmap{});
    canvas->StretchDraw({0, 0, 50, 50}, TBitmap{});
    canvas->StretchDraw({0, 0, 0, 0}, TBitmap(4, 4));
    canvas->StretchDraw({50, 50, 10, 10}, TBitmap(4, 4));  // inverted: mirrored, still drawn
    canvas->Draw(-5000, -5000, TBitmap(4000, 3000));
    canvas->StretchDraw({-100000, -100000, 100000, 100000}, TBitmap(3, 3));
  });
  EXPECT_EQ(canvas->GetGraphics()->LastStatus(), CAIRO_STATUS_SUCCESS);
}

TEST(GDIPlusResize, BitmapIsScaledIntoTheWholeTarget) {
  TBitmap source(10, 10);
  source.Fill(clRed);
  TBitmap dest(25, 5);
  TGDIPlusCanvas::ResizeBitmap(source, dest);
  EXPECT_EQ(dest.Pixel(0, 0), clRed);
  EXPECT_EQ(dest.Pixel(24, 4), clRed);
}

using GDIPlusShadows = GDIPlusFixture;

// A rectangular smooth shadow has corners rounded by 4 pixels and fades from nothing at its
// outline to the shadow colour a tenth of the way in.
TEST_F(GDIPlusShadows, RectangularSmoothShadowIsRoundedAndFades) {
  Start(200, 200);
  TQuilShadow shadow;
  shadow.SetColor(clBlack);
  shadow.SetSmooth(true);
  canvas->SmoothShadow(shadow, {20, 20, 180, 180}, false, 0, {}, 0, 0, 360);
  EXPECT_EQ(Pixel(20, 20), clWhite);      // the rounded corner
  EXPECT_EQ(Pixel(100, 100), clBlack);    // past 0.1 of the way in
  EXPECT_EQ(Pixel(100, 30), clBlack);
  EXPECT_LT(Darkness(100, 21), Darkness(100, 25));
  EXPECT_GT(Darkness(100, 21), 0);
  EXPECT_EQ(Pixel(100, 19), clWhite);

  Start(200, 200);
  shadow.SetSmooth(false);
  shadow.SetTransparency(50);
  canvas->SmoothShadow(shadow, {20, 20, 180, 180}, false, 0, {}, 0, 0, 360);
  EXPECT_EQ(Pixel(100, 21), RGBColor(127, 127, 127));
}

TEST_F(GDIPlusShadows, EllipsePolygonAndDonutShadows) {
  Start(300, 200);
  TQuilShadow shadow;
  shadow.SetColor(clBlue);
  shadow.SetSmooth(false);
  shadow.SetTransparency(0);
  canvas->SmoothShadow(shadow, {10, 10, 90, 90}, true, 0, {}, 0, 0, 360);
  EXPECT_EQ(Pixel(50, 50), clBlue);
  EXPECT_EQ(Pixel(12, 12), clWhite);
  canvas->SmoothShadow(shadow, {}, false, 0, {{100, 10}, {190, 10}, {100, 90}}, 0, 0, 360);
  EXPECT_EQ(Pixel(110, 20), clBlue);
  EXPECT_EQ(Pixel(180, 80), clWhite);
  canvas->SmoothShadow(shadow, {200, 100, 280, 180}, true, 0, {}, 50, 0, 360);
  EXPECT_EQ(Pixel(240, 140), clWhite);  // the hole
  EXPECT_EQ(Pixel(205, 140), clBlue);
  canvas->SmoothShadow(shadow, {10, 100, 90, 180}, true, 0, {}, 0, 0, 90);
  EXPECT_EQ(Pixel(70, 120), clBlue);  // the quarter up and right
  EXPECT_EQ(Pixel(30, 160), clWhite);
}

}  // namespace
}  // namespace quil

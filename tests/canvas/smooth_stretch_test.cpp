#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "canvas/smooth_stretch.h"
#include "text_fixture.h"

namespace quil {
namespace {

TBitmap Filled(int w, int h, TColor c) {
  TBitmap b(w, h);
  b.Fill(c);
  return b;
}

TEST(SmoothStretch, KernelsHaveTheirValuesAndSupports) {
  EXPECT_DOUBLE_EQ(LanczosKernel(0), 1);
  EXPECT_NEAR(LanczosKernel(1), 0, 1e-12);
  EXPECT_NEAR(LanczosKernel(-2), 0, 1e-12);
  EXPECT_EQ(LanczosKernel(3), 0);
  EXPECT_EQ(LanczosKernel(4.5), 0);
  const double pi = std::numbers::pi;
  EXPECT_NEAR(LanczosKernel(0.5), (2 / pi) * (std::sin(pi / 6) / (pi / 6)), 1e-12);
  EXPECT_LT(LanczosKernel(1.5), 0) << "the negative lobe";
  EXPECT_DOUBLE_EQ(TriangleKernel(0.25), 0.75);
  EXPECT_DOUBLE_EQ(TriangleKernel(-0.5), 0.5);
  EXPECT_EQ(TriangleKernel(1.5), 0);
}

TEST(SmoothStretch, SameSizeCopiesAndFlatColourStaysFlat) {
  TBitmap source(5, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) source.SetPixel(x, y, RGBColor(x * 50, y * 60, (x * y * 13) % 256));
  for (auto option : {ssBestQuality, ssBestPerformance}) {
    SCOPED_TRACE(int(option));
    TBitmap copy(5, 4);
    SmoothStretch(source, copy, option);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 5; ++x) EXPECT_EQ(copy.Pixel(x, y), source.Pixel(x, y));
    for (const TPoint size : {TPoint{13, 7}, TPoint{2, 3}, TPoint{1, 1}}) {
      const TBitmap flat = Filled(6, 5, RGBColor(10, 200, 90));
      TBitmap out(size.X, size.Y);
      SmoothStretch(flat, out, option);
      EXPECT_EQ(out.Pixel(0, 0), RGBColor(10, 200, 90));
      EXPECT_EQ(out.Pixel(size.X - 1, size.Y - 1), RGBColor(10, 200, 90));
    }
  }
}

// A grey step 64 | 192 widened eight times: the triangle stays between the two and climbs
// steadily; Lanczos rings below and above them next to the step.
TEST(SmoothStretch, LanczosRingsAtAStepWhereTheTriangleDoesNot) {
  TBitmap step(4, 1);
  for (int x = 0; x < 4; ++x) step.SetPixel(x, 0, x < 2 ? RGBColor(64, 64, 64) : RGBColor(192, 192, 192));
  TBitmap triangle(32, 1), lanczos(32, 1);
  SmoothStretch(step, triangle, ssBestPerformance);
  SmoothStretch(step, lanczos, ssBestQuality);
  int lowest = 255, highest = 0;
  for (int x = 0; x < 32; ++x) {
    const int t = GetRValue(triangle.Pixel(x, 0));
    EXPECT_GE(t, 64);
    EXPECT_LE(t, 192);
    if (x > 0) {
      EXPECT_GE(t, GetRValue(triangle.Pixel(x - 1, 0)));
    }
    lowest = std::min(lowest, int(GetRValue(lanczos.Pixel(x, 0))));
    highest = std::max(highest, int(GetRValue(lanczos.Pixel(x, 0))));
  }
  EXPECT_LT(lowest, 64);
  EXPECT_GT(highest, 192);
}

TEST(SmoothStretch, ShrinkingAveragesEverySourcePixel) {
  TBitmap checker(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) checker.SetPixel(x, y, (x + y) % 2 ? clWhite : clBlack);
  for (auto option : {ssBestQuality, ssBestPerformance}) {
    TBitmap small(2, 2);
    SmoothStretch(checker, small, option);
    // Edge pixels repeat beyond the border, which tips the balance by a few levels.
    EXPECT_NEAR(int(GetRValue(small.Pixel(0, 0))), 128, 4) << int(option);
    EXPECT_NEAR(int(GetGValue(small.Pixel(1, 1))), 128, 4) << int(option);
  }
}

TEST(SmoothStretch, TranslucentPixelsStayValidAndEmptyImagesAreLeftAlone) {
  TBitmap half(2, 1);
  half.SetPixel(0, 0, clRed);  // opaque red next to fully transparent black
  TBitmap wide(9, 1);
  SmoothStretch(half, wide);
  const uint32_t* raw = wide.PixelData();
  for (int x = 0; x < 9; ++x) EXPECT_LE((raw[x] >> 16) & 0xFF, raw[x] >> 24) << "premultiplied red within alpha";
  EXPECT_EQ(wide.Alpha(0, 0), 255);
  EXPECT_EQ(wide.Alpha(8, 0), 0);
  TBitmap none;
  SmoothStretch(none, wide);
  SmoothStretch(half, none);
  EXPECT_TRUE(none.Empty());
}

using StretchDrawing = TextCanvas;

// The high-quality stretch is this resampling, not the backend's filter.
TEST_F(StretchDrawing, HighQualityDrawsTheResampledImage) {
  TBitmap source(3, 2);
  const TColor colours[] = {clRed, clLime, clBlue, clYellow, clFuchsia, clAqua};
  for (int i = 0; i < 6; ++i) source.SetPixel(i % 3, i / 3, colours[i]);
  TBitmap expected(90, 40);
  SmoothStretch(source, expected, ssBestQuality);
  canvas->SetStretchDrawQuality(sqHigh);
  canvas->StretchDraw({100, 50, 190, 90}, source);
  for (const TPoint p : {TPoint{0, 0}, TPoint{45, 20}, TPoint{89, 39}, TPoint{17, 33}})
    EXPECT_EQ(Pixel(100 + p.X, 50 + p.Y), expected.Pixel(p.X, p.Y));
  EXPECT_EQ(Pixel(99, 49), clWhite);
  EXPECT_EQ(Pixel(190, 90), clWhite);

  Clear();
  canvas->SetStretchDrawQuality(sqLow);
  canvas->StretchDraw({190, 90, 100, 50}, source);  // given upside down
  EXPECT_EQ(Pixel(101, 51), clRed);
  EXPECT_EQ(Pixel(188, 88), clAqua);
}

TEST_F(StretchDrawing, MissingImagesDrawNothing) {
  canvas->StretchDraw({10, 10, 50, 50}, TBitmap());
  canvas->Draw(10, 10, TBitmap());
  canvas->StretchDraw({10, 10, 10, 50}, Filled(4, 4, clRed));
  EXPECT_EQ(InkCount(), 0);
  canvas->Draw(-2, -2, Filled(4, 4, clRed));
  EXPECT_EQ(InkCount(), 4);
}

}  // namespace
}  // namespace quil

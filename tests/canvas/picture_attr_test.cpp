#include <gtest/gtest.h>

#include <vector>

#include "canvas/blend_bitmaps.h"
#include "canvas/blur_filter.h"
#include "canvas/image_pixels.h"
#include "canvas/picture.h"
#include "change_counter_attr.h"

namespace quil {
namespace {

// A black image with one white pixel.
TBitmap Dot(int width, int height, int x, int y) {
  TBitmap b(width, height);
  b.Fill(clBlack);
  b.SetPixel(x, y, clWhite);
  return b;
}

int Red(const TBitmap& b, int x, int y) { return GetRValue(b.Pixel(x, y)); }

TEST(AttrBlurFilter, OneWhitePixelSpreadsByTheWeights) {
  struct Case {
    int amount;
    int centre;
    int neighbour;
  };
  // 255·amount / (8 + amount) and 255 / (8 + amount), rounded to nearest, ties to even.
  for (const Case& c : {Case{1, 28, 28}, Case{2, 51, 26}, Case{8, 128, 16}}) {
    SCOPED_TRACE(c.amount);
    TBitmap b = Dot(5, 5, 2, 2);
    TBlurFilter blur;
    blur.SetAmount(c.amount);
    blur.Apply(b);
    for (int y = 1; y <= 3; ++y) {
      for (int x = 1; x <= 3; ++x) {
        const int expected = (x == 2 && y == 2) ? c.centre : c.neighbour;
        EXPECT_EQ(Red(b, x, y), expected) << x << "," << y;
      }
    }
    EXPECT_EQ(Red(b, 0, 0), 0);
    EXPECT_EQ(Red(b, 4, 2), 0);
    EXPECT_EQ(b.Alpha(0, 0), 255);
    EXPECT_EQ(b.Pixel(2, 1), RGBColor(c.neighbour, c.neighbour, c.neighbour));
  }
}

TEST(AttrBlurFilter, StepsRepeatTheConvolution) {
  TBitmap b = Dot(7, 7, 3, 3);
  TBlurFilter blur;
  blur.SetSteps(2);
  blur.Apply(b);
  // After the first pass the 3×3 block holds 28; the second pass sees 9·28 around the centre,
  // 4·28 beside an edge middle, 1·28 at a corner two pixels out.
  EXPECT_EQ(Red(b, 3, 3), 28);
  EXPECT_EQ(Red(b, 3, 1), 9);   // 3·28 / 9 = 9.33
  EXPECT_EQ(Red(b, 1, 1), 3);   // 28 / 9 = 3.1
  EXPECT_EQ(Red(b, 2, 2), 12);  // 4·28 / 9 = 12.4
  EXPECT_EQ(Red(b, 0, 0), 0);
}

TEST(AttrBlurFilter, EdgesAverageOnlyThePixelsThatExist) {
  TBitmap b(3, 3);
  b.Fill(clWhite);
  TBlurFilter blur;
  blur.Apply(b);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Red(b, x, y), 255) << x << "," << y;
}

TEST(AttrBlurFilter, WorksOnlyInsideItsRegion) {
  TBitmap b = Dot(6, 6, 2, 2);
  TBlurFilter blur;
  blur.Region().SetLeft(2);
  blur.Region().SetTop(0);
  blur.Region().SetWidth(10);  // clipped at the image's right edge
  blur.Region().SetHeight(6);
  blur.Apply(b);
  EXPECT_EQ(Red(b, 1, 2), 0);  // outside: untouched
  EXPECT_EQ(Red(b, 2, 2), 28);
  EXPECT_EQ(Red(b, 3, 3), 28);
  EXPECT_EQ(Red(b, 4, 2), 0);
}

TEST(AttrBlurFilter, DegenerateSettingsLeaveTheImageAlone) {
  for (int steps : {0, -1}) {
    TBitmap b = Dot(3, 3, 1, 1);
    TBlurFilter blur;
    blur.SetSteps(steps);
    blur.Apply(b);
    EXPECT_EQ(Red(b, 1, 1), 255);
  }
  TBitmap b = Dot(3, 3, 1, 1);
  TBlurFilter blur;
  blur.SetAmount(-8);  // weights add up to 0 in the middle: nothing to divide by
  blur.Apply(b);
  EXPECT_EQ(Red(b, 1, 1), 255);
  TBitmap empty;
  blur.Apply(empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(AttrPicture, FilteredAppliesEnabledFiltersToACopy) {
  TChangeCounter owner;
  TQuilPicture picture(owner.Handler());
  picture.SetGraphic(Dot(5, 5, 2, 2));
  EXPECT_EQ(owner.Count(), 1);
  picture.Filters().Add<TBlurFilter>();
  TBlurFilter& off = picture.Filters().Add<TBlurFilter>();
  off.SetEnabled(false);
  const TBitmap filtered = picture.Filtered();
  EXPECT_EQ(Red(filtered, 2, 2), 28);  // one pass: the disabled filter did nothing
  EXPECT_EQ(Red(picture.Graphic(), 2, 2), 255);

  TQuilPicture copy;
  copy.Assign(picture);
  EXPECT_EQ(copy.Filters().Count(), 2);
  EXPECT_FALSE(copy.Filters()[1].Enabled());
  EXPECT_EQ(Red(copy.Filtered(), 2, 2), 28);
}

TBitmap Solid(int width, int height, TColor color) {
  TBitmap b(width, height);
  b.Fill(color);
  return b;
}

TEST(AttrBlendBitmaps, PercentWeighsTheTwoImages) {
  struct Case {
    int percent;
    int expected;  // a = 200, b = 100 in every channel
  };
  // a + (b − a)·w div 255 with w = 255 − round(percent·2.55)
  for (const Case& c : {Case{100, 200}, Case{0, 100}, Case{50, 150}, Case{25, 126}, Case{150, 200}, Case{-5, 100}}) {
    SCOPED_TRACE(c.percent);
    const TBitmap a = Solid(2, 2, RGBColor(200, 200, 200));
    TBitmap b = Solid(2, 2, RGBColor(100, 100, 100));
    QuilBlendBitmaps(c.percent, a, b, {0, 0});
    EXPECT_EQ(Red(b, 1, 1), c.expected);
    EXPECT_EQ(b.Alpha(1, 1), 255);
  }
}

TEST(AttrBlendBitmaps, MaskWeighsEachChannelAndTruncatesTowardZero) {
  const TBitmap a = Solid(1, 1, RGBColor(100, 200, 0));
  TBitmap b = Solid(1, 1, RGBColor(200, 100, 255));
  const TBitmap mask = Solid(1, 1, RGBColor(100, 64, 255));
  QuilBlendBitmaps(0, a, b, {0, 0}, &mask);
  const TColor c = b.Pixel(0, 0);
  EXPECT_EQ(GetRValue(c), 161);  // 200 + (−100·100) div 256 = 200 − 39
  EXPECT_EQ(GetGValue(c), 125);  // 100 + (100·64) div 256
  EXPECT_EQ(GetBValue(c), 1);    // 255 + (−255·255) div 256 = 255 − 254
}

TEST(AttrBlendBitmaps, OnlyTheCommonAreaAtTheOriginChanges) {
  const TBitmap a = Solid(3, 3, clWhite);
  TBitmap b = Solid(4, 4, clBlack);
  QuilBlendBitmaps(100, a, b, {2, -1});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const bool covered = x >= 2 && y <= 1;
      EXPECT_EQ(Red(b, x, y), covered ? 255 : 0) << x << "," << y;
    }
  TBitmap far = Solid(2, 2, clBlack);
  QuilBlendBitmaps(100, a, far, {5, 5});
  EXPECT_EQ(Red(far, 1, 1), 0);
}

TEST(AttrBlendBitmaps, ASmallerMaskLimitsTheArea) {
  const TBitmap a = Solid(3, 1, clWhite);
  TBitmap b = Solid(3, 1, clBlack);
  const TBitmap mask = Solid(2, 1, clWhite);
  QuilBlendBitmaps(0, a, b, {0, 0}, &mask);
  EXPECT_EQ(Red(b, 1, 0), 254);  // 0 + 255·255 div 256
  EXPECT_EQ(Red(b, 2, 0), 0);
}

TEST(AttrBlendBitmaps, BackgroundWeightOfATransparency) {
  EXPECT_EQ(QuilBackgroundWeight(0), 0);
  EXPECT_EQ(QuilBackgroundWeight(100), 255);
  EXPECT_EQ(QuilBackgroundWeight(50), 128);
  EXPECT_EQ(QuilBackgroundWeight(75), 191);
  EXPECT_EQ(QuilBackgroundWeight(-20), 0);
}

}  // namespace
}  // namespace quil

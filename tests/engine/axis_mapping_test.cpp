#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "axis_test_support.h"
#include "engine/axis_mapping.h"

namespace quil {
namespace {

using axistest::TScaleFixture;

// A scale over the fixed range min..max, laid out over the pixels start..end.
void FixRange(TAxisScale& scale, double min, double max, int start, int end) {
  scale.SetMinMax(min, max);
  scale.SetPositions(start, end);
  scale.AdjustMaxMin();
}

struct TEndsCase {
  TAxisDirection Direction;
  bool Inverted;
  int MinimumPixel, MaximumPixel;
};

// Horizontal and depth axes grow from their start, a vertical one from its end (pixel Y grows
// downwards); inverting swaps the ends. The span is 100..600.
TEST(AxisMapping, EndsOfTheRangeLandOnTheRightPixels) {
  const TEndsCase cases[] = {
      {TAxisDirection::Horizontal, false, 100, 600}, {TAxisDirection::Horizontal, true, 600, 100},
      {TAxisDirection::Vertical, false, 600, 100},   {TAxisDirection::Vertical, true, 100, 600},
      {TAxisDirection::Depth, false, 100, 600},      {TAxisDirection::Depth, true, 600, 100},
  };
  for (const bool logarithmic : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << "direction " << int(c.Direction) << " inverted " << c.Inverted
                                      << " log " << logarithmic);
      TAxisScale scale(c.Direction);
      scale.SetInverted(c.Inverted);
      FixRange(scale, 1, 1000, 100, 600);
      scale.SetLogarithmic(logarithmic);
      EXPECT_EQ(scale.CalcPosValue(1), c.MinimumPixel);
      EXPECT_EQ(scale.CalcPosValue(1000), c.MaximumPixel);
      const int middle = logarithmic ? scale.CalcPosValue(std::sqrt(1000.0)) : scale.CalcPosValue(500.5);
      EXPECT_EQ(middle, 350);
      EXPECT_DOUBLE_EQ(scale.CalcPosPoint(c.MinimumPixel), 1);
      EXPECT_DOUBLE_EQ(scale.CalcPosPoint(c.MaximumPixel), 1000);
    }
  }
}

TEST(AxisMapping, ValueToPixelToValueRoundTrips) {
  for (const auto direction : {TAxisDirection::Horizontal, TAxisDirection::Vertical, TAxisDirection::Depth}) {
    for (const bool inverted : {false, true}) {
      for (const bool logarithmic : {false, true}) {
        SCOPED_TRACE(testing::Message() << "direction " << int(direction) << " inverted " << inverted
                                        << " log " << logarithmic);
        TAxisScale scale(direction);
        scale.SetInverted(inverted);
        FixRange(scale, 2, 5000, 37, 837);
        scale.SetLogarithmic(logarithmic);
        for (int pixel = 37; pixel <= 837; pixel += 40) {
          const double value = scale.CalcPosPoint(pixel);
          EXPECT_EQ(scale.CalcPosValue(value), pixel) << "value " << value;
        }
        for (const double value : {2.0, 3.5, 17.0, 250.0, 4999.0}) {
          const double back = scale.CalcPosPoint(scale.CalcPosValue(value));
          // One pixel is worth (range / 800) linearly, a factor of 2500^(1/800) logarithmically.
          if (logarithmic)
            EXPECT_NEAR(std::log(back), std::log(value), std::log(2500.0) / 800) << value;
          else
            EXPECT_NEAR(back, value, 4998.0 / 800) << value;
        }
      }
    }
  }
}

TEST(AxisMapping, ZeroRangeMapsEverythingToTheCentre) {
  TScaleFixture f;
  f.Layout(100, 501);
  ASSERT_TRUE(f.Scale.IRangeZero());
  for (const double value : {0.0, -1e300, 1e300, 7.0, std::nan("")}) EXPECT_EQ(f.Scale.CalcPosValue(value), 300);
  EXPECT_EQ(f.Scale.CalcSizeValue(10), 0);

  f.Scale.SetLogarithmic(true);
  EXPECT_EQ(f.Scale.CalcPosValue(5), 300);
}

TEST(AxisMapping, PositionsAreClampedToTheMaximumPixelPosition) {
  TAxisScale scale;
  FixRange(scale, 0, 1, 0, 1000);
  EXPECT_EQ(scale.CalcPosValue(1e9), QuilMaxPixelPos);
  EXPECT_EQ(scale.CalcPosValue(-1e9), -QuilMaxPixelPos);
  EXPECT_EQ(scale.CalcPosValue(std::numeric_limits<double>::infinity()), QuilMaxPixelPos);
  EXPECT_EQ(scale.CalcPosValue(-std::numeric_limits<double>::infinity()), -QuilMaxPixelPos);
  EXPECT_EQ(scale.CalcPosValue(std::nan("")), -QuilMaxPixelPos);
  EXPECT_EQ(scale.CalcSizeValue(1e12), QuilMaxPixelPos);

  // The clamp follows the module variable.
  const int saved = QuilMaxPixelPos;
  QuilMaxPixelPos = 2000;
  EXPECT_EQ(scale.CalcPosValue(5), 2000);
  QuilMaxPixelPos = saved;
}

TEST(AxisMapping, LogarithmicAxisPutsValuesThatAreNotPositiveAtTheMinimumEnd) {
  for (const bool inverted : {false, true}) {
    TAxisScale horizontal(TAxisDirection::Horizontal);
    TAxisScale vertical(TAxisDirection::Vertical);
    for (TAxisScale* scale : {&horizontal, &vertical}) {
      scale->SetInverted(inverted);
      FixRange(*scale, 1, 100, 10, 210);
      scale->SetLogarithmic(true);
      EXPECT_EQ(scale->CalcPosValue(0), scale->CalcPosValue(1));
      EXPECT_EQ(scale->CalcPosValue(-5), scale->CalcPosValue(1));
    }
  }
}

TEST(AxisMapping, SizeOfAValueDifference) {
  TAxisScale scale(TAxisDirection::Vertical);
  FixRange(scale, 0, 200, 0, 400);
  EXPECT_EQ(scale.CalcSizeValue(50), 100);
  EXPECT_EQ(scale.CalcSizeValue(80, 30), 100);
  EXPECT_EQ(scale.CalcSizeValue(30, 80), 100);  // the difference counts, not its sign
  EXPECT_EQ(scale.CalcSizeValue(30, 30), 0);
  EXPECT_EQ(scale.CalcSizeValue(std::nan(""), 30), 0);

  FixRange(scale, 1, 10000, 0, 400);
  scale.SetLogarithmic(true);
  EXPECT_EQ(scale.CalcSizeValue(100, 10), 100);  // one decade of four, on a vertical axis too
}

TEST(AxisMapping, AxisShorterThanAPixelHasNoValues) {
  TAxisScale scale;
  FixRange(scale, 10, 20, 50, 50);
  EXPECT_EQ(scale.CalcPosPoint(50), 0);
  EXPECT_EQ(scale.CalcPosValue(15), 50);
}

// The mapping is bound when the settings change, not looked up per call: flipping Inverted or
// Logarithmic after the layout takes effect at once.
TEST(AxisMapping, SettingsRebindTheMapping) {
  TAxisScale scale;
  FixRange(scale, 1, 100, 0, 200);
  EXPECT_EQ(scale.CalcPosValue(100), 200);
  scale.SetInverted(true);
  EXPECT_EQ(scale.CalcPosValue(100), 0);
  scale.SetLogarithmic(true);
  EXPECT_EQ(scale.CalcPosValue(10), 100);
  scale.SetDirection(TAxisDirection::Vertical);
  EXPECT_EQ(scale.CalcPosValue(100), 200);
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "chart/rovede.h"
#include "palette_test_support.h"
#include "series/surface/custom3d_palette_series.h"

namespace quil {
namespace {

using testing::FillValues;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Values 0 .. 31 and the default 32 palette steps: entry i has the bound i.
class PaletteColorsTest : public ::testing::Test {
 protected:
  PaletteColorsTest() { FillValues(series, 32); }

  void UsePaletteOnly() {
    series.SetUseColorRange(false);
    series.SetUsePalette(true);
  }

  TCustom3DPaletteSeries series;
};

TEST_F(PaletteColorsTest, ColorRangeRunsFromEndColorAtTheLowestToStartColorAtTheHighest) {
  struct TCase {
    double value;
    TColor color;
  };
  // Navy (0, 0, 128) at the top, white at the bottom; each byte rounds halves to even.
  for (const TCase& c : {TCase{0, clWhite}, {31, clNavy}, {10, RGBColor(173, 173, 214)}, {15.5, RGBColor(127, 127, 191)},
                         {-1, clWhite}, {32, clNavy}, {kNaN, clWhite}, {kInf, clNavy}, {-kInf, clWhite}}) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(series.GetValueColorValue(c.value), c.color);
  }
  EXPECT_EQ(series.ValueColor(10), RGBColor(173, 173, 214)) << "a point takes the colour of its value";
}

TEST_F(PaletteColorsTest, MiddleColorSplitsTheRangeIntoTwoRamps) {
  series.SetMidColor(RGBColor(128, 128, 128));
  struct TCase {
    double value;
    TColor color;
  };
  for (const TCase& c : {TCase{0, clWhite}, {7.75, RGBColor(191, 191, 191)}, {15.5, RGBColor(128, 128, 128)},
                         {23.25, RGBColor(64, 64, 128)}, {31, clNavy}}) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(series.GetValueColorValue(c.value), c.color);
  }
  EXPECT_EQ(series.RangePercent(0.5), RGBColor(128, 128, 128));
  EXPECT_EQ(series.RangePercent(2), clNavy) << "percent beyond 1 counts as 1";
  EXPECT_EQ(series.RangePercent(kNaN), clWhite) << "NaN counts as 0";
}

TEST_F(PaletteColorsTest, RampInterpolatesTheHighByteToo) {
  series.SetStartColor(0xFF000000);
  series.SetEndColor(0x00000000);
  EXPECT_EQ(series.RangePercent(0.5), 0x80000000u);
  EXPECT_EQ(series.RangePercent(1), 0xFF000000u);
}

TEST_F(PaletteColorsTest, EqualValuesTakeEndColorAndShareOneBound) {
  TCustom3DPaletteSeries flat;
  for (int i = 0; i < 5; ++i) flat.AddXYZ(i, 7, i);
  EXPECT_EQ(flat.IValueRangeInv(), 0);
  EXPECT_EQ(flat.GetValueColorValue(7), clWhite);
  EXPECT_EQ(flat.GetValueColorValue(100), clWhite);
  flat.CreateDefaultPalette();
  EXPECT_EQ(testing::PaletteBounds(flat), std::vector<double>(32, 7.0));
}

TEST_F(PaletteColorsTest, ColorRangeFollowsValuesAddedAfterTheLastDrawing) {
  series.DoBeforeDrawChart();
  series.AddXYZ(32, 62, 32);
  EXPECT_EQ(series.GetValueColorValue(62), clNavy) << "the new maximum";
  EXPECT_EQ(series.GetValueColorValue(31), RGBColor(127, 127, 191));
}

struct TStyleCase {
  TQuilPaletteStyle style;
  int entry;
  TColor color;
};

class PaletteStyleTest : public PaletteColorsTest, public ::testing::WithParamInterface<TStyleCase> {};

// Each style's colour at both ends, in the middle and in between, worked out by hand from the
// style's waves, grey steps or rainbow table.
TEST_P(PaletteStyleTest, EntryTakesTheStylesColor) {
  const TStyleCase& c = GetParam();
  ROvede chart;  // a rainbow palette is made for series in a chart
  series.SetParenrOvede(&chart);
  UsePaletteOnly();
  series.SetPaletteStyle(c.style);
  series.CreateDefaultPalette();
  ASSERT_EQ(series.Palette().size(), 32u);
  EXPECT_EQ(series.Palette()[static_cast<std::size_t>(c.entry)].Color, c.color);
  EXPECT_EQ(series.ValueColor(c.entry), c.color) << "the point whose value is the entry's bound";
  series.SetParenrOvede(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, PaletteStyleTest,
    ::testing::Values(TStyleCase{psPale, 0, RGBColor(127, 127, 254)}, TStyleCase{psPale, 16, RGBColor(216, 254, 127)},
                      TStyleCase{psPale, 31, RGBColor(253, 139, 0)}, TStyleCase{psStrong, 0, RGBColor(127, 127, 254)},
                      TStyleCase{psStrong, 8, RGBColor(216, 254, 127)}, TStyleCase{psStrong, 16, RGBColor(254, 127, 0)},
                      TStyleCase{psStrong, 31, RGBColor(139, 102, 251)}, TStyleCase{psGrayScale, 0, RGBColor(0, 0, 0)},
                      TStyleCase{psGrayScale, 1, RGBColor(8, 8, 8)}, TStyleCase{psGrayScale, 16, RGBColor(128, 128, 128)},
                      TStyleCase{psGrayScale, 31, RGBColor(247, 247, 247)}, TStyleCase{psInvGray, 0, clWhite},
                      TStyleCase{psInvGray, 16, RGBColor(127, 127, 127)}, TStyleCase{psInvGray, 31, RGBColor(8, 8, 8)},
                      TStyleCase{psRainbow, 0, RGBColor(153, 0, 0)}, TStyleCase{psRainbow, 12, RGBColor(131, 205, 37)},
                      TStyleCase{psRainbow, 24, RGBColor(204, 0, 255)}, TStyleCase{psRainbow, 25, RGBColor(153, 0, 0)},
                      TStyleCase{psRainbow, 31, RGBColor(255, 159, 0)}));

TEST_F(PaletteColorsTest, PaletteLookupTakesTheFirstBoundAtOrAboveTheValue) {
  UsePaletteOnly();
  series.SetPaletteStyle(psGrayScale);
  series.CreateDefaultPalette();
  const auto& palette = series.Palette();
  struct TCase {
    double value;
    int entry;
  };
  for (const TCase& c : {TCase{10, 10}, {10.5, 11}, {9.999, 10}, {0, 0}, {-5, 0}, {31, 31}, {100, 31}, {kNaN, 0},
                         {kInf, 31}, {-kInf, 0}}) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(series.GetValueColorValue(c.value), palette[static_cast<std::size_t>(c.entry)].Color);
  }
}

TEST_F(PaletteColorsTest, WithoutAColorModePointsTakeTheSeriesColor) {
  series.SetUseColorRange(false);
  series.SetSeriesColor(clTeal);
  EXPECT_EQ(series.ValueColor(3), clTeal);
  EXPECT_EQ(series.GetValueColorValue(3), clTeal);
  series.SetUsePalette(true);
  series.ClearPalette();
  EXPECT_EQ(series.GetValueColorValue(3), clTeal) << "palette mode with an empty palette";
}

TEST_F(PaletteColorsTest, OwnColorsNullPointsAndTheColorHook) {
  series.SetValueColor(2, clRed);
  series.SetValueColor(3, clNone);
  EXPECT_EQ(series.ValueColor(2), clRed) << "a colour of its own wins over the value";
  EXPECT_TRUE(series.IsNull(3));
  std::vector<int> asked;
  series.OnGetColor = [&](const ROvedeSeries&, int index, TColor& color) {
    asked.push_back(index);
    if (index == 5) color = clLime;
  };
  EXPECT_EQ(series.ValueColor(5), clLime);
  EXPECT_EQ(series.ValueColor(2), clRed);
  EXPECT_EQ(asked, (std::vector<int>{5, 2}));
}

TEST_F(PaletteColorsTest, InfiniteValuesLeaveNoNaNBoundInTheBuiltPalette) {
  for (double extreme : {kInf, -kInf}) {
    SCOPED_TRACE(extreme);
    TCustom3DPaletteSeries wild;
    FillValues(wild, 4);
    wild.AddXYZ(4, extreme, 4);
    wild.AddXYZ(5, kNaN, 5);
    wild.CreateDefaultPalette();
    ASSERT_EQ(wild.Palette().size(), 32u);
    const std::vector<double> bounds = testing::PaletteBounds(wild);
    for (double bound : bounds) EXPECT_FALSE(std::isnan(bound));
    EXPECT_TRUE(std::is_sorted(bounds.begin(), bounds.end()));
    EXPECT_EQ(wild.GetValueColorValue(2), clWhite) << "a range without end maps values to the end colour";
  }
}

}  // namespace
}  // namespace quil

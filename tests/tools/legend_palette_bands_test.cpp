#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "palette_tool_fixture.h"
#include "series/surface/value_palette.h"
#include "tools/legend_pointer.h"

namespace quil {
namespace {

using testing::PaletteToolTest;

class PaletteBandsTest : public PaletteToolTest {
 protected:
  // The row half way between the values of entries i - 1 and i: inside band i.
  int BandRow(int i) {
    const TCustom3DPalette& palette = surface.Palette();
    return (RowOf(palette[i].UpToValue) + RowOf(palette[i - 1].UpToValue)) / 2;
  }
  int BandColumn(int i) {
    const TCustom3DPalette& palette = surface.Palette();
    return (ColumnOf(palette[i].UpToValue) + ColumnOf(palette[i - 1].UpToValue)) / 2;
  }
  TColor BarPixel(int x, int y) { return host->Image().Pixel(x, y); }
  // The colour the surface gives a value, as its drawing asks for it.
  TColor SurfaceColor(double value) { return surface.GetValueColorValue(value); }
};

TEST_F(PaletteBandsTest, OnePointPerPaletteEntryInItsSurfaceColour) {
  FillValues(32);
  host->Render();
  ASSERT_EQ(surface.Palette().size(), 32u);
  ASSERT_EQ(Bands().Count(), 32);
  for (int i = 0; i < 32; ++i) {
    EXPECT_EQ(Bands().XValue(i), i);
    EXPECT_EQ(Bands().YValue(i), i);
    EXPECT_EQ(Bands().ValueColor(i), SurfaceColor(i)) << i;
  }
  EXPECT_EQ(Bands().ValueColor(31), clNavy) << "the highest value takes StartColor";
  Save("palette_bands.png");
}

// Band i lies between the values of entries i - 1 and i, in entry i's colour: from the
// lowest at the bottom to the highest at the top, or turned round when inverted, and from left
// to right on a horizontal bar.
TEST_F(PaletteBandsTest, BandsRunAlongTheAxisInEveryDirection) {
  FillValues(8);
  surface.SetPaletteSteps(8);
  for (const bool vertical : {true, false})
    for (const bool inverted : {false, true}) {
      SCOPED_TRACE(std::string(vertical ? "vertical" : "horizontal") + (inverted ? " inverted" : ""));
      tool.SetVertical(vertical);
      tool.SetInverted(inverted);
      host->Render();
      ASSERT_EQ(Bands().Count(), 8);
      const int lowToHigh = vertical ? RowOf(7) - RowOf(0) : ColumnOf(7) - ColumnOf(0);
      EXPECT_EQ(lowToHigh > 0, vertical == inverted) << "which way the values grow";
      for (int i = 1; i < 8; ++i) {
        const int x = vertical ? Bar().ChartXCenter() : BandColumn(i);
        const int y = vertical ? BandRow(i) : Bar().ChartYCenter();
        EXPECT_EQ(BarPixel(x, y), SurfaceColor(i)) << "band " << i;
      }
      Save(std::string("palette_bands_") + (vertical ? "v" : "h") + (inverted ? "i" : "") + ".png");
    }
}

// The bar shows the colours the surface uses: the ramp's while it is on, the entries' own
// only when the palette alone colours the surface, and the series colour with neither.
TEST_F(PaletteBandsTest, BandColoursFollowTheSurfacesColourMode) {
  FillValues(16);
  struct TCase {
    bool range;
    bool palette;
  };
  for (const TCase c : {TCase{true, false}, TCase{true, true}, TCase{false, true}, TCase{false, false}}) {
    SCOPED_TRACE(std::string(c.range ? "range " : "") + (c.palette ? "palette" : ""));
    surface.SetUseColorRange(c.range);
    surface.SetUsePalette(c.palette);
    host->Render();
    const TCustom3DPalette& palette = surface.Palette();
    ASSERT_EQ(Bands().Count(), static_cast<int>(palette.size()));
    int differFromEntries = 0;
    for (int i = 0; i < Bands().Count(); ++i) {
      const double value = palette[static_cast<std::size_t>(i)].UpToValue;
      EXPECT_EQ(Bands().ValueColor(i), SurfaceColor(value)) << i;
      if (i > 0) {
        EXPECT_EQ(BarPixel(Bar().ChartXCenter(), BandRow(i)), SurfaceColor(value)) << i;
      }
      differFromEntries += SurfaceColor(value) != palette[static_cast<std::size_t>(i)].Color;
    }
    if (c.range) {
      EXPECT_GT(differFromEntries, 8) << "the ramp, not the entries' colours";
    } else if (c.palette) {
      EXPECT_EQ(differFromEntries, 0);
    } else {
      EXPECT_EQ(Bands().ValueColor(3), surface.SeriesColor());
    }
  }
}

// A value anywhere on the bar shows the colour a surface cell of that value gets, for every
// palette style: the palette colours the surface and the value lies inside a band.
TEST_F(PaletteBandsTest, BarAtAValueShowsTheSurfacesColourOfThatValue) {
  FillValues(32);
  surface.SetUseColorRange(false);
  surface.SetUsePalette(true);
  for (const TQuilPaletteStyle style : {psPale, psStrong, psGrayScale, psInvGray, psRainbow, psCustom}) {
    SCOPED_TRACE(style);
    surface.SetPaletteStyle(style);
    if (style == psCustom) surface.AddPalette({clRed, clLime, clBlue, clYellow});
    host->Render();
    ASSERT_EQ(Bands().Count(), 32);
    for (const double value : {0.5, 4.4, 11.5, 19.6, 26.5, 30.5}) {
      const int row = RowOf(value);
      ASSERT_NE(row, RowOf(PaletteEntryIndex(surface.Palette(), value))) << "not on a band's edge";
      EXPECT_EQ(BarPixel(Bar().ChartXCenter(), row), SurfaceColor(value)) << value;
    }
  }
}

// Each band blends from its lower neighbour's colour at the lower value's edge to its own at
// its own value's edge.
TEST_F(PaletteBandsTest, SmoothBandsBlendFromTheirLowerNeighbour) {
  FillValues(4);
  surface.SetPaletteSteps(4);
  tool.SetSmooth(true);
  tool.Pen().SetVisible(false);
  host->Render();
  const int x = Bar().ChartXCenter();
  for (int i = 1; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(BarPixel(x, RowOf(i)), SurfaceColor(i)) << "own colour at its value";
    EXPECT_EQ(BarPixel(x, RowOf(i - 1) - 1), SurfaceColor(i - 1)) << "the neighbour's at the lower value";
    EXPECT_NE(BarPixel(x, BandRow(i)), SurfaceColor(i)) << "blended between";
  }
}

// Every edge between two bands shows the pen, whichever way the bands run and are drawn.
TEST_F(PaletteBandsTest, LinesBetweenBandsAreDrawnWithTheToolsPen) {
  FillValues(8);
  surface.SetPaletteSteps(8);
  tool.Pen().SetColor(clRed);
  for (const bool vertical : {true, false})
    for (const bool inverted : {false, true}) {
      SCOPED_TRACE(std::string(vertical ? "vertical" : "horizontal") + (inverted ? " inverted" : ""));
      tool.SetVertical(vertical);
      tool.SetInverted(inverted);
      tool.Pen().SetVisible(true);
      host->Render();
      const auto edge = [&](int i) {
        return vertical ? BarPixel(Bar().ChartXCenter(), RowOf(i)) : BarPixel(ColumnOf(i), Bar().ChartYCenter());
      };
      for (int i = 1; i < 7; ++i) EXPECT_EQ(edge(i), clRed) << "edge " << i;
      tool.Pen().SetVisible(false);
      host->Render();
      for (int i = 1; i < 7; ++i) EXPECT_NE(edge(i), clRed) << "edge " << i;
    }
}

TEST_F(PaletteBandsTest, PointerMarksItsValueOnTheBar) {
  FillValues(32);
  TLegendPointer& pointer = tool.Pointer();
  pointer.SetValue(20);
  pointer.Brush().SetColor(clRed);
  host->Render();
  Save("palette_pointer.png");
  const int x = Bar().ChartXCenter();
  const int y = RowOf(20);
  for (const TPoint ring : {TPoint{x + 6, y}, TPoint{x - 6, y}, TPoint{x, y - 6}, TPoint{x, y + 6}})
    EXPECT_EQ(BarPixel(ring.X, ring.Y), clRed) << "the ring at " << ring.X - x << "," << ring.Y - y;
  EXPECT_NE(BarPixel(x, y), clRed) << "the donut's hole";
  EXPECT_NE(BarPixel(x, RowOf(5)), clRed) << "nowhere else";
  pointer.SetVisible(false);
  EXPECT_NE(host->Render().Pixel(x + 6, y), clRed);
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_startup.h"
#include "canvas/quil_canvas3d.h"
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


// The bar and the surface it explains, both drawn: a flat cell of a value (all four corners at
// that value, so whichever corner colours it) shows the colour the bar shows at that value, for
// every palette style and on both canvases. With the colour range on as well, the ramp colours
// both: the cell of an entry's value matches the middle of that entry's band.
class PaletteBarMatchesSurfaceTest : public PaletteBandsTest {
 protected:
  // Two rows of columns in pairs: columns 2k and 2k + 1 both at value k, so the cell between
  // them is flat; the cells joining neighbouring pairs slope and are not looked at.
  void FillFlatCells(const std::vector<double>& values) {
    surface.Clear();
    for (int z = 0; z < 2; ++z)
      for (std::size_t k = 0; k < values.size(); ++k)
        for (int x : {2 * static_cast<int>(k), 2 * static_cast<int>(k) + 1}) surface.AddXYZ(x, values[k], z);
  }
  // The middle of the flat cell of pair k on the screen, after a render.
  TPoint FlatCellCentre(std::size_t k, double value) {
    TPoint sum{};
    for (const int x : {2 * static_cast<int>(k), 2 * static_cast<int>(k) + 1})
      for (const int z : {0, 1}) {
        const TPoint p = chart.Canvas().Calculate3DPosition(chart.BottomAxis().CalcXPosValue(x),
                                                            chart.LeftAxis().CalcYPosValue(value),
                                                            chart.DepthAxis().CalcPosValue(z));
        sum = {sum.X + p.X, sum.Y + p.Y};
      }
    return {sum.X / 4, sum.Y / 4};
  }
  // Checks the flat cell of pair k against the bar at the given row.
  void ExpectCellMatchesBar(std::size_t k, double value, int barRow) {
    const TPoint centre = FlatCellCentre(k, value);
    ASSERT_FALSE(tool.BarRect().Contains(centre)) << "the bar covers the cell";
    const TColor cell = BarPixel(centre.X, centre.Y);
    EXPECT_EQ(cell, BarPixel(Bar().ChartXCenter(), barRow)) << "value " << value;
    EXPECT_EQ(cell, SurfaceColor(value)) << "value " << value;
  }
  void UseCanvas(bool antiAliased) {
    if (antiAliased)
      chart.SetInternalCanvas(std::make_unique<TGDIPlusCanvas>());
    else
      chart.SetInternalCanvas(std::make_unique<TQuilCanvas3D>());
  }

  PaletteBarMatchesSurfaceTest() {
    GDIPlusStartup();
    chart.SetView3D(true);
    chart.SetChart3DPercent(40);
  }
  ~PaletteBarMatchesSurfaceTest() override {
    UseCanvas(false);
    GDIPlusShutdown();
  }
};

TEST_F(PaletteBarMatchesSurfaceTest, EachPaletteStyleOnBothCanvases) {
  // 0 and 31 span the range (32 entries of one unit); the others lie inside bands.
  const std::vector<double> values = {0, 0.5, 4.4, 11.5, 19.6, 26.5, 30.5, 31};
  FillFlatCells(values);
  surface.SetUseColorRange(false);
  surface.SetUsePalette(true);
  for (const bool antiAliased : {false, true}) {
    UseCanvas(antiAliased);
    for (const TQuilPaletteStyle style : {psPale, psStrong, psGrayScale, psInvGray, psRainbow, psCustom}) {
      SCOPED_TRACE(::testing::Message() << (antiAliased ? "anti-aliased" : "plain") << " style " << style);
      surface.SetPaletteStyle(style);
      if (style == psCustom) surface.AddPalette({clRed, clLime, clBlue, clYellow});
      host->Render();
      ASSERT_EQ(surface.Palette().size(), 32u);
      std::vector<TColor> seen;
      for (std::size_t k = 1; k + 1 < values.size(); ++k) {
        ExpectCellMatchesBar(k, values[k], RowOf(values[k]));
        seen.push_back(SurfaceColor(values[k]));
      }
      std::sort(seen.begin(), seen.end());
      EXPECT_GE(std::unique(seen.begin(), seen.end()) - seen.begin(), 3) << "values across the range differ";
      if (style == psRainbow) Save(std::string("palette_bar_surface_") + (antiAliased ? "aa" : "plain") + ".png");
    }
  }
}

TEST_F(PaletteBarMatchesSurfaceTest, ColourRangeWithThePaletteOn) {
  surface.SetUseColorRange(true);
  surface.SetUsePalette(true);
  surface.SetPaletteSteps(8);
  // The palette follows the range of the values only, so cells at entries' values inside it
  // leave it as it is.
  FillFlatCells({0, 8});
  host->Render();
  const TCustom3DPalette palette = surface.Palette();
  ASSERT_EQ(palette.size(), 8u);
  const std::vector<int> entries = {2, 4, 6};
  std::vector<double> values = {0};
  for (int entry : entries) values.push_back(palette[static_cast<std::size_t>(entry)].UpToValue);
  values.push_back(8);
  FillFlatCells(values);
  host->Render();
  ASSERT_EQ(surface.Palette().size(), 8u);
  for (std::size_t k = 1; k + 1 < values.size(); ++k) {
    ASSERT_EQ(surface.Palette()[static_cast<std::size_t>(entries[k - 1])].UpToValue, values[k]);
    ExpectCellMatchesBar(k, values[k], BandRow(entries[k - 1]));
  }
  EXPECT_NE(SurfaceColor(values[1]), SurfaceColor(values[3]));
}

}  // namespace
}  // namespace quil

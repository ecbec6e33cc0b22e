#include <gtest/gtest.h>

#include <memory>

#include "chart/rovede.h"
#include "palette_test_support.h"
#include "panel/headless_host.h"
#include "series/surface/surface_series.h"

namespace quil {
namespace {

TPoint Middle(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

// A flat chart with a legend, listing the palette of a surface holding the values 0 .. 31.
class PaletteLegendSymbolTest : public ::testing::Test {
 protected:
  PaletteLegendSymbolTest() {
    chart.SetBounds(0, 0, 913, 705);
    chart.SetView3D(false);
    testing::FillValues(surface, 32);
    surface.SetParenrOvede(&chart);
    host = std::make_unique<THeadlessHost>(chart);
  }

  ROvede chart;
  TSurfaceSeries surface;
  std::unique_ptr<THeadlessHost> host;
};

// Listed among other series, the surface's symbol is its colour ramp inside a frame: the
// highest values' colour at the top, the lowest's at the bottom.
TEST_F(PaletteLegendSymbolTest, SeriesSymbolShowsTheColourRamp) {
  ROvedeSeries other;
  other.Add(1);
  other.SetSeriesColor(clRed);
  other.SetParenrOvede(&chart);
  surface.SetSeriesColor(clLime);
  const TBitmap& image = host->Render();
  ASSERT_EQ(chart.Legend().Items().Count(), 2);
  const TRect symbol = chart.Legend().Items()[0].Symbol;
  ASSERT_GT(symbol.Height(), 5);
  const int x = Middle(symbol).X;
  EXPECT_EQ(image.Pixel(symbol.Left, Middle(symbol).Y), clBlack) << "the frame";
  EXPECT_EQ(image.Pixel(x, symbol.Top + 1), surface.StartColor());
  EXPECT_EQ(image.Pixel(x, symbol.Bottom - 2), surface.EndColor());
  EXPECT_NE(image.Pixel(x, Middle(symbol).Y), surface.StartColor()) << "blended between";

  surface.SetUseColorRange(false);
  surface.SetUsePalette(true);
  host->Render();
  EXPECT_EQ(host->Image().Pixel(x, Middle(symbol).Y), clLime) << "the series colour without the ramp";
  other.SetParenrOvede(nullptr);
}

// Continuous symbols make one column of colours with no frame between the palette items.
TEST_F(PaletteLegendSymbolTest, ContinuousSymbolsHaveNoFrameBetweenItems) {
  for (const bool continuous : {false, true}) {
    SCOPED_TRACE(continuous);
    chart.Legend().Symbol().SetContinuous(continuous);
    const TBitmap& image = host->Render();
    const TLegendItems& items = chart.Legend().Items();
    ASSERT_GT(items.Count(), 10);
    const int x = Middle(items[0].Symbol).X;
    int framed = 0;
    for (int y = items[0].Symbol.Top + 1; y < items[items.Count() - 1].Symbol.Bottom - 1; ++y)
      framed += image.Pixel(x, y) == clBlack;
    if (continuous)
      EXPECT_EQ(framed, 0);
    else
      EXPECT_GT(framed, items.Count()) << "each symbol framed on its own";
    EXPECT_EQ(image.Pixel(x, Middle(items[0].Symbol).Y), surface.LegendItemColor(31)) << "the highest entry first";
  }
}

}  // namespace
}  // namespace quil

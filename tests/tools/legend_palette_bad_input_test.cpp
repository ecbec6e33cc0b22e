#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "palette_tool_fixture.h"
#include "tools/legend_pointer.h"

namespace quil {
namespace {

using testing::PaletteToolTest;

constexpr TColor kWhite = 0xFFFFFF;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Palettes the bar can meet: it draws one band per entry it can place on its axis and skips
// the bounds that are not numbers.
TEST_F(PaletteToolTest, OddPalettesDrawWhatTheyCan) {
  FillValues(4);
  host->Render();
  struct TCase {
    std::string name;
    TCustom3DPalette palette;
    int bands;
  };
  TCustom3DPalette many;
  for (int i = 0; i < 10000; ++i) many.push_back({i * 0.5, static_cast<TColor>(i * 997 % 0xFFFFFF), {}});
  for (const TCase& c : {TCase{"one entry", {{2, clRed, {}}}, 1},
                         TCase{"equal values", {{2, clRed, {}}, {2, clLime, {}}, {2, clBlue, {}}}, 3},
                         TCase{"NaN and infinite bounds", {{kNaN, clRed, {}}, {1, clLime, {}}, {kInfinity, clBlue, {}}, {3, clYellow, {}}}, 2},
                         TCase{"all NaN", {{kNaN, clRed, {}}, {kNaN, clLime, {}}}, 0},
                         TCase{"10,000 entries", many, 10000}}) {
    SCOPED_TRACE(c.name);
    surface.SetPalette(c.palette);
    surface.SetUseColorRange(false);
    surface.SetUsePalette(true);
    const TBitmap& image = host->Render();
    EXPECT_EQ(Bands().Count(), c.bands);
    EXPECT_EQ(image.Pixel(12, 12), kWhite) << "the panel is drawn";
  }
}

// Sizes from nothing to far more than the host: the bar draws what fits and nothing else.
TEST_F(PaletteToolTest, SizesFromNothingToHugeDrawWhatFits) {
  FillValues(32);
  struct TCase {
    int width, height;
    bool panel;
  };
  for (const TCase& c : {TCase{0, 200, false}, TCase{100, 0, false}, TCase{-50, 200, false}, TCase{100, -1, false},
                         TCase{5000, 4000, true}, TCase{INT_MAX, INT_MAX, true}}) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    tool.SetWidth(c.width);
    tool.SetHeight(c.height);
    const TBitmap& image = host->Render();
    EXPECT_EQ(image.Pixel(10, 10) == kWhite, c.panel);
    if (c.width > 1000) {
      EXPECT_NE(image.Pixel(9, 9), kWhite) << "nothing outside the bar";
    }
    EXPECT_EQ(Bands().Count(), 32) << "the bands follow the palette whatever is drawn";
  }
  // A bar of one pixel has no room for its layout; it is drawn as far as it goes.
  tool.SetWidth(1);
  tool.SetHeight(1);
  host->Render();
  tool.SetLeft(INT_MIN);
  tool.SetTop(INT_MAX);
  tool.SetPositionUnits(muPercent);
  host->Render();
  EXPECT_LE(std::abs(tool.BarRect().Left), 32767);
}

TEST_F(PaletteToolTest, ToolForgetsASeriesThatIsDestroyedOrLeavesTheChart) {
  FillValues(8);
  {
    auto gone = std::make_unique<TSurfaceSeries>();
    gone->AddXYZ(1, 1, 1);
    gone->SetParenrOvede(&chart);
    tool.SetSeries(gone.get());
    host->Render();
  }
  EXPECT_EQ(tool.Series(), nullptr) << "destroyed";
  host->Render();
  EXPECT_EQ(Bands().Count(), 0);

  tool.SetSeries(&surface);
  chart.RemoveSeries(surface);
  EXPECT_EQ(tool.Series(), nullptr) << "removed from the chart";

  ROvede other;
  surface.SetParenrOvede(&chart);
  tool.SetSeries(&surface);
  surface.SetParenrOvede(&other);
  EXPECT_EQ(tool.Series(), nullptr) << "moved to another chart";
  surface.SetParenrOvede(&chart);
  host->Render();
  EXPECT_EQ(Bands().Count(), 0);

  // A series of another kind gives an empty bar.
  ROvedeSeries plain;
  plain.Add(5);
  plain.SetParenrOvede(&chart);
  tool.SetSeries(&plain);
  host->Render();
  EXPECT_EQ(Bands().Count(), 0);
  plain.SetParenrOvede(nullptr);
}

// Either may go first: the tool when the chart still draws, or the chart under a living tool.
TEST(LegendPaletteToolLifetime, HostAndToolMayGoInEitherOrder) {
  auto chart = std::make_unique<ROvede>();
  chart->SetBounds(0, 0, 300, 300);
  TSurfaceSeries surface;
  surface.AddXYZ(1, 1, 1);
  surface.AddXYZ(2, 5, 1);
  surface.SetParenrOvede(chart.get());
  {
    THeadlessHost host(*chart);
    auto tool = std::make_unique<TLegendPaletteTool>();
    tool->SetParenrOvede(chart.get());
    tool->SetSeries(&surface);
    host.Render();
    tool.reset();
    EXPECT_EQ(chart->Tools().Count(), 0);
    host.Render();
    chart->RemoveSeries(surface);
    surface.SetParenrOvede(chart.get());
  }
  TLegendPaletteTool tool;
  tool.SetParenrOvede(chart.get());
  tool.SetSeries(&surface);
  surface.SetParenrOvede(nullptr);
  chart.reset();
  EXPECT_EQ(tool.ParenrOvede(), nullptr);
  EXPECT_EQ(tool.PaletteChart().IParent(), nullptr);
  tool.Pointer().SetValue(3);
  tool.SetLeft(30);
}

}  // namespace
}  // namespace quil

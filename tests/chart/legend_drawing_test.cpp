#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdlib>
#include <string>

#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_startup.h"
#include "canvas/quil_canvas3d.h"
#include "legend_fixture.h"

namespace quil {
namespace {

using testing::LegendTest;
using testing::OutputPath;
using testing::TEntriesSeries;

bool Near(TColor a, TColor b, int tolerance) {
  for (int shift : {0, 8, 16})
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
      return false;
  return true;
}

TPoint Middle(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

// 0 for white to 765 for black.
int Darkness(TColor c) { return 765 - static_cast<int>((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)); }

// Pixels of text or tick: much darker than the legend's white.
int DarkPixels(const TBitmap& image, const TRect& r) {
  int count = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (Darkness(image.Pixel(x, y)) > 450) ++count;
  return count;
}

void Save(const TBitmap& image, const std::string& name) {
  cairo_surface_write_to_png(image.Surface(), OutputPath(name).c_str());
}

// Both canvases of the program: the plain one draws exact colours, the smoothing one nearly.
class LegendDrawingTest : public LegendTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    if (!GetParam()) return;
    GDIPlusStartup();
    chart.SetInternalCanvas(std::make_unique<TGDIPlusCanvas>());
  }
  void TearDown() override {
    if (!GetParam()) return;
    chart.SetInternalCanvas(std::make_unique<TQuilCanvas3D>());
    GDIPlusShutdown();
  }
  std::string CanvasName() const { return GetParam() ? "gdiplus" : "plain"; }
  int Tolerance() const { return GetParam() ? 3 : 0; }
};

TEST_P(LegendDrawingTest, SeriesDrawTheirSymbolsInTheirColours) {
  AddSeries("Red", 3, clRed);
  AddSeries("Green", 3, clGreen);
  AddSeries("Navy", 3, clNavy);
  const TBitmap& image = host->Render();
  ASSERT_EQ(Legend().Items().Count(), 3);
  const TColor colors[] = {clRed, clGreen, clNavy};
  for (int i = 0; i < 3; ++i) {
    const TLegendItem& item = Legend().Items()[i];
    EXPECT_GT(item.Symbol.Width(), 4);
    EXPECT_LE(item.Symbol.Right, item.Left) << "a left symbol comes before the text";
    const TPoint p = Middle(item.Symbol);
    EXPECT_TRUE(Near(image.Pixel(p.X, p.Y), colors[i], Tolerance())) << i;
    EXPECT_GT(DarkPixels(image, {item.Left, item.Top, item.Left + 30, item.Top + Legend().ItemHeight()}), 5)
        << "the series title is written";
  }
}

TEST_P(LegendDrawingTest, ValueItemsTakeTheirColoursAndOrderFromTheSeries) {
  auto& entries = AddSeries<TEntriesSeries>("E", 0, clRed);
  entries.Colors = {clRed, clGreen, clBlue, clYellow};
  for (bool inverted : {false, true}) {
    SCOPED_TRACE(inverted);
    Legend().SetInverted(inverted);
    const TBitmap& image = host->Render();
    ASSERT_EQ(Legend().Items().Count(), 4);
    for (int row = 0; row < 4; ++row) {
      const int item = inverted ? 3 - row : row;
      const TLegendItem& drawn = Legend().Items()[row];
      EXPECT_EQ(drawn.Text, testing::Numbered("entry", 3 - item)) << "items run from the last entry down";
      const TPoint p = Middle(drawn.Symbol);
      EXPECT_TRUE(Near(image.Pixel(p.X, p.Y), entries.Colors[static_cast<std::size_t>(3 - item)], Tolerance()));
      EXPECT_GE(drawn.Top, Legend().PositionRect(row).Top);
    }
  }
}

TEST_P(LegendDrawingTest, ColumnsOfAnItemAreDrawnSideBySide) {
  ROvedeSeries& s = AddSeries("A", 0, clRed);
  s.Add(2.5, "A");
  s.Add(1234.5, "Much longer label");
  Legend().SetTextStyle(ltsRightValue);
  const TBitmap& image = host->Render();
  const TLegendItem& first = Legend().Items()[0];
  EXPECT_EQ(first.Text, "A");
  EXPECT_EQ(first.Text2, "2.5");
  const TLegendItem& second = Legend().Items()[1];
  const int labelWidth = chart.Canvas().TextWidth("Much longer label");
  const TRect valueColumn{second.Left + labelWidth + 2, first.Top, Legend().ShapeBounds.Right - 2,
                          first.Top + Legend().ItemHeight()};
  EXPECT_GT(DarkPixels(image, valueColumn), 5) << "the first item's value lines up with the second's";
}

TEST_P(LegendDrawingTest, CheckBoxesShowWhichSeriesAreActive) {
  AddSeries("A", 3, clRed);
  AddSeries("B", 3, clGreen).SetActive(false);
  Legend().SetCheckBoxes(true);
  for (TCheckBoxesStyle style : {cbsCheck, cbsRadio}) {
    SCOPED_TRACE(style);
    Legend().SetCheckBoxesStyle(style);
    const TBitmap& image = host->Render();
    ASSERT_EQ(Legend().ListedItems(), 2);
    const auto inside = [&](int position) {
      const TRect row = Legend().PositionRect(position);
      const int top = row.Top + (Legend().ItemHeight() - QuilCheckBoxSize) / 2;
      return TRect{Legend().XLegendBox() + 2, top + 2, Legend().XLegendBox() + QuilCheckBoxSize - 2,
                   top + QuilCheckBoxSize - 2};
    };
    EXPECT_GT(DarkPixels(image, inside(0)), 3) << "the active series is checked";
    EXPECT_EQ(DarkPixels(image, inside(1)), 0) << "the inactive one is not";
    const TPoint symbol = Middle(Legend().Items()[0].Symbol);
    EXPECT_GT(symbol.X, Legend().XLegendBox() + QuilCheckBoxSize) << "symbols come after the boxes";
  }
}

TEST_P(LegendDrawingTest, AnEmptySeriesDrawsNoLegend) {
  AddSeries("Series1", 0, clRed);
  const TBitmap shown = host->Render();
  const TRect chartRect = chart.ChartRect;
  Legend().SetVisible(false);
  const TBitmap& hidden = host->Render();
  EXPECT_EQ(chart.ChartRect, chartRect);
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x) ASSERT_EQ(shown.Pixel(x, y), hidden.Pixel(x, y)) << x << "," << y;
}

TEST_P(LegendDrawingTest, PicturesOfEachSide) {
  chart.SetView3D(true);
  chart.Title().SetText({"Legend"});
  AddSeries("Temperature", 4, clRed);
  AddSeries("Pressure", 4, clGreen).SetActive(false);
  AddSeries("Humidity", 4, clBlue);
  Legend().Title().SetText("Series");
  Legend().SetCheckBoxes(true);
  Legend().DividingLines().SetVisible(true);
  const char* names[] = {"left", "right", "top", "bottom"};
  for (TLegendAlignment side : {laLeft, laRight, laTop, laBottom}) {
    Legend().SetAlignment(side);
    const TBitmap& image = host->Render();
    const TRect box = Legend().ShapeBounds;
    EXPECT_TRUE(Near(image.Pixel(box.Right - 3, box.Top + 3), clWhite, 0)) << names[side];
    Save(image, "legend_" + std::string(names[side]) + "_" + CanvasName() + ".png");
  }
  ROvedeSeries& values = *series[0];
  for (int i = 0; i < 40; ++i) values.Add(i * 3.25, testing::Numbered("day ", i));
  Legend().SetCheckBoxes(false);
  series[2]->SetActive(false);
  Legend().Title().SetText("");
  Legend().SetAlignment(laBottom);
  Save(host->Render(), "legend_values_bottom_" + CanvasName() + ".png");
  Legend().SetAlignment(laRight);
  Save(host->Render(), "legend_values_right_" + CanvasName() + ".png");
}

INSTANTIATE_TEST_SUITE_P(Canvases, LegendDrawingTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "GDIPlus" : "Plain"; });

}  // namespace
}  // namespace quil

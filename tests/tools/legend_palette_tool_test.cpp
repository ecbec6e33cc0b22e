#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/messages.h"
#include "engine/custom_tool.h"
#include "palette_tool_fixture.h"
#include "tools/legend_pointer.h"

namespace quil {
namespace {

using testing::PaletteToolTest;

constexpr TColor kWhite = 0xFFFFFF;

// A tool after the palette tool: it sees a press only when the palette tool let it through.
class TPressCounter : public TQuilCustomTool {
 public:
  int Downs = 0;
  void ChartMouseEvent(ROvedeMouseEvent event, TMouseButton, TShiftState, int, int) override {
    if (event == cmeDown) ++Downs;
  }
};

TEST(LegendPaletteTool, StartsAsASmallWhiteChartWithAxesAcrossItsBands) {
  TLegendPaletteTool tool;
  for (const TPropInfo* p : TLegendPaletteTool::StaticClass().Properties()) {
    if (p->Kind == TPropKind::Class || p->Kind == TPropKind::Event || !p->Default) continue;
    EXPECT_FALSE(p->IsStored(tool)) << p->Name << " differs from its default";
  }
  EXPECT_EQ(tool.BarRect(), (TRect{10, 10, 110, 210}));
  EXPECT_EQ(tool.Axis(), laBoth);
  EXPECT_EQ(tool.PointerOrNull(), nullptr) << "made on first use only";
  EXPECT_EQ(tool.Description(), "Legend Palette");
  EXPECT_EQ(tool.LongDescription(), "Displays legend made with 3D series palette colors");

  TPaletteChart& chart = tool.PaletteChart();
  EXPECT_FALSE(chart.BufferedDisplay());
  EXPECT_FALSE(chart.Zoom().Allow());
  EXPECT_EQ(chart.AllowPanning(), pmNone);
  EXPECT_FALSE(chart.View3D());
  EXPECT_FALSE(chart.ClipPoints());
  EXPECT_EQ(chart.BevelOuter(), bvNone);
  EXPECT_EQ(chart.Margins().Left + chart.Margins().Top + chart.Margins().Right + chart.Margins().Bottom, 32);
  EXPECT_FALSE(chart.Legend().Visible());
  for (const ROvedeAxis* axis : {&chart.LeftAxis(), &chart.RightAxis(), &chart.TopAxis(), &chart.BottomAxis()}) {
    EXPECT_EQ(axis->Axis().Width(), 1);
    EXPECT_EQ(axis->Axis().EndStyle(), esSquare);
    EXPECT_FALSE(axis->Grid().Visible());
    EXPECT_EQ(axis->Visible(), axis == &chart.LeftAxis() || axis == &chart.RightAxis());
  }
  ASSERT_EQ(chart.SeriesCount(), 1);
  EXPECT_EQ(&chart.Series(0), &tool.PaletteSeries());
  EXPECT_EQ(&tool.PaletteSeries().ITool(), &tool);
  EXPECT_FALSE(tool.PaletteSeries().CalcVisiblePoints());
}

TEST(LegendPaletteTool, SettingsReachThePaletteChartAndSeries) {
  TLegendPaletteTool tool;
  TPaletteChart& chart = tool.PaletteChart();
  TPaletteSeries& bands = tool.PaletteSeries();
  struct TCase {
    TLegendPaletteAxis axis;
    TVertAxis vert;
    THorizAxis horiz;
  };
  for (const TCase& c : {TCase{laDefault, aLeftAxis, aBottomAxis}, TCase{laOther, aRightAxis, aTopAxis},
                         TCase{laBoth, aBothVertAxis, aBothHorizAxis}}) {
    tool.SetAxis(c.axis);
    EXPECT_EQ(bands.VertAxis(), c.vert);
    EXPECT_EQ(bands.HorizAxis(), c.horiz);
    EXPECT_EQ(tool.Axis(), c.axis);
  }

  tool.SetInverted(true);
  for (const ROvedeAxis* axis : {&chart.LeftAxis(), &chart.RightAxis(), &chart.TopAxis(), &chart.BottomAxis()})
    EXPECT_TRUE(axis->Inverted());
  EXPECT_TRUE(tool.Inverted());

  tool.SetTransparent(true);
  EXPECT_EQ(chart.Color(), clNone);
  tool.SetColor(clYellow);
  EXPECT_FALSE(tool.Transparent());
  tool.SetTransparent(true);
  tool.SetTransparent(false);
  EXPECT_EQ(tool.Color(), clWhite) << "leaving transparency brings white back";

  tool.SetVertical(false);
  EXPECT_EQ(tool.Width(), 200);
  EXPECT_EQ(tool.Height(), 100);
  EXPECT_TRUE(chart.TopAxis().Visible() && chart.BottomAxis().Visible());
  EXPECT_FALSE(chart.LeftAxis().Visible() || chart.RightAxis().Visible());
  tool.SetVertical(false);
  EXPECT_EQ(tool.Width(), 200) << "no change, no swap";
  tool.SetVertical(true);
  EXPECT_EQ(tool.Width(), 100);
  EXPECT_TRUE(chart.LeftAxis().Visible());

  TLegendPointer& pointer = tool.Pointer();
  EXPECT_EQ(&tool.Pointer(), &pointer);
  EXPECT_EQ(pointer.Style(), psDonut);
  EXPECT_EQ(pointer.HorizSize(), 8);
  EXPECT_EQ(pointer.VertSize(), 8);
}

// While a form is read, the stored Width and Height are those of the stored direction.
TEST(LegendPaletteTool, ReadingVerticalKeepsTheStoredSize) {
  TLegendPaletteTool tool;
  tool.SetState(csLoading);
  tool.SetWidth(200);
  tool.SetHeight(100);
  tool.SetVertical(false);
  tool.Loaded();
  EXPECT_EQ(tool.Width(), 200);
  EXPECT_EQ(tool.Height(), 100);
  EXPECT_TRUE(tool.PaletteChart().BottomAxis().Visible());
}

TEST(LegendPaletteTool, IsACreatableClassOfItsOwn) {
  const TMetaClass& meta = TLegendPaletteTool::StaticClass();
  ASSERT_TRUE(meta.CanCreate());
  EXPECT_TRUE(meta.InheritsFrom(TQuilCustomToolSeries::StaticClass()));
  const std::unique_ptr<TComponent> made = meta.CreateComponent(nullptr);
  EXPECT_NE(dynamic_cast<TLegendPaletteTool*>(made.get()), nullptr);
}

// The panel's corners are white, the host shows just outside them.
TEST_F(PaletteToolTest, PanelIsDrawnAtItsRectangleInPixelsOrPercent) {
  struct TCase {
    TQuilUnits units;
    int left, top, width, height;
    TRect expected;
  };
  // 10 % of 913 x 705 is 91.3 x 70.5: the half rounds to the even 70.
  for (const TCase& c : {TCase{muPixels, 10, 10, 100, 200, {10, 10, 110, 210}},
                         TCase{muPercent, 10, 10, 100, 200, {91, 70, 191, 270}},
                         TCase{muPixels, 700, 300, 150, 120, {700, 300, 850, 420}},
                         TCase{muPercent, 50, 31, 60, 80, {456, 219, 516, 299}}}) {
    SCOPED_TRACE(c.expected.Left);
    tool.SetPositionUnits(c.units);
    tool.SetLeft(c.left);
    tool.SetTop(c.top);
    tool.SetWidth(c.width);
    tool.SetHeight(c.height);
    EXPECT_EQ(tool.BarRect(), c.expected);
    const TBitmap& image = host->Render();
    const TRect& r = c.expected;
    for (const TPoint p : {TPoint{r.Left, r.Top}, TPoint{r.Right - 1, r.Top}, TPoint{r.Left, r.Bottom - 1},
                           TPoint{r.Right - 1, r.Bottom - 1}})
      EXPECT_EQ(image.Pixel(p.X, p.Y), kWhite) << p.X << "," << p.Y;
    for (const TPoint p : {TPoint{r.Left - 1, r.Top}, TPoint{r.Right, r.Bottom - 1}, TPoint{r.Left, r.Bottom}})
      EXPECT_NE(image.Pixel(p.X, p.Y), kWhite) << p.X << "," << p.Y;
    EXPECT_EQ(Bar().ChartBounds(), r) << "the palette chart lays itself out in the rectangle";
  }
}

// Presses are claimed exactly where the panel is drawn, also when it is placed in percent.
TEST_F(PaletteToolTest, PressesInsideTheDrawnPanelDoNotReachTheHost) {
  TPressCounter after;
  after.SetParenrOvede(&chart);
  std::vector<TPoint> forwarded;
  Bar().OnMouseDown = [&](TControl&, TMouseButton, TShiftState, int x, int y) { forwarded.push_back({x, y}); };
  struct TCase {
    TQuilUnits units;
    TPoint press;
    bool claimed;
  };
  for (const TCase& c : {TCase{muPixels, {50, 50}, true}, TCase{muPixels, {10, 10}, true},
                         TCase{muPixels, {109, 209}, true}, TCase{muPixels, {110, 100}, false},
                         TCase{muPixels, {150, 50}, false}, TCase{muPercent, {50, 50}, false},
                         TCase{muPercent, {91, 70}, true}, TCase{muPercent, {150, 200}, true},
                         TCase{muPercent, {191, 100}, false}}) {
    SCOPED_TRACE(std::to_string(c.press.X) + "," + std::to_string(c.press.Y) + (c.units == muPercent ? " %" : " px"));
    tool.SetPositionUnits(c.units);
    const int before = after.Downs;
    forwarded.clear();
    chart.MouseDown(TMouseButton::mbLeft, 0, c.press.X, c.press.Y);
    EXPECT_EQ(after.Downs - before, c.claimed ? 0 : 1);
    EXPECT_EQ(forwarded, std::vector<TPoint>{c.press}) << "the palette chart sees every press in host pixels";
    chart.MouseUp(TMouseButton::mbLeft, 0, c.press.X, c.press.Y);
  }
}

TEST_F(PaletteToolTest, MovesAndReleasesReachThePaletteChart) {
  int moves = 0, ups = 0;
  Bar().OnMouseMove = [&](TControl&, TShiftState, int, int) { ++moves; };
  Bar().OnMouseUp = [&](TControl&, TMouseButton, TShiftState, int, int) { ++ups; };
  chart.MouseMove(0, 30, 30);
  chart.MouseMove(0, 400, 300);
  chart.MouseUp(TMouseButton::mbLeft, 0, 30, 30);
  EXPECT_EQ(moves, 2);
  EXPECT_EQ(ups, 1);
}

TEST_F(PaletteToolTest, ChangingTheToolOrItsPaletteChartRepaintsTheHost) {
  host->Render();
  const auto repaints = [&](const std::function<void()>& change) {
    const int before = host->InvalidateCount();
    change();
    return host->InvalidateCount() - before;
  };
  EXPECT_GT(repaints([&] { tool.SetLeft(20); }), 0);
  EXPECT_GT(repaints([&] { tool.SetSmooth(true); }), 0);
  EXPECT_GT(repaints([&] { tool.SetColor(clYellow); }), 0) << "through the palette chart";
  EXPECT_GT(repaints([&] { tool.Pointer().SetValue(5); }), 0) << "through the pointer's chart";
  EXPECT_EQ(repaints([&] { tool.Pointer().SetValue(5); }), 0) << "the same value";
  EXPECT_EQ(repaints([&] { host->Render(); }), 0) << "drawing the bar asks for no new paint";
}

TEST_F(PaletteToolTest, TransparentPanelShowsTheHostBehindIt) {
  tool.SetActive(false);
  const TBitmap behind = host->Render();
  tool.SetActive(true);
  EXPECT_EQ(host->Render().Pixel(60, 15), kWhite);
  tool.SetTransparent(true);
  host->Render();
  for (const TPoint p : {TPoint{60, 15}, TPoint{60, 100}})
    EXPECT_EQ(host->Image().Pixel(p.X, p.Y), behind.Pixel(p.X, p.Y)) << p.X << "," << p.Y;
}

// A copy is drawn where the original is drawn, with the same look and direction.
TEST(LegendPaletteTool, AssignCopiesPlacementLookAndDirection) {
  TLegendPaletteTool source;
  source.SetVertical(false);
  source.SetLeft(30);
  source.SetTop(40);
  source.SetPositionUnits(muPercent);
  source.SetSmooth(true);
  source.SetInverted(true);
  source.SetAxis(laOther);
  source.SetColor(clYellow);
  source.Title().SetText({"Values"});
  source.Pointer().SetValue(7);
  source.Pointer().SetStyle(psDiamond);
  source.Pen().SetColor(clRed);

  TLegendPaletteTool copy;
  copy.Pointer();
  copy.Assign(source);
  EXPECT_FALSE(copy.Vertical());
  EXPECT_EQ(copy.Width(), 200) << "the source's horizontal size, not swapped again";
  EXPECT_EQ(copy.Height(), 100);
  EXPECT_EQ(copy.Left(), 30);
  EXPECT_EQ(copy.Top(), 40);
  EXPECT_EQ(copy.PositionUnits(), muPercent);
  EXPECT_TRUE(copy.Smooth());
  EXPECT_TRUE(copy.Inverted());
  EXPECT_EQ(copy.Axis(), laOther);
  EXPECT_EQ(copy.Color(), clYellow);
  EXPECT_EQ(copy.Title().Lines().Lines(), std::vector<std::string>{"Values"});
  EXPECT_TRUE(copy.PaletteChart().BottomAxis().Visible());
  EXPECT_FALSE(copy.PaletteChart().LeftAxis().Visible());
  ASSERT_NE(copy.PointerOrNull(), nullptr);
  EXPECT_EQ(copy.PointerOrNull()->Value(), 7);
  EXPECT_EQ(copy.PointerOrNull()->Style(), psDiamond);
  EXPECT_EQ(copy.Pen().Color(), clRed);

  TLegendPaletteTool plain;
  copy.Assign(plain);
  EXPECT_EQ(copy.PointerOrNull(), nullptr) << "no marker where the source shows none";
  EXPECT_TRUE(copy.Vertical());
  EXPECT_EQ(copy.Width(), 100);
}

}  // namespace
}  // namespace quil

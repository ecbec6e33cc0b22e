#include <gtest/gtest.h>

#include <stdexcept>

#include "canvas/canvas_classes.h"
#include "canvas/device_context.h"
#include "canvas/quil_canvas3d.h"
#include "panel/headless_host.h"
#include "panel/option_store.h"
#include "panel/quil_panel_extended.h"

namespace quil {
namespace {

// A panel whose inner drawing a test can watch or make fail.
class TTestPanel : public TCustomQuilPanelExtended {
 public:
  using TCustomQuilPanelExtended::TCustomQuilPanelExtended;

  int InternalDraws = 0;
  bool FailNextDraw = false;
  bool PaintBackground = true;

 protected:
  void InternalDraw(const TRect& userRect) override {
    ++InternalDraws;
    if (FailNextDraw) {
      FailNextDraw = false;
      throw std::runtime_error("drawing failed");
    }
    if (PaintBackground) PanelPaint(userRect);
  }
};

class RecordingListener : public IQuilEventListener {
 public:
  void QuilEvent(const TQuilEvent& event) override {
    if (const auto* m = dynamic_cast<const TQuilMouseEvent*>(&event)) Kinds.push_back(m->Event);
    if (dynamic_cast<const TMouseLeaveEvent*>(&event)) ++Leaves;
  }
  std::vector<TQuilMouseEventKind> Kinds;
  int Leaves = 0;
};

class PanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitializeCanvas3DUnit();
    savedDefault_ = QuilDefaultCanvas;
  }
  void TearDown() override {
    QuilDefaultCanvas = savedDefault_;
    FinalizeCanvas3DUnit();
  }

  std::string savedDefault_;
};

TEST_F(PanelTest, ChartRectFromMarginsAndBevel) {
  TTestPanel panel;
  panel.SetBounds(0, 0, 913, 705);
  THeadlessHost host(panel);
  host.Render();
  EXPECT_EQ(panel.ChartRect, (TRect{28, 29, 885, 676}));
  EXPECT_EQ(panel.ChartWidth(), 857);
  EXPECT_EQ(panel.ChartXCenter(), (28 + 885) / 2);

  panel.SetMarginUnits(muPixels);
  host.Render();
  EXPECT_EQ(panel.ChartRect, (TRect{4, 5, 909, 700}));
}

TEST_F(PanelTest, ChartRectIsNeverInvertedForTinyBounds) {
  TTestPanel panel;
  THeadlessHost host(panel);
  // Every size here is smaller than the frame and pixel margins together (1 + 3 + 3 + 1 wide).
  for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {3, 2}, {7, 9}, {8, 10}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    panel.SetMarginUnits(muPixels);
    host.Render(w, h);
    EXPECT_GE(panel.ChartRect.Right, panel.ChartRect.Left);
    EXPECT_GE(panel.ChartRect.Bottom, panel.ChartRect.Top);
    EXPECT_LE(panel.ChartRect.Width(), 1);
  }
}

TEST_F(PanelTest, ShadowAndEmbossTakeTheirSides) {
  TTestPanel panel;
  panel.SetBounds(0, 0, 913, 705);
  panel.SetMarginUnits(muPixels);
  panel.Shadow().SetHorizSize(5);
  panel.Shadow().SetVertSize(-3);
  THeadlessHost host(panel);
  host.Render();
  EXPECT_EQ(panel.ChartRect, (TRect{4, 8, 904, 700}));
}

TEST_F(PanelTest, DefaultPanelPaintsRaisedBevelOnButtonFace) {
  TTestPanel panel;
  panel.SetBounds(0, 0, 913, 705);
  THeadlessHost host(panel);
  const TBitmap& image = host.Render();
  EXPECT_EQ(image.Pixel(0, 0), 0xFFFFFFu);
  EXPECT_EQ(image.Pixel(0, 703), 0xFFFFFFu);
  EXPECT_EQ(image.Pixel(911, 0), 0xFFFFFFu);
  EXPECT_EQ(image.Pixel(912, 0), 0xA0A0A0u);
  EXPECT_EQ(image.Pixel(912, 704), 0xA0A0A0u);
  EXPECT_EQ(image.Pixel(0, 704), 0xA0A0A0u);
  EXPECT_EQ(image.Pixel(1, 1), 0xF0F0F0u);
  EXPECT_EQ(image.Pixel(456, 352), 0xF0F0F0u);
  EXPECT_EQ(image.Pixel(911, 703), 0xF0F0F0u);
}

TEST_F(PanelTest, UnchangedPanelIsShownAgainWithoutDrawing) {
  TTestPanel panel;
  panel.SetBounds(0, 0, 200, 100);
  THeadlessHost host(panel);
  host.Render();
  host.Render();
  EXPECT_EQ(panel.InternalDraws, 1);
  EXPECT_EQ(host.Image().Pixel(50, 50), 0xF0F0F0u);
  panel.SetMarginLeft(10);
  host.Render();
  EXPECT_EQ(panel.InternalDraws, 2);
}

TEST_F(PanelTest, AutoRepaintOffSuppressesInvalidation) {
  TTestPanel panel;
  panel.SetBounds(0, 0, 200, 100);
  THeadlessHost host(panel);
  host.Render();
  const int before = host.InvalidateCount();
  panel.SetAutoRepaint(false);
  panel.SetMarginLeft(10);
  panel.Shadow().SetHorizSize(4);
  panel.Invalidate();
  EXPECT_EQ(host.InvalidateCount(), before);
  host.Render();
  EXPECT_EQ(panel.InternalDraws, 1) << "the clean buffer is shown again";
  panel.SetAutoRepaint(true);
  panel.Invalidate();
  EXPECT_GT(host.InvalidateCount(), before);
  host.Render();
  EXPECT_EQ(panel.InternalDraws, 2);
}

TEST_F(PanelTest, CancelMouseInHandlerKeepsListenersFromThePress) {
  TTestPanel panel;
  THeadlessHost host(panel);
  RecordingListener listener;
  panel.AddListener(listener);
  panel.OnMouseDown = [&](TControl&, TMouseButton, TShiftState, int, int) { panel.SetCancelMouse(true); };
  panel.MouseDown(TMouseButton::mbLeft, ssLeft, 10, 10);
  panel.MouseMove(ssLeft, 11, 11);
  panel.MouseUp(TMouseButton::mbLeft, 0, 12, 12);
  EXPECT_EQ(listener.Kinds, (std::vector<TQuilMouseEventKind>{meMove, meUp}));
  panel.MouseLeave();
  EXPECT_EQ(listener.Leaves, 1);
  panel.RemoveListener(listener);
}

TEST_F(PanelTest, ListenerSettingCancelStopsLaterListeners) {
  TTestPanel panel;
  THeadlessHost host(panel);
  struct Cancelling : IQuilEventListener {
    TCustomQuilPanel* Panel;
    void QuilEvent(const TQuilEvent&) override { Panel->SetCancelMouse(true); }
  } first;
  first.Panel = &panel;
  RecordingListener second;
  panel.AddListener(first);
  panel.AddListener(second);
  panel.MouseDown(TMouseButton::mbLeft, ssLeft, 1, 1);
  EXPECT_TRUE(second.Kinds.empty());
}

TEST_F(PanelTest, AutoFontZoomFollowsTheLargerGrowth) {
  TTestPanel panel;
  THeadlessHost host(panel);
  panel.View3DOptions().SetZoomText(ztAuto);
  panel.Loaded();
  ASSERT_EQ(panel.InitialSize(), (TPoint{400, 250}));
  panel.SetBounds(0, 0, 600, 250);
  EXPECT_EQ(panel.View3DOptions().FontZoom(), 150);
  panel.SetBounds(0, 0, 300, 500);
  EXPECT_EQ(panel.View3DOptions().FontZoom(), 200);
}

TEST_F(PanelTest, RescalingScalesFontZoom) {
  TTestPanel panel;
  panel.ChangeScale(3, 2);
  EXPECT_EQ(panel.View3DOptions().FontZoom(), 150);
  panel.ChangeScale(1, 0);
  EXPECT_EQ(panel.View3DOptions().FontZoom(), 150);
}

TEST_F(PanelTest, UnknownCanvasNameLeavesThePlainCanvas) {
  QuilDefaultCanvas = "TNoSuchCanvas";
  TTestPanel panel;
  EXPECT_EQ(panel.Canvas().ClassName(), "TQuilCanvas3D");
  panel.SetDefaultCanvasName("TAlsoMissing");
  panel.Loaded();
  EXPECT_EQ(panel.Canvas().ClassName(), "TQuilCanvas3D");
}

TEST_F(PanelTest, LoadedCreatesTheNamedCanvas) {
  RegisterCanvasClass({"TOtherCanvas", [] { return std::make_unique<TQuilCanvas3D>(); }});
  TTestPanel panel;
  panel.SetDefaultCanvasName("TOtherCanvas");
  panel.Canvas().SetMonochrome(true);
  panel.SetInternalCanvas(std::make_unique<TQuilCanvas3D>());
  EXPECT_TRUE(panel.Monochrome()) << "settings carried over to the new canvas";
  EXPECT_EQ(panel.DefaultCanvasName(), "TQuilCanvas3D");
  UnregisterCanvasClass("TOtherCanvas");
}

TEST_F(PanelTest, DrawingErrorPropagatesAndNextPaintStartsAfresh) {
  TTestPanel panel;
  panel.SetBounds(0, 0, 100, 80);
  THeadlessHost host(panel);
  panel.FailNextDraw = true;
  EXPECT_THROW(host.Render(), std::runtime_error);
  const TBitmap& image = host.Render();
  EXPECT_EQ(panel.InternalDraws, 2);
  EXPECT_EQ(image.Pixel(50, 40), 0xF0F0F0u);
}

TEST_F(PanelTest, CustomChartRectSkipsMargins) {
  TTestPanel panel;
  panel.SetBounds(0, 0, 300, 200);
  THeadlessHost host(panel);
  panel.SetChartRect({10, 20, 110, 120});
  host.Render();
  EXPECT_EQ(panel.ChartRect, (TRect{10, 20, 110, 120}));
  panel.SetCustomChartRect(false);
  host.Render();
  EXPECT_EQ(panel.ChartRect, (TRect{1 + 9, 1 + 8, 300 - 1 - 9, 200 - 1 - 8}));
}

TEST_F(PanelTest, BorderMovesTheFillAndBevelsInwards) {
  TTestPanel panel;
  panel.SetBounds(0, 0, 60, 40);
  panel.Border().SetVisible(true);
  panel.Border().SetColor(clRed);
  panel.Border().SetWidth(1);
  THeadlessHost host(panel);
  const TBitmap& image = host.Render();
  EXPECT_EQ(image.Pixel(0, 0), 0x0000FFu) << "the border outlines the panel";
  EXPECT_EQ(image.Pixel(59, 39), 0x0000FFu);
  EXPECT_EQ(image.Pixel(1, 1), 0xFFFFFFu) << "the bevel sits inside the border";
  EXPECT_EQ(image.Pixel(58, 38), 0xA0A0A0u);
  EXPECT_EQ(image.Pixel(2, 2), 0xF0F0F0u);
}

// Drawn without its buffer into part of a larger picture, a panel without a border fills
// exactly its rectangle and leaves the pixels beside it alone.
TEST_F(PanelTest, PanelDrawnIntoPartOfAPictureFillsOnlyItsRectangle) {
  TTestPanel panel;
  panel.SetColor(clYellow);
  panel.SetBevelOuter(bvNone);
  panel.SetBufferedDisplay(false);
  TBitmap picture(100, 80);
  picture.Fill(clBlue);
  cairo_t* cr = cairo_create(picture.Surface());
  TCairoDeviceContext dc(cr);
  panel.Draw(dc, {10, 20, 60, 50});
  panel.Canvas().SetCanvas(nullptr);
  cairo_destroy(cr);
  EXPECT_EQ(picture.Pixel(10, 20), 0x00FFFFu);
  EXPECT_EQ(picture.Pixel(59, 49), 0x00FFFFu);
  for (const TPoint p : {TPoint{60, 30}, TPoint{30, 50}, TPoint{60, 50}, TPoint{9, 30}, TPoint{30, 19}})
    EXPECT_EQ(picture.Pixel(p.X, p.Y), 0xFF0000u) << p.X << "," << p.Y;
}

TEST_F(PanelTest, MultiLineTextSizeCountsLinesWithoutTrailingEmptyOne) {
  TTestPanel panel;
  const int w = panel.Canvas().TextWidth("Wide line");
  const int h = panel.Canvas().TextHeight("W");
  const TMultiLineSize size = panel.MultiLineTextSize("a\r\nWide line\r");
  EXPECT_EQ(size.NumLines, 2);
  EXPECT_EQ(size.Width, w);
  EXPECT_EQ(size.Height, 2 * h);
  EXPECT_EQ(panel.MultiLineTextSize("").NumLines, 0);
}

}  // namespace
}  // namespace quil

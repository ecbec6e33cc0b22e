#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_startup.h"
#include "canvas/quil_canvas3d.h"
#include "mouse_chart_fixture.h"

namespace quil {
namespace {

using testing::DifferingPixels;
using testing::MouseChartTest;

enum class TCanvasKind { Plain, AntiAliased };

void PrintTo(TCanvasKind kind, std::ostream* out) { *out << (kind == TCanvasKind::Plain ? "plain" : "anti-aliased"); }

// The zoom band on the plain canvas and on the anti-aliased one the main window uses, over the
// chart's default back colour, the system colour of a button face.
class ChartZoomBandTest : public MouseChartTest, public ::testing::WithParamInterface<TCanvasKind> {
 protected:
  ChartZoomBandTest() {
    GDIPlusStartup();
    if (GetParam() == TCanvasKind::AntiAliased)
      chart.SetInternalCanvas(std::make_unique<TGDIPlusCanvas>());
    else
      chart.SetInternalCanvas(std::make_unique<TQuilCanvas3D>());
    first = Paint();
    frames = 0;
  }
  ~ChartZoomBandTest() override {
    chart.SetInternalCanvas(std::make_unique<TQuilCanvas3D>());
    GDIPlusShutdown();
  }

  void Press(int x, int y) { chart.MouseDown(TMouseButton::mbLeft, ssLeft, x, y); }
  void Move(int x, int y) { chart.MouseMove(ssLeft, x, y); }

  TBitmap first;
};

TEST_P(ChartZoomBandTest, TheBandShowsInThePenColourOverTheSystemBackColour) {
  ASSERT_TRUE(IsSystemColor(chart.GetBackColor()));
  const TColor back = SystemColor(chart.GetBackColor());
  ASSERT_EQ(first.Pixel(300, 100), back) << "the plotting area shows the back colour there";
  Press(200, 100);
  Move(400, 300);
  EXPECT_EQ(Paint().Pixel(300, 100), chart.Zoom().Pen().Color()) << "silver, the zoom pen's colour";

  chart.MouseUp(TMouseButton::mbLeft, 0, 205, 105);
  chart.Zoom().Pen().SetColor(clRed);
  Paint();
  Press(200, 100);
  Move(400, 300);
  EXPECT_EQ(Paint().Pixel(300, 100), clRed);
}

TEST_P(ChartZoomBandTest, DrawingTheBandTwiceGivesBackThePictureExactly) {
  const struct {
    bool brush;
    TBrushStyle style;
  } cases[] = {{false, bsClear}, {true, bsSolid}, {true, bsDiagCross}};
  TQuilZoom& zoom = chart.Zoom();
  zoom.X0 = 150;
  zoom.Y0 = 80;
  zoom.X1 = 420;
  zoom.Y1 = 310;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    if (c.brush) {
      zoom.Brush().SetStyle(c.style);
      zoom.Brush().SetColor(clBlue);
      Paint();
    }
    const int framesBefore = frames;
    chart.DrawZoomRectangle();
    EXPECT_GT(DifferingPixels(first, Paint()), 0);
    chart.DrawZoomRectangle();
    EXPECT_EQ(DifferingPixels(first, Paint()), 0);
    EXPECT_EQ(frames, framesBefore) << "the chart itself was not drawn";
  }
}

TEST_P(ChartZoomBandTest, MovingTheBandTakesTheOldOneAwayWithoutDrawingTheChart) {
  Press(200, 100);
  for (TPoint p : {TPoint{400, 300}, TPoint{350, 250}, TPoint{120, 40}, TPoint{560, 380}, TPoint{300, 200}}) {
    Move(p.X, p.Y);
    Paint();
  }
  EXPECT_EQ(frames, 0) << "the chart was not drawn again";
  chart.DrawZoomRectangle();
  EXPECT_EQ(DifferingPixels(first, Paint()), 0) << "one band was on the picture, at the last corner";
  chart.DrawZoomRectangle();
  chart.Zoom().SetMinimumPixels(1000);
  chart.MouseUp(TMouseButton::mbLeft, 0, 300, 200);
  EXPECT_EQ(DifferingPixels(first, Paint()), 0);
  EXPECT_EQ(frames, 0);
}

TEST_P(ChartZoomBandTest, AChartDrawnAgainDuringTheDragDrawsTheBandItself) {
  chart.Zoom().SetMinimumPixels(1000);
  Press(200, 100);
  Move(400, 300);
  Paint();
  chart.Invalidate();
  const TBitmap redrawn = Paint();
  EXPECT_EQ(frames, 1);
  EXPECT_EQ(redrawn.Pixel(300, 100), chart.Zoom().Pen().Color());
  chart.Invalidate();
  Move(350, 250);  // over a picture about to be drawn again: only the frame draws the band
  Paint();
  Move(300, 200);
  chart.MouseUp(TMouseButton::mbLeft, 0, 300, 200);
  EXPECT_EQ(DifferingPixels(first, Paint()), 0);
}

TEST_P(ChartZoomBandTest, FullRepaintDrawsTheChartAndTheBandOnEveryMove) {
  chart.Zoom().SetFullRepaint(true);
  Press(200, 100);
  Move(400, 300);
  EXPECT_EQ(Paint().Pixel(300, 100), chart.Zoom().Pen().Color());
  Move(450, 320);
  Paint();
  EXPECT_EQ(frames, 2);
  chart.Zoom().SetMinimumPixels(1000);
  chart.MouseUp(TMouseButton::mbLeft, 0, 450, 320);
  EXPECT_EQ(DifferingPixels(first, Paint()), 0);
}

INSTANTIATE_TEST_SUITE_P(Canvases, ChartZoomBandTest, ::testing::Values(TCanvasKind::Plain, TCanvasKind::AntiAliased),
                         [](const auto& info) {
                           return std::string(info.param == TCanvasKind::Plain ? "Plain" : "AntiAliased");
                         });

}  // namespace
}  // namespace quil

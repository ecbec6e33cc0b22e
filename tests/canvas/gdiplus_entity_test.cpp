#include <gtest/gtest.h>

#include "canvas/device_context.h"
#include "canvas/gdiplus_quil_path.h"
#include "gdiplus_fixture.h"

namespace quil {
namespace {

using GDIPlusEntities = GDIPlusFixture;

TEST_F(GDIPlusEntities, DisabledTransformPushesAnEmptySlot) {
  Start(100, 100);
  TQuilTransform t;
  t.Translate = {50, 0, 0};
  t.Clip = true;
  t.Bounds = {0, 0, 10, 10};
  int visual = 7;
  EXPECT_EQ(canvas->BeginEntity("Legend", &visual, &t), &visual);
  EXPECT_EQ(canvas->EntityDepth(), 1);
  EXPECT_EQ(canvas->ClipDepth(), 0);
  canvas->EndEntity();
  EXPECT_EQ(canvas->EntityDepth(), 0);
  EXPECT_EQ(canvas->GetGraphics()->Transform().x0, 0);
  canvas->Brush().SetColor(clBlack);
  canvas->Pen().SetStyle(psClear);
  canvas->FillRect({0, 0, 100, 100});
  EXPECT_EQ(CountPixels(clBlack, {0, 0, 100, 100}), 100 * 100);
}

TEST_F(GDIPlusEntities, EnabledTransformMovesAndClipsUntilTheEntityEnds) {
  Start(100, 100);
  canvas->Pen().SetStyle(psClear);
  canvas->Brush().SetColor(clBlack);
  TQuilTransform t;
  t.Enabled = true;
  t.Translate = {40, 20, 0};
  t.Clip = true;
  t.Bounds = {0, 0, 60, 60};
  canvas->BeginEntity("Series", nullptr, &t);
  canvas->FillRect({0, 0, 10, 10});
  canvas->EndEntity();
  EXPECT_EQ(InkBounds({0, 0, 100, 100}), (TRect{40, 20, 50, 30}));
  canvas->Brush().SetColor(clRed);
  canvas->FillRect({90, 90, 100, 100});  // neither moved nor clipped any more
  EXPECT_EQ(CountPixels(clRed, {90, 90, 100, 100}), 100);
}

TEST_F(GDIPlusEntities, RotationAndScaleTurnAboutTheOrigin) {
  Start(100, 100);
  canvas->Pen().SetStyle(psClear);
  canvas->Brush().SetColor(clBlack);
  TQuilTransform t;
  t.Enabled = true;
  t.Origin = {50, 50, 0};
  t.Rotate = 90;
  t.Scale = {2, 2, 1};
  canvas->BeginEntity("Series", nullptr, &t);
  canvas->FillRect({50, 50, 60, 55});  // 10 x 5 right of the origin
  canvas->EndEntity();
  // Doubled and turned clockwise on screen: 10 x 20 below the origin, reaching left.
  EXPECT_EQ(InkBounds({0, 0, 100, 100}), (TRect{40, 50, 50, 70}));
}

TEST_F(GDIPlusEntities, UnbalancedAndDegenerateEntitiesAreHarmless) {
  Start(50, 50);
  EXPECT_NO_THROW(canvas->EndEntity());
  TQuilTransform flat;
  flat.Enabled = true;
  flat.Scale = {0, 0, 1};
  canvas->BeginEntity("Flat", nullptr, &flat);
  canvas->Brush().SetColor(clBlack);
  EXPECT_NO_THROW(canvas->FillRect({0, 0, 10, 10}));
  canvas->EndEntity();
  canvas->EndEntity();
  EXPECT_EQ(canvas->GetGraphics()->LastStatus(), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(canvas->BeginEntity("None", nullptr, nullptr), nullptr);
  EXPECT_EQ(canvas->EntityDepth(), 1);
}

TEST_F(GDIPlusEntities, CanvasTransformAppliesToEveryPaint) {
  canvas = std::make_unique<TGDIPlusCanvas>();
  canvas->Transform().Enabled = true;
  canvas->Transform().Translate = {10, 10, 0};
  canvas->Brush().SetColor(clWhite);
  canvas->InitWindow(nullptr, &options, clWhite, false, {0, 0, 60, 60});
  canvas->Brush().SetColor(clBlack);
  canvas->Pen().SetStyle(psClear);
  canvas->FillRect({0, 0, 5, 5});
  EXPECT_EQ(InkBounds({0, 0, 60, 60}), (TRect{10, 10, 15, 15}));
}

// Painting the same window twice does not stack the canvas transform.
TEST_F(GDIPlusEntities, CanvasTransformDoesNotPileUpOverPaints) {
  canvas = std::make_unique<TGDIPlusCanvas>();
  canvas->SetUseBuffer(false);
  canvas->Transform().Enabled = true;
  canvas->Transform().Translate = {10, 0, 0};
  TBitmap window(60, 20);
  window.Fill(clWhite);
  cairo_t* cr = cairo_create(window.Surface());
  TCairoDeviceContext dc(cr);
  for (int paint = 0; paint < 2; ++paint) {
    canvas->Brush().SetColor(clWhite);
    canvas->InitWindow(&dc, &options, clWhite, false, {0, 0, 60, 20});
    canvas->Brush().SetColor(clBlack);
    canvas->Pen().SetStyle(psClear);
    canvas->FillRect({0, 0, 5, 5});
  }
  canvas->SetCanvas(nullptr);
  cairo_destroy(cr);
  EXPECT_EQ(window.Pixel(12, 2), clBlack);
  EXPECT_EQ(window.Pixel(22, 2), clWhite);
}

using GDIPlusPathObject = GDIPlusFixture;

TEST_F(GDIPlusPathObject, FiguresAreDrawnWithTheCanvasBrushAndPen) {
  Start(120, 120);
  auto path = canvas->CreatePath();
  path->MoveTo(10, 10);
  path->LineTo(100, 10);
  path->LineTo(100, 100);
  path->Close();
  EXPECT_EQ(path->CurrentPoint(), (TPointFloat{100, 100}));
  const auto points = path->GetPoints();
  EXPECT_EQ(points.Points.size(), 3u);
  EXPECT_EQ(points.Types, (std::vector<uint8_t>{pptStart, pptLine, pptLine | pptCloseSubpath}));
  EXPECT_EQ(points.Bounds, (TRectF{10, 10, 100, 100}));
  canvas->Brush().SetColor(clRed);
  canvas->Pen().SetStyle(psClear);
  path->Draw(*canvas);
  EXPECT_EQ(Pixel(90, 20), clRed);
  EXPECT_EQ(Pixel(20, 90), clWhite);
  const auto empty = canvas->CreatePath()->GetPoints();
  EXPECT_TRUE(empty.Points.empty());
  EXPECT_TRUE(empty.Types.empty());
}

TEST_F(GDIPlusPathObject, ArcsCurvesTextAndRebuiltPoints) {
  Start(200, 100);
  auto path = canvas->CreatePath();
  path->ArcTo(0, 0, 40, 40, 0, 90);
  EXPECT_NEAR(path->CurrentPoint().x, 20, 1e-3);
  EXPECT_NEAR(path->CurrentPoint().y, 40, 1e-3);
  path->Curve({{50, 50}, {60, 70}, {80, 50}}, 0.5f, false);
  EXPECT_EQ(path->CurrentPoint(), (TPointFloat{80, 50}));
  path->TextOut(100, 20, "Ab");
  const auto points = path->GetPoints();
  EXPECT_GT(points.Bounds.Right, 110);
  auto copy = canvas->CreatePath(points.Points, points.Types);
  EXPECT_EQ(copy->GetPoints().Types, points.Types);
  // A path outliving its canvas keeps its figures and ignores text.
  canvas.reset();
  copy->TextOut(0, 0, "x");
  EXPECT_EQ(copy->GetPoints().Points.size(), points.Points.size());
  EXPECT_EQ(copy->Canvas(), nullptr);
}

}  // namespace
}  // namespace quil

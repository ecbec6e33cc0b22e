#include <gtest/gtest.h>

#include <algorithm>

#include "canvas/canvas_classes.h"
#include "canvas/device_context.h"
#include "canvas/gdiplus_unit.h"
#include "core/exceptions.h"
#include "gdiplus_fixture.h"

namespace quil {
namespace {

std::vector<std::string> CanvasClassNames() {
  std::vector<std::string> names;
  for (const TCanvasClass& c : QuilRenderClasses) names.push_back(c.Name);
  return names;
}

class GDIPlusModule : public testing::Test {
 protected:
  void SetUp() override {
    InitializeCanvas3DUnit();
    InitializeGDIPlusUnit();
  }
  void TearDown() override {
    FinalizeGDIPlusUnit();
    FinalizeCanvas3DUnit();
  }
};

TEST_F(GDIPlusModule, RegistersAfterThePlainCanvasAndUnregisters) {
  EXPECT_EQ(CanvasClassNames(), (std::vector<std::string>{"TQuilCanvas3D", "TGDIPlusCanvas"}));
  const auto canvas = CreateCanvasByClassName("TGDIPlusCanvas");
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(canvas->Description(), "GDI+");
  EXPECT_EQ(canvas->EditorClass(), "TGDIPlusEditor");
  EXPECT_TRUE(canvas->IsAvailable());
  FinalizeGDIPlusUnit();
  EXPECT_EQ(CanvasClassNames(), (std::vector<std::string>{"TQuilCanvas3D"}));
  EXPECT_FALSE(canvas->IsAvailable());
  InitializeGDIPlusUnit();
}

using GDIPlusBuffer = GDIPlusFixture;

// With scale 2 the picture is drawn at twice the size and reduced once when shown.
TEST_F(GDIPlusBuffer, ScaleSupersamplesThroughALargerBuffer) {
  canvas = std::make_unique<TGDIPlusCanvas>();
  canvas->SetScale(2);
  canvas->InitWindow(nullptr, &options, clWhite, false, {0, 0, 400, 300});
  ASSERT_NE(canvas->Bitmap(), nullptr);
  EXPECT_EQ(canvas->Bitmap()->Width(), 800);
  EXPECT_EQ(canvas->Bitmap()->Height(), 600);
  canvas->Pen().SetStyle(psClear);
  canvas->Brush().SetColor(clWhite);
  canvas->FillRect({0, 0, 800, 600});
  canvas->Brush().SetColor(clBlack);
  canvas->FillRect({0, 0, 800, 300});
  TBitmap window(400, 300);
  cairo_t* cr = cairo_create(window.Surface());
  TCairoDeviceContext dc(cr);
  canvas->ShowImage(&dc, nullptr, {0, 0, 400, 300});
  cairo_destroy(cr);
  EXPECT_EQ(window.Pixel(200, 100), clBlack);
  EXPECT_EQ(window.Pixel(200, 200), clWhite);

  canvas->SetScale(1);
  canvas->InitWindow(nullptr, &options, clWhite, false, {0, 0, 400, 300});
  EXPECT_EQ(canvas->Bitmap()->Width(), 400);
}

TEST_F(GDIPlusBuffer, DrawsStraightOntoATargetWithoutBuffer) {
  canvas = std::make_unique<TGDIPlusCanvas>();
  canvas->SetUseBuffer(false);
  TBitmap window(60, 40);
  window.Fill(clWhite);
  cairo_t* cr = cairo_create(window.Surface());
  cairo_translate(cr, 10, 5);  // the host's own user space is kept
  TCairoDeviceContext dc(cr);
  canvas->InitWindow(&dc, &options, clWhite, false, {0, 0, 50, 35});
  canvas->Brush().SetColor(clRed);
  canvas->Pen().SetStyle(psClear);
  canvas->FillRect({0, 0, 10, 10});
  canvas->SetCanvas(nullptr);
  EXPECT_EQ(canvas->GetGraphics(), nullptr);
  cairo_destroy(cr);
  EXPECT_EQ(window.Pixel(10, 5), clRed);
  EXPECT_EQ(window.Pixel(19, 14), clRed);
  EXPECT_EQ(window.Pixel(9, 5), clWhite);
}

TEST_F(GDIPlusBuffer, BackendFailureRaisesTheStatusText) {
  canvas = std::make_unique<TGDIPlusCanvas>();
  canvas->SetUseBuffer(false);
  cairo_surface_t* broken = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, -1, -1);
  cairo_t* cr = cairo_create(broken);
  TCairoDeviceContext dc(cr);
  try {
    canvas->SetCanvas(&dc);
    FAIL() << "no exception";
  } catch (const EQuilError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("GDI+ Error: 2 Invalid Parameter", 0), 0u) << e.what();
  }
  canvas->SetCanvas(nullptr);
  EXPECT_EQ(canvas->GetGraphics(), nullptr);
  cairo_destroy(cr);
  cairo_surface_destroy(broken);
  // Another kind of device context gives no graphics object, and drawing does nothing.
  TDeviceContext other;
  canvas->SetCanvas(&other);
  EXPECT_NO_THROW(canvas->Rectangle(0, 0, 10, 10));
}

}  // namespace
}  // namespace quil

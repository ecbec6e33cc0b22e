#include <gtest/gtest.h>

#include "canvas/canvas_classes.h"
#include "canvas/gdiplus_startup.h"
#include "canvas/gdiplus_unit.h"
#include "core/class_registry.h"
#include "panel/gdiplus_component.h"
#include "panel/quil_panel.h"

namespace quil {
namespace {

class GDIPlusComponent : public testing::Test {
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

TEST_F(GDIPlusComponent, PanelFallsBackWhenTheBackendIsNotStarted) {
  TCustomQuilPanel panel;
  panel.SetInternalCanvas(std::make_unique<TGDIPlusCanvas>());
  GDIPlusShutdown();
  EXPECT_EQ(GDIPlusProbe(), gsGdiplusNotInitialized);
  panel.Loaded();
  EXPECT_EQ(panel.Canvas().ClassName(), "TQuilCanvas3D");
  GDIPlusStartup();
  panel.SetInternalCanvas(std::make_unique<TGDIPlusCanvas>());
  panel.Loaded();
  EXPECT_EQ(panel.Canvas().ClassName(), "TGDIPlusCanvas");
}

TEST_F(GDIPlusComponent, ComponentSwitchesThePanelsCanvas) {
  TCustomQuilPanel panel;
  TQuilGDIPlus gdiPlus;
  gdiPlus.SetAntialias(false);
  gdiPlus.SetAntiAliasText(gpfNormal);
  gdiPlus.SetQuilPanel(&panel);
  EXPECT_EQ(gdiPlus.GetCanvas(), nullptr);
  gdiPlus.SetActive(true);
  TGDIPlusCanvas* canvas = gdiPlus.GetCanvas();
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(canvas->Tag(), &gdiPlus);
  EXPECT_FALSE(canvas->Antialias());
  EXPECT_EQ(canvas->AntiAliasText(), gpfNormal);
  EXPECT_EQ(canvas->FontQuality(), fqNormal);
  gdiPlus.SetScale(2);
  EXPECT_EQ(canvas->Scale(), 2);
  gdiPlus.SetActive(false);
  EXPECT_EQ(panel.Canvas().ClassName(), "TQuilCanvas3D");
  gdiPlus.SetActive(true);
  EXPECT_EQ(panel.Canvas().ClassName(), "TGDIPlusCanvas");
  gdiPlus.SetQuilPanel(nullptr);
  EXPECT_FALSE(gdiPlus.Active());
  EXPECT_EQ(panel.Canvas().ClassName(), "TQuilCanvas3D");
}

TEST_F(GDIPlusComponent, PanelGoingFirstLeavesTheComponentInactive) {
  TQuilGDIPlus gdiPlus;
  {
    TCustomQuilPanel panel;
    gdiPlus.SetQuilPanel(&panel);
    gdiPlus.SetActive(true);
    ASSERT_NE(gdiPlus.GetCanvas(), nullptr);
  }
  EXPECT_EQ(gdiPlus.QuilPanel(), nullptr);
  EXPECT_FALSE(gdiPlus.Active());
  TCustomQuilPanel other;
  {
    TQuilGDIPlus shortLived;
    shortLived.SetQuilPanel(&other);
    shortLived.SetActive(true);
  }
  EXPECT_EQ(other.Canvas().ClassName(), "TQuilCanvas3D");
}

TEST_F(GDIPlusComponent, ScaleIsStoredOnlyWhenNotOne) {
  TQuilGDIPlus gdiPlus;
  const TPropInfo* scale = TQuilGDIPlus::StaticClass().FindProperty("Scale");
  ASSERT_NE(scale, nullptr);
  EXPECT_FALSE(scale->IsStored(gdiPlus));
  gdiPlus.SetScale(1.5f);
  EXPECT_TRUE(scale->IsStored(gdiPlus));
  const TPropInfo* active = TQuilGDIPlus::StaticClass().FindProperty("Active");
  EXPECT_FALSE(active->IsStored(gdiPlus));
  EXPECT_NE(TQuilGDIPlus::StaticClass().FindProperty("QuilPanel"), nullptr);
}

// A panel paints the same background through either canvas.
TEST_F(GDIPlusComponent, PanelPaintsThroughTheAntiAliasedCanvas) {
  TCustomQuilPanel plain;
  plain.SetBounds(0, 0, 120, 80);
  const TBitmap expected = plain.QuilCreateBitmap();
  TCustomQuilPanel smooth;
  smooth.SetBounds(0, 0, 120, 80);
  smooth.SetInternalCanvas(std::make_unique<TGDIPlusCanvas>());
  const TBitmap actual = smooth.QuilCreateBitmap();
  EXPECT_EQ(actual.Pixel(60, 40), expected.Pixel(60, 40));
  EXPECT_EQ(actual.Pixel(2, 2), expected.Pixel(2, 2));
  EXPECT_EQ(smooth.Canvas().ClassName(), "TGDIPlusCanvas");
}

}  // namespace
}  // namespace quil

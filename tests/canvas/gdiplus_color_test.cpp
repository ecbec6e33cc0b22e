#include <gtest/gtest.h>

#include "canvas/gdiplus_color.h"
#include "canvas/gdiplus_status.h"
#include "core/exceptions.h"
#include "canvas/quil_blend.h"
#include "gdiplus_fixture.h"

namespace quil {
namespace {

TEST(GDIPlusColor, HighByteLowersAlphaAndNeverBelowZero) {
  EXPECT_EQ(GDIPColor(0x000000FF, 255), 0xFFFF0000u);        // opaque red, channels swapped into ARGB
  EXPECT_EQ(GDIPColor(0x80000000 | clBlue, 255), 0x7F0000FFu);  // alpha 255 − 0x80
  EXPECT_EQ(GDIPColor(clBtnFace, 255) >> 24, 0u);             // a system colour is invisible
  EXPECT_EQ(GDIPColor(0x40123456, 0x20), 0x00563412u);        // high byte above the opacity: alpha 0
  EXPECT_EQ(GDIPColor(clGreen, 128), 0x80008000u);
  EXPECT_EQ(GDIPColor(clNone, 255) >> 24, 0u);                // "paint nothing" stays unpainted
}

// The extended-precision products land just above .5 for these, so they round up, where
// ties-to-even in double precision would round 178.5 and 76.5 down.
TEST(GDIPlusColor, ApplyTransparencyPinsThePercentages) {
  const struct {
    int transparency, opacity, expected;
  } cases[] = {{0, 255, 255},  {10, 255, 230}, {30, 255, 179}, {50, 255, 128}, {70, 255, 77},
               {90, 255, 26},  {100, 255, 0},  {50, 128, 64},  {-20, 255, 255}, {130, 255, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.transparency << "% at " << c.opacity);
    EXPECT_EQ(ApplyTransparency(c.transparency, c.opacity), c.expected);
  }
}

TEST(GDIPlusStatus, ErrorTextsNameTheStatus) {
  EXPECT_EQ(GDIPlusErrorMessage(2), "GDI+ Error: 2 Invalid Parameter");
  EXPECT_EQ(GDIPlusErrorMessage(18), "GDI+ Error: 18 Gdiplus Not Initialized");
  EXPECT_EQ(GDIPlusErrorMessage(20), "GDI+ Error: 20 Property Not Supported");
  EXPECT_EQ(GDIPlusStatusText(21), "Unknown Status");
  EXPECT_EQ(GDIPlusStatusOf(CAIRO_STATUS_NO_MEMORY), gsOutOfMemory);
  EXPECT_EQ(GDIPlusStatusOf(CAIRO_STATUS_INVALID_MATRIX), gsInvalidParameter);
  EXPECT_NO_THROW(CheckGDIPlusStatus(CAIRO_STATUS_SUCCESS));
  try {
    CheckGDIPlusStatus(CAIRO_STATUS_NO_MEMORY);
    FAIL() << "no exception";
  } catch (const EQuilError& e) {
    EXPECT_STREQ(e.what(), "GDI+ Error: 3 Out Of Memory");
  }
}

using GDIPlusOpacity = GDIPlusFixture;

TEST_F(GDIPlusOpacity, NestedBlendingMultipliesAndUnwinds) {
  Start();
  EXPECT_EQ(canvas->Transparency(), 255);
  auto outer = canvas->BeginBlending({0, 0, 10, 10}, 50);
  EXPECT_EQ(outer, nullptr);
  EXPECT_EQ(canvas->Transparency(), 128);
  auto inner = canvas->BeginBlending({0, 0, 10, 10}, 50);
  EXPECT_EQ(canvas->Transparency(), 64);
  EXPECT_EQ(canvas->GDIPColor(clRed) >> 24, 64u);
  canvas->EndBlending(std::move(inner));
  EXPECT_EQ(canvas->Transparency(), 128);
  canvas->EndBlending(std::move(outer));
  EXPECT_EQ(canvas->Transparency(), 255);
}

// Fill and outline drawn while blending are both translucent, even when the pen was built
// before the blending began.
TEST_F(GDIPlusOpacity, TranslucentFillAndOutlineShowTheBackground) {
  Start();
  canvas->Pen().SetWidth(4);
  canvas->Brush().SetColor(clBlack);
  canvas->Rectangle(10, 10, 20, 20);  // builds the pen at full opacity
  auto blend = canvas->BeginBlending({}, 50);
  canvas->Rectangle(60, 60, 120, 120);
  canvas->EndBlending(std::move(blend));
  EXPECT_EQ(Pixel(90, 90), RGBColor(127, 127, 127));  // black at alpha 128 over white
  EXPECT_EQ(Pixel(60, 90), RGBColor(127, 127, 127));  // the outline's middle
  EXPECT_EQ(Pixel(15, 15), clBlack);
}

}  // namespace
}  // namespace quil

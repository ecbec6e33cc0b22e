#include <gtest/gtest.h>

#include <set>

#include "canvas/gdiplus_hatch.h"
#include "gdiplus_fixture.h"

namespace quil {
namespace {

int SetPixels(const THatchPattern& p) {
  int n = 0;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) n += HatchPixel(p, x, y);
  return n;
}

TEST(GDIPlusHatch, EveryStyleHasItsOwnPattern) {
  std::set<THatchPattern> seen;
  for (int style = 0; style < GPHatchStyleCount; ++style) seen.insert(HatchPattern(style));
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(GPHatchStyleCount));
  EXPECT_EQ(HatchPattern(53), HatchPattern(0));
  EXPECT_EQ(HatchPattern(-1), HatchPattern(0));
}

TEST(GDIPlusHatch, PercentShadesHoldTheirShare) {
  const int percents[] = {5, 10, 20, 25, 30, 40, 50, 60, 70, 75, 80, 90};
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(percents[i]);
    EXPECT_NEAR(SetPixels(HatchPattern(hs05Percent + i)) * 100.0 / 64, percents[i], 100.0 / 64);
  }
  EXPECT_EQ(SetPixels(HatchPattern(hs50Percent)), 32);
}

TEST(GDIPlusHatch, PlainHatchesAreTheirLines) {
  EXPECT_EQ(HatchPattern(hsHorizontal), (THatchPattern{0xFF, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(SetPixels(HatchPattern(hsVertical)), 8);
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(HatchPixel(HatchPattern(hsForwardDiagonal), i, i));
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(HatchPixel(HatchPattern(hsBackwardDiagonal), 7 - i, i));
}

using GDIPlusHatchFill = GDIPlusFixture;

// The brush's anti-aliased hatch wins from the seventh style on; before that its plain style
// picks the hatch. The back colour fills the gaps, clNone leaves them unpainted.
TEST_F(GDIPlusHatchFill, BrushChoosesTheHatch) {
  Start(64, 32);
  canvas->Pen().SetStyle(psClear);
  canvas->Brush().SetColor(clBlack);
  canvas->Brush().SetBackColor(clNone);
  canvas->Brush().SetStyle(bsCross);  // any hatch: the brush's own hatch style decides
  canvas->Brush().SetHatchStyle(hs50Percent);
  canvas->FillRect({0, 0, 32, 32});
  EXPECT_EQ(CountPixels(clBlack, {0, 0, 32, 32}), 32 * 32 / 2);
  EXPECT_EQ(CountPixels(clWhite, {0, 0, 32, 32}), 32 * 32 / 2);
  canvas->Brush().SetHatchStyle(hsHorizontal);
  canvas->Brush().SetStyle(bsVertical);
  canvas->Brush().SetBackColor(clYellow);
  canvas->FillRect({32, 0, 64, 32});
  EXPECT_EQ(CountPixels(clBlack, {32, 0, 64, 32}), 4 * 32);
  EXPECT_EQ(CountPixels(clYellow, {32, 0, 64, 32}), 28 * 32);
  EXPECT_EQ(canvas->GetBackMode(), cbmOpaque);
  EXPECT_EQ(canvas->GetBackColor(), clYellow);
}

}  // namespace
}  // namespace quil

#include <gtest/gtest.h>

#include <cmath>

#include "canvas/color_functions.h"

namespace quil {
namespace {

TEST(AttrColorFunctions, ApplyDarkFloorsEachComponentAtZero) {
  struct Case {
    TColor color;
    uint8_t amount;
    TColor expected;
  };
  const Case cases[] = {
      {RGBColor(128, 129, 255), 128, RGBColor(0, 1, 127)},  // 128 is not larger than 128
      {RGBColor(10, 20, 30), 0, RGBColor(10, 20, 30)},
      {RGBColor(0, 5, 250), 255, RGBColor(0, 0, 0)},
      {clWindow, 1, RGBColor(4, 0, 0)},                // a system colour darkens as its raw bytes
      {ColorFrom(clWhite, 0x80), 16, RGBColor(239, 239, 239)},  // alpha dropped
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.color << " by " << std::dec << int(c.amount));
    EXPECT_EQ(ApplyDark(c.color, c.amount), c.expected);
  }
}

TEST(AttrColorFunctions, ApplyBrightCapsEachComponentAt255) {
  EXPECT_EQ(ApplyBright(RGBColor(240, 223, 0), 32), RGBColor(255, 255, 32));
  EXPECT_EQ(ApplyBright(RGBColor(1, 2, 3), 0), RGBColor(1, 2, 3));
  EXPECT_EQ(ApplyBright(clBtnFace, 1), RGBColor(16, 1, 1));
  EXPECT_EQ(ApplyBright(clNone, 0), RGBColor(255, 255, 255));  // clNone's high byte goes too
}

TEST(AttrColorFunctions, AlphaInTheHighByte) {
  EXPECT_EQ(RGBA(1, 2, 3, 4), 0x04030201u);
  EXPECT_EQ(RGBA(255, 255, 255, 255), 0xFFFFFFFFu);
  EXPECT_EQ(ColorAlpha(0x7F123456), 0x7F);
  EXPECT_EQ(ColorFrom(0xAB123456, 0x40), 0x40123456u);
  EXPECT_EQ(ColorAlpha(ColorFrom(clRed, 200)), 200);
}

TEST(AttrColorFunctions, RGBValueIsInBlueGreenRedOrder) {
  const TRGB p = RGBValue(RGBColor(10, 20, 30));
  EXPECT_EQ(p.Red, 10);
  EXPECT_EQ(p.Green, 20);
  EXPECT_EQ(p.Blue, 30);
  static_assert(sizeof(TRGB) == 3 && sizeof(TRGBA) == 4);
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&p);
  EXPECT_EQ(bytes[0], 30);
  EXPECT_EQ(bytes[2], 10);
}

TEST(AttrColorFunctions, SystemColorResolvesOnlyTheTableRange) {
  EXPECT_EQ(SystemColor(clNone), clBlack);
  EXPECT_EQ(SystemColor(clRed), clRed);
  EXPECT_EQ(SystemColor(clWindow), clWhite);
  EXPECT_EQ(GetRValue(SystemColor(clBtnFace)), 0xF0);
  EXPECT_EQ(SystemColor(0xFF00001F), 0xFF00001Fu);  // past the table: not a system colour
}

TEST(AttrColorFunctions, QuilSigmoidBalanceBendsTheRatio) {
  for (int total : {1, 10, 255}) {
    for (int i = 0; i <= total; ++i) {
      SCOPED_TRACE(testing::Message() << "step " << i << " of " << total);
      const double ratio = (i + 1.0) / (total + 1.0);
      EXPECT_DOUBLE_EQ(QuilSigmoid(i, 50, total), ratio);
      EXPECT_DOUBLE_EQ(QuilSigmoid(i, 0, total), std::sqrt(ratio));
      EXPECT_DOUBLE_EQ(QuilSigmoid(i, 100, total), std::pow(ratio, 1.5));
    }
  }
  EXPECT_DOUBLE_EQ(QuilSigmoid(9, 30, 9), 1.0);  // the last step reaches the end colour
}

}  // namespace
}  // namespace quil

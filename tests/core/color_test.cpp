#include <gtest/gtest.h>

#include "core/color.h"

namespace quil {
namespace {

TEST(Colors, SystemColorResolvesTheFixedTable) {
  struct Case {
    TColor color;
    TColor expected;
  };
  const Case cases[] = {
      {clBtnFace, 0xF0F0F0},      {clWindowText, 0x000000}, {clBtnShadow, 0xA0A0A0},
      {clBtnHighlight, 0xFFFFFF}, {clWindow, 0xFFFFFF},     {clNone, clBlack},
      {0x123456, 0x123456},       {clRed, clRed},           {clQuilColor, clQuilColor},
      // A high byte of 0xFF outside 0xFF000000..0xFF00001E is no system colour.
      {0xFF00001F, 0xFF00001F},   {0xFF00010F, 0xFF00010F}, {0xFFFFFFFF, 0xFFFFFFFF},
      {0xFE00000F, 0xFE00000F},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << std::hex << c.color);
    EXPECT_EQ(SystemColor(c.color), c.expected);
  }
}

TEST(Colors, EverySystemColorBecomesAPlainColour) {
  for (TColor index = 0; index <= 0x1E; ++index) {
    const TColor c = clSystemColor | index;
    SCOPED_TRACE(index);
    EXPECT_TRUE(IsSystemColor(c));
    EXPECT_EQ(SystemColor(c) & 0xFF000000u, 0u);
  }
  EXPECT_FALSE(IsSystemColor(clSystemColor | 0x1F));
  EXPECT_FALSE(IsSystemColor(0x00000005));
  EXPECT_FALSE(IsSystemColor(clNone));
}

TEST(Colors, RedIsTheLowestByte) {
  EXPECT_EQ(RGBColor(0x11, 0x22, 0x33), 0x332211u);
  EXPECT_EQ(GetRValue(clRed), 0xFF);
  EXPECT_EQ(GetGValue(0x00AB00), 0xAB);
  EXPECT_EQ(GetBValue(clBlue), 0xFF);
}

}  // namespace
}  // namespace quil

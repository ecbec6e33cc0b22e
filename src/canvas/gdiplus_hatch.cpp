#include "canvas/gdiplus_hatch.h"

#include <functional>

#include "core/rounding.h"

namespace quil {

namespace {

using TPixelRule = std::function<bool(int x, int y)>;

THatchPattern FromRule(const TPixelRule& on) {
  THatchPattern p{};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (on(x, y)) p[static_cast<std::size_t>(y)] |= static_cast<uint8_t>(0x80 >> x);
  return p;
}

int Mod(int a, int m) { return ((a % m) + m) % m; }

// Percentage shades spread their pixels evenly by an ordered dither, so each holds the share
// of set pixels its name says (rounded to whole pixels of 64).
THatchPattern Percent(int percent) {
  static constexpr int bayer[8][8] = {{0, 32, 8, 40, 2, 34, 10, 42},   {48, 16, 56, 24, 50, 18, 58, 26},
                                      {12, 44, 4, 36, 14, 46, 6, 38},  {60, 28, 52, 20, 62, 30, 54, 22},
                                      {3, 35, 11, 43, 1, 33, 9, 41},   {51, 19, 59, 27, 49, 17, 57, 25},
                                      {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21}};
  const int set = QuilRound(percent * 64 / 100.0);
  return FromRule([set](int x, int y) { return bayer[y][x] < set; });
}

std::array<THatchPattern, GPHatchStyleCount> MakePatterns() {
  return {
      FromRule([](int, int y) { return y == 0; }),                                  // horizontal
      FromRule([](int x, int) { return x == 0; }),                                  // vertical
      FromRule([](int x, int y) { return x == y; }),                                // forward diagonal
      FromRule([](int x, int y) { return x == 7 - y; }),                            // backward diagonal
      FromRule([](int x, int y) { return x == 0 || y == 0; }),                      // cross
      FromRule([](int x, int y) { return x == y || x == 7 - y; }),                  // diagonal cross
      Percent(5),
      Percent(10),
      Percent(20),
      Percent(25),
      Percent(30),
      Percent(40),
      Percent(50),
      Percent(60),
      Percent(70),
      Percent(75),
      Percent(80),
      Percent(90),
      FromRule([](int x, int y) { return Mod(x - y, 4) == 0; }),                    // light downward diagonal
      FromRule([](int x, int y) { return Mod(x + y, 4) == 3; }),                    // light upward diagonal
      FromRule([](int x, int y) { return Mod(x - y, 4) < 2; }),                     // dark downward diagonal
      FromRule([](int x, int y) { return Mod(x + y, 4) >= 2; }),                    // dark upward diagonal
      FromRule([](int x, int y) { return Mod(x - y, 8) < 3; }),                     // wide downward diagonal
      FromRule([](int x, int y) { return Mod(x + y, 8) >= 5; }),                    // wide upward diagonal
      FromRule([](int x, int) { return x % 4 == 0; }),                              // light vertical
      FromRule([](int, int y) { return y % 4 == 0; }),                              // light horizontal
      FromRule([](int x, int) { return x % 2 == 0; }),                              // narrow vertical
      FromRule([](int, int y) { return y % 2 == 0; }),                              // narrow horizontal
      FromRule([](int x, int) { return x % 4 < 2; }),                               // dark vertical
      FromRule([](int, int y) { return y % 4 < 2; }),                               // dark horizontal
      FromRule([](int x, int y) { return y < 4 && Mod(x - y, 4) == 0; }),           // dashed downward diagonal
      FromRule([](int x, int y) { return y < 4 && Mod(x + y, 4) == 3; }),           // dashed upward diagonal
      FromRule([](int x, int y) { return (y == 0 && x < 4) || (y == 4 && x >= 4); }),  // dashed horizontal
      FromRule([](int x, int y) { return (x == 0 && y < 4) || (x == 4 && y >= 4); }),  // dashed vertical
      THatchPattern{0x80, 0x08, 0x40, 0x02, 0x10, 0x01, 0x20, 0x04},                // small confetti
      THatchPattern{0xB1, 0x30, 0x03, 0x1B, 0xD8, 0xC0, 0x0C, 0x8D},                // large confetti
      THatchPattern{0x81, 0x42, 0x24, 0x18, 0x81, 0x42, 0x24, 0x18},                // zig-zag
      THatchPattern{0x00, 0x18, 0xA4, 0x03, 0x00, 0x18, 0xA4, 0x03},                // wave
      THatchPattern{0x01, 0x02, 0x04, 0x08, 0x18, 0x24, 0x42, 0x81},                // diagonal brick
      THatchPattern{0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08},                // horizontal brick
      THatchPattern{0x88, 0x54, 0x22, 0x45, 0x88, 0x14, 0x22, 0x51},                // weave
      THatchPattern{0xAA, 0x55, 0xAA, 0x55, 0xF0, 0xF0, 0xF0, 0xF0},                // plaid
      THatchPattern{0x00, 0x10, 0x08, 0x10, 0x00, 0x01, 0x80, 0x01},                // divot
      THatchPattern{0xAA, 0x00, 0x80, 0x00, 0x80, 0x00, 0x80, 0x00},                // dotted grid
      THatchPattern{0x80, 0x00, 0x22, 0x00, 0x08, 0x00, 0x22, 0x00},                // dotted diamond
      THatchPattern{0x03, 0x84, 0x48, 0x30, 0x0C, 0x02, 0x01, 0x01},                // shingle
      THatchPattern{0xFF, 0x66, 0xFF, 0x99, 0xFF, 0x66, 0xFF, 0x99},                // trellis
      THatchPattern{0xEE, 0x91, 0xF1, 0xF1, 0xEE, 0x19, 0x1F, 0x1F},                // sphere
      THatchPattern{0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88},                // small grid
      THatchPattern{0x99, 0x66, 0x66, 0x99, 0x99, 0x66, 0x66, 0x99},                // small checker board
      THatchPattern{0xF0, 0xF0, 0xF0, 0xF0, 0x0F, 0x0F, 0x0F, 0x0F},                // large checker board
      THatchPattern{0x82, 0x44, 0x28, 0x10, 0x28, 0x44, 0x82, 0x01},                // outlined diamond
      THatchPattern{0x10, 0x38, 0x7C, 0xFE, 0x7C, 0x38, 0x10, 0x00},                // solid diamond
  };
}

}  // namespace

const THatchPattern& HatchPattern(int style) {
  static const std::array<THatchPattern, GPHatchStyleCount> patterns = MakePatterns();
  if (style < 0 || style >= GPHatchStyleCount) style = 0;
  return patterns[static_cast<std::size_t>(style)];
}

bool HatchPixel(const THatchPattern& pattern, int x, int y) {
  return (pattern[static_cast<std::size_t>(y & 7)] & (0x80 >> (x & 7))) != 0;
}

}  // namespace quil

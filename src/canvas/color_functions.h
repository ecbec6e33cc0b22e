#pragma once

#include <cstdint>

#include "core/color.h"

namespace quil {

// A pixel of a 24-bit image, in memory order.
struct TRGB {
  uint8_t Blue = 0;
  uint8_t Green = 0;
  uint8_t Red = 0;
  friend bool operator==(const TRGB&, const TRGB&) = default;
};

// A pixel of a 32-bit image, in memory order.
struct TRGBA {
  uint8_t Blue = 0;
  uint8_t Green = 0;
  uint8_t Red = 0;
  uint8_t Alpha = 0;
  friend bool operator==(const TRGBA&, const TRGBA&) = default;
};

// Each component lowered by howMuch, floored at 0; the high byte (system flag or alpha) is
// dropped, so a system colour is darkened as its raw bytes.
TColor ApplyDark(TColor color, uint8_t howMuch);
// Each component raised by howMuch, capped at 255; the high byte is dropped.
TColor ApplyBright(TColor color, uint8_t howMuch);

// r + g·2⁸ + b·2¹⁶ + a·2²⁴, wrapping like the 32-bit colour it builds.
constexpr TColor RGBA(int r, int g, int b, int a) {
  return static_cast<TColor>(static_cast<uint32_t>(r) + (static_cast<uint32_t>(g) << 8) +
                             (static_cast<uint32_t>(b) << 16) + (static_cast<uint32_t>(a) << 24));
}

constexpr TRGB RGBValue(TColor color) { return TRGB{GetBValue(color), GetGValue(color), GetRValue(color)}; }

// The high byte, which some drawing paths read as an alpha amount.
constexpr uint8_t ColorAlpha(TColor color) { return static_cast<uint8_t>(color >> 24); }

constexpr TColor ColorFrom(TColor color, uint8_t alpha) {
  return (static_cast<TColor>(alpha) << 24) | (color & 0x00FFFFFFu);
}

// ((index + 1) / (total + 1)) ^ (balance·0.01 + 0.5): the share of the way along a gradient
// of total steps at step index; balance 50 gives the straight ratio, lower values rise faster.
double QuilSigmoid(double index, double balance, double total);

}  // namespace quil

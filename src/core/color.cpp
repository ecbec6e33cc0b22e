#include "core/color.h"

#include <array>

namespace quil {

namespace {

constexpr TColor Rgb(uint32_t rrggbb) {
  return RGBColor(static_cast<uint8_t>(rrggbb >> 16), static_cast<uint8_t>(rrggbb >> 8),
                  static_cast<uint8_t>(rrggbb));
}

// Indexed by the low byte of a system colour; written as 0xRRGGBB for readability.
constexpr std::array<TColor, 31> kSystemColors = {
    Rgb(0xC8C8C8), Rgb(0x000000), Rgb(0x99B4D1), Rgb(0xBFCDDB), Rgb(0xF0F0F0), Rgb(0xFFFFFF),
    Rgb(0x646464), Rgb(0x000000), Rgb(0x000000), Rgb(0x000000), Rgb(0xB4B4B4), Rgb(0xF4F7FC),
    Rgb(0xABABAB), Rgb(0x0078D7), Rgb(0xFFFFFF), Rgb(0xF0F0F0), Rgb(0xA0A0A0), Rgb(0x6D6D6D),
    Rgb(0x000000), Rgb(0x000000), Rgb(0xFFFFFF), Rgb(0x696969), Rgb(0xE3E3E3), Rgb(0x000000),
    Rgb(0xFFFFE1), Rgb(0x000000), Rgb(0x0066CC), Rgb(0xB9D1EA), Rgb(0xD7E4F2), Rgb(0x3399FF),
    Rgb(0xF0F0F0)};

}  // namespace

TColor SystemColor(TColor c) {
  if (c == clNone) return clBlack;
  if (IsSystemColor(c)) return kSystemColors[c & 0xFF];
  return c;
}

}  // namespace quil

#pragma once

#include <array>
#include <cstdint>

namespace quil {

inline constexpr int GPHatchStyleCount = 53;

// One 8 × 8 hatch: a byte per row, top row first, the leftmost pixel in the high bit.
using THatchPattern = std::array<uint8_t, 8>;

// The pattern of a hatch style (0..52, THatchStyle's ordinals); anything else gives style 0.
const THatchPattern& HatchPattern(int style);
bool HatchPixel(const THatchPattern& pattern, int x, int y);

}  // namespace quil

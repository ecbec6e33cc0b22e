#pragma once

#include <cstdint>
#include <vector>

#include "canvas/bitmap.h"

namespace quil {

// The middle outWidth x outHeight pixels of source turned counter-clockwise on screen by
// degrees about its centre (nearest pixel; outside the source stays transparent).
TBitmap RotateBitmap(const TBitmap& source, double degrees, int outWidth, int outHeight);

// One byte per pixel, width x height, row after row.
struct TCoverage {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Values;
};

// Box blur of the given radius, horizontally then vertically, passes times.
void BlurCoverage(TCoverage& coverage, int radius, int passes);

}  // namespace quil

#pragma once

#include <cstdint>

#include "canvas/bitmap.h"

namespace quil {

enum TSmoothStretchOption : uint8_t { ssBestQuality, ssBestPerformance };

// The Lanczos-3 kernel: 1 at 0, sinc(πx)·sinc(πx/3) inside |x| < 3, 0 beyond.
double LanczosKernel(double x);
// The triangle kernel: max(0, 1 − |x|).
double TriangleKernel(double x);

// Resamples source into dest at dest's own size, along the rows first and then along the
// columns: Lanczos-3 for ssBestQuality, the triangle for ssBestPerformance. When shrinking,
// the kernel widens by the factor so that every source pixel counts; samples beyond an edge
// repeat the edge pixel. Nothing happens when either image is empty.
void SmoothStretch(const TBitmap& source, TBitmap& dest, TSmoothStretchOption option = ssBestQuality);

}  // namespace quil

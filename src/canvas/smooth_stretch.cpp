#include "canvas/smooth_stretch.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace quil {

namespace {

using TKernel = double (*)(double);

// The source pixels one destination pixel takes, with their weights (summing to 1).
struct TContribution {
  int First = 0;
  std::vector<float> Weights;
};

std::vector<TContribution> Contributions(int sourceSize, int destSize, TKernel kernel, double support) {
  const double scale = double(destSize) / sourceSize;
  const double widen = std::max(1.0, 1.0 / scale);
  const double radius = support * widen;
  std::vector<TContribution> result(static_cast<std::size_t>(destSize));
  for (int i = 0; i < destSize; ++i) {
    const double centre = (i + 0.5) / scale - 0.5;
    const int first = static_cast<int>(std::ceil(centre - radius));
    const int last = static_cast<int>(std::floor(centre + radius));
    TContribution& c = result[static_cast<std::size_t>(i)];
    c.First = std::clamp(first, 0, sourceSize - 1);
    const int lastInside = std::clamp(last, 0, sourceSize - 1);
    c.Weights.assign(static_cast<std::size_t>(lastInside - c.First + 1), 0.0f);
    double sum = 0;
    for (int j = first; j <= last; ++j) {
      const double w = kernel((j - centre) / widen);
      c.Weights[static_cast<std::size_t>(std::clamp(j, 0, sourceSize - 1) - c.First)] += static_cast<float>(w);
      sum += w;
    }
    if (std::abs(sum) < 1e-12) {
      std::fill(c.Weights.begin(), c.Weights.end(), 0.0f);
      const int nearest = std::clamp(static_cast<int>(std::lround(centre)), c.First, lastInside);
      c.Weights[static_cast<std::size_t>(nearest - c.First)] = 1.0f;
      continue;
    }
    for (float& w : c.Weights) w = static_cast<float>(w / sum);
  }
  return result;
}

// Premultiplied channels in memory order blue, green, red, alpha.
struct TChannels {
  float c[4] = {0, 0, 0, 0};
};

TChannels Unpack(uint32_t p) {
  return {{float(p & 0xFF), float((p >> 8) & 0xFF), float((p >> 16) & 0xFF), float(p >> 24)}};
}

// Rounds to bytes; no colour channel may exceed alpha in premultiplied pixels.
uint32_t Pack(const TChannels& v) {
  auto byte = [](float x) { return static_cast<uint32_t>(std::clamp(std::lround(x), 0L, 255L)); };
  const uint32_t a = byte(v.c[3]);
  const uint32_t b = std::min(byte(v.c[0]), a), g = std::min(byte(v.c[1]), a), r = std::min(byte(v.c[2]), a);
  return (a << 24) | (r << 16) | (g << 8) | b;
}

}  // namespace

double LanczosKernel(double x) {
  x = std::abs(x);
  if (x < 1e-12) return 1;
  if (x >= 3) return 0;
  const double px = std::numbers::pi * x;
  return (std::sin(px) / px) * (std::sin(px / 3) / (px / 3));
}

double TriangleKernel(double x) { return std::max(0.0, 1.0 - std::abs(x)); }

void SmoothStretch(const TBitmap& source, TBitmap& dest, TSmoothStretchOption option) {
  if (source.Empty() || dest.Empty()) return;
  const TKernel kernel = option == ssBestPerformance ? TriangleKernel : LanczosKernel;
  const double support = option == ssBestPerformance ? 1 : 3;
  const int sw = source.Width(), sh = source.Height(), dw = dest.Width(), dh = dest.Height();
  const std::vector<TContribution> across = Contributions(sw, dw, kernel, support);
  const std::vector<TContribution> down = Contributions(sh, dh, kernel, support);

  const uint32_t* src = source.PixelData();
  const int srcStride = source.StridePixels();
  std::vector<TChannels> rows(static_cast<std::size_t>(dw) * sh);
  for (int y = 0; y < sh; ++y) {
    const uint32_t* line = src + static_cast<std::ptrdiff_t>(y) * srcStride;
    for (int x = 0; x < dw; ++x) {
      const TContribution& c = across[static_cast<std::size_t>(x)];
      TChannels sum;
      for (std::size_t k = 0; k < c.Weights.size(); ++k) {
        const TChannels p = Unpack(line[c.First + static_cast<int>(k)]);
        for (int ch = 0; ch < 4; ++ch) sum.c[ch] += c.Weights[k] * p.c[ch];
      }
      rows[static_cast<std::size_t>(y) * dw + x] = sum;
    }
  }

  uint32_t* out = dest.PixelData();
  const int outStride = dest.StridePixels();
  for (int y = 0; y < dh; ++y) {
    const TContribution& c = down[static_cast<std::size_t>(y)];
    for (int x = 0; x < dw; ++x) {
      TChannels sum;
      for (std::size_t k = 0; k < c.Weights.size(); ++k) {
        const TChannels& p = rows[static_cast<std::size_t>(c.First + static_cast<int>(k)) * dw + x];
        for (int ch = 0; ch < 4; ++ch) sum.c[ch] += c.Weights[k] * p.c[ch];
      }
      out[static_cast<std::ptrdiff_t>(y) * outStride + x] = Pack(sum);
    }
  }
  dest.MarkChanged();
}

}  // namespace quil

#pragma once

#include <cstdint>

#include "core/color.h"

namespace quil {

class TQuilRegion;

// Applies a raster mix code (1..16) to a pen colour and a destination colour, bitwise on
// their 24 colour bits.
uint32_t ApplyRop2(int code, uint32_t pen, uint32_t dest);

// Direct pixel output into a 32-bit image (0xAARRGGBB words, as Cairo keeps opaque pixels):
// the one-pixel lines of the plain canvas are drawn here so that they step exactly like the
// classic integer line algorithm, and so that raster mixes other than copy work.
class TPixelWriter {
 public:
  // origin: where user pixel (0, 0) lies in the image.
  TPixelWriter(uint32_t* data, int stridePixels, int width, int height, int originX, int originY)
      : data_(data), stride_(stridePixels), width_(width), height_(height), originX_(originX), originY_(originY) {}

  void SetClip(const TQuilRegion* clip) { clip_ = clip; }
  void SetRop2(int code) { rop_ = code; }

  // In user pixels; outside the image or the clip nothing happens.
  void Plot(int x, int y, TColor color);
  // Every pixel of the line but the last. With dotGap > 0 only every dotGap-th pixel is
  // set, counting from the first (a dotted pen).
  void Line(int x0, int y0, int x1, int y1, TColor color, int dotGap = 0);
  // Mixes color into every pixel where coverage (one byte per pixel, coverageStride bytes a
  // row, its first pixel at user (left, top)) is at least half.
  void ApplyCoverage(const uint8_t* coverage, int coverageStride, int left, int top, int width, int height,
                     TColor color);

 private:
  void Put(int x, int y, uint32_t rgb);
  // Cuts the line to the image grown by one pixel; false when nothing of it is left.
  bool ClipToImage(int& x0, int& y0, int& x1, int& y1) const;

  uint32_t* data_;
  int stride_;
  int width_;
  int height_;
  int originX_;
  int originY_;
  const TQuilRegion* clip_ = nullptr;
  int rop_ = 13;
};

}  // namespace quil

#pragma once

#include <cairo.h>

#include <cstdint>

#include "canvas/bitmap.h"

namespace quil {

// Direct access to the 32-bit pixels of a bitmap for image arithmetic. A pixel is four bytes
// in memory order blue, green, red, alpha (premultiplied). Writers mark the surface changed
// when they are done.
class TImagePixels {
 public:
  explicit TImagePixels(const TBitmap& bitmap) : surface_(bitmap.Surface()) {
    if (!surface_) return;
    cairo_surface_flush(surface_);
    data_ = cairo_image_surface_get_data(surface_);
    stride_ = cairo_image_surface_get_stride(surface_);
    width_ = bitmap.Width();
    height_ = bitmap.Height();
  }
  TImagePixels(const TImagePixels&) = delete;
  TImagePixels& operator=(const TImagePixels&) = delete;
  ~TImagePixels() {
    if (surface_ && written_) cairo_surface_mark_dirty(surface_);
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  const uint8_t* Pixel(int x, int y) const { return data_ + static_cast<std::ptrdiff_t>(y) * stride_ + 4 * x; }
  uint8_t* MutablePixel(int x, int y) {
    written_ = true;
    return data_ + static_cast<std::ptrdiff_t>(y) * stride_ + 4 * x;
  }

 private:
  cairo_surface_t* surface_;
  uint8_t* data_ = nullptr;
  int stride_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool written_ = false;
};

}  // namespace quil

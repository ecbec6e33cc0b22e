#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>

#include "core/color.h"

namespace quil {

// An image the drawing layer owns: a 32-bit Cairo image surface (premultiplied ARGB, as Cairo
// keeps it). An empty bitmap has no surface.
class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height);
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);
  TBitmap(TBitmap&&) noexcept = default;
  TBitmap& operator=(TBitmap&&) noexcept = default;

  // Takes over a surface reference the caller already owns.
  static TBitmap Adopt(cairo_surface_t* surface);
  // Reads a PNG file; an unreadable file gives an empty bitmap.
  static TBitmap FromPNGFile(const std::string& path);
  static TBitmap FromPNGData(const unsigned char* data, std::size_t size);

  bool Empty() const { return !surface_ || Width() == 0 || Height() == 0; }
  int Width() const;
  int Height() const;
  // Resizes, keeping nothing of the old content (it is cleared to transparent black).
  void SetSize(int width, int height);
  cairo_surface_t* Surface() const { return surface_.get(); }

  // Pixel as a colour (red in the low byte), ignoring alpha; out of range gives clNone.
  TColor Pixel(int x, int y) const;
  uint8_t Alpha(int x, int y) const;
  void SetPixel(int x, int y, TColor color);
  // Fills every pixel with an opaque colour.
  void Fill(TColor color);

  // Raw access to the 0xAARRGGBB words (premultiplied) for image arithmetic: PixelData
  // flushes pending drawing, MarkChanged must follow any writes. Null for an empty bitmap.
  uint32_t* PixelData();
  const uint32_t* PixelData() const;
  int StridePixels() const;
  void MarkChanged();

  // Writes a PNG file; fails with an error carrying Cairo's status text.
  void SaveToPNGFile(const std::string& path) const;

 private:
  struct SurfaceRelease {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
  };
  std::unique_ptr<cairo_surface_t, SurfaceRelease> surface_;
};

}  // namespace quil

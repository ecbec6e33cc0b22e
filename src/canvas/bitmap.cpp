#include "canvas/bitmap.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/exceptions.h"

namespace quil {

namespace {

cairo_surface_t* NewImage(int width, int height) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(0, width), std::max(0, height));
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    const std::string why = cairo_status_to_string(cairo_surface_status(s));
    cairo_surface_destroy(s);
    throw EQuilError("Cannot create a bitmap: " + why);
  }
  return s;
}

struct PngSource {
  const unsigned char* data;
  std::size_t size;
  std::size_t pos;
};

cairo_status_t ReadPng(void* closure, unsigned char* out, unsigned int length) {
  auto* src = static_cast<PngSource*>(closure);
  if (src->size - src->pos < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(out, src->data + src->pos, length);
  src->pos += length;
  return CAIRO_STATUS_SUCCESS;
}

TBitmap FromLoaded(cairo_surface_t* s) {
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return {};
  }
  TBitmap result(cairo_image_surface_get_width(s), cairo_image_surface_get_height(s));
  cairo_t* cr = cairo_create(result.Surface());
  cairo_set_source_surface(cr, s, 0, 0);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(s);
  return result;
}

}  // namespace

TBitmap::TBitmap(int width, int height) : surface_(NewImage(width, height)) {}

TBitmap::TBitmap(const TBitmap& other) { *this = other; }

TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this == &other) return *this;
  if (!other.surface_) {
    surface_.reset();
    return *this;
  }
  cairo_surface_flush(other.surface_.get());
  surface_.reset(NewImage(other.Width(), other.Height()));
  const int stride = cairo_image_surface_get_stride(other.surface_.get());
  std::memcpy(cairo_image_surface_get_data(surface_.get()), cairo_image_surface_get_data(other.surface_.get()),
              static_cast<std::size_t>(stride) * other.Height());
  cairo_surface_mark_dirty(surface_.get());
  return *this;
}

TBitmap TBitmap::Adopt(cairo_surface_t* surface) {
  TBitmap b;
  b.surface_.reset(surface);
  return b;
}

TBitmap TBitmap::FromPNGFile(const std::string& path) { return FromLoaded(cairo_image_surface_create_from_png(path.c_str())); }

TBitmap TBitmap::FromPNGData(const unsigned char* data, std::size_t size) {
  PngSource src{data, size, 0};
  return FromLoaded(cairo_image_surface_create_from_png_stream(ReadPng, &src));
}

int TBitmap::Width() const { return surface_ ? cairo_image_surface_get_width(surface_.get()) : 0; }

int TBitmap::Height() const { return surface_ ? cairo_image_surface_get_height(surface_.get()) : 0; }

void TBitmap::SetSize(int width, int height) {
  if (surface_ && width == Width() && height == Height()) return;
  surface_.reset(NewImage(width, height));
}

TColor TBitmap::Pixel(int x, int y) const {
  if (!surface_ || x < 0 || y < 0 || x >= Width() || y >= Height()) return clNone;
  cairo_surface_flush(surface_.get());
  const unsigned char* row = cairo_image_surface_get_data(surface_.get()) + y * cairo_image_surface_get_stride(surface_.get());
  uint32_t argb;
  std::memcpy(&argb, row + 4 * x, 4);
  const uint32_t a = argb >> 24;
  auto channel = [&](int shift) -> uint8_t {
    const uint32_t v = (argb >> shift) & 0xFF;
    return static_cast<uint8_t>(a == 0 ? 0 : (a == 255 ? v : (v * 255 + a / 2) / a));
  };
  return RGBColor(channel(16), channel(8), channel(0));
}

uint8_t TBitmap::Alpha(int x, int y) const {
  if (!surface_ || x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
  cairo_surface_flush(surface_.get());
  const unsigned char* row = cairo_image_surface_get_data(surface_.get()) + y * cairo_image_surface_get_stride(surface_.get());
  uint32_t argb;
  std::memcpy(&argb, row + 4 * x, 4);
  return static_cast<uint8_t>(argb >> 24);
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (!surface_ || x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  cairo_surface_flush(surface_.get());
  unsigned char* row = cairo_image_surface_get_data(surface_.get()) + y * cairo_image_surface_get_stride(surface_.get());
  const uint32_t argb = 0xFF000000u | (uint32_t(GetRValue(color)) << 16) | (uint32_t(GetGValue(color)) << 8) | GetBValue(color);
  std::memcpy(row + 4 * x, &argb, 4);
  cairo_surface_mark_dirty(surface_.get());
}

void TBitmap::Fill(TColor color) {
  if (!surface_) return;
  cairo_t* cr = cairo_create(surface_.get());
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
  cairo_paint(cr);
  cairo_destroy(cr);
}

uint32_t* TBitmap::PixelData() {
  if (!surface_) return nullptr;
  cairo_surface_flush(surface_.get());
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_.get()));
}

const uint32_t* TBitmap::PixelData() const {
  if (!surface_) return nullptr;
  cairo_surface_flush(surface_.get());
  return reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface_.get()));
}

int TBitmap::StridePixels() const { return surface_ ? cairo_image_surface_get_stride(surface_.get()) / 4 : 0; }

void TBitmap::MarkChanged() {
  if (surface_) cairo_surface_mark_dirty(surface_.get());
}

void TBitmap::SaveToPNGFile(const std::string& path) const {
  if (!surface_) throw EQuilError("Cannot save an empty bitmap");
  const cairo_status_t st = cairo_surface_write_to_png(surface_.get(), path.c_str());
  if (st != CAIRO_STATUS_SUCCESS) throw EQuilError("Cannot write " + path + ": " + cairo_status_to_string(st));
}

}  // namespace quil

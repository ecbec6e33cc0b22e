#include "canvas/opaque_png.h"

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "core/exceptions.h"

namespace quil {

namespace {

using TFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// A chunk: length, type, data and the CRC of type and data.
void WriteChunk(std::FILE* file, const char (&type)[5], const uint8_t* data, std::size_t size,
                const std::string& path) {
  std::vector<uint8_t> head;
  PutBigEndian(head, static_cast<uint32_t>(size));
  head.insert(head.end(), type, type + 4);
  uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type), 4);
  if (size > 0) crc = crc32(crc, data, static_cast<uInt>(size));
  std::vector<uint8_t> tail;
  PutBigEndian(tail, static_cast<uint32_t>(crc));
  if (std::fwrite(head.data(), 1, head.size(), file) != head.size() ||
      (size > 0 && std::fwrite(data, 1, size, file) != size) ||
      std::fwrite(tail.data(), 1, tail.size(), file) != tail.size())
    throw EQuilError("Cannot write " + path);
}

}  // namespace

void SaveOpaquePNG(const TBitmap& bitmap, const std::string& path, int level) {
  if (bitmap.Empty()) throw EQuilError("Cannot save an empty bitmap");
  const int width = bitmap.Width(), height = bitmap.Height();
  const uint32_t* pixels = bitmap.PixelData();
  const int stride = bitmap.StridePixels();

  TFile file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) throw EQuilError("Cannot write " + path);
  static const uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (std::fwrite(kSignature, 1, sizeof kSignature, file.get()) != sizeof kSignature)
    throw EQuilError("Cannot write " + path);
  std::vector<uint8_t> header;
  PutBigEndian(header, static_cast<uint32_t>(width));
  PutBigEndian(header, static_cast<uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no interlace
  WriteChunk(file.get(), "IHDR", header.data(), header.size(), path);

  z_stream z{};
  if (deflateInit(&z, level) != Z_OK) throw EQuilError("Cannot write " + path);
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  std::vector<uint8_t> rgb(rowBytes), previous(rowBytes), line(rowBytes + 1), out(1 << 18);
  bool failed = false;
  const auto drain = [&](int flush) {
    do {
      z.next_out = out.data();
      z.avail_out = static_cast<uInt>(out.size());
      if (deflate(&z, flush) == Z_STREAM_ERROR) failed = true;
      const std::size_t produced = out.size() - z.avail_out;
      if (produced > 0 && !failed) WriteChunk(file.get(), "IDAT", out.data(), produced, path);
    } while (z.avail_out == 0 && !failed);
  };
  for (int y = 0; y < height && !failed; ++y) {
    const uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
    for (int x = 0; x < width; ++x) {
      const uint32_t p = row[x];
      const uint32_t a = p >> 24;
      for (int k = 0; k < 3; ++k) {
        const uint32_t v = (p >> (16 - 8 * k)) & 0xFF;
        rgb[static_cast<std::size_t>(x) * 3 + k] = static_cast<uint8_t>(a == 255 || a == 0 ? v : v * 255 / a);
      }
    }
    // The "up" filter (each byte minus the one above) turns a chart's flat areas and vertical
    // repeats into zeros.
    line[0] = y > 0 ? 2 : 0;
    for (std::size_t i = 0; i < rowBytes; ++i) line[i + 1] = static_cast<uint8_t>(rgb[i] - (y > 0 ? previous[i] : 0));
    previous.swap(rgb);
    z.next_in = line.data();
    z.avail_in = static_cast<uInt>(line.size());
    drain(Z_NO_FLUSH);
  }
  if (!failed) drain(Z_FINISH);
  deflateEnd(&z);
  if (failed) throw EQuilError("Cannot write " + path);
  WriteChunk(file.get(), "IEND", nullptr, 0, path);
  if (std::fflush(file.get()) != 0) throw EQuilError("Cannot write " + path);
}

}  // namespace quil

#include <bit>
#include <cstdint>

#include "core/exceptions.h"
#include "core/filer.h"
#include "series/surface/custom3d_palette_series.h"

namespace quil {

static_assert(std::endian::native == std::endian::little, "stored palettes are little-endian");

namespace {

constexpr const char* kStreamReadError = "Stream read error";
// A stored entry: the 8-byte bound and the 4-byte colour.
constexpr std::size_t kStoredEntrySize = sizeof(double) + sizeof(TColor);

template <class T>
T ReadValue(TMemoryStream& stream) {
  T value{};
  stream.ReadBuffer(&value, sizeof value);
  return value;
}

template <class T>
void WriteValue(TMemoryStream& stream, T value) {
  stream.WriteBuffer(&value, sizeof value);
}

}  // namespace

// The count is checked against the bytes that follow before anything is allocated, and the
// entries are read in full before the palette changes.
void TCustom3DPaletteSeries::ReadCustomPalette(TMemoryStream& stream) {
  const auto count = ReadValue<int32_t>(stream);
  const std::size_t remaining = stream.Size() > stream.Position() ? stream.Size() - stream.Position() : 0;
  if (count < 0 || static_cast<std::size_t>(count) > remaining / kStoredEntrySize) throw EReadError(kStreamReadError);
  TCustom3DPalette entries(static_cast<std::size_t>(count));
  for (TGridPalette& entry : entries) {
    entry.UpToValue = ReadValue<double>(stream);
    entry.Color = ReadValue<TColor>(stream);
  }
  SetPalette(entries);
}

void TCustom3DPaletteSeries::WriteCustomPalette(TMemoryStream& stream) const {
  WriteValue<int32_t>(stream, static_cast<int32_t>(palette_.size()));
  for (const TGridPalette& entry : palette_) {
    WriteValue<double>(stream, entry.UpToValue);
    WriteValue<TColor>(stream, entry.Color);
  }
}

void TCustom3DPaletteSeries::DefineProperties(TFiler& filer) {
  TCustom3DSeries::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "CustomPalette", [this](TMemoryStream& stream) { ReadCustomPalette(stream); },
      [this](TMemoryStream& stream) { WriteCustomPalette(stream); }, paletteStyle_ == psCustom);
}

}  // namespace quil

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/format_settings.h"
#include "series/surface/value_palette.h"

namespace quil {

// The largest palette file read: room for kMaxPaletteSteps entries of generous length.
inline constexpr std::size_t kMaxPaletteFileSize = 64 * static_cast<std::size_t>(kMaxPaletteSteps);

// Writes a palette as text: the line "// Color Up to Value", then one line per entry, the colour
// as a decimal integer, a blank and the bound with every digit it needs to read back exactly
// (no thousands grouping), in the decimal notation of settings. Raises ChartException
// (QuilMsg_PaletteFileWrite) when the file cannot be written.
void WritePaletteFile(const std::string& fileName, const TCustom3DPalette& palette, const TFormatSettings& settings);

// Reads the entries of a palette file in file order, with empty texts. Lines are trimmed; empty
// lines and lines starting with "//" are skipped; every other line is a colour, a blank and a
// value. Values are read in the notation of settings, with or without thousands grouping (files
// used to be written grouped, "1,234.5"), or as NAN, INF or -INF. Any line that is not a colour
// and a value, a file that cannot be opened, is not text, holds neither a comment nor an entry,
// or is larger than kMaxPaletteFileSize or than kMaxPaletteSteps entries raises ChartException.
TCustom3DPalette ReadPaletteFile(const std::string& fileName, const TFormatSettings& settings);

// A number in the notation of settings, the whole text; none when it is not one.
std::optional<double> ParsePaletteValue(std::string_view text, const TFormatSettings& settings);

}  // namespace quil

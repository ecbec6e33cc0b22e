#pragma once

#include <pango/pango.h>

#include <string>
#include <string_view>

namespace quil {

// One of the fonts the program carries: the font map that holds it and its family there.
struct TPrivateFace {
  PangoFontMap* FontMap = nullptr;
  std::string Family;
};

// The carried font for "Elektra" (a liquid-crystal style digital face) or "DS-Digital" (a
// light-emitting style one), or none for any other name, or when the fonts could not be loaded.
// On first use the two fonts are loaded from the program's own bytes into a private font set
// and font map; nothing is installed and the fonts of the system and the user stay as they
// are. The font map holds the system's fonts too, so characters a carried font lacks still
// show.
const TPrivateFace* QuilPrivateFont(std::string_view name);

}  // namespace quil

#pragma once

#include <cstddef>

// Fonts compiled into the chart library by embed_resource() (the top CMakeLists.txt), both
// under the SIL Open Font License (resources/DSEG-LICENSE.txt).
namespace quil::embedded {

// resources/DSEG7Classic-Regular.ttf: a seven-segment digital face, the "Elektra" font.
extern const unsigned char QUIL_LCD_FONT[];
extern const std::size_t QUIL_LCD_FONT_size;
// resources/DSEG14Classic-Regular.ttf: a fourteen-segment digital face, the "DS-Digital" font.
extern const unsigned char QUIL_LED_FONT[];
extern const std::size_t QUIL_LED_FONT_size;

}  // namespace quil::embedded

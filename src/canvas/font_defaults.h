#pragma once

#include <string>

namespace quil {

// Message texts of the default font; start-up may replace them (a Japanese user locale
// uses another name and size 9). Fonts read them when they are created.
extern std::string QuilMsg_DefaultFontName;
extern std::string QuilMsg_DefaultFontSize;

// QuilMsg_DefaultFontSize as a number (8 when the text is not a number).
int QuilDefaultFontSize();

}  // namespace quil

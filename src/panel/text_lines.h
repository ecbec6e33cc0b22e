#pragma once

#include <string_view>
#include <vector>

namespace quil {

// The character that separates the lines of a text.
inline constexpr char QuilLineSeparator = '\r';
// The character that separates the columns of a legend text.
inline constexpr char QuilColumnSeparator = '\x06';

// Splits at the line separator; a line feed right after a separator is skipped and a
// trailing empty line is not a line. An empty text has no lines.
std::vector<std::string_view> SplitTextLines(std::string_view text);
int LinesOfText(std::string_view text);

}  // namespace quil

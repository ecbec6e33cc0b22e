#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace quil {

// How the values of a data line are separated.
enum class TFieldSeparator { Comma, Blank };

// The line without its comment ("#" to the end) and without blanks at both ends.
std::string_view DataContent(std::string_view line);

// The fields of content: at each comma, each trimmed (an empty field stays, to be reported); or
// runs of blanks and tabs.
void SplitDataFields(std::string_view content, TFieldSeparator separator, std::vector<std::string_view>& fields);

// A whole decimal number with an optional sign and exponent, or nan / inf / infinity in any
// case; none for anything else, and for a finite number written beyond the range of a double.
std::optional<double> ParseDataNumber(std::string_view text);

// A first line is a header when none of its fields, at commas or blanks, is a number.
bool IsHeaderLine(std::string_view content);

}  // namespace quil

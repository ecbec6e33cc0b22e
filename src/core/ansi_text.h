#pragma once

#include <string>
#include <string_view>

namespace quil {

// Texts of stored forms are in the Western ANSI code page (1252); the library's texts are UTF-8.
std::string AnsiToUtf8(std::string_view ansi);
// Characters the code page does not have become '?', as do bytes that are not UTF-8.
std::string Utf8ToAnsi(std::string_view utf8);
// The text with every malformed, overlong or surrogate sequence replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);
// UTF-16 code units as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace quil

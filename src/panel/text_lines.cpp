#include "panel/text_lines.h"

namespace quil {

std::vector<std::string_view> SplitTextLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(QuilLineSeparator, start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

int LinesOfText(std::string_view text) { return static_cast<int>(SplitTextLines(text).size()); }

}  // namespace quil

#include "data/data_fields.h"

#include <charconv>

namespace quil {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == '\r'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string_view DataContent(std::string_view line) {
  const std::size_t hash = line.find('#');
  if (hash != std::string_view::npos) line = line.substr(0, hash);
  return Trim(line);
}

void SplitDataFields(std::string_view content, TFieldSeparator separator, std::vector<std::string_view>& fields) {
  fields.clear();
  if (separator == TFieldSeparator::Comma) {
    for (;;) {
      const std::size_t comma = content.find(',');
      fields.push_back(Trim(content.substr(0, comma)));
      if (comma == std::string_view::npos) return;
      content.remove_prefix(comma + 1);
    }
  }
  std::size_t i = 0;
  while (i < content.size()) {
    while (i < content.size() && IsBlank(content[i])) ++i;
    const std::size_t start = i;
    while (i < content.size() && !IsBlank(content[i])) ++i;
    if (i > start) fields.push_back(content.substr(start, i - start));
  }
}

std::optional<double> ParseDataNumber(std::string_view text) {
  // from_chars takes a minus but no plus; "+-1" must stay wrong.
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.starts_with('-') || text.starts_with('+')) return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool IsHeaderLine(std::string_view content) {
  for (std::size_t i = 0; i < content.size();) {
    while (i < content.size() && (IsBlank(content[i]) || content[i] == ',')) ++i;
    const std::size_t start = i;
    while (i < content.size() && !IsBlank(content[i]) && content[i] != ',') ++i;
    if (i > start && ParseDataNumber(content.substr(start, i - start))) return false;
  }
  return true;
}

}  // namespace quil

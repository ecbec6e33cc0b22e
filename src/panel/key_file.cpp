#include "panel/key_file.h"

namespace quil {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

}  // namespace

void ScanKeyFile(std::string_view text, const std::function<void(const TKeyFileLine&)>& visit) {
  std::size_t begin = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  std::string_view group;
  while (begin < text.size()) {
    std::size_t end = text.find('\n', begin);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    if (end > begin && text[end - 1] == '\r') --end;
    const std::string_view line = Trim(text.substr(begin, end - begin));
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      group = line.substr(1, line.size() - 2);
      visit({group, {}, {}, begin, end});
    } else if (!line.empty() && line.front() != '#' && line.front() != ';') {
      const auto eq = line.find('=');
      if (eq != std::string_view::npos) {
        const std::string_view key = Trim(line.substr(0, eq));
        if (!key.empty()) visit({group, key, Trim(line.substr(eq + 1)), begin, end});
      }
    }
    begin = next;
  }
}

TKeyFile TKeyFile::Parse(std::string text) {
  TKeyFile file;
  file.text_ = std::move(text);
  return file;
}

std::optional<std::string> TKeyFile::Value(const std::string& group, const std::string& key) const {
  std::optional<std::string> found;
  ScanKeyFile(text_, [&](const TKeyFileLine& line) {
    if (!found && !line.Key.empty() && line.Group == group && line.Key == key) found = std::string(line.Value);
  });
  return found;
}

void TKeyFile::SetValue(const std::string& group, const std::string& key, const std::string& value) {
  const std::string entry = key + "=" + value;
  std::optional<TKeyFileLine> match;
  std::optional<std::size_t> groupEnd;
  ScanKeyFile(text_, [&](const TKeyFileLine& line) {
    if (line.Group != group) return;
    groupEnd = line.End;
    if (!match && line.Key == key) match = line;
  });
  if (match) {
    text_.replace(match->Begin, match->End - match->Begin, entry);
  } else if (groupEnd) {
    text_.insert(*groupEnd, "\n" + entry);
  } else {
    if (!text_.empty() && text_.back() != '\n') text_ += '\n';
    if (!text_.empty() && !text_.ends_with("\n\n")) text_ += '\n';
    text_ += "[" + group + "]\n" + entry + "\n";
  }
}

}  // namespace quil

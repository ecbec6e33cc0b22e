#include "panel/key_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/exceptions.h"

namespace quil {

namespace {

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

}  // namespace

TKeyFile TKeyFile::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  return Parse(text.str());
}

TKeyFile TKeyFile::Parse(const std::string& text) {
  TKeyFile file;
  std::istringstream in(text);
  std::string raw;
  std::string group;
  while (std::getline(in, raw)) {
    Line line{raw, group, {}, {}, false};
    const std::string t = Trim(raw);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
      group = t.substr(1, t.size() - 2);
      line.group = group;
      line.header = true;
    } else if (!t.empty() && t[0] != '#' && t[0] != ';') {
      const auto eq = t.find('=');
      if (eq != std::string::npos) {
        line.key = Trim(t.substr(0, eq));
        line.value = Trim(t.substr(eq + 1));
      }
    }
    file.lines_.push_back(std::move(line));
  }
  return file;
}

std::optional<std::string> TKeyFile::Value(const std::string& group, const std::string& key) const {
  for (const Line& l : lines_)
    if (!l.key.empty() && l.group == group && l.key == key) return l.value;
  return std::nullopt;
}

void TKeyFile::SetValue(const std::string& group, const std::string& key, const std::string& value) {
  std::size_t lastOfGroup = lines_.size();
  bool groupSeen = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    Line& l = lines_[i];
    if (l.group != group) continue;
    groupSeen = true;
    // New keys go after the group's last value (or its header), before any blank lines.
    if (!l.key.empty() || l.header) lastOfGroup = i;
    if (l.key == key) {
      l.value = value;
      l.text = key + "=" + value;
      return;
    }
  }
  if (!groupSeen) {
    if (!lines_.empty() && !Trim(lines_.back().text).empty()) lines_.push_back({"", lines_.back().group, {}, {}, false});
    lines_.push_back({"[" + group + "]", group, {}, {}, true});
    lastOfGroup = lines_.size() - 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastOfGroup + 1), Line{key + "=" + value, group, key, value, false});
}

std::string TKeyFile::ToText() const {
  std::string text;
  for (const Line& l : lines_) text += l.text + "\n";
  return text;
}

void TKeyFile::Save(const std::string& path) const {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw EQuilError("Cannot write " + path);
  out << ToText();
  if (!out) throw EQuilError("Cannot write " + path);
}

}  // namespace quil

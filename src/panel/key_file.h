#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quil {

// A small INI-style key file: "[group]" lines, "key=value" lines, '#' or ';' comments.
// Lines are kept so that writing one value leaves the rest of the file as it was.
class TKeyFile {
 public:
  // An unreadable or missing file loads as empty.
  static TKeyFile Load(const std::string& path);
  static TKeyFile Parse(const std::string& text);

  std::optional<std::string> Value(const std::string& group, const std::string& key) const;
  void SetValue(const std::string& group, const std::string& key, const std::string& value);
  std::string ToText() const;
  // Writes the file, creating its folder; fails with EQuilError when it cannot.
  void Save(const std::string& path) const;

 private:
  struct Line {
    std::string text;
    std::string group;  // the group the line belongs to
    std::string key;    // empty for group headers, comments and blank lines
    std::string value;
    bool header;
  };
  std::vector<Line> lines_;
};

}  // namespace quil

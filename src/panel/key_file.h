#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quil {

// One group header or value line of a key file, as views into its text. Begin and End delimit
// the line without its line break (and without a carriage return before it).
struct TKeyFileLine {
  std::string_view Group;  // the group the line opens or belongs to ("" before the first header)
  std::string_view Key;    // empty for a group header
  std::string_view Value;
  std::size_t Begin = 0;
  std::size_t End = 0;
};

// Calls visit for every group header and value line of text, in order. The syntax:
// - a UTF-8 byte-order mark at the very start is skipped;
// - spaces, tabs and carriage returns around a line are ignored;
// - "[name]" opens group name (the text between the brackets, exactly);
// - a line starting with '#' or ';' is a comment; comments take whole lines only;
// - "key=value" sets a value: key and value are trimmed of spaces and tabs, the value may be
//   empty, and everything after the first '=' belongs to it;
// - any other line (no '=', or an empty key) is ignored.
// Nothing is kept per line, so a large file costs no more than its text.
void ScanKeyFile(std::string_view text, const std::function<void(const TKeyFileLine&)>& visit);

// A small INI-style key file, kept as its text so that writing one value leaves the rest of
// the file as it was. Where a key appears more than once in its group, the first one counts.
class TKeyFile {
 public:
  static TKeyFile Parse(std::string text);

  std::optional<std::string> Value(const std::string& group, const std::string& key) const;
  // Replaces the first value of that key, or adds the key after the group's last value, or
  // adds the group at the end.
  void SetValue(const std::string& group, const std::string& key, const std::string& value);
  const std::string& ToText() const { return text_; }

 private:
  std::string text_;
};

}  // namespace quil

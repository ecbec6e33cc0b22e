#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/persistent.h"

namespace quil {

// A list of text lines that tells its owner when it changes. Its stream-only value "Strings"
// (a list of strings) replaces all lines, which is how a stored title text is filled.
class TStrings : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  TStrings() = default;
  explicit TStrings(std::function<void()> onChange) : onChange_(std::move(onChange)) {}

  int Count() const { return static_cast<int>(lines_.size()); }
  // Index checks fail with "List index out of bounds (%d)".
  const std::string& operator[](int index) const;
  const std::vector<std::string>& Lines() const { return lines_; }

  void Add(std::string line);
  void Insert(int index, std::string line);
  void Delete(int index);
  void Clear();
  void Put(int index, std::string line);
  void SetLines(std::vector<std::string> lines);
  int IndexOf(const std::string& line) const;

  // All lines joined with a line separator (character 13), without a trailing one.
  std::string Text() const;
  // Splits at carriage returns and line feeds (a CR LF pair is one break).
  void SetText(const std::string& text);

  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }
  void BeginUpdate() { ++updating_; }
  void EndUpdate();

  void Assign(const TPersistent& source) override;
  void DefineProperties(TFiler& filer) override;

 private:
  void Changed();

  std::vector<std::string> lines_;
  std::function<void()> onChange_;
  int updating_ = 0;
  bool pendingChange_ = false;
};

}  // namespace quil

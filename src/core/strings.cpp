#include "core/strings.h"

#include "core/exceptions.h"
#include "core/filer.h"
#include "core/reader.h"

namespace quil {

const TMetaClass& TStrings::StaticClass() {
  static const TMetaClass meta("TStrings", &TPersistent::StaticClass());
  return meta;
}

namespace {

[[noreturn]] void IndexError(int index) {
  throw ERangeError(QuilFormat("List index out of bounds (%d)", std::to_string(index)));
}

}  // namespace

const std::string& TStrings::operator[](int index) const {
  if (index < 0 || index >= Count()) IndexError(index);
  return lines_[static_cast<std::size_t>(index)];
}

void TStrings::Changed() {
  if (updating_ > 0) {
    pendingChange_ = true;
    return;
  }
  if (onChange_) onChange_();
}

void TStrings::EndUpdate() {
  if (updating_ > 0 && --updating_ == 0 && pendingChange_) {
    pendingChange_ = false;
    Changed();
  }
}

void TStrings::Add(std::string line) {
  lines_.push_back(std::move(line));
  Changed();
}

void TStrings::Insert(int index, std::string line) {
  if (index < 0 || index > Count()) IndexError(index);
  lines_.insert(lines_.begin() + index, std::move(line));
  Changed();
}

void TStrings::Delete(int index) {
  if (index < 0 || index >= Count()) IndexError(index);
  lines_.erase(lines_.begin() + index);
  Changed();
}

void TStrings::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  Changed();
}

void TStrings::Put(int index, std::string line) {
  if (index < 0 || index >= Count()) IndexError(index);
  if (lines_[index] == line) return;
  lines_[index] = std::move(line);
  Changed();
}

void TStrings::SetLines(std::vector<std::string> lines) {
  if (lines == lines_) return;
  lines_ = std::move(lines);
  Changed();
}

int TStrings::IndexOf(const std::string& line) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(lines_[i], line)) return i;
  return -1;
}

std::string TStrings::Text() const {
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i) text += '\r';
    text += lines_[i];
  }
  return text;
}

void TStrings::SetText(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  bool any = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    any = true;
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      any = false;
      continue;
    }
    current += c;
  }
  if (any) lines.push_back(std::move(current));
  SetLines(std::move(lines));
}

void TStrings::Assign(const TPersistent& source) {
  if (auto* other = dynamic_cast<const TStrings*>(&source)) {
    SetLines(other->lines_);
    return;
  }
  TPersistent::Assign(source);
}

void TStrings::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "Strings",
      [this](TReader& reader) {
        std::vector<std::string> lines;
        reader.ReadListBegin();
        while (!reader.EndOfList()) lines.push_back(reader.ReadString());
        reader.ReadListEnd();
        SetLines(std::move(lines));
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (const auto& line : lines_) writer.WriteString(line);
        writer.WriteListEnd();
      },
      !lines_.empty());
}

}  // namespace quil

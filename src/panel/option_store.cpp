#include "panel/option_store.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include "core/exceptions.h"
#include "core/properties.h"
#include "panel/key_file.h"
#include "panel/option_file.h"

namespace quil {

namespace {

// The values of the option group alone, first occurrence of a name first.
using TOptionValues = std::vector<std::pair<std::string, std::string>>;

// The reading shared by the readers inside a TQuilOptionReading, and how many of those exist.
int readingScopes = 0;
std::optional<TOptionValues> sharedReading;

TOptionValues LoadOptionValues() {
  const std::string path = QuilOptionFilePath();
  const TOptionFileText file = ReadOptionFile(path);
  if (!file.Problem.empty()) std::fprintf(stderr, "Option file %s ignored: %s\n", path.c_str(), file.Problem.c_str());
  TOptionValues values;
  if (!file.Text) return values;
  ScanKeyFile(*file.Text, [&values](const TKeyFileLine& line) {
    if (line.Key.empty() || line.Group != QuilOptionGroup) return;
    for (const auto& [name, value] : values)
      if (name == line.Key) return;
    values.emplace_back(line.Key, line.Value);
  });
  return values;
}

std::optional<std::string> StoredValue(const std::string& name) {
  TOptionValues loaded;
  const TOptionValues* values = &loaded;
  if (readingScopes > 0) {
    if (!sharedReading) sharedReading = LoadOptionValues();
    values = &*sharedReading;
  } else {
    loaded = LoadOptionValues();
  }
  for (const auto& [key, value] : *values)
    if (key == name) return value;
  return std::nullopt;
}

[[noreturn]] void InvalidDataType(const std::string& name) {
  throw EQuilError(QuilFormat("Invalid data type for '%s'", name));
}

void WriteValue(const std::string& name, const std::string& value) {
  const std::string path = QuilOptionFilePath();
  TOptionFileText file = ReadOptionFile(path);
  if (!file.Problem.empty()) throw EQuilError("Cannot write " + path + ": " + file.Problem);
  TKeyFile keys = TKeyFile::Parse(std::move(file.Text).value_or(std::string()));
  keys.SetValue(QuilOptionGroup, name, value);
  WriteOptionFile(path, keys.ToText());
  sharedReading.reset();
}

}  // namespace

TQuilOptionReading::TQuilOptionReading() { ++readingScopes; }

TQuilOptionReading::~TQuilOptionReading() {
  if (--readingScopes == 0) sharedReading.reset();
}

std::string QuilOptionFilePath() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (xdg && *xdg == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home && *home ? home : ".") + "/.config";
  }
  return base + "/quilchart/options.ini";
}

std::string QuilReadStringOption(const std::string& name, const std::string& defaultValue) {
  return StoredValue(name).value_or(defaultValue);
}

int QuilReadIntegerOption(const std::string& name, int defaultValue) {
  const auto text = StoredValue(name);
  if (!text) return defaultValue;
  try {
    std::size_t used = 0;
    const long value = std::stol(*text, &used, 10);
    if (used != text->size() || value < INT32_MIN || value > INT32_MAX) InvalidDataType(name);
    return static_cast<int>(value);
  } catch (const std::logic_error&) {
    InvalidDataType(name);
  }
}

bool QuilReadBoolOption(const std::string& name, bool defaultValue) {
  const auto text = StoredValue(name);
  if (!text) return defaultValue;
  if (SameText(*text, "true") || *text == "1") return true;
  if (SameText(*text, "false") || *text == "0") return false;
  InvalidDataType(name);
}

void QuilWriteIntegerOption(const std::string& name, int value) { WriteValue(name, std::to_string(value)); }

void QuilWriteBoolOption(const std::string& name, bool value) { WriteValue(name, value ? "true" : "false"); }

}  // namespace quil

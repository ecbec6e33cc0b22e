#include "panel/option_store.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

#include "core/exceptions.h"
#include "core/properties.h"
#include "panel/key_file.h"

namespace quil {

namespace {

std::optional<std::string> StoredValue(const std::string& name) {
  return TKeyFile::Load(QuilOptionFilePath()).Value(QuilOptionGroup, name);
}

[[noreturn]] void InvalidDataType(const std::string& name) {
  throw EQuilError(QuilFormat("Invalid data type for '%s'", name));
}

void WriteValue(const std::string& name, const std::string& value) {
  const std::string path = QuilOptionFilePath();
  TKeyFile file = TKeyFile::Load(path);
  file.SetValue(QuilOptionGroup, name, value);
  file.Save(path);
}

}  // namespace

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

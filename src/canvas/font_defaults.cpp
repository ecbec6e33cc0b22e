#include "canvas/font_defaults.h"

#include <charconv>

namespace quil {

int QuilDefaultFontSize() {
  int size = 8;
  const std::string& text = QuilMsg_DefaultFontSize;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
  if (error != std::errc() || end != text.data() + text.size() || size <= 0) return 8;
  return size;
}

}  // namespace quil

#pragma once

#include <string_view>

namespace quil {

// Pixel sizes of texts in an axis' label font. The axis that owns the scale answers through its
// canvas; the scale itself never draws.
class IAxisTextMeasurer {
 public:
  virtual ~IAxisTextMeasurer() = default;
  // The width of one line of text.
  virtual int TextWidth(std::string_view line) const = 0;
  // The height of one line: that of "W".
  virtual int TextHeight() const = 0;
};

}  // namespace quil

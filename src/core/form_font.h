#pragma once

#include <cstdint>
#include <string>

#include "core/color.h"
#include "core/persistent.h"

namespace quil {

// The font a window keeps for its controls, as its description stores it: character set,
// colour, height in pixels (negative: the character height without internal leading), face
// name and styles (bit 0 bold, 1 italic, 2 underline, 3 strike-out).
class TFormFont : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  int Charset() const { return charset_; }
  void SetCharset(int value) { charset_ = value; }
  TColor Color() const { return color_; }
  void SetColor(TColor value) { color_ = value; }
  int Height() const { return height_; }
  void SetHeight(int value) { height_ = value; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& value) { name_ = value; }
  int64_t Style() const { return style_; }
  void SetStyle(int64_t value) { style_ = value; }

 private:
  int charset_ = 1;
  TColor color_ = clWindowText;
  int height_ = -11;
  std::string name_ = "Tahoma";
  int64_t style_ = 0;
};

}  // namespace quil

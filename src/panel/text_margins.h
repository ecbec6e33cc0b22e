#pragma once

#include "canvas/graphics_object.h"
#include "core/geometry.h"
#include "panel/shape_types.h"

namespace quil {

// The space between a text box's frame and its text: four values in percent of the text
// height (maPercentFont), in percent of the padded text size (maPercentSize) or in pixels.
// The pixels of the last measuring are kept for placing the text.
class TMargins : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TMargins(TChangeHandler onChange = nullptr) : TGraphicsObject(std::move(onChange)) {}

  int Left() const { return left_; }
  void SetLeft(int v);
  int Top() const { return top_; }
  void SetTop(int v);
  int Right() const { return right_; }
  void SetRight(int v);
  int Bottom() const { return bottom_; }
  void SetBottom(int v);
  TMarginUnits Units() const { return units_; }
  void SetUnits(TMarginUnits v);

  // The pixel margins of the last Calc.
  const TRect& ILast() const { return last_; }
  int HorizSize() const { return last_.Left + last_.Right; }
  int VertSize() const { return last_.Top + last_.Bottom; }
  // Works out the pixel margins for a text textHeight high whose padded size (text plus
  // frame) is paddedWidth x paddedHeight; a transparent box has none.
  void Calc(int textHeight, int paddedWidth, int paddedHeight, bool transparent);

  bool AssignSettings(const TPersistent& source) override;

 private:
  void SetValue(int& field, int v);

  int left_ = 10;
  int top_ = 5;
  int right_ = 10;
  int bottom_ = 5;
  TMarginUnits units_ = maPercentFont;
  TRect last_;
};

}  // namespace quil

#pragma once

#include <cstdint>
#include <string>

#include "panel/text_shape.h"

namespace quil {

enum TAxisTitlePosition : uint8_t { tpStart, tpCenter, tpEnd };

// The title of an axis: a transparent, centred text box. Its angle follows the axis' side
// (90 on the left, 270 on the right, 0 on horizontal axes) unless set otherwise.
class ROvedeAxisTitle : public TTextShape {
  QUIL_PERSISTENT_CLASS

 public:
  explicit ROvedeAxisTitle(TCustomQuilPanel* parent = nullptr, int defaultAngle = 0);

  const std::string& Caption() const { return Text(); }
  void SetCaption(const std::string& value) { SetText(value); }
  TAxisTitlePosition Position() const { return position_; }
  void SetPosition(TAxisTitlePosition value) { SetValue(position_, value); }
  int DefaultAngle() const { return defaultAngle_; }
  void SetDefaultAngle(int value);

  // Visible, with a caption, and p lies on the text where the axis last drew it (turned by
  // the title's angle), edges included.
  bool Clicked(TPoint p) const { return Visible() && !Caption().empty() && ClickedShape(p, ShapeBounds); }
  bool Clicked(int x, int y) const { return Clicked(TPoint{x, y}); }

  void Assign(const TPersistent& source) override;

 private:
  TAxisTitlePosition position_ = tpCenter;
  int defaultAngle_ = 0;
};

}  // namespace quil

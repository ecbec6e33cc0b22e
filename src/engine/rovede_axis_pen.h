#pragma once

#include <cstdint>

#include "canvas/pen.h"

namespace quil {

enum TAxisLineMode : uint8_t { lmLine, lmCylinder, lmRectangle };

// The axis line: two pixels wide; lmCylinder and lmRectangle draw it as a solid body.
class ROvedeAxisPen : public TQuilPen {
  QUIL_PERSISTENT_CLASS

 public:
  explicit ROvedeAxisPen(TChangeHandler onChange = nullptr);

  TAxisLineMode LineMode() const { return lineMode_; }
  void SetLineMode(TAxisLineMode value);

  bool AssignSettings(const TPersistent& source) override;

 private:
  TAxisLineMode lineMode_ = lmLine;
};

}  // namespace quil

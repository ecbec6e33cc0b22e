#pragma once

#include "panel/custom_text_shape.h"

namespace quil {

class TFiler;

// A text box whose owner either places it (the usual case) or keeps a position given to it:
// setting Left or Top turns CustomPosition on.
class TQuilCustomShapePosition : public TCustomTextShape {
  QUIL_PERSISTENT_CLASS

 public:
  using TCustomTextShape::TCustomTextShape;

  int Left() const { return ShapeBounds.Left; }
  void SetLeft(int v);
  int Top() const { return ShapeBounds.Top; }
  void SetTop(int v);
  bool CustomPosition() const { return customPosition_; }
  void SetCustomPosition(bool v) { SetValue(customPosition_, v); }
  bool DefaultCustom() const { return defaultCustom_; }
  // CustomPosition and its stored default together, without repainting.
  void InitCustomPosition(bool v) { customPosition_ = defaultCustom_ = v; }

  void Assign(const TPersistent& source) override;

 private:
  bool customPosition_ = false;
  bool defaultCustom_ = false;
};

// The published text box. Old form descriptions may still carry "ShadowColor" and
// "ShadowSize"; they are read into the shadow and never written.
class TTextShape : public TQuilCustomShapePosition {
  QUIL_PERSISTENT_CLASS

 public:
  using TQuilCustomShapePosition::TQuilCustomShapePosition;

  void DefineProperties(TFiler& filer) override;
};

}  // namespace quil

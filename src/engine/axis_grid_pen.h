#pragma once

#include "canvas/pen.h"

namespace quil {

// The grid of an axis: light grey, drawn at every DrawEvery-th tick, optionally between ticks,
// its depth part starting at ZPosition % of the box depth.
class TAxisGridPen : public TQuilPen {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TAxisGridPen(TChangeHandler onChange = nullptr);

  bool Centered() const { return centered_; }
  void SetCentered(bool value);
  int DrawEvery() const { return drawEvery_; }
  void SetDrawEvery(int value);
  bool DrawAlways() const { return drawAlways_; }
  void SetDrawAlways(bool value);
  double ZPosition() const { return zPosition_; }
  void SetZPosition(double value);
  // The default depth of the standard axes on the far side (100), not written when kept.
  double DefaultZ() const { return defaultZ_; }
  void InitZPosition(double value) { zPosition_ = defaultZ_ = value; }

  bool AssignSettings(const TPersistent& source) override;
  void DefineProperties(TFiler& filer) override;

 private:
  bool centered_ = false;
  int drawEvery_ = 1;
  bool drawAlways_ = false;
  double zPosition_ = 0;
  double defaultZ_ = 0;
};

}  // namespace quil

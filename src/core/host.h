#pragma once

#include "core/geometry.h"

namespace quil {

class TControl;

// Where a control paints: the host hands one to Paint. The drawing layer defines the
// concrete kind (a Cairo context), so this layer stays free of any graphics library.
class TDeviceContext {
 public:
  virtual ~TDeviceContext() = default;
};

// Cursor numbers as the toolkit knows them; the program's hand cursor is screen cursor 2020.
enum TCursor : int {
  crDefault = 0,
  crArrow = -2,
  crCross = -3,
  crIBeam = -4,
  crSizeAll = -22,
  crHandPoint = -21,
  crQuilHand = 2020,
};

// What a control asks of the windowing system. A GTK window is one host; a headless image
// (tests, benchmarks, the snapshot tool) is another.
class IControlHost {
 public:
  virtual ~IControlHost() = default;

  // Asks for a repaint later (the toolkit collects these).
  virtual void InvalidateControl(TControl& control) = 0;
  // Runs any pending paint of the control now.
  virtual void UpdateControl(TControl& control) = 0;
  virtual void SetControlCursor(TControl& control, int cursor) = 0;
  virtual void SetCapture(TControl& control, bool capture) = 0;
  virtual void SetFocus(TControl& control) = 0;
  virtual bool IsFocused(const TControl& control) const = 0;
  // The mouse position in the control's client pixels.
  virtual TPoint CursorPos(const TControl& control) const = 0;
  // The control moved or changed size.
  virtual void BoundsChanged(TControl& control) = 0;
  // A rounded window region with corner size round, or none for 0.
  virtual void SetRoundRegion(TControl& control, int round) = 0;
  // The control is being destroyed or no longer uses this host: forget every reference to it
  // (focus, capture, pending paints).
  virtual void ControlRemoved(TControl& /*control*/) {}
};

}  // namespace quil

#pragma once

#include <gtk/gtk.h>

#include <optional>

#include "app/wheel_accumulator.h"
#include "core/control.h"

// Input events of the toolkit in the library's terms.
namespace quil {

// Shift, Alt, Ctrl and the mouse buttons held, from an event's modifier state.
TShiftState ShiftFromModifiers(guint state);

// Buttons 1, 2 and 3; other buttons (back, forward) have no meaning to a control.
std::optional<TMouseButton> MouseButtonFromGdk(guint button);

TShiftState ButtonFlag(TMouseButton button);

// The shift state of a press or release as the library reports it: a press includes the
// button that went down, a release no longer includes the one that came up. (The toolkit
// gives the state before the event.)
TShiftState PressShift(guint state, TMouseButton button);
TShiftState ReleaseShift(guint state, TMouseButton button);

// Client pixel of an event position: the pixel the pointer is over.
int ClientPixel(double coordinate);

// The virtual key code of a key, or 0 for keys the library has no code for.
int VirtualKeyFromKeyval(guint keyval);

// The units to report for a scroll event (see TWheelAccumulator); 0 means nothing yet.
int WheelUnits(TWheelAccumulator& accumulator, const GdkEventScroll& event);

}  // namespace quil

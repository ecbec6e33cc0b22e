#pragma once

#include "core/control.h"

namespace quil {

class TCustomQuilPanel;

// What a panel tells its listeners. The event object lives only for the broadcast.
class TQuilEvent {
 public:
  virtual ~TQuilEvent() = default;
  TCustomQuilPanel* Sender = nullptr;
};

enum TQuilMouseEventKind { meDown, meUp, meMove };

class TQuilMouseEvent : public TQuilEvent {
 public:
  TQuilMouseEventKind Event = meDown;
  TMouseButton Button = TMouseButton::mbLeft;
  TShiftState Shift = 0;
  int X = 0;
  int Y = 0;
};

class TMouseLeaveEvent : public TQuilEvent {};

// The panel switched between 3D and flat drawing.
class TQuilView3DEvent : public TQuilEvent {};

// Tools and other chart parts listen to the panel through this interface.
class IQuilEventListener {
 public:
  virtual ~IQuilEventListener() = default;
  virtual void QuilEvent(const TQuilEvent& event) = 0;
};

}  // namespace quil

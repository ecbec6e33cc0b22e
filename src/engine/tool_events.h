#pragma once

namespace quil {

// The stages of a frame and the mouse leaving the chart, as tools are told of them; the
// ordinals are part of the protocol.
enum ROvedeToolEvent : int {
  cteAfterDraw,
  cteBeforeDrawSeries,
  cteBeforeDraw,
  cteBeforeDrawAxes,
  cteAfterDrawSeries,
  cteMouseLeave,
};

enum ROvedeMouseEvent : int { cmeDown, cmeMove, cmeUp };

// wmeUp and wmeDown give the direction of one wheel step; wmeMove follows a whole wheel message.
enum TWheelMouseEvent : int { wmeDown, wmeMove, wmeUp };

enum ROvedeKeyEvent : int { ckeDown, ckeUp };

enum ROvedeDragDropEvent : int { cdeOver, cdeDrop };

}  // namespace quil

#pragma once

#include "panel/panel_events.h"

namespace quil {

class ROvedeSeries;

// What a chart tells its listeners about its series.
enum ROvedeSeriesEvent : int {
  seAdd,
  seRemove,
  seChangeTitle,
  seChangeColor,
  seSwap,
  seChangeActive,
  seDataChanged,
  seAfterRemove,
};

class TQuilSeriesEvent : public TQuilEvent {
 public:
  ROvedeSeriesEvent Event = seAdd;
  ROvedeSeries* Series = nullptr;
};

}  // namespace quil

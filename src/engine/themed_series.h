#pragma once

#include "engine/series.h"

namespace quil {

// A series that publishes the settings every kind shares; most series kinds derive from it.
class TThemedSeries : public ROvedeSeries {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TThemedSeries(TComponent* owner = nullptr) : ROvedeSeries(owner) {}
};

}  // namespace quil

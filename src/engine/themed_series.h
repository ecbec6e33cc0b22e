#pragma once

#include <vector>

#include "core/properties.h"
#include "engine/series.h"

namespace quil {

// A series that publishes the settings every kind shares; most series kinds derive from it.
class TThemedSeries : public ROvedeSeries {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TThemedSeries(TComponent* owner = nullptr) : ROvedeSeries(owner) {}
};

// The published settings every series kind shares, for a kind that derives from ROvedeSeries
// without TThemedSeries and publishes them itself.
std::vector<TPropInfo> SharedSeriesProperties();

}  // namespace quil

#pragma once

#include "engine/series.h"

namespace quil {

// A series with depth: it spreads over TimesZOrder depth slots of the chart's 3D box. The
// surface series grows from it; until then it holds no points of its own and draws nothing.
class TCustom3DSeries : public ROvedeSeries {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TCustom3DSeries(TComponent* owner = nullptr);

  int TimesZOrder() const { return timesZOrder_; }
  void SetTimesZOrder(int value);

  // Takes its slot like any series, then reserves TimesZOrder more behind it.
  void CalcZOrder() override;

 private:
  int timesZOrder_ = 3;
};

}  // namespace quil

#pragma once

#include "engine/custom_tool.h"

namespace quil {

class ROvedeAxis;
class ROvedeSeries;

// A tool that works on one series. The series is not owned: when it is destroyed the tool is
// told and its Series becomes none.
class TQuilCustomToolSeries : public TQuilCustomTool {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilCustomToolSeries(TComponent* owner = nullptr);

  ROvedeSeries* Series() const { return series_; }
  virtual void SetSeries(ROvedeSeries* series);

  // The axes the tool works against: those of its series (its custom axis when it chose one);
  // without a series the bottom (left) axis when an active series uses it, else the top
  // (right) one, else the first custom axis of that direction an active series uses, else the
  // bottom (left) axis. None without a chart.
  ROvedeAxis* GetHorizAxis() const { return GetAxis(true); }
  ROvedeAxis* GetVertAxis() const { return GetAxis(false); }

  // Also copies Series.
  void Assign(const TPersistent& source) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  ROvedeAxis* GetAxis(bool horizontal) const;

  ROvedeSeries* series_ = nullptr;
};

}  // namespace quil

#pragma once

#include "engine/custom_tool.h"

namespace quil {

class ROvedeSeries;

// A tool that works on one series. The series is not owned: when it is destroyed the tool is
// told and its Series becomes none.
class TQuilCustomToolSeries : public TQuilCustomTool {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilCustomToolSeries(TComponent* owner = nullptr);

  ROvedeSeries* Series() const { return series_; }
  virtual void SetSeries(ROvedeSeries* series);

  // Also copies Series.
  void Assign(const TPersistent& source) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  ROvedeSeries* series_ = nullptr;
};

}  // namespace quil

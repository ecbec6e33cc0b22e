#pragma once

#include "engine/custom_tool.h"

namespace quil {

class ROvedeAxis;

// A tool that works on one axis of its chart. The axis is not owned; the chart clears the
// link when the axis leaves it (TCustomAxisPanel::RemoveAxis). Stored as "AxisID", the axis'
// index in its chart's Axes.
class TQuilCustomToolAxis : public TQuilCustomTool {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilCustomToolAxis(TComponent* owner = nullptr);

  ROvedeAxis* Axis() const { return axis_; }
  // Moves the tool to the chart that holds the axis (or out of its chart for an axis no chart
  // holds) and repaints; nothing when the axis is already this tool's and its chart's.
  void SetAxis(ROvedeAxis* axis);

  void Assign(const TPersistent& source) override;
  void DefineProperties(TFiler& filer) override;

 private:
  friend class TCustomAxisPanel;
  void ForgetAxis() { axis_ = nullptr; }
  void ReadAxisID(int index);

  ROvedeAxis* axis_ = nullptr;
};

}  // namespace quil

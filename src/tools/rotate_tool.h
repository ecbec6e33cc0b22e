#pragma once

#include "core/control.h"
#include "engine/custom_tool.h"

namespace quil {

// Turns the chart's 3D view while the mouse drags: across turns the rotation, up and down the
// elevation. The drag starts with Button pressed while every key of KeyShift is held, so the
// tool can share the chart with zooming and panning on another button or key. The first move
// of a drag leaves the oblique (orthogonal) view for the rotated one, since only that one
// follows the angles; a press without a move changes nothing.
class TRotateTool : public TQuilCustomTool {
  QUIL_PERSISTENT_CLASS

 public:
  // Degrees the view turns for each pixel the mouse moves.
  static constexpr double kDegreesPerPixel = 0.5;
  // The canvases draw walls, axes and cells in the right order for views from level with the
  // chart's floor (360) to straight above it (270); rotation goes all the way round.
  static constexpr double kLevelElevation = 360;
  static constexpr double kTopElevation = 270;

  explicit TRotateTool(TComponent* owner = nullptr);

  TMouseButton Button() const { return button_; }
  void SetButton(TMouseButton value) { button_ = value; }
  // Keys (ssShift, ssCtrl, ssAlt) that must be held for a press to start turning the view.
  TShiftState KeyShift() const { return keyShift_; }
  void SetKeyShift(TShiftState value) { keyShift_ = value; }

  // True between the press that started a drag and its release.
  bool Dragging() const { return dragging_; }

  void ChartMouseEvent(ROvedeMouseEvent event, TMouseButton button, TShiftState shift, int x, int y) override;

  // An elevation brought into the range the tool turns within: full turns taken off, views from
  // below the floor moved to the nearer end.
  static double ElevationInRange(double elevation);
  // A rotation as an angle from 0 up to (not including) 360.
  static double NormalRotation(double rotation);

 protected:
  void ChartChanged() override;

 private:
  bool StartsDrag(TMouseButton button, TShiftState shift) const;
  void Turn(int x, int y);

  TMouseButton button_ = TMouseButton::mbLeft;
  TShiftState keyShift_ = 0;
  bool dragging_ = false;
  // The drag has moved the view (a press alone leaves it as it was).
  bool turned_ = false;
  TPoint start_;
  double startRotation_ = 0;
  double startElevation_ = 0;
};

}  // namespace quil

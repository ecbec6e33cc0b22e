#pragma once

#include <functional>

#include "canvas/canvas_types.h"
#include "core/persistent.h"

namespace quil {

class TControl;
class TView3DOptions;

using TView3DScrolledEvent = std::function<void(TView3DOptions& sender, bool horizontal)>;
using TView3DZoomEvent = std::function<void(TView3DOptions& sender, int newZoom)>;

// The stored 3D view of a chart panel. Angles and offsets are kept as doubles so that mouse
// rotation and scrolling can move in fractions, but the stream sees them as rounded ints.
class TView3DOptions : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  // parent is the control that repaints when the view changes (not owned; it owns us).
  explicit TView3DOptions(TControl* parent = nullptr);

  TControl* Parent() const { return parent_; }
  void SetParent(TControl* parent) { parent_ = parent; }

  int Elevation() const;
  void SetElevation(int value) { SetElevationFloat(value); }
  double ElevationFloat() const { return elevation_; }
  void SetElevationFloat(double value);

  int FontZoom() const { return fontZoom_; }
  void SetFontZoom(int value);

  int HorizOffset() const;
  void SetHorizOffset(int value) { SetHorizOffsetFloat(value); }
  double HorizOffsetFloat() const { return horizOffset_; }
  void SetHorizOffsetFloat(double value);

  bool Orthogonal() const { return orthogonal_; }
  void SetOrthogonal(bool value);

  int OrthoAngle() const { return orthoAngle_; }
  void SetOrthoAngle(int value);

  int Perspective() const { return perspective_; }
  void SetPerspective(int value);

  int Rotation() const;
  void SetRotation(int value) { SetRotationFloat(value); }
  double RotationFloat() const { return rotation_; }
  void SetRotationFloat(double value);

  int Tilt() const;
  void SetTilt(int value) { SetTiltFloat(value); }
  double TiltFloat() const { return tilt_; }
  void SetTiltFloat(double value);

  int VertOffset() const;
  void SetVertOffset(int value) { SetVertOffsetFloat(value); }
  double VertOffsetFloat() const { return vertOffset_; }
  void SetVertOffsetFloat(double value);

  double ZOffset() const { return zOffset_; }
  void SetZOffset(double value);

  int Zoom() const;
  void SetZoom(int value) { SetZoomFloat(value); }
  double ZoomFloat() const { return zoom_; }
  // Tells OnChangedZoom (with the new value rounded) before the value changes.
  void SetZoomFloat(double value);

  TCanvasZoomText ZoomText() const { return zoomText_; }
  void SetZoomText(TCanvasZoomText value);

  void Assign(const TPersistent& source) override;

  TView3DScrolledEvent OnScrolled;
  TView3DZoomEvent OnChangedZoom;

 private:
  void Repaint();
  bool SetDouble(double& field, double value);

  TControl* parent_;
  double elevation_ = 345;
  int fontZoom_ = 100;
  double horizOffset_ = 0;
  bool orthogonal_ = true;
  int orthoAngle_ = 45;
  int perspective_ = 15;
  double rotation_ = 345;
  double tilt_ = 0;
  double vertOffset_ = 0;
  double zOffset_ = 0;
  double zoom_ = 100;
  TCanvasZoomText zoomText_ = ztManual;
};

}  // namespace quil

#pragma once

#include "core/geometry.h"
#include "panel/custom_shape.h"

namespace quil {

// One side of the chart's 3D box: a plane (or a slab of Size pixels) drawn as a framed shape,
// covering StartPosition..EndPosition percent of its side.
class TCustomChartWall : public TQuilCustomShape {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TCustomChartWall(TCustomQuilPanel* parent = nullptr);

  bool AutoHide() const { return autoHide_; }
  void SetAutoHide(bool v) { SetValue(autoHide_, v); }
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool v) { SetValue(dark3D_, v); }
  // Percent of the side where the wall ends (100) and starts (0).
  int EndPosition() const { return end_; }
  void SetEndPosition(int v) { SetValue(end_, v); }
  int StartPosition() const { return start_; }
  void SetStartPosition(int v) { SetValue(start_, v); }
  // Thickness in pixels; 0 is a flat wall.
  int Size() const { return size_; }
  void SetSize(int v) { SetValue(size_, v); }
  // The colour the stream leaves out.
  TColor DefaultColor() const { return defaultColor_; }
  // The colour and its stored default together, without repainting.
  void InitColor(TColor color);

  // The wall is to be drawn when walls are shown, it is visible and does not hide itself.
  bool ShouldDraw(bool wallsShown) const { return wallsShown && Visible() && !autoHide_; }
  // Darker sides for a slab with a plain fill (no clear brush, no brush image).
  bool DarkSides() const;
  // A picture with an image to draw on the wall.
  bool HasValidPicture() const { return PictureOrNull() && !PictureOrNull()->Empty(); }
  // The vertical extent of a side wall: top and bottom of chartRect with the bottom wall's size
  // below it, cut to StartPosition..EndPosition.
  void CalcPositions(const TRect& chartRect, int bottomWallSize, int& top, int& bottom) const;

  void Repaint() override;
  void Assign(const TPersistent& source) override;

 private:
  TColor defaultColor_ = clQuilColor;
  int size_ = 0;
  int start_ = 0;
  int end_ = 100;
  bool autoHide_ = false;
  bool dark3D_ = true;
  bool initializing_ = false;
};

// The published wall.
class ROvedeWall : public TCustomChartWall {
  QUIL_PERSISTENT_CLASS

 public:
  using TCustomChartWall::TCustomChartWall;
};

}  // namespace quil

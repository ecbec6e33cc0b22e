#pragma once

#include <functional>
#include <memory>

#include "canvas/brush.h"
#include "canvas/pen.h"
#include "core/geometry.h"

namespace quil {

enum TChartWallKind { cwkLeft, cwkBottom, cwkBack, cwkRight };

// One side of the chart's 3D box: a plane (or a slab of Size pixels) with its own pen, brush
// and colour, covering StartPosition..EndPosition percent of its side.
class TChartWall {
 public:
  TChartWall(TChartWallKind kind, std::function<void()> onChange);
  ~TChartWall();
  TChartWall(const TChartWall&) = delete;
  TChartWall& operator=(const TChartWall&) = delete;

  TChartWallKind Kind() const { return kind_; }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { SetValue(color_, v); }
  TColor DefaultColor() const { return defaultColor_; }
  // The colour and its stored default, without repainting.
  void InitColor(TColor color);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { SetValue(transparent_, v); }
  int Transparency() const { return transparency_; }
  void SetTransparency(int v) { SetValue(transparency_, v); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { SetValue(visible_, v); }
  bool AutoHide() const { return autoHide_; }
  void SetAutoHide(bool v) { SetValue(autoHide_, v); }
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool v) { SetValue(dark3D_, v); }
  int Size() const { return size_; }
  void SetSize(int v) { SetValue(size_, v); }
  int StartPosition() const { return start_; }
  void SetStartPosition(int v) { SetValue(start_, v); }
  int EndPosition() const { return end_; }
  void SetEndPosition(int v) { SetValue(end_, v); }
  TQuilPen& Pen() { return *pen_; }
  const TQuilPen& Pen() const { return *pen_; }
  TQuilBrush& Brush() { return *brush_; }
  const TQuilBrush& Brush() const { return *brush_; }

  // The wall is to be drawn when walls are shown, it is visible and does not hide itself.
  bool ShouldDraw(bool wallsShown) const { return wallsShown && visible_ && !autoHide_; }
  // Darker sides for a slab with a plain solid fill.
  bool DarkSides() const { return dark3D_ && !transparent_ && brush_->Style() != bsClear; }
  // The vertical extent of a side wall: top and bottom of chartRect with the bottom wall's size
  // below it, cut to StartPosition..EndPosition.
  void CalcPositions(const TRect& chartRect, int bottomWallSize, int& top, int& bottom) const;

 private:
  template <class T>
  void SetValue(T& field, T value) {
    if (field == value) return;
    field = value;
    if (onChange_) onChange_();
  }

  TChartWallKind kind_;
  std::function<void()> onChange_;
  std::unique_ptr<TQuilPen> pen_;
  std::unique_ptr<TQuilBrush> brush_;
  TColor color_ = clQuilColor;
  TColor defaultColor_ = clQuilColor;
  int transparency_ = 0;
  int size_ = 0;
  int start_ = 0;
  int end_ = 100;
  bool transparent_ = false;
  bool visible_ = true;
  bool autoHide_ = false;
  bool dark3D_ = true;
};

}  // namespace quil

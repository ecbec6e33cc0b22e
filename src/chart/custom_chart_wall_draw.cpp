#include "canvas/canvas3d.h"
#include "canvas/quil_blend.h"
#include "chart/custom_chart.h"
#include "core/rounding.h"

namespace quil {

// A hatch in the background colour would vanish: it is drawn black, or white on black.
void TCustomChart::PrepareWallCanvas(const TChartWall& wall) {
  TCanvas3D& canvas = Canvas();
  canvas.AssignVisiblePen(wall.Pen());
  if (wall.Transparent()) {
    canvas.Brush().SetStyle(bsClear);
    return;
  }
  const TColor back = GetBackColor();
  TColor color = wall.Color();
  if (wall.Brush().Style() != bsSolid && wall.Brush().Style() != bsClear && color == back)
    color = back == clBlack ? clWhite : clBlack;
  canvas.AssignBrushColor(wall.Brush(), color, back);
}

void TCustomChart::DrawWall(TChartWall& wall, const char* entity, const std::function<void()>& draw) {
  TCanvas3D& canvas = Canvas();
  canvas.BeginEntity(entity, nullptr, nullptr);
  std::unique_ptr<TQuilBlend> blend;
  const bool blended = !wall.Transparent() && wall.Transparency() > 0;
  if (blended) blend = canvas.BeginBlending(ChartBounds(), wall.Transparency());
  PrepareWallCanvas(wall);
  draw();
  if (blended) canvas.EndBlending(std::move(blend));
  canvas.EndEntity();
}

void TCustomChart::DrawLeftWall() {
  TChartWall& wall = *leftWall_;
  DrawWall(wall, "Left", [&] {
    int top = 0;
    int bottom = 0;
    wall.CalcPositions(ChartRect, BottomWallSize(), top, bottom);
    const bool full = Canvas().GetSupportsFullRotation();
    if (wall.Size() <= 0)
      Canvas().RectangleZ(ChartRect.Left - (full ? 1 : 0), top, bottom, 0, Width3D());
    else
      Canvas().Cube(ChartRect.Left - wall.Size(), ChartRect.Left, top, bottom, 0, Width3D(), wall.DarkSides(), 0);
  });
}

void TCustomChart::DrawRightWall() {
  TChartWall& wall = *rightWall_;
  DrawWall(wall, "Right", [&] {
    int top = 0;
    int bottom = 0;
    wall.CalcPositions(ChartRect, BottomWallSize(), top, bottom);
    const bool full = Canvas().GetSupportsFullRotation();
    if (wall.Size() <= 0) {
      Canvas().RectangleZ(ChartRect.Right + (full ? 1 : 0), top, bottom, 0, Width3D() + 1);
    } else {
      const int depth = Width3D() + (backWall_->Visible() ? backWall_->Size() : 0);
      Canvas().Cube(ChartRect.Right, ChartRect.Right + wall.Size(), top, bottom, 0, depth, wall.DarkSides(), 0);
    }
  });
}

void TCustomChart::DrawBackWall() {
  TChartWall& wall = *backWall_;
  DrawWall(wall, "Back", [&] {
    int top = 0;
    int bottom = 0;
    wall.CalcPositions(ChartRect, BottomWallSize(), top, bottom);
    TRect r{ChartRect.Left, top, ChartRect.Right, bottom};
    const bool full = Canvas().GetSupportsFullRotation();
    if (!View3D()) {
      ++r.Right;
      if (wall.EndPosition() == 100) ++r.Bottom;
      Canvas().RectangleWithZ(r, full ? 1 : 0);
      return;
    }
    if (wall.Size() > 0 && leftWall_->Visible()) r.Left -= leftWall_->Size();
    if (wall.Size() <= 0) {
      Canvas().RectangleWithZ(r, Width3D() + (full ? 1 : 0));
    } else {
      const int size = Width3D() < 0 ? -wall.Size() : wall.Size();
      Canvas().Cube(r.Left, r.Right, r.Top, r.Bottom, Width3D(), Width3D() + size, wall.DarkSides(), 0);
    }
  });
}

void TCustomChart::DrawBottomWall() {
  TChartWall& wall = *bottomWall_;
  DrawWall(wall, "Bottom", [&] {
    const int y = ChartRect.Bottom + (Canvas().GetSupportsFullRotation() ? 1 : 0);
    const int z0 = wall.StartPosition() == 0 ? 0 : QuilRound(wall.StartPosition() * Width3D() * 0.01);
    const int z1 = Width3D() - QuilRound((100 - wall.EndPosition()) * Width3D() * 0.01);
    int left = ChartRect.Left;
    if (leftWall_->Visible() && leftWall_->AutoHide() && DrawLeftWallFirst()) left -= leftWall_->Size();
    if (wall.Size() <= 0)
      Canvas().RectangleY(left, y, ChartRect.Right, z0, z1);
    else
      Canvas().Cube(left, ChartRect.Right, y, y + wall.Size(), z0, z1, wall.DarkSides(), 0);
  });
}

void TCustomChart::DrawWalls() {
  if (!ActiveSeriesUseAxis()) return;
  TCanvas3D& canvas = Canvas();
  const bool full = canvas.GetSupportsFullRotation();
  canvas.BeginEntity("Walls", nullptr, nullptr);
  if (View3D() && View3DWalls() && rightWall_ && rightWall_->Visible() && (full || !DrawRightWallAfter()))
    DrawRightWall();
  if (View3DWalls() && backWall_->Visible() && (full || !DrawBackWallAfter(Width3D()))) DrawBackWall();
  if (View3D() && View3DWalls()) {
    if (leftWall_->Visible() && (full || !DrawLeftWallFirst())) DrawLeftWall();
    if (bottomWall_->Visible()) DrawBottomWall();
  }
  canvas.EndEntity();
}

// Walls that face the viewer in front of the series cover them.
void TCustomChart::DrawWallsAfterSeries() {
  if (DrawRightWallAfter() && rightWall_ && ShouldDraw(*rightWall_)) DrawRightWall();
  if (DrawLeftWallFirst() && ShouldDraw(*leftWall_)) DrawLeftWall();
  if (DrawBackWallAfter(Width3D()) && ShouldDraw(*backWall_)) DrawBackWall();
}

}  // namespace quil

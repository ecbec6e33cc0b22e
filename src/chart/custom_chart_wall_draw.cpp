#include <algorithm>

#include "canvas/canvas3d.h"
#include "canvas/quil_blend.h"
#include "chart/custom_chart.h"
#include "core/rounding.h"
#include "engine/rovede_axis.h"

namespace quil {

// A hatch in the background colour would vanish: it is drawn black, or white on black.
void TCustomChart::PrepareWallCanvas(const TCustomChartWall& wall) {
  TCanvas3D& canvas = Canvas();
  canvas.AssignVisiblePen(wall.Frame());
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

TRect TCustomChart::ProjectedBounds(int left, int right, int top, int bottom, int z0, int z1) const {
  TRect bounds{};
  bool first = true;
  for (int x : {left, right})
    for (int y : {top, bottom})
      for (int z : {z0, z1}) {
        const TPoint p = Canvas().Calculate3DPosition(x, y, z);
        if (first) bounds = {p.X, p.Y, p.X, p.Y};
        bounds = {std::min(bounds.Left, p.X), std::min(bounds.Top, p.Y), std::max(bounds.Right, p.X),
                  std::max(bounds.Bottom, p.Y)};
        first = false;
      }
  // The frame pen reaches one pixel past the corners.
  return {bounds.Left, bounds.Top, bounds.Right + 1, bounds.Bottom + 1};
}

// A canvas that blends per pixel needs no area; the others mix back what the wall covers.
// A picture without an image can still filter what the wall drew.
void TCustomChart::DrawWall(TCustomChartWall& wall, const char* entity, const std::function<TRect()>& area,
                            const std::function<void()>& draw) {
  TCanvas3D& canvas = Canvas();
  canvas.BeginEntity(entity, nullptr, nullptr);
  std::unique_ptr<TQuilBlend> blend;
  const bool blended = !wall.Transparent() && wall.Transparency() > 0;
  if (blended) blend = canvas.BeginBlending(canvas.SupportsAlpha() ? TRect{} : area(), wall.Transparency());
  PrepareWallCanvas(wall);
  draw();
  if (blended) {
    const TBackImage* picture = wall.PictureOrNull();
    if (blend && picture && picture->Empty() && picture->Filters().Count() > 0 && !blend->Rect().IsEmpty()) {
      TBitmap drawn = canvas.CopyArea(blend->Rect());
      picture->Filters().ApplyTo(drawn);
      canvas.PutArea(drawn, blend->Rect().TopLeft());
    }
    canvas.EndBlending(std::move(blend));
  }
  canvas.EndEntity();
}

void TCustomChart::DrawLeftWall() {
  TCustomChartWall& wall = walls_->Left();
  int top = 0;
  int bottom = 0;
  wall.CalcPositions(ChartRect, BottomWallSize(), top, bottom);
  const int x = ChartRect.Left - (Canvas().GetSupportsFullRotation() ? 1 : 0);
  const int outer = wall.Size() <= 0 ? x : ChartRect.Left - wall.Size();
  DrawWall(wall, "Left", [&] { return ProjectedBounds(outer, x, top, bottom, 0, Width3D()); }, [&] {
    if (wall.Size() <= 0)
      Canvas().RectangleZ(x, top, bottom, 0, Width3D());
    else
      Canvas().Cube(outer, ChartRect.Left, top, bottom, 0, Width3D(), wall.DarkSides(), 0);
    DrawPlanePicture(wall, {0, top, Width3D(), bottom}, ChartRect.Left, cpX);
  });
}

void TCustomChart::DrawRightWall() {
  TCustomChartWall& wall = walls_->Right();
  int top = 0;
  int bottom = 0;
  wall.CalcPositions(ChartRect, BottomWallSize(), top, bottom);
  const int x = ChartRect.Right + (Canvas().GetSupportsFullRotation() ? 1 : 0);
  const int outer = wall.Size() <= 0 ? x : ChartRect.Right + wall.Size();
  const int depth =
      wall.Size() <= 0 ? Width3D() + 1 : Width3D() + (walls_->Back().Visible() ? walls_->Back().Size() : 0);
  DrawWall(wall, "Right", [&] { return ProjectedBounds(x, outer, top, bottom, 0, depth); }, [&] {
    if (wall.Size() <= 0)
      Canvas().RectangleZ(x, top, bottom, 0, depth);
    else
      Canvas().Cube(ChartRect.Right, outer, top, bottom, 0, depth, wall.DarkSides(), 0);
    DrawPlanePicture(wall, {0, top, Width3D(), bottom}, ChartRect.Right, cpX);
  });
}

void TCustomChart::DrawBackWall() {
  TCustomChartWall& wall = walls_->Back();
  int top = 0;
  int bottom = 0;
  wall.CalcPositions(ChartRect, BottomWallSize(), top, bottom);
  const TRect r{ChartRect.Left, top, ChartRect.Right, bottom};
  const auto area = [&] {
    if (!View3D()) return InflateRect(r, 2, 2);
    const int size = wall.Size() > 0 ? wall.Size() : 1;
    return ProjectedBounds(r.Left - WallSize(&walls_->Left()), r.Right, r.Top, r.Bottom, Width3D(),
                           Width3D() + (Width3D() < 0 ? -size : size));
  };
  DrawWall(wall, "Back", area, [&] {
    DrawBackWallShape(wall, r);
    DrawBackWallPicture(wall, r);
  });
}

void TCustomChart::DrawBottomWall() {
  TCustomChartWall& wall = walls_->Bottom();
  const int y = ChartRect.Bottom + (Canvas().GetSupportsFullRotation() ? 1 : 0);
  const int z0 = wall.StartPosition() == 0 ? 0 : QuilRound(wall.StartPosition() * Width3D() * 0.01);
  const int z1 = Width3D() - QuilRound((100 - wall.EndPosition()) * Width3D() * 0.01);
  int left = ChartRect.Left;
  if (walls_->Left().Visible() && walls_->Left().AutoHide() && DrawLeftWallFirst()) left -= walls_->Left().Size();
  const int lower = wall.Size() <= 0 ? y : y + wall.Size();
  DrawWall(wall, "Bottom", [&] { return ProjectedBounds(left, ChartRect.Right, y, lower, z0, z1); }, [&] {
    if (wall.Size() <= 0)
      Canvas().RectangleY(left, y, ChartRect.Right, z0, z1);
    else
      Canvas().Cube(left, ChartRect.Right, y, lower, z0, z1, wall.DarkSides(), 0);
    DrawPlanePicture(wall, {left, z0, ChartRect.Right, z1}, y, cpY);
  });
}

void TCustomChart::DrawWalls() {
  if (!ActiveSeriesUseAxis()) return;
  TCanvas3D& canvas = Canvas();
  const bool full = canvas.GetSupportsFullRotation();
  const ROvedeRightWall* right = walls_->RightOrNull();
  canvas.BeginEntity("Walls", nullptr, nullptr);
  if (View3D() && View3DWalls() && right && right->Visible() && (full || !DrawRightWallAfter())) DrawRightWall();
  if (View3DWalls() && walls_->Back().Visible() && (full || !DrawBackWallAfter(Width3D()))) DrawBackWall();
  if (View3D() && View3DWalls()) {
    if (walls_->Left().Visible() && (full || !DrawLeftWallFirst())) DrawLeftWall();
    if (walls_->Bottom().Visible()) DrawBottomWall();
    // Seen from below, the floor hides the series, but the axes along it must still show.
    if (!full && DrawBackWallAfter(0)) {
      for (ROvedeAxis* axis : {&TopAxis(), &BottomAxis()})
        if (axis->IsVisible()) axis->Draw(true);
    }
  }
  canvas.EndEntity();
}

// Walls that face the viewer in front of the series cover them.
// The axis on such a wall is drawn again over it; its grid on the back wall stays as it was.
void TCustomChart::DrawWallsAfterSeries() {
  const ROvedeRightWall* right = walls_->RightOrNull();
  if (DrawRightWallAfter()) {
    if (right && ShouldDraw(*right)) DrawRightWall();
    if (RightAxis().IsVisible()) RightAxis().DrawWithoutBackGrid();
  }
  if (DrawLeftWallFirst()) {
    if (ShouldDraw(walls_->Left())) DrawLeftWall();
    if (LeftAxis().IsVisible()) LeftAxis().DrawWithoutBackGrid();
  }
  if (DrawBackWallAfter(Width3D())) {
    for (ROvedeAxis* axis : {&TopAxis(), &BottomAxis()})
      if (axis->IsVisible()) axis->DrawBackGrid();
    if (ShouldDraw(walls_->Back())) DrawBackWall();
  }
}

}  // namespace quil

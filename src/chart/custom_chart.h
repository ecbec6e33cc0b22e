#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "canvas/canvas_types.h"
#include "chart/chart_legend.h"
#include "chart/chart_title.h"
#include "chart/chart_walls.h"
#include "chart/clicked_part.h"
#include "chart/zoom_scales.h"
#include "engine/axis_panel.h"

namespace quil {

// The chart proper: an axis panel with four titles and the four walls of its 3D box, a colour
// palette choice, and the drawing hooks that put titles above the series and walls around them.
class TCustomChart : public TCustomAxisPanel {
  QUIL_PERSISTENT_CLASS

 public:
  // Reads the "DefaultPalette" option for the palette choice.
  explicit TCustomChart(TComponent* owner = nullptr);
  ~TCustomChart() override;

  // Titles are created on first access; one never asked for is not drawn.
  ROvedeTitle& Title() { return TitleAt(0); }
  ROvedeTitle& SubTitle() { return TitleAt(1); }
  ROvedeTitle& Foot() { return TitleAt(2); }
  ROvedeTitle& SubFoot() { return TitleAt(3); }
  void SetTitle(const ROvedeTitle& title) { Title().Assign(title); }
  void SetSubTitle(const ROvedeTitle& title) { SubTitle().Assign(title); }
  void SetFoot(const ROvedeTitle& title) { Foot().Assign(title); }
  void SetSubFoot(const ROvedeTitle& title) { SubFoot().Assign(title); }
  // The title at 0 Title, 1 SubTitle, 2 Foot, 3 SubFoot when it exists.
  const ROvedeTitle* TitleOrNull(int index) const { return titles_.at(static_cast<std::size_t>(index)).get(); }

  ROvedeWalls& Walls() { return *walls_; }
  ROvedeLegend& Legend() { return *legend_; }
  const ROvedeLegend& Legend() const { return *legend_; }
  void SetLegend(const ROvedeLegend& legend) { legend_->Assign(legend); }
  // The legend's symbol look for series symbols.
  void DrawLegendShape(const TRect& rect, const TBitmap* graphic) override;

  // The six standard axes, first in Axes in this order.
  ROvedeAxis& BottomAxis() const { return *standardAxes_[0]; }
  ROvedeAxis& TopAxis() const { return *standardAxes_[1]; }
  ROvedeAxis& LeftAxis() const { return *standardAxes_[2]; }
  ROvedeAxis& RightAxis() const { return *standardAxes_[3]; }
  ROvedeAxis& DepthAxis() const { return *standardAxes_[4]; }
  ROvedeAxis& DepthTopAxis() const { return *standardAxes_[5]; }
  void SetWalls(const ROvedeWalls& walls) { walls_->Assign(walls); }
  ROvedeLeftWall& LeftWall() { return walls_->Left(); }
  ROvedeBottomWall& BottomWall() { return walls_->Bottom(); }
  ROvedeBackWall& BackWall() { return walls_->Back(); }
  // Created on first access, hidden.
  ROvedeRightWall& RightWall() { return walls_->Right(); }
  const ROvedeRightWall* RightWallOrNull() const { return walls_->RightOrNull(); }
  void SetLeftWall(const ROvedeWall& wall) { LeftWall().Assign(wall); }
  void SetBottomWall(const ROvedeWall& wall) { BottomWall().Assign(wall); }
  void SetBackWall(const ROvedeWall& wall) { BackWall().Assign(wall); }
  void SetRightWall(const ROvedeWall& wall) { RightWall().Assign(wall); }
  // The back wall's pen.
  TQuilPen& Frame() { return walls_->Back().Pen(); }
  void SetFrame(const TQuilPen& pen) { Frame().Assign(pen); }

  // The registry palette the chart uses (ColorPalettes), -1 for none of its own (the global
  // default) or kCustomColorPalette for colours stored with the chart.
  int ColorPaletteIndex() const { return colorPaletteIndex_; }
  // Applies the registry's palette index (an index without colours leaves the chart with none);
  // kCustomColorPalette keeps a copy of the colours in use as the chart's own.
  void SetColorPaletteIndex(int index);
  static constexpr int kCustomColorPalette = -2;
  // Neither another series' colour nor, when asked, the chart's or the back wall's colour.
  bool IsFreeSeriesColor(TColor color, bool checkBackground, const ROvedeSeries* series) const override;

  // The colour behind the series: the back wall's when it is shown solid, else the panel's.
  TColor GetBackColor() override;
  // Some active series uses axes, or no series is active at all.
  bool ActiveSeriesUseAxis() const;

  // Let the program change a legend item's text, the legend's rectangle, and where an item's
  // text (x, y) and symbol (symbolX) go.
  std::function<void(TCustomChart&, TLegendStyle, int index, std::string& text)> OnGetLegendText;
  std::function<void(TCustomChart&, TRect& rect)> OnGetLegendRect;
  std::function<void(TCustomChart&, int index, int& x, int& y, int& symbolX)> OnGetLegendPos;
  // Mouse: the part under a point, click events, zooming, panning and the wheel.
  // The part under p, counting every active series.
  ROvedeClickedPart CalcClickedPart(TPoint p) { return CalcNeedClickedPart(p, false); }
  // The same; with needed, only series the program reacts to clicks on (their own click
  // handlers, or the chart's OnClickSeries) count.
  ROvedeClickedPart CalcNeedClickedPart(TPoint p, bool needed);
  // Zooming and panning may start: no active series, or one that can zoom.
  bool ActiveSeriesCanZoomScroll() const;
  // Zooms the axes to a rectangle of client pixels (Direction chooses the axes).
  void ZoomRect(const TRect& rect);
  // Narrows (above 100) or widens (below 100) the four standard axes about their centres by
  // (percentZoom - 100) percent at each end, and repaints at once.
  void ZoomPercent(double percentZoom);
  // Turns the zoom's corners into ranges of the four standard axes and zooms.
  virtual void CalcZoomPoints();
  // Fixes the ranges of the four standard axes (animated when asked), remembering the axes'
  // own settings first; sets Zoomed and fires OnZoom.
  void DoZoom(const TZoomRanges& ranges);
  // One zoom level back with History, else the axes as they were before zooming and scrolling.
  void UndoZoom() override;
  void AddZoomSnapshot();
  void RemoveZoomSnapshot();
  void ZoomBackOne();
  void SaveScales(TAllAxisSavedScales& scales) const;
  // Brings the saved settings back and empties scales.
  void RestoreScales(TAllAxisSavedScales& scales);
  // The axes are in their own state: nothing zoomed or scrolled, nothing saved.
  bool RestoredAxisScales() const { return restoredAxisScales_; }
  // The wheel scrolls axes.
  bool CanWheelScroll();
  // One wheel step: up for a positive delta.
  void InternalWheel(int delta);
  // Moves every axis of that orientation by 3 % of its range.
  void ScrollHorizontalAxes(bool up) { ScrollAxes(true, up); }
  void ScrollVerticalAxes(bool up) { ScrollAxes(false, up); }

  std::function<void(TCustomChart&, TMouseButton, TShiftState, int x, int y)> OnClickBackground;
  std::function<void(TCustomChart&, TMouseButton, TShiftState, int x, int y)> OnClickLegend;
  std::function<void(TCustomChart&, ROvedeAxis&, TMouseButton, TShiftState, int x, int y)> OnClickAxis;
  std::function<void(TCustomChart&, ROvedeSeries&, int valueIndex, TMouseButton, TShiftState, int x, int y)>
      OnClickSeries;
  std::function<void(TCustomChart&, ROvedeTitle&, TMouseButton, TShiftState, int x, int y)> OnClickTitle;
  // Asked before a pan or wheel step moves an axis: may change the new ends or refuse the move.
  std::function<void(ROvedeAxis&, double& min, double& max, bool& allowScroll)> OnAllowScroll;

  void KeyDown(int& key, TShiftState shift) override;
  void KeyUp(int& key, TShiftState shift) override;
  void DefineProperties(TFiler& filer) override;

 protected:
  void CalcWallsRect() override;
  int CalcWallSize(const ROvedeAxis& axis) const override;
  void DrawWalls() override;
  void DrawTitlesAndLegend(bool beforeSeries) override;
  void CalcAxisRect() override;
  void DrawAxes() override;
  bool DepthAxisInverted() const override;
  void DrawZoomRectangleInFrame() override;
  void ChartMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void ChartMouseMove(TShiftState shift, int x, int y) override;
  void ChartMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint pos) override;
  bool DoMouseWheelDown(TShiftState shift, TPoint pos) override;
  bool DoMouseWheelUp(TShiftState shift, TPoint pos) override;

 public:
  // AxisVisible and the axis' own Visible; then View3D for a depth axis, else HasActiveSeries.
  bool CalcIsAxisVisible(const ROvedeAxis& axis) const;
  // No active series, or the first active series that decides uses the axis.
  bool HasActiveSeries(const ROvedeAxis& axis) const;
  // Whether the left wall is seen from behind (drawn after the series), and whether the right
  // wall is seen from the front (drawn after the series), on a canvas without full rotation.
  bool DrawLeftWallFirst() { return DrawWallFirst(ChartRect.Left); }
  bool DrawRightWallAfter() { return !DrawWallFirst(ChartRect.Right); }

 private:
  ROvedeTitle& TitleAt(int index);
  void DrawTitles(bool customPositioned);
  void LayOutLegendAndTitles();
  int BottomWallSize() const;
  bool DrawWallFirst(int x);
  bool DrawBackWallAfter(int z);
  bool ShouldDraw(const TCustomChartWall& wall) const { return wall.ShouldDraw(View3DWalls()); }
  int WallSize(const TCustomChartWall* wall) const { return wall && wall->Visible() ? wall->Size() : 0; }
  void PrepareWallCanvas(const TCustomChartWall& wall);
  // Draws a wall in its entity, blended when translucent; area gives the screen rectangle the
  // wall covers, asked for only when a canvas without alpha blends it.
  void DrawWall(TCustomChartWall& wall, const char* entity, const std::function<TRect()>& area,
                const std::function<void()>& draw);
  // The bounding rectangle of a projected box.
  TRect ProjectedBounds(int left, int right, int top, int bottom, int z0, int z1) const;
  void DrawBackWallEffects(TCustomChartWall& wall, const TRect& rect, int z);
  void DrawBackWallShape(TCustomChartWall& wall, TRect rect);
  void DrawBackWallPicture(TCustomChartWall& wall, TRect rect);
  // The wall's picture stretched over the plane at pos.
  void DrawPlanePicture(const TCustomChartWall& wall, const TRect& rect, int pos, TCanvas3DPlane plane);
  void DrawImageAtDepth(TBackImage& image, const TRect& rect, int z);
  void StretchPicture(const TBackImage& image, const TRect& rect, int pos, TCanvas3DPlane plane);
  void DrawLeftWall();
  void DrawRightWall();
  void DrawBackWall();
  void DrawBottomWall();
  void DrawWallsAfterSeries();
  // Press: the click events of the part under the mouse; answers whether one claimed it.
  bool ClickSeries(const ROvedeClickedPart& part, TMouseButton button, TShiftState shift, int x, int y);
  bool ClickTitle(ROvedeClickedPartStyle part, TMouseButton button, TShiftState shift, int x, int y);
  bool LegendPartAt(TPoint p, bool customPosition, ROvedeClickedPart& part) const;
  void TrackLegendAndSeries(int x, int y);
  int HoveredSeriesLegendPosition() const;
  // Starts a zoom rectangle or a pan for a press that nothing claimed; answers whether one started.
  bool StartZoomOrPan(TMouseButton button, TShiftState shift, int x, int y);
  void DragZoom(int x, int y);
  void DragPan(int x, int y);
  void EndZoom(int x, int y);
  // Pans the axes of one orientation from pixel from to pixel to; answers whether that
  // orientation pans at all.
  bool PanAxes(bool horizontal, int from, int to);
  void PanAxis(ROvedeAxis& axis, int from, int to);
  // One third of the way from each axis' range to the zoom's, then a repaint.
  void AnimateZoomStep(const TZoomRanges& ranges);
  void ScrollAxes(bool horizontal, bool up);
  // Saves the axes' own settings before the first zoom, pan or scroll changes them.
  void SaveScalesOnce();
  ROvedeTitle* TitleOfPart(ROvedeClickedPartStyle part) const;
  void ReadBackColor(TReader& reader);
  void ReadColorPalette(TReader& reader);
  void Changed() { Invalidate(); }

  std::vector<std::unique_ptr<ROvedeAxis>> standardAxes_;
  std::array<std::unique_ptr<ROvedeTitle>, 4> titles_;
  std::unique_ptr<ROvedeWalls> walls_;
  std::unique_ptr<ROvedeLegend> legend_;
  int colorPaletteIndex_ = -1;
  TAllAxisSavedScales savedScales_;
  bool restoredAxisScales_ = true;
};

}  // namespace quil

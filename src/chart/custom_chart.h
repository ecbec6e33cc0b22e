#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "canvas/canvas_types.h"
#include "chart/chart_legend.h"
#include "chart/chart_title.h"
#include "chart/chart_walls.h"
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
  TColor GetBackColor();
  // Some active series uses axes, or no series is active at all.
  bool ActiveSeriesUseAxis() const;

  // Let the program change a legend item's text, the legend's rectangle, and where an item's
  // text (x, y) and symbol (symbolX) go.
  std::function<void(TCustomChart&, TLegendStyle, int index, std::string& text)> OnGetLegendText;
  std::function<void(TCustomChart&, TRect& rect)> OnGetLegendRect;
  std::function<void(TCustomChart&, int index, int& x, int& y, int& symbolX)> OnGetLegendPos;

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
  void ReadBackColor(TReader& reader);
  void ReadColorPalette(TReader& reader);
  void Changed() { Invalidate(); }

  std::vector<std::unique_ptr<ROvedeAxis>> standardAxes_;
  std::array<std::unique_ptr<ROvedeTitle>, 4> titles_;
  std::unique_ptr<ROvedeWalls> walls_;
  std::unique_ptr<ROvedeLegend> legend_;
  int colorPaletteIndex_ = -1;
};

}  // namespace quil

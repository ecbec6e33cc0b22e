#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "chart/chart_title.h"
#include "chart/chart_wall.h"
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
  TChartTitle& Title() { return TitleAt(0); }
  TChartTitle& SubTitle() { return TitleAt(1); }
  TChartTitle& Foot() { return TitleAt(2); }
  TChartTitle& SubFoot() { return TitleAt(3); }
  void SetTitle(const TChartTitle& title) { Title().Assign(title); }
  void SetSubTitle(const TChartTitle& title) { SubTitle().Assign(title); }
  void SetFoot(const TChartTitle& title) { Foot().Assign(title); }
  void SetSubFoot(const TChartTitle& title) { SubFoot().Assign(title); }
  // The title at 0 Title, 1 SubTitle, 2 Foot, 3 SubFoot when it exists.
  const TChartTitle* TitleOrNull(int index) const { return titles_.at(static_cast<std::size_t>(index)).get(); }

  TChartWall& LeftWall() { return *leftWall_; }
  TChartWall& BottomWall() { return *bottomWall_; }
  TChartWall& BackWall() { return *backWall_; }
  // Created on first access, hidden.
  TChartWall& RightWall();
  TChartWall* RightWallOrNull() const { return rightWall_.get(); }
  // The back wall's pen.
  TQuilPen& Frame() { return backWall_->Pen(); }

  int ColorPaletteIndex() const { return colorPaletteIndex_; }
  // Selects one of the palettes the chart knows; an index without a palette is only stored.
  void SetColorPaletteIndex(int index);

  // The colour behind the series: the back wall's when it is shown solid, else the panel's.
  TColor GetBackColor();
  // Some active series uses axes, or no series is active at all.
  bool ActiveSeriesUseAxis() const;

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

 public:
  // AxisVisible and the axis' own Visible; then View3D for a depth axis, else HasActiveSeries.
  bool CalcIsAxisVisible(const ROvedeAxis& axis) const;
  // No active series, or the first active series that decides uses the axis.
  bool HasActiveSeries(const ROvedeAxis& axis) const;

 private:
  TChartTitle& TitleAt(int index);
  void DrawTitles(bool customPositioned);
  int BottomWallSize() const;
  bool DrawWallFirst(int x);
  bool DrawLeftWallFirst() { return DrawWallFirst(ChartRect.Left); }
  bool DrawRightWallAfter() { return !DrawWallFirst(ChartRect.Right); }
  bool DrawBackWallAfter(int z);
  bool ShouldDraw(const TChartWall& wall) const { return wall.ShouldDraw(View3DWalls()); }
  int WallSize(const TChartWall* wall) const { return wall && wall->Visible() ? wall->Size() : 0; }
  void PrepareWallCanvas(const TChartWall& wall);
  void DrawWall(TChartWall& wall, const char* entity, const std::function<void()>& draw);
  void DrawLeftWall();
  void DrawRightWall();
  void DrawBackWall();
  void DrawBottomWall();
  void DrawWallsAfterSeries();
  void ReadBackColor(TReader& reader);
  void Changed() { Invalidate(); }

  bool SeriesUsesAxis(const ROvedeSeries& series, const ROvedeAxis& axis) const;

  std::vector<std::unique_ptr<ROvedeAxis>> standardAxes_;
  std::array<std::unique_ptr<TChartTitle>, 4> titles_;
  std::unique_ptr<TChartWall> leftWall_;
  std::unique_ptr<TChartWall> bottomWall_;
  std::unique_ptr<TChartWall> backWall_;
  std::unique_ptr<TChartWall> rightWall_;
  int colorPaletteIndex_ = 0;
};

}  // namespace quil

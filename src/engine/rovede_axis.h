#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "canvas/pen.h"
#include "core/geometry.h"
#include "core/persistent.h"
#include "engine/axis_grid_pen.h"
#include "engine/axis_labels.h"
#include "engine/axis_labels_shape.h"
#include "engine/axis_scale.h"
#include "engine/axis_title.h"
#include "engine/rovede_axis_pen.h"
#include "panel/quil_panel.h"

namespace quil {

class TCustomAxisPanel;
class TAxisChartSeriesSource;
class TAxisCanvasMeasurer;

enum TAxisLabelAlign : uint8_t { alDefault, alOpposite, alCenter };

// The tolerance, in pixels, on the line's side of an axis that shows labels when a click is
// tested against it.
extern int QuilAxisClickGap;

// An angle in whole degrees brought into 0..359.
inline int NormalDegrees(int angle) { return ((angle % 360) + 360) % 360; }

// One label the program fixed: shown instead of the generated ones while any is present.
struct TAxisItem {
  double Value = 0;
  std::string Text;
};

// One axis of a chart: its published settings, its scale (range, increment, labels, mapping),
// the room it takes from the chart rectangle and its drawing at its depth in the 3D box. The
// chart owns its axes; the axis keeps a link to the chart, cleared by DetachChart.
class ROvedeAxis : public TPersistent {
  QUIL_PERSISTENT_CLASS

 public:
  ROvedeAxis(TCustomAxisPanel* chart, bool horizontal, bool otherSide);
  ~ROvedeAxis() override;

  TCustomAxisPanel* ParentChart() const { return chart_; }
  // Forgets the chart (it is going away) and every link through it.
  void DetachChart();
  const std::string& Identifier() const { return identifier_; }
  void SetIdentifier(const std::string& value) { identifier_ = value; }

  // Orientation.
  bool Horizontal() const { return horizontal_; }
  void SetHorizontal(bool value);
  bool OtherSide() const { return otherSide_; }
  void SetOtherSide(bool value);
  virtual bool IsDepthAxis() const { return false; }
  bool IsStandard() const { return standard_; }
  void SetStandard(bool value) { standard_ = value; }

  // The layout's visibility of this frame, and whether the axis shrinks the chart rectangle.
  bool IsVisible() const { return isVisible_; }
  void SetIsVisible(bool value) { isVisible_ = value; }
  bool ResizeChart() const { return resizeChart_; }
  void SetResizeChart(bool value) { resizeChart_ = value; }
  // Called before the grid is drawn.
  std::function<void(ROvedeAxis&)> OnDrawGrids;

  TAxisScale& Scale() { return *scale_; }
  const TAxisScale& Scale() const { return *scale_; }

  // Published settings, most of them the scale's.
  bool Automatic() const { return scale_->Automatic(); }
  void SetAutomatic(bool value) { scale_->SetAutomatic(value); }
  bool AutomaticMinimum() const { return scale_->AutomaticMinimum(); }
  void SetAutomaticMinimum(bool value) { scale_->SetAutomaticMinimum(value); }
  bool AutomaticMaximum() const { return scale_->AutomaticMaximum(); }
  void SetAutomaticMaximum(bool value) { scale_->SetAutomaticMaximum(value); }
  double Minimum() const { return scale_->Minimum(); }
  void SetMinimum(double value) { scale_->SetMinimum(value); }
  double Maximum() const { return scale_->Maximum(); }
  void SetMaximum(double value) { scale_->SetMaximum(value); }
  void SetMinMax(double min, double max) { scale_->SetMinMax(min, max); }
  // The stream's writes: the two ends may come in any order.
  void SetStoredMinimum(double value);
  void SetStoredMaximum(double value);
  double Increment() const { return scale_->Increment(); }
  void SetIncrement(double value) { scale_->SetIncrement(value); }
  bool Logarithmic() const { return scale_->Logarithmic(); }
  void SetLogarithmic(bool value) { scale_->SetLogarithmic(value); }
  double LogarithmicBase() const { return scale_->LogarithmicBase(); }
  void SetLogarithmicBase(double value) { scale_->SetLogarithmicBase(value); }
  bool Inverted() const { return scale_->Inverted(); }
  virtual void SetInverted(bool value) { scale_->SetInverted(value); }
  int MinimumOffset() const { return scale_->MinimumOffset(); }
  void SetMinimumOffset(int value) { scale_->SetMinimumOffset(value); }
  int MaximumOffset() const { return scale_->MaximumOffset(); }
  void SetMaximumOffset(int value) { scale_->SetMaximumOffset(value); }
  bool MinimumRound() const { return scale_->MinimumRound(); }
  void SetMinimumRound(bool value) { scale_->SetMinimumRound(value); }
  bool MaximumRound() const { return scale_->MaximumRound(); }
  void SetMaximumRound(bool value) { scale_->SetMaximumRound(value); }
  bool ExactDateTime() const { return scale_->ExactDateTime(); }
  void SetExactDateTime(bool value) { scale_->SetExactDateTime(value); }
  const std::string& DateTimeFormat() const { return scale_->DateTimeFormat(); }
  void SetDateTimeFormat(const std::string& value) { scale_->SetDateTimeFormat(value); }
  const std::string& AxisValuesFormat() const { return scale_->AxisValuesFormat(); }
  void SetAxisValuesFormat(const std::string& value) { scale_->SetAxisValuesFormat(value); }
  bool RoundFirstLabel() const { return scale_->RoundFirstLabel(); }
  void SetRoundFirstLabel(bool value) { scale_->SetRoundFirstLabel(value); }
  TAxisLabelStyle LabelStyle() const { return scale_->LabelStyle(); }
  void SetLabelStyle(TAxisLabelStyle value) { scale_->SetLabelStyle(value); }
  int LabelsSeparation() const { return scale_->LabelsSeparation(); }
  void SetLabelsSeparation(int value) { scale_->SetLabelsSeparation(value); }
  bool LabelsAlternate() const { return scale_->LabelsAlternate(); }
  void SetLabelsAlternate(bool value) { scale_->SetLabelsAlternate(value); }
  bool LabelsMultiLine() const { return scale_->LabelsMultiLine(); }
  void SetLabelsMultiLine(bool value) { scale_->SetLabelsMultiLine(value); }
  bool LabelsOnAxis() const { return scale_->LabelsOnAxis(); }
  void SetLabelsOnAxis(bool value) { scale_->SetLabelsOnAxis(value); }
  int LabelsAngle() const { return scale_->LabelsAngle(); }
  void SetLabelsAngle(int value) { scale_->SetLabelsAngle(value); }
  bool LabelsGridIgnoresLabelSize() const { return scale_->LabelsGridIgnoresLabelSize(); }
  void SetLabelsGridIgnoresLabelSize(bool value) { scale_->SetLabelsGridIgnoresLabelSize(value); }

  bool Visible() const { return visible_; }
  void SetVisible(bool value) { Store(visible_, value); }
  bool Labels() const { return labels_; }
  void SetLabels(bool value) { Store(labels_, value); }
  TAxisLabelAlign LabelsAlign() const { return labelsAlign_; }
  void SetLabelsAlign(TAxisLabelAlign value) { Store(labelsAlign_, value); }
  bool LabelsBehind() const { return labelsBehind_; }
  void SetLabelsBehind(bool value) { Store(labelsBehind_, value); }
  int LabelsSize() const { return labelsSize_; }
  void SetLabelsSize(int value) { Store(labelsSize_, value); }
  // Percent of the height of "W" between the axis and its labels.
  int LabelsMarginToAxis() const { return labelsMarginToAxis_; }
  void SetLabelsMarginToAxis(int value) { Store(labelsMarginToAxis_, value); }
  bool GridCentered() const { return grid_->Centered(); }
  void SetGridCentered(bool value) { grid_->SetCentered(value); }
  int TickLength() const { return tickLength_; }
  void SetTickLength(int value) { Store(tickLength_, value); }
  int TickInnerLength() const { return tickInnerLength_; }
  void SetTickInnerLength(int value) { Store(tickInnerLength_, value); }
  int MinorTickLength() const { return minorTickLength_; }
  void SetMinorTickLength(int value) { Store(minorTickLength_, value); }
  int MinorTickCount() const { return minorTickCount_; }
  void SetMinorTickCount(int value) { Store(minorTickCount_, value); }
  bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
  void SetTickOnLabelsOnly(bool value) { Store(tickOnLabelsOnly_, value); }
  int TitleSize() const { return titleSize_; }
  void SetTitleSize(int value) { Store(titleSize_, value); }
  double StartPosition() const { return startPosition_; }
  void SetStartPosition(double value) { Store(startPosition_, value); }
  double EndPosition() const { return endPosition_; }
  void SetEndPosition(double value) { Store(endPosition_, value); }
  double PositionPercent() const { return positionPercent_; }
  void SetPositionPercent(double value) { Store(positionPercent_, value); }
  TQuilUnits PositionUnits() const { return positionUnits_; }
  void SetPositionUnits(TQuilUnits value) { Store(positionUnits_, value); }
  double ZPosition() const { return zPosition_; }
  void SetZPosition(double value) { Store(zPosition_, value); }
  double DefaultZPosition() const { return defaultZPosition_; }
  // ZPosition and its stored default, with the grid's, for the standard axes on the far side.
  void InitZPosition(double value);

  ROvedeAxisPen& Axis() { return *axisPen_; }
  const ROvedeAxisPen& Axis() const { return *axisPen_; }
  TAxisGridPen& Grid() { return *grid_; }
  const TAxisGridPen& Grid() const { return *grid_; }
  TQuilPen& MinorGrid() { return *minorGrid_; }
  const TQuilPen& MinorGrid() const { return *minorGrid_; }
  TQuilPen& Ticks() { return *ticks_; }
  const TQuilPen& Ticks() const { return *ticks_; }
  TQuilPen& TicksInner() { return *ticksInner_; }
  const TQuilPen& TicksInner() const { return *ticksInner_; }
  TQuilPen& MinorTicks() { return *minorTicks_; }
  const TQuilPen& MinorTicks() const { return *minorTicks_; }
  TAxisLabelsFormat& LabelsFormat() { return *labelsFormat_; }
  const TAxisLabelsFormat& LabelsFormat() const { return *labelsFormat_; }
  TQuilFont& LabelsFont() { return labelsFormat_->Font(); }
  ROvedeAxisTitle& Title() { return *title_; }
  const ROvedeAxisTitle& Title() const { return *title_; }

  // The labels the program fixed (stored as "Items"); empty means generated labels.
  const std::vector<TAxisItem>& Items() const { return items_; }
  void AddItem(double value, const std::string& text);
  void ClearItems();

  // Layout, called by the chart on every frame.
  void AdjustMaxMin();
  void InternalCalcPositions();
  void CalcRect(TRect& rect, bool resizeChart);
  int GetRectangleEdge(const TRect& rect) const;
  void InflateAxisRect(TRect& rect, int size) const;
  int InflateAxisPos(int pos, int amount) const;
  int ApplyPosition(int pos, const TRect& rect) const;
  int SizeTickAxis(bool withTicks) const;
  int SizeLabels() const;
  int InternalCalcSize(TQuilCustomShape& shape, int angle, int fixedSize, const std::string& text) const;
  int MaxLabelsWidth() const;
  // Bracket one drawing of the chart: the point labels are collected once within it.
  void BeginDrawing();
  void EndDrawing();

  // Mappings of the current frame.
  int CalcPosValue(double value) const { return scale_->CalcPosValue(value); }
  int CalcXPosValue(double value) const { return scale_->CalcXPosValue(value); }
  int CalcYPosValue(double value) const { return scale_->CalcYPosValue(value); }
  double CalcPosPoint(int pixel) const { return scale_->CalcPosPoint(pixel); }
  int IStartPos() const { return scale_->IStartPos(); }
  int IEndPos() const { return scale_->IEndPos(); }
  int ICenterPos() const { return scale_->ICenterPos(); }
  int IAxisSize() const { return scale_->IAxisSize(); }
  double IMinimum() const { return scale_->IMinimum(); }
  double IMaximum() const { return scale_->IMaximum(); }

  // Positions across the axis computed by CalcRect, and the depth of the frame.
  int PosAxis = 0;
  int PosLabels = 0;
  int PosTitle = 0;
  int IZPos = 0;
  int IWallSize = 0;
  // The tick positions and labels of the last drawing.
  const TAxisLabels& FrameLabels() const { return frameLabels_; }
  // Where the labels of the last drawing went, in device pixels, turned and projected as drawn.
  // Crowded or squeezed axes show what fits: labels that would reach outside the chart's bounds
  // are left out, and so are value labels and fixed items that would overlap a neighbour in
  // their row (value labels are thinned to every n-th, so they stay evenly spaced); point
  // labels follow LabelsSeparation alone. With TickOnLabelsOnly the ticks and grid lines of
  // left-out labels go with them.
  const std::vector<TRect>& LabelBounds() const { return labelBounds_; }

  // Mouse. The rectangle a click on the axis hits, from the last layout: along the axis its
  // pixel span, across it the line and, when labels show, the labels' side up to QuilAxisClickGap
  // pixels beyond the line.
  TRect AxisRect() const;
  // The chart shows the axis and p lies on its rectangle (projected at the axis' depth in 3D),
  // edges included.
  bool Clicked(TPoint p) const;
  bool Clicked(int x, int y) const { return Clicked(TPoint{x, y}); }
  // Moves both ends by offset and fixes the range (the automatic flags go off). With
  // checkLimits only while the range stays inside the series' data, and never by 0. An offset
  // that would take an end past the largest double changes nothing.
  void Scroll(double offset, bool checkLimits);

  // Draws the axis with the chart's canvas; CalcPosAxis places the line from ChartRect first.
  void Draw(bool calcPosAxis);
  // Draws the axis again over a wall drawn after the series, leaving out the grid lines on the
  // back wall, which that wall does not cover.
  void DrawWithoutBackGrid();
  // Draws the grid of the last drawing again, before a back wall drawn after the series: only
  // the lines on the back wall, not their parts running in depth.
  void DrawBackGrid();

  void Assign(const TPersistent& source) override;
  void DefineProperties(TFiler& filer) override;

 protected:
  template <class T>
  void Store(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Repaint();
  }
  void Repaint() const;
  void ScaleChanged(TAxisScaleChange change) const;
  void InitVisible(bool value) { visible_ = value; }

 private:
  void CreateParts();
  void DrawTitle();
  void PlaceTitleBounds(TPoint anchor, int width, int height, int align, int angle);
  void DrawTicksGrid();
  void DrawLineSegment(int start, int end);
  void DrawTicks(const std::vector<int>& ticks, int length, int sign);
  std::vector<int> MinorTickPositions() const;
  void DrawGrids();
  void DrawGridLine(int pos);
  // Where one label of FrameLabels goes: the anchor and alignment it is drawn with and the box
  // it covers in device pixels.
  struct TLabelPlace {
    std::size_t Item = 0;
    int X = 0, Y = 0, Z = 0, Align = 0;
    TRect Bounds;
  };
  std::vector<TLabelPlace> PlaceLabels();
  TLabelPlace PlaceAxisLabel(int x, int y, int z, const std::string& text);
  void FitLabels();
  // With TickOnLabelsOnly a label left out takes its tick along.
  void DropTicksOfLabels(const std::vector<bool>& dropped);
  void DrawLabels();
  void GenerateLabels();
  void ClearChartLinks();
  int TextHeightW() const;
  // The vertical position of a depth axis: the floor's front edge on the other side.
  int DepthAxisY() const;

  TCustomAxisPanel* chart_ = nullptr;
  std::string identifier_;
  bool horizontal_;
  bool otherSide_;
  bool standard_ = false;
  bool isVisible_ = true;
  bool resizeChart_ = false;

  std::unique_ptr<TAxisScale> scale_;
  std::unique_ptr<TAxisChartSeriesSource> seriesSource_;
  std::unique_ptr<TAxisCanvasMeasurer> measurer_;
  std::unique_ptr<ROvedeAxisPen> axisPen_;
  std::unique_ptr<TAxisGridPen> grid_;
  std::unique_ptr<TQuilPen> minorGrid_;
  std::unique_ptr<TQuilPen> ticks_;
  std::unique_ptr<TQuilPen> ticksInner_;
  std::unique_ptr<TQuilPen> minorTicks_;
  std::unique_ptr<TAxisLabelsFormat> labelsFormat_;
  std::unique_ptr<ROvedeAxisTitle> title_;
  std::vector<TAxisItem> items_;
  TAxisLabels frameLabels_;
  bool hideBackGrid_ = false;
  bool hideSideGrid_ = false;
  std::vector<TLabelPlace> labelPlaces_;
  std::vector<TRect> labelBounds_;

  bool visible_ = true;
  bool labels_ = true;
  TAxisLabelAlign labelsAlign_ = alDefault;
  bool labelsBehind_ = false;
  int labelsSize_ = 0;
  int labelsMarginToAxis_ = 10;
  int tickLength_ = 4;
  int tickInnerLength_ = 0;
  int minorTickLength_ = 2;
  int minorTickCount_ = 3;
  bool tickOnLabelsOnly_ = true;
  int titleSize_ = 0;
  double startPosition_ = 0;
  double endPosition_ = 100;
  double positionPercent_ = 0;
  TQuilUnits positionUnits_ = muPercent;
  double zPosition_ = 0;
  double defaultZPosition_ = 0;
};

// An axis that runs in depth: hidden by default, labelling the series' depth slots with their
// titles; inverting one depth axis of a chart inverts the other as well.
class ROvedeDepthAxis : public ROvedeAxis {
  QUIL_PERSISTENT_CLASS

 public:
  ROvedeDepthAxis(TCustomAxisPanel* chart, bool otherSide);

  bool IsDepthAxis() const override { return true; }
  bool LabelsAsSeriesTitles() const { return Scale().LabelsAsSeriesTitles(); }
  void SetLabelsAsSeriesTitles(bool value) { Scale().SetLabelsAsSeriesTitles(value); }
  void SetInverted(bool value) override;
};

// The six standard axes of a chart, in the order Bottom, Top, Left, Right, Depth, DepthTop,
// already listed in the chart's Axes.
std::vector<std::unique_ptr<ROvedeAxis>> CreateStandardAxes(TCustomAxisPanel& chart);

}  // namespace quil

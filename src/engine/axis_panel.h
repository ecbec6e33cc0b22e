#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/chart_axes.h"
#include "engine/chart_tools.h"
#include "engine/custom_axes.h"
#include "engine/series_events.h"
#include "engine/series_list.h"
#include "engine/series_selected.h"
#include "engine/tool_events.h"
#include "panel/quil_panel_extended.h"

namespace quil {

class ROvedeAxis;
class ROvedeSeries;
class TMetaClass;

// The chart panel with series and tools: it keeps the series list and the tools list, tells
// tools about every stage of a frame and about mouse input, gives series their depth slots and
// automatic colours, and runs the frame whose walls, titles and legend the chart supplies.
// The series and tools are not owned: they are components of their owner, and the panel clears
// their links to it when it goes (tools it can destroy are destroyed with it).
class TCustomAxisPanel : public TCustomQuilPanelExtended {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TCustomAxisPanel(TComponent* owner = nullptr);
  ~TCustomAxisPanel() override;

  // A stored chart holds its series, then its tools, then its child controls.
  void GetChildren(const std::function<void(TComponent&)>& proc, TComponent& root) override;

  // Series.
  const ROvedeSeriesList& SeriesList() const { return seriesList_; }
  int SeriesCount() const { return seriesList_.Count(); }
  // "List index out of bounds (%d)" outside 0..SeriesCount-1.
  ROvedeSeries& Series(int index) const { return seriesList_[index]; }
  // The series joins this chart through its ParenrOvede.
  ROvedeSeries& AddSeries(ROvedeSeries& series);
  // Creates a series of that class owned by the chart's owner (the chart itself without one).
  ROvedeSeries& AddSeries(const TMetaClass& seriesClass);
  // Appends a series whose ParenrOvede is being set; nothing when it is already listed.
  void InternalAddSeries(ROvedeSeries& series);
  void RemoveSeries(ROvedeSeries& series);
  void RemoveSeries(int index);
  // Swaps two list positions of this chart.
  void ExchangeSeries(int index1, int index2);
  // Within one chart swaps their positions; across charts each series moves to the other's chart.
  static void ExchangeSeries(ROvedeSeries& a, ROvedeSeries& b);
  // Destroys every series (of that class and its descendants, when given) that has an owner;
  // one owned by nobody leaves the chart.
  void FreeAllSeries(const TMetaClass* seriesClass = nullptr);
  int CountActiveSeries() const;

  // Legend texts of series.
  ROvedeSeries* SeriesLegend(int itemIndex, bool onlyActive) const;
  ROvedeSeries* ActiveSeriesLegend(int itemIndex) const { return SeriesLegend(itemIndex, true); }
  std::string SeriesTitleLegend(int seriesIndex, bool onlyActive = false) const;
  std::string SeriesTitleOrName(const ROvedeSeries& series, bool removeBreaks = false) const;
  std::string SeriesNameOrIndex(const ROvedeSeries& series) const;
  // The colour behind the legend's symbols, which the chart's legend sets when it lays itself
  // out, and the pen series frame their symbols with instead of their own, when one is set.
  TColor LegendColor() const { return legendColor_; }
  void SetLegendColor(TColor color) { legendColor_ = color; }
  TQuilPen& LegendPen();
  const TQuilPen* LegendPenOrNull() const { return legendPen_.get(); }
  // Draws one legend symbol over rect with the canvas's brush and pen (or graphic stretched over
  // it); the chart's legend gives symbols their look. Here: a plain rectangle.
  virtual void DrawLegendShape(const TRect& rect, const TBitmap* graphic);

  // Colours.
  // The chart's own palette, or empty for the global QuilColorPalette.
  const std::vector<TColor>& ColorPalette() const { return colorPalette_; }
  void SetColorPalette(std::vector<TColor> colors);
  TColor GetDefaultColor(int index) const;
  TColor GetFreeSeriesColor(bool checkBackground, const ROvedeSeries* series) const;
  // No other series has the colour as its series colour; the chart adds its background check.
  virtual bool IsFreeSeriesColor(TColor color, bool checkBackground, const ROvedeSeries* series) const;
  // Every series without a colour of its own gets a free one again.
  void ColorPaletteChanged();

  // Tools and broadcasts.
  ROvedeTools& Tools() { return tools_; }
  const ROvedeTools& Tools() const { return tools_; }
  void BroadcastToolEvent(ROvedeToolEvent event);
  void BroadcastToolSeriesEvent(ROvedeToolEvent event, ROvedeSeries& series);
  // Stops after a tool that leaves CancelMouse set.
  void BroadcastToolMouseEvent(ROvedeMouseEvent event, TMouseButton button, TShiftState shift, int x, int y);
  void BroadcastWheelEvent(TWheelMouseEvent event, int delta, int x, int y);
  void BroadcastKeyEvent(ROvedeKeyEvent event, int& key, TShiftState shift);
  void BroadcastDragDropEvent(ROvedeDragDropEvent event, TComponent* source, int x, int y, bool& accept);
  // Tells the panel's listeners; nothing while DoNotBroadcast.
  void BroadcastSeriesEvent(ROvedeSeries& series, ROvedeSeriesEvent event);
  bool DoNotBroadcast = false;

  // Axes, filled by the axis module; an axis leaving the chart is taken out here.
  ROvedeAxes& Axes() { return axes_; }
  const ROvedeAxes& Axes() const { return axes_; }
  void RemoveAxis(ROvedeAxis& axis);
  // The axes added beyond the standard ones, owned here and listed in Axes after them.
  ROvedeCustomAxes& CustomAxes() { return *customAxes_; }
  const ROvedeCustomAxes& CustomAxes() const { return *customAxes_; }
  // The thickness of the wall on the axis' side, which the axis keeps clear of.
  int AxisWallSize(const ROvedeAxis& axis) const { return CalcWallSize(axis); }
  // The first active series drawn against the axis, else the first one drawn against it at
  // all, else none.
  ROvedeSeries* GetAxisSeries(const ROvedeAxis& axis) const;
  // The chart that lists the axis, or none.
  static TCustomAxisPanel* ChartOfAxis(const ROvedeAxis& axis);

  // Depth.
  void SetSeriesZOrder();
  int MaxZOrder() const { return maxZOrder_; }
  void SetMaxZOrder(int value) { maxZOrder_ = value; }
  int SeriesWidth3D() const { return seriesWidth3D_; }
  int SeriesHeight3D() const { return seriesHeight3D_; }
  bool InvertedRotation() const { return invertedRotation_; }
  // Depth of one slot and of the whole 3D box, from Chart3DPercent or a fixed Width3D.
  void CalcSize3DWalls();
  // A depth fixed by the user instead of the one derived from the chart width.
  bool CustomWidth3D() const { return customWidth3D_; }
  void SetCustomWidth3D(int width3D);
  void ClearCustomWidth3D() { customWidth3D_ = false; }
  // Whether the series are drawn from the first to the last: the depth axis decides, turned
  // around once more for a 3D view from the back on a canvas without full rotation.
  bool DrawSeriesAscending();

  // Settings.
  int Chart3DPercent() const { return chart3DPercent_; }
  // Clamped to 1..100.
  void SetChart3DPercent(int value);
  bool AxisVisible() const { return axisVisible_; }
  void SetAxisVisible(bool value) { SetBooleanProperty(axisVisible_, value); }
  bool AxisBehind() const { return axisBehind_; }
  void SetAxisBehind(bool value) { SetBooleanProperty(axisBehind_, value); }
  bool ClipPoints() const { return clipPoints_; }
  void SetClipPoints(bool value) { SetBooleanProperty(clipPoints_, value); }
  bool View3DWalls() const { return view3DWalls_; }
  void SetView3DWalls(bool value) { SetBooleanProperty(view3DWalls_, value); }
  int ParallelThreads() const { return parallelThreads_; }
  void SetParallelThreads(int value) { parallelThreads_ = value; }
  // The chart-wide hover switch and look.
  TQuilHover& Hover() { return *hover_; }
  const TQuilHover& Hover() const { return *hover_; }
  void SetHover(const TQuilHover& hover) { hover_->Assign(hover); }

  // Mouse.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  // Asks the active series, last first, whether one of them is under the mouse.
  bool CheckMouseSeries(int x, int y);

  std::function<void(TCustomAxisPanel&, ROvedeSeries&)> OnAddSeries;
  std::function<void(TCustomAxisPanel&, ROvedeSeries&)> OnRemoveSeries;
  std::function<void(TCustomAxisPanel&)> OnBeforeDrawChart;
  std::function<void(TCustomAxisPanel&)> OnBeforeDrawAxes;
  std::function<void(TCustomAxisPanel&)> OnBeforeDrawSeries;
  // When assigned, series call it instead of drawing each point themselves.
  std::function<void(ROvedeSeries&, int valueIndex)> OnDrawValue;

 protected:
  // The frame: background, tool stages, depth slots, walls, axes and series, titles and legend.
  void InternalDraw(const TRect& userRect) override;
  void DrawAxesSeries();
  void DrawAllSeries();
  void DrawSeries(ROvedeSeries& series);
  // The series that share the depth slot of first, drawn point by point together.
  void DrawSharedSlot(ROvedeSeries& first);
  void DrawAllAxis();
  void Notification(TComponent* component, TOperation operation) override;

  // What the chart supplies.
  virtual void CalcWallsRect() = 0;
  virtual int CalcWallSize(const ROvedeAxis& axis) const = 0;
  virtual void DrawWalls() = 0;
  virtual void DrawTitlesAndLegend(bool beforeSeries) = 0;

  // What the axis module supplies: axis layout and drawing; nothing until then.
  virtual void CalcAxisRect() {}
  // Widens the automatic axis ranges by the room series need beyond their points and by the
  // axes' pixel offsets.
  virtual void CalcSeriesRect();
  virtual void DrawAxes() {}
  virtual bool DepthAxisInverted() const { return false; }
  // The zoom rectangle of a drag in progress, drawn over the frame by the chart.
  virtual void DrawZoomRectangleInFrame() {}

  // The rest of a button press, move or release after the tools had it: clicked parts, zoom
  // and scroll (the chart's).
  virtual void ChartMouseDown(TMouseButton, TShiftState, int, int) {}
  virtual void ChartMouseMove(TShiftState, int, int) {}
  virtual void ChartMouseUp(TMouseButton, TShiftState, int, int) {}

  virtual void DoOnAfterDraw();
  virtual void DoOnBeforeDrawAxes();
  virtual void DoOnBeforeDrawChart();
  virtual void DoOnBeforeDrawSeries();

  void SetSeriesWidth3D(int value) { seriesWidth3D_ = value; }
  void SetSeriesHeight3D(int value) { seriesHeight3D_ = value; }

 private:
  void CalcInvertedRotation();
  void FitSlotsInChart(int slots);
  void SetSeriesZPositions();
  void PrepareSeriesInParallel();
  void DetachAll();
  bool PreparedInParallel(const ROvedeSeries& series) const;
  void DrawPoint(ROvedeSeries& series, int index);
  void ClipSeries();
  TRect SeriesMarginsOf(const ROvedeAxis& axis) const;
  void ApplyAxisOffsets(const ROvedeAxis& axis, TRect& margins) const;
  void ApplyRecalcAxisMargins(ROvedeAxis& axis) const;

  // The series whose DoBeforeParallel ran on a worker thread in the current frame.
  std::vector<const ROvedeSeries*> preparedInParallel_;
  ROvedeSeriesList seriesList_;
  ROvedeTools tools_;
  ROvedeAxes axes_;
  std::unique_ptr<ROvedeCustomAxes> customAxes_;
  std::unique_ptr<TQuilHover> hover_;
  std::unique_ptr<TQuilPen> legendPen_;
  TColor legendColor_ = clQuilColor;
  std::vector<TColor> colorPalette_;
  int chart3DPercent_ = 15;
  int maxZOrder_ = 0;
  int seriesWidth3D_ = 0;
  int seriesHeight3D_ = 0;
  int parallelThreads_ = 1;
  bool axisVisible_ = true;
  bool axisBehind_ = true;
  bool clipPoints_ = true;
  bool view3DWalls_ = true;
  bool invertedRotation_ = false;
  bool customWidth3D_ = false;
};

// How much taller than wide the oblique depth of an orthogonal view is: tan of the ortho
// angle folded into 0..90 degrees; 1 for a perspective view. Infinite at 90 degrees.
double CalcOrthoRatio(bool orthogonal, int orthoAngle);

// A text on one line: column separators become blanks; the line feed of the first LF CR pair
// is deleted (or, without one, the carriage return of the first CR LF pair), so a break counts
// once; then every line separator and line feed left becomes a blank.
std::string RemoveLineBreaks(std::string text);

}  // namespace quil

#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/color.h"
#include "core/control.h"
#include "engine/axis_label_style.h"
#include "engine/custom_chart_series.h"
#include "engine/series_marks.h"
#include "engine/series_selected.h"
#include "engine/series_types.h"
#include "engine/value_lists.h"

namespace quil {

class ROvedeAxis;
class TMemoryStream;

// The base of every series kind: it owns the points (value lists, labels, point colours) and
// keeps them in step, joins a chart, chooses its colour, offers legend items, takes a depth
// slot and drives the drawing of its points through virtual operations. It draws nothing
// itself: DrawValue is empty here.
//
// A series kind whose chart-side answers depend on its own members leaves its chart first in
// its own destructor (SetParenrOvede(nullptr)); the base leaves it in any case.
class ROvedeSeries : public TCustomChartSeries, public IValueListOwner {
  QUIL_PERSISTENT_CLASS

 public:
  explicit ROvedeSeries(TComponent* owner = nullptr);
  ~ROvedeSeries() override;

  // Points and value lists.
  int Count() const { return xValues_->Count(); }
  ROvedeValueLists& ValuesList() override { return valuesList_; }
  const ROvedeValueLists& ValuesList() const { return valuesList_; }
  ROvedeValueList& XValues() const { return *xValues_; }
  ROvedeValueList& YValues() const { return *yValues_; }
  void SetXValues(const ROvedeValueList& list) { xValues_->Assign(list); }
  void SetYValues(const ROvedeValueList& list) { yValues_->Assign(list); }
  // The list of the values (Y of a vertical series) and the list of the positions.
  ROvedeValueList& MandatoryValueList() const { return yMandatory_ ? *yValues_ : *xValues_; }
  ROvedeValueList& NotMandatoryValueList() const { return yMandatory_ ? *xValues_ : *yValues_; }
  // The value list of that name (compared without regard to case), or none.
  ROvedeValueList* GetYValueList(const std::string& name) const { return valuesList_.Find(name); }
  bool YMandatory() const { return yMandatory_; }
  void SetYMandatory(bool value) { yMandatory_ = value; }

  virtual double GetxValue(int valueIndex) const { return xValues_->Value(valueIndex); }
  virtual double GetyValue(int valueIndex) const { return yValues_->Value(valueIndex); }
  double XValue(int valueIndex) const { return GetxValue(valueIndex); }
  double YValue(int valueIndex) const { return GetyValue(valueIndex); }
  // The point's label, empty when it has none.
  std::string XLabel(int valueIndex) const;
  void SetXLabel(int valueIndex, const std::string& label);
  // One label per point, or empty when no point has one.
  const std::vector<std::string>& Labels() const { return labels_; }
  // One colour per point once a point was given a colour of its own.
  const std::optional<std::vector<TColor>>& Colors() const { return colors_; }

  // Adding points; each answers the index the point got, or -1 when OnBeforeAdd refused it.
  virtual int AddXY(double x, double y, const std::string& label = {}, TColor color = clQuilColor);
  virtual int Add(double value, const std::string& label = {}, TColor color = clQuilColor);
  int AddX(double x, const std::string& label = {}, TColor color = clQuilColor);
  int AddY(double y, const std::string& label = {}, TColor color = clQuilColor);
  virtual int AddNull(const std::string& label = {});
  int AddNull(double value);
  virtual int AddNullXY(double x, double y, const std::string& label = {});
  // Each value with Add (or each pair with AddXY) in one update; answers the number of values.
  int AddArray(const std::vector<double>& values);
  int AddArray(const std::vector<double>& xValues, const std::vector<double>& yValues);
  // Copies one point of source (its values in every common list).
  virtual int AddChartValue(const ROvedeSeries& source, int valueIndex);
  // Copies one point with its colour and label and announces it.
  virtual void AddedValue(const ROvedeSeries& source, int valueIndex);
  // Replaces every point by those of source.
  virtual void AddValues(const ROvedeSeries& source);

  // Removing points. Delete raises ChartException QuilMsg_SeriesDelete past the last point.
  virtual void Delete(int valueIndex);
  virtual void Delete(int start, int quantity, bool removeGap = false);
  virtual void Clear();
  virtual void DeletedValue(const ROvedeSeries& source, int valueIndex);

  // Point colours; clNone marks a null point, clQuilColor the series colour.
  virtual TColor GetValueColor(int valueIndex) const;
  void SetValueColor(int valueIndex, TColor color);
  TColor ValueColor(int valueIndex) const { return GetValueColor(valueIndex); }
  bool IsNull(int valueIndex) const { return GetValueColor(valueIndex) == clNone; }

  void SwapValueIndex(int a, int b) override;
  void SortByLabels(ROvedeListOrder order = loAscending);
  // Sorts by the mandatory and then the non-mandatory list when they have an order.
  virtual void CheckOrder();
  void BeginUpdate() { ++iUpdating_; }
  void EndUpdate();
  bool Updating() const { return iUpdating_ > 0; }
  void RefreshSeries();

  // Told by the value lists and by this series' own changes; nothing while updating.
  void NotifyValue(TValueEvent event, int valueIndex) override;
  void Repaint() override { TCustomChartElement::Repaint(); }
  using TCustomChartElement::Repaint;
  void CheckDataSource() override {}

  // Series colour.
  TColor Color() const { return color_; }
  TColor SeriesColor() const { return color_ == clQuilColor ? iSeriesColor_ : color_; }
  virtual void SetSeriesColor(TColor value);
  // The colour in use while Color is automatic; the series stays automatic.
  void ChangeInternalColor(TColor value) { iSeriesColor_ = value; }
  // Back to automatic colour; the chart gives out free colours again.
  void SetDefaultColor();
  bool ColorEachPoint() const { return colorEachPoint_; }
  virtual void SetColorEachPoint(bool value);

  // Chart linkage.
  void SetParenrOvede(TCustomAxisPanel* chart) override;
  // Called by the chart when the series joins and leaves its list.
  virtual void Added();
  virtual void Removed();

  // Statistics used for axis ranges.
  virtual double MaxXValue() const { return xValues_->MaxValue(); }
  virtual double MinXValue() const { return xValues_->MinValue(); }
  virtual double MaxYValue() const { return yValues_->MaxValue(); }
  virtual double MinYValue() const { return yValues_->MinValue(); }
  // A plain series occupies its depth slot on the depth axis.
  virtual double MaxZValue() const { return ZOrder(); }
  virtual double MinZValue() const { return ZOrder(); }

  // Legend items (the legend lists values of one series).
  virtual int CountLegendItems() const { return Count(); }
  virtual int LegendToValueIndex(int legendIndex) const { return legendIndex; }
  virtual int ValueIndexToLegend(int valueIndex) const { return valueIndex; }
  virtual int CalcLegendIndex(int legendIndex) const { return legendIndex; }
  virtual TColor LegendItemColor(int legendIndex) const { return GetValueColor(legendIndex); }
  virtual std::string LegendString(int legendIndex, TLegendTextStyle style) const;
  virtual bool InvertedLegend() const { return false; }
  // Draws the symbol of one legend row over rect (valueIndex -1: the whole series' symbol) with
  // the series' colours; nothing for a null colour or without a chart.
  virtual void DrawLegend(int valueIndex, const TRect& rect);
  // The value a mark and a legend row show: the mandatory value.
  virtual double GetMarkValue(int valueIndex) const { return MandatoryValueList().Value(valueIndex); }
  virtual double GetOriginValue(int valueIndex) const { return GetMarkValue(valueIndex); }
  virtual bool HasPointLabels() const { return false; }
  // The label style the series suggests to an axis: mandatoryAxis is true for the axis that
  // shows the mandatory values.
  TAxisLabelStyle AxisLabelStyleFor(bool mandatoryAxis) const;
  // The same for one of the chart's axes, in automatic label mode.
  virtual TAxisLabelStyle AxisLabelStyle(const ROvedeAxis& axis) const;

  // The axes the series draws against, resolved from HorizAxis and VertAxis; none without a
  // chart.
  ROvedeAxis* GetHorizAxis() const { return getHorizAxis_; }
  ROvedeAxis* GetVertAxis() const { return getVertAxis_; }
  // The resolution again, after the chart's axes or the series' choices changed.
  virtual void RecalcGetAxis();
  // The series draws against the axis (every depth axis counts).
  bool AssociatedToAxis(const ROvedeAxis& axis) const;
  // XValues for an associated horizontal axis, YValues for an associated vertical one; a kind
  // with depth values answers for the depth axis.
  virtual ROvedeValueList* ValueListOfAxis(const ROvedeAxis& axis) const;
  // Leaves the custom axis the chart is about to lose.
  void ForgetCustomAxis(const ROvedeAxis& axis);

  // Pixels of points and values on the resolved axes; 0 (or a value of 0) while the series
  // has no such axis.
  int CalcXPos(int valueIndex) const { return CalcXPosValue(GetxValue(valueIndex)); }
  int CalcYPos(int valueIndex) const { return CalcYPosValue(GetyValue(valueIndex)); }
  int CalcXPosValue(double value) const;
  int CalcYPosValue(double value) const;
  // The pixel of a value on the axis of the mandatory values.
  int CalcPosValue(double value) const { return yMandatory_ ? CalcYPosValue(value) : CalcXPosValue(value); }
  int CalcXSizeValue(double value) const;
  int CalcYSizeValue(double value) const;
  double XScreenToValue(int pixel) const;
  double YScreenToValue(int pixel) const;
  // The point's pixel lies in the chart rectangle, edges included.
  bool IsPointInChartRect(int valueIndex) const;
  // Room a series kind needs beyond its points on an axis with an automatic end.
  virtual void RecalcAxisMargins(const ROvedeAxis&, TRect&) {}

  // Depth slots.
  int ZOrder() const { return zOrder_ == -1 ? iZOrder_ : zOrder_; }
  void SetZOrder(int value);
  bool AutomaticZOrder() const { return zOrder_ == -1; }
  int IZOrder() const { return iZOrder_; }
  void SetIZOrder(int value) { iZOrder_ = value; }
  int Depth() const { return depth_; }
  void SetDepth(int value) { SetIntegerProperty(depth_, value); }
  int StartZ() const { return startZ_; }
  int MiddleZ() const { return middleZ_; }
  int EndZ() const { return endZ_; }
  virtual void CalcZOrder();
  virtual void CalcDepthPositions();
  virtual bool MoreSameZOrder() const;
  bool FirstInZOrder() const;
  bool HasZValues() const { return hasZValues_; }
  void SetHasZValues(bool value) { hasZValues_ = value; }

  // Visible range and drawing.
  int FirstVisibleIndex() const { return firstVisibleIndex_; }
  int LastVisibleIndex() const { return lastVisibleIndex_; }
  void CalcFirstLastVisibleIndex();
  bool CalcVisiblePoints() const { return calcVisiblePoints_; }
  void SetCalcVisiblePoints(bool value) { calcVisiblePoints_ = value; }
  bool DrawBetweenPoints() const { return drawBetweenPoints_; }
  void SetDrawBetweenPoints(bool value) { drawBetweenPoints_ = value; }
  bool AllowSinglePoint() const { return allowSinglePoint_; }
  void SetAllowSinglePoint(bool value) { allowSinglePoint_ = value; }
  virtual void BeforeCalcAxis() {}
  virtual void DoBeforeDrawValues();
  virtual void DoAfterDrawValues();
  virtual bool CanBeforeParallel() const { return false; }
  // Preparation that may run on a worker thread (ParallelThreads); must not touch shared state.
  virtual void DoBeforeParallel() {}
  virtual void DrawAllValues();
  virtual void DrawValue(int) {}
  virtual void DrawMarks() {}
  // A custom drawing order of the points first..last, or none for index order.
  virtual std::optional<std::vector<int>> SortDrawPoints(int first, int last, bool forward);
  virtual bool DrawValuesForward() const;
  virtual bool DrawSeriesForward(int valueIndex) const;
  virtual bool UseAxis() const { return true; }
  virtual bool CanZoomScroll() const { return true; }

  // Hover and clicks.
  // The point under (x, y), or -1; the base finds none.
  virtual int Clicked(int x, int y);
  int Clicked(TPoint p) { return Clicked(p.X, p.Y); }
  // Whether p hits the pointer drawn for the point at (x, y); the base draws none.
  virtual bool ClickedPointer(int valueIndex, int x, int y, TPoint p);
  // The program reacts to clicks on the series (OnClick or OnDblClick).
  bool RaiseClicked() const { return OnClick || OnDblClick; }
  // A press on the point (on its pointer when isPointer): OnDblClick for a double click,
  // OnClick otherwise.
  virtual void MouseDown(int valueIndex, bool isPointer, TMouseButton button, TShiftState shift, int x, int y);
  virtual bool CheckMouse(int x, int y);
  bool HoverEnabled() const;
  THoverElements HoverElement() const { return hoverElement_; }
  void SetHoverElement(THoverElements value) { hoverElement_ = value; }

  // Settings.
  TSeriesMarks& Marks();
  const TSeriesMarks* MarksOrNull() const { return marks_.get(); }
  void SetMarks(const TSeriesMarks& marks) { Marks().Assign(marks); }
  TQuilSelected& Selected();
  const TQuilSelected* SelectedOrNull() const { return selected_.get(); }
  void SetSelected(const TQuilSelected& selected) { Selected().Assign(selected); }
  int Transparency() const { return transparency_; }
  virtual void SetTransparency(int value);
  const std::string& ValueFormat() const { return valueFormat_; }
  virtual void SetValueFormat(const std::string& value) { SetStringProperty(valueFormat_, value); }
  const std::string& PercentFormat() const { return percentFormat_; }
  void SetPercentFormat(const std::string& value) { SetStringProperty(percentFormat_, value); }
  double DefaultNull() const { return defaultNull_; }
  void SetDefaultNull(double value) { defaultNull_ = value; }
  int Cursor() const { return cursor_; }
  void SetCursor(int value) { cursor_ = value; }
  TTreatNullsStyle TreatNulls() const { return treatNulls_; }
  void SetTreatNulls(TTreatNullsStyle value);
  TSeriesRecalcOptions RecalcOptions() const { return recalcOptions_; }
  void SetRecalcOptions(TSeriesRecalcOptions value) { recalcOptions_ = value; }
  THorizAxis HorizAxis() const { return horizAxis_; }
  void SetHorizAxis(THorizAxis value);
  TVertAxis VertAxis() const { return vertAxis_; }
  void SetVertAxis(TVertAxis value);
  ROvedeAxis* CustomHorizAxis() const { return customHorizAxis_; }
  void SetCustomHorizAxis(ROvedeAxis* axis);
  ROvedeAxis* CustomVertAxis() const { return customVertAxis_; }
  void SetCustomVertAxis(ROvedeAxis* axis);
  const std::string& ColorSource() const { return colorSource_; }
  void SetColorSource(const std::string& value) { SetStringProperty(colorSource_, value); }
  const std::string& XLabelsSource() const { return xLabelsSource_; }
  void SetXLabelsSource(const std::string& value) { SetStringProperty(xLabelsSource_, value); }
  bool ManualData() const { return manualData_; }
  void SetManualData(bool value) { manualData_ = value; }

  // Random points for design-time previews.
  virtual void FillSampleValues(int count = 0);
  virtual int NumSampleValues() const { return 25; }
  int INumSampleValues() const { return iNumSampleValues_; }
  void SetINumSampleValues(int value) { iNumSampleValues_ = value; }

  void SetActive(bool value) override;
  // Copies settings and points; AssignFormatting copies the look alone.
  void Assign(const TPersistent& source) override;
  virtual void AssignFormatting(const ROvedeSeries& source);
  // "Data": the stored points; "CustomHorizAxis", "CustomVertAxis": the custom axes by their
  // index in the chart's CustomAxes.
  void DefineProperties(TFiler& filer) override;
  // Custom axes read before the series had its chart are looked up now.
  void Loaded() override;
  // Reads the points of a "Data" value. A stream that ends early, or claims more points than it
  // holds, raises "Stream read error" and leaves the series as it was.
  void ReadData(TMemoryStream& stream);
  virtual void WriteData(TMemoryStream& stream) const;

  std::function<bool(ROvedeSeries&)> OnBeforeAdd;
  std::function<void(ROvedeSeries&, int valueIndex)> OnAfterAdd;
  std::function<void(ROvedeSeries&)> OnClearValues;
  std::function<void(ROvedeSeries&)> BeforeDrawValues;
  std::function<void(ROvedeSeries&)> AfterDrawValues;
  std::function<void(ROvedeSeries&, int valueIndex, TMouseButton, TShiftState, int x, int y)> OnClick;
  std::function<void(ROvedeSeries&, int valueIndex, TMouseButton, TShiftState, int x, int y)> OnDblClick;
  std::function<void(ROvedeSeries&, int valueIndex, std::string& markText)> OnGetMarkText;
  std::function<void(ROvedeSeries&)> OnMouseEnter;
  std::function<void(ROvedeSeries&)> OnMouseLeave;

 protected:
  // The axis range of the non-mandatory values (min at its minimum pixel end); false while the
  // series has no axis to ask, and then every point is visible.
  virtual bool VisibleAxisRange(double& minimum, double& maximum) const;
  // Whether the axis of the positions runs backwards; false while the series has no axes.
  virtual bool PositionAxisInverted() const;
  virtual void AddSampleValues(int count, bool onlyMandatory);
  virtual void ClearLists();
  virtual void NotifyNewValue(int valueIndex);
  virtual void NotifyColorChange(int valueIndex);
  // Lets a kind change the back colour and brush style its legend symbols are drawn with.
  virtual void PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& brushStyle);
  // Draws the prepared symbol through the chart, translucent with the series' Transparency.
  virtual void DrawLegendShape(int valueIndex, const TRect& rect);
  void BroadcastSeriesChange(ROvedeSeriesEvent event) override;
  void ChartChanged() override;

 private:
  int InsertPoint(const std::string& label, TColor color);
  void InsertColor(int index, TColor color);
  void DeleteFromLists(int start, int quantity);
  void CheckMouseLeaves(int found);
  void DefineCustomAxes(TFiler& filer);
  void ReadCustomAxis(bool horizontal, int index);
  void ResolveStoredCustomAxes();

  ROvedeValueLists valuesList_;
  ROvedeValueList* xValues_;
  ROvedeValueList* yValues_;
  std::vector<std::string> labels_;
  std::optional<std::vector<TColor>> colors_;
  std::unique_ptr<TSeriesMarks> marks_;
  std::unique_ptr<TQuilSelected> selected_;
  ROvedeAxis* customHorizAxis_ = nullptr;
  ROvedeAxis* customVertAxis_ = nullptr;
  // Stored custom axis indices not yet looked up in the chart, or -1.
  int storedCustomHorizAxis_ = -1;
  int storedCustomVertAxis_ = -1;
  ROvedeAxis* getHorizAxis_ = nullptr;
  ROvedeAxis* getVertAxis_ = nullptr;
  std::string valueFormat_;
  std::string percentFormat_;
  std::string colorSource_;
  std::string xLabelsSource_;
  double defaultNull_ = 0;
  TColor color_ = clQuilColor;
  TColor iSeriesColor_ = clQuilColor;
  THorizAxis horizAxis_ = aBottomAxis;
  TVertAxis vertAxis_ = aLeftAxis;
  TTreatNullsStyle treatNulls_ = tnDontPaint;
  TSeriesRecalcOptions recalcOptions_ = kAllRecalcOptions;
  THoverElements hoverElement_ = (1u << heCurrent);
  int zOrder_ = -1;
  int iZOrder_ = 0;
  int depth_ = -1;
  int startZ_ = 0;
  int middleZ_ = 0;
  int endZ_ = 0;
  int firstVisibleIndex_ = -1;
  int lastVisibleIndex_ = -1;
  int transparency_ = 0;
  int cursor_ = crDefault;
  int iUpdating_ = 0;
  int iNumSampleValues_ = 0;
  bool yMandatory_ = true;
  bool colorEachPoint_ = false;
  bool calcVisiblePoints_ = true;
  bool drawBetweenPoints_ = false;
  bool allowSinglePoint_ = true;
  bool hasZValues_ = false;
  bool manualData_ = false;
  bool mouseInside_ = false;
};

}  // namespace quil

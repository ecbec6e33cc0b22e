#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/legend_items.h"
#include "chart/legend_symbol.h"
#include "chart/legend_title.h"
#include "chart/legend_types.h"
#include "engine/series_selected.h"
#include "engine/series_types.h"
#include "panel/text_shape.h"

namespace quil {

class TCustomChart;
class ROvedeSeries;

// The chart's legend: a framed box beside the chart that lists the series, or the values of
// one series, each item with texts in up to three columns and a symbol the series draws. On
// every paint it decides what to list, measures the items, takes its room from the chart
// rectangle and draws; the layout of the last paint answers which item lies under a point.
class TCustomChartLegend : public TQuilCustomShapePosition {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TCustomChartLegend(TCustomChart& chart);
  ~TCustomChartLegend() override;

  TCustomChart& Chart() const { return chart_; }

  // Settings.
  TLegendAlignment Alignment() const { return alignment_; }
  void SetAlignment(TLegendAlignment v) { SetValue(alignment_, v); }
  bool CheckBoxes() const { return checkBoxes_; }
  void SetCheckBoxes(bool v) { SetValue(checkBoxes_, v); }
  TCheckBoxesStyle CheckBoxesStyle() const { return checkBoxesStyle_; }
  void SetCheckBoxesStyle(TCheckBoxesStyle v) { SetValue(checkBoxesStyle_, v); }
  // Kept for charts that show their points in pages; a chart without pages lists them all.
  bool CurrentPage() const { return currentPage_; }
  void SetCurrentPage(bool v) { SetValue(currentPage_, v); }
  TQuilHiddenPen& DividingLines() { return *dividingLines_; }
  const TQuilHiddenPen& DividingLines() const { return *dividingLines_; }
  void SetDividingLines(const TQuilPen& pen) { dividingLines_->Assign(pen); }
  bool DrawBehind() const { return drawBehind_; }
  void SetDrawBehind(bool v) { SetValue(drawBehind_, v); }
  int FirstValue() const { return firstValue_; }
  // LegendException QuilMsg_LegendFirstValue below 0.
  void SetFirstValue(int v);
  bool FontSeriesColor() const { return fontSeriesColor_; }
  void SetFontSeriesColor(bool v) { SetValue(fontSeriesColor_, v); }
  int GlobalTransparency() const { return globalTransparency_; }
  // Clamped to 0..100.
  void SetGlobalTransparency(int v);
  TLegendJustify HorizJustify() const { return horizJustify_; }
  void SetHorizJustify(TLegendJustify v) { SetValue(horizJustify_, v); }
  int HorizMargin() const { return horizMargin_; }
  void SetHorizMargin(int v) { SetValue(horizMargin_, v); }
  bool Inverted() const { return inverted_; }
  void SetInverted(bool v) { SetValue(inverted_, v); }
  int LeftPercent() const { return leftPercent_; }
  void SetLeftPercent(int v) { SetValue(leftPercent_, v); }
  TLegendStyle LegendStyle() const { return legendStyle_; }
  void SetLegendStyle(TLegendStyle v) { SetValue(legendStyle_, v); }
  int MaxNumRows() const { return maxNumRows_; }
  void SetMaxNumRows(int v) { SetValue(maxNumRows_, v); }
  TQuilUnits PositionUnits() const { return positionUnits_; }
  void SetPositionUnits(TQuilUnits v) { SetValue(positionUnits_, v); }
  bool ResizeChart() const { return resizeChart_; }
  void SetResizeChart(bool v) { SetValue(resizeChart_, v); }
  // The series whose values are listed; none chooses one from the chart.
  ROvedeSeries* Series() const { return series_; }
  void SetSeries(ROvedeSeries* series);
  // Clears Series when it is the component that is going away (only its address is compared).
  void ForgetSeries(const TComponent* component);
  TLegendTextStyle TextStyle() const { return textStyle_; }
  void SetTextStyle(TLegendTextStyle v) { SetValue(textStyle_, v); }
  int TextSymbolGap() const { return textSymbolGap_; }
  void SetTextSymbolGap(int v) { SetValue(textSymbolGap_, v); }
  int TopPercent() const { return topPercent_; }
  void SetTopPercent(int v) { SetValue(topPercent_, v); }
  // Offset of the legend along its side, in percent of the chart rectangle.
  int TopPos() const { return topPos_; }
  void SetTopPos(int v) { SetValue(topPos_, v); }
  int VertMargin() const { return vertMargin_; }
  void SetVertMargin(int v) { SetValue(vertMargin_, v); }
  int VertSpacing() const { return vertSpacing_; }
  void SetVertSpacing(int v) { SetValue(vertSpacing_, v); }
  // The symbol's width setting, in its own units.
  int ColorWidth() const { return symbol_->Width(); }
  void SetColorWidth(int v) { symbol_->SetWidth(v); }

  TLegendSymbol& Symbol() { return *symbol_; }
  const TLegendSymbol& Symbol() const { return *symbol_; }
  void SetSymbol(const TLegendSymbol& symbol) { symbol_->Assign(symbol); }
  TLegendTitle& Title() { return *title_; }
  const TLegendTitle& Title() const { return *title_; }
  void SetTitle(const TLegendTitle& title) { title_->Assign(title); }
  // Created on first use, hidden.
  TQuilSelected& Selected();
  const TQuilSelected* SelectedOrNull() const { return selected_.get(); }
  void SetSelected(const TQuilSelected& selected) { Selected().Assign(selected); }
  // The items as last drawn, or items the program supplies (Custom).
  TLegendItems& Items() { return items_; }
  const TLegendItems& Items() const { return items_; }

  // Text column widths follow the texts (on) or ColumnWidths (off).
  bool ColumnWidthAuto = true;
  std::array<int, 3> ColumnWidths{};

  // Lets the program change a computed size: the width of a vertical legend, the offset of a
  // bottom legend from the chart rectangle.
  std::function<void(TCustomChartLegend&, int& size)> OnCalcSize;

  // What is listed.
  bool Vertical() const { return alignment_ == laLeft || alignment_ == laRight; }
  // Visible, and the chart has check boxes on the legend or an active series.
  bool ShouldDraw() const;
  // LegendStyle, with lsAuto resolved from the chart's series.
  TLegendStyle CalcLegendStyle() const;
  // The style of the last layout.
  TLegendStyle InternalLegendStyle() const { return style_; }
  // The series whose values a value style lists, or none.
  ROvedeSeries* GetLegendSeries() const;
  // The number of items available from FirstValue on.
  int CalcTotalItems() const;
  // The text of item index (columns separated by QuilColumnSeparator).
  std::string FormattedLegend(int index) const;
  // The colour of item index: its series' colour, or the colour of the value it lists.
  TColor ItemColor(int index) const;
  // Inverted, turned around once more for a value legend whose series lists backwards.
  bool CalcInverted() const;
  bool HasCheckBoxes() const;
  // The height of one item row with the legend font on the chart's canvas, spacing included.
  int CalcItemHeight();

  // Layout and drawing, called by the chart on every paint.
  void CalcRect();
  void DrawLegend();
  // Forgets the last layout: nothing is listed and no point hits an item.
  void ClearLayout();

  // The layout of the last paint.
  int TotalItems() const { return totalItems_; }
  // The first and last item listed, and how many there are (0 when nothing is).
  int ListedFirst() const { return layoutFirst_; }
  int LastValue() const { return layoutFirst_ + listed_ - 1; }
  int ListedItems() const { return listed_; }
  int NumRows() const { return numRows_; }
  int NumCols() const { return numCols_; }
  bool IJustify() const { return justify_; }
  int ItemHeight() const { return itemHeight_; }
  int ItemsTopMargin() const { return itemsTopMargin_; }
  // The top of the first item row: below the frame and the title.
  int FirstItemTop() const { return ShapeBounds.Top + firstItemOffset_; }
  // The largest symbol width of the listed items.
  int IColorWidth() const { return colorWidth_; }
  int XLegendText() const { return ShapeBounds.Left + frameHalf_ + textOffset_; }
  int XLegendColor() const { return ShapeBounds.Left + frameHalf_ + symbolOffset_; }
  int XLegendBox() const { return ShapeBounds.Left + frameHalf_ + kBoxOffset; }
  // The rectangle the item at a listing position (0 = first drawn) is drawn in: its row band,
  // spacing included, and its column.
  TRect PositionRect(int position) const;
  // The width of the column of a horizontal legend at index (every column of a justified one).
  int ColumnWidth(int index) const;

  // Clicks.
  // The item under the point, or -1: only items of the last paint, anywhere in their rows.
  int Clicked(int x, int y) const;
  int Clicked(TPoint p) const { return Clicked(p.X, p.Y); }
  // Selects the item and, with check boxes, switches series on and off; true when it did.
  bool DoMouseDown(int x, int y, int index);
  // The cursor over the legend.
  int CalcCursor() const;

  void Assign(const TPersistent& source) override;

 private:
  static constexpr int kBoxOffset = 4;

  // One listed item as measured: its column texts and widths and its symbol width.
  struct TMeasuredItem {
    std::array<std::string, 3> Texts;
    std::array<int, 3> Widths{};
    int TextWidth = 0;
    int SymbolWidth = 0;
  };

  template <class T>
  void SetValue(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Repaint();
  }

  int FrameSize() const;
  void ApplyCustomPosition();
  void MeasureItems(int count);
  int TextBlockWidth(const std::array<int, 3>& widths) const;
  int ItemWidth(const TMeasuredItem& item, bool ownColumns) const;
  int SymbolRoom() const;
  int CheckBoxRoom() const;
  int TitleExtraHeight() const;
  int BoxHeight(int rows) const;
  int RowsThatFit(int top, int bottom) const;
  void LayoutVertical(bool custom);
  void LayoutHorizontal(bool custom);
  void PlaceVertical(bool custom, int width);
  void PlaceHorizontal(bool custom, int available);
  void ChooseColumns(int available, int maxRows);
  void CalcOffsets();
  void ResizeChartRect(int oldWidth, int oldHeight);
  int CellLeft(int column) const;
  int CellWidth(int column) const;
  int RowBandTop(int row) const;
  int PositionOfPoint(int x, int y) const;
  ROvedeSeries* SeriesOfItem(int index) const;
  void DrawTitle();
  void DrawItem(int index, int position);
  void DrawItemTexts(int index, const TMeasuredItem& item, int x, int y);
  TRect SymbolRect(int x, int y, int symbolWidth, int position) const;
  void DrawSymbol(int index, const TRect& rect);
  void DrawDividingLines(int position);
  void ToggleSeries(int index);

  TCustomChart& chart_;
  std::unique_ptr<TLegendSymbol> symbol_;
  std::unique_ptr<TLegendTitle> title_;
  std::unique_ptr<TQuilHiddenPen> dividingLines_;
  std::unique_ptr<TQuilSelected> selected_;
  TLegendItems items_;
  ROvedeSeries* series_ = nullptr;  // not owned; seriesLink_ clears it when the series goes
  // Asks to be told when Series is destroyed, whatever chart the series is in by then.
  std::unique_ptr<TComponent> seriesLink_;

  TLegendAlignment alignment_ = laRight;
  TCheckBoxesStyle checkBoxesStyle_ = cbsCheck;
  TLegendJustify horizJustify_ = ljAutomatic;
  TLegendStyle legendStyle_ = lsAuto;
  TLegendTextStyle textStyle_ = ltsLeftValue;
  TQuilUnits positionUnits_ = muPixels;
  int firstValue_ = 0;
  int globalTransparency_ = 0;
  int horizMargin_ = 0;
  int leftPercent_ = 0;
  int maxNumRows_ = 0;
  int textSymbolGap_ = 2;
  int topPercent_ = 0;
  int topPos_ = 10;
  int vertMargin_ = 0;
  int vertSpacing_ = 0;
  bool checkBoxes_ = false;
  bool currentPage_ = true;
  bool drawBehind_ = false;
  bool fontSeriesColor_ = false;
  bool inverted_ = false;
  bool resizeChart_ = true;

  // The layout of the last paint.
  std::vector<TMeasuredItem> measured_;
  std::array<int, 3> textColumns_{};
  std::vector<int> cellLefts_;
  TPoint customShift_;
  TLegendStyle style_ = lsAuto;
  std::vector<int> cellWidths_;
  int totalItems_ = 0;
  int layoutFirst_ = 0;
  int listed_ = 0;
  int titleWidth_ = 0;
  int titleHeight_ = 0;
  int numRows_ = 0;
  int numCols_ = 0;
  int itemHeight_ = 0;
  int itemsTopMargin_ = 0;
  int textHeight_ = 0;
  int spaceWidth_ = 0;
  int frameSize_ = 0;
  int frameHalf_ = 0;
  int firstItemOffset_ = 0;
  int colorWidth_ = 0;
  int symbolOffset_ = 0;
  int textOffset_ = 0;
  bool justify_ = false;
  bool drawTitle_ = false;
  bool inverting_ = false;
};

// The legend as the chart publishes it.
class ROvedeLegend : public TCustomChartLegend {
  QUIL_PERSISTENT_CLASS

 public:
  using TCustomChartLegend::TCustomChartLegend;
};

}  // namespace quil

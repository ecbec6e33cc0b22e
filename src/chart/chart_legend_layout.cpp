#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "canvas/canvas_types.h"
#include "chart/chart_legend.h"
#include "chart/custom_chart.h"
#include "core/rounding.h"
#include "panel/text_lines.h"

namespace quil {

namespace {

// The text split at its first two column separators; the third column keeps any further ones.
std::array<std::string, 3> SplitColumns(const std::string& text) {
  std::array<std::string, 3> columns;
  std::size_t start = 0;
  for (int k = 0; k < 2; ++k) {
    const std::size_t end = text.find(QuilColumnSeparator, start);
    if (end == std::string::npos) {
      columns[static_cast<std::size_t>(k)] = text.substr(start);
      return columns;
    }
    columns[static_cast<std::size_t>(k)] = text.substr(start, end - start);
    start = end + 1;
  }
  columns[2] = text.substr(start);
  return columns;
}

int ShadowSize(const TQuilShadow* shadow, bool vertical) {
  if (!shadow || !shadow->Visible()) return 0;
  return vertical ? shadow->VertSize() : shadow->HorizSize();
}

}  // namespace

int TCustomChartLegend::FrameSize() const {
  int size = Frame().Visible() ? Frame().Width() : 0;
  if (Bevel() != bvNone) size += BevelWidth();
  return size;
}

void TCustomChartLegend::ClearLayout() {
  measured_.clear();
  cellLefts_.clear();
  cellWidths_.clear();
  totalItems_ = 0;
  layoutFirst_ = firstValue_;
  listed_ = 0;
  numRows_ = 0;
  numCols_ = 0;
  colorWidth_ = 0;
  justify_ = false;
  drawTitle_ = false;
}

int TCustomChartLegend::TextBlockWidth(const std::array<int, 3>& widths) const {
  int width = 0;
  for (int w : widths)
    if (w > 0) width += w + spaceWidth_;
  return width > 0 ? width - 1 : 0;
}

int TCustomChartLegend::SymbolRoom() const {
  if (!symbol_->Visible() || style_ == lsSeriesGroups) return 0;
  int room = colorWidth_ + 4;
  if (symbol_->Shadow().Visible()) room += std::abs(symbol_->Shadow().HorizSize()) + 4;
  room += std::abs(symbol_->EmbossHorizSize());
  return room;
}

int TCustomChartLegend::CheckBoxRoom() const { return HasCheckBoxes() ? QuilCheckBoxSize + 4 : 0; }

int TCustomChartLegend::ItemWidth(const TMeasuredItem& item, bool ownColumns) const {
  return TextBlockWidth(ownColumns ? item.Widths : textColumns_) + textSymbolGap_ + 2 + SymbolRoom() + CheckBoxRoom();
}

int TCustomChartLegend::TitleExtraHeight() const { return drawTitle_ ? titleHeight_ + 4 : 0; }

// Rows, the margins above and below them, the frame, the title, and what the symbols' shadow
// and emboss hang below the last row.
int TCustomChartLegend::BoxHeight(int rows) const {
  int height = itemHeight_ * rows + 2 * itemsTopMargin_ + 2 + frameSize_ + TitleExtraHeight();
  if (symbol_->Visible()) {
    height += std::max(0, symbol_->ShadowVertSize() - itemHeight_ / 6);
    height += std::max(0, symbol_->EmbossVertSize() - itemHeight_ / 6);
  }
  return height;
}

// As many rows as leave the whole box between top and bottom.
int TCustomChartLegend::RowsThatFit(int top, int bottom) const {
  const int room = bottom - top - BoxHeight(0);
  return itemHeight_ > 0 && room > 0 ? room / itemHeight_ : 0;
}

void TCustomChartLegend::ApplyCustomPosition() {
  if (positionUnits_ == muPercent) {
    ShapeBounds.Left = QuilRound(leftPercent_ * chart_.Width() * 0.01);
    ShapeBounds.Top = QuilRound(topPercent_ * chart_.Height() * 0.01);
  }
  customShift_ = chart_.ChartBounds().TopLeft();
  ShapeBounds = OffsetRect(ShapeBounds, customShift_.X, customShift_.Y);
}

// Only the items that can be listed are measured, so a series of a million points costs no
// more than the rows the legend has room for.
void TCustomChartLegend::MeasureItems(int count) {
  TCanvas3D& canvas = chart_.Canvas();
  measured_.assign(static_cast<std::size_t>(std::max(0, count)), {});
  textColumns_ = {};
  for (int i = 0; i < count; ++i) {
    const std::string text = FormattedLegend(layoutFirst_ + i);
    canvas.AssignFont(DrawingFont());
    TMeasuredItem& item = measured_[static_cast<std::size_t>(i)];
    item.Texts = SplitColumns(text);
    for (std::size_t k = 0; k < 3; ++k) {
      if (!item.Texts[k].empty()) item.Widths[k] = canvas.TextWidth(item.Texts[k]);
      textColumns_[k] = std::max(textColumns_[k], item.Widths[k]);
    }
    item.TextWidth = TextBlockWidth(item.Widths);
  }
  if (!ColumnWidthAuto) textColumns_ = ColumnWidths;
  const int symbolHeight = symbol_->CalcHeight(itemHeight_, textHeight_);
  colorWidth_ = 0;
  for (TMeasuredItem& item : measured_) {
    item.SymbolWidth = std::max(0, symbol_->CalcWidth(item.TextWidth, symbolHeight, vertSpacing_));
    colorWidth_ = std::max(colorWidth_, item.SymbolWidth);
  }
}

// Where the symbol and the text of an item start, from the left of its cell.
void TCustomChartLegend::CalcOffsets() {
  const int start = 6 + CheckBoxRoom();
  const int shadow = symbol_->ShadowHorizSize();
  if (!symbol_->Visible() || style_ == lsSeriesGroups) {
    symbolOffset_ = start;
    textOffset_ = start + 2;
  } else if (symbol_->Position() == spLeft) {
    symbolOffset_ = start + (shadow < 0 ? -shadow : 0);
    textOffset_ = start + colorWidth_ + textSymbolGap_ + 4 + std::abs(shadow);
  } else {
    textOffset_ = start;
    symbolOffset_ = start;
  }
}

void TCustomChartLegend::CalcRect() {
  ClearLayout();
  style_ = CalcLegendStyle();
  inverting_ = CalcInverted();
  frameSize_ = FrameSize();
  frameHalf_ = frameSize_ / 2;
  chart_.SetLegendColor(Color());
  const bool custom = CustomPosition();
  customShift_ = {};
  if (custom) ApplyCustomPosition();
  totalItems_ = CalcTotalItems();
  drawTitle_ = title_->ShouldDraw();
  if (drawTitle_) {
    title_->ShapeBounds = {};
    title_->CalcBounds(chart_);
    titleWidth_ = title_->Width();
    titleHeight_ = title_->Height();
  }
  TCanvas3D& canvas = chart_.Canvas();
  canvas.AssignFont(DrawingFont());
  spaceWidth_ = canvas.TextWidth(" ");
  itemHeight_ = CalcItemHeight();
  itemsTopMargin_ = QuilRound(itemHeight_ * 0.1);
  firstItemOffset_ = frameHalf_ + (drawTitle_ ? titleHeight_ + 2 : 0);
  const int oldWidth = chart_.ChartWidth();
  const int oldHeight = chart_.ChartHeight();
  if (Vertical())
    LayoutVertical(custom);
  else
    LayoutHorizontal(custom);
  if (listed_ == 0) return;
  if (chart_.OnGetLegendRect) chart_.OnGetLegendRect(chart_, ShapeBounds);
  if (resizeChart_ && !custom) ResizeChartRect(oldWidth, oldHeight);
}

void TCustomChartLegend::LayoutVertical(bool custom) {
  const TRect& chartRect = chart_.ChartRect;
  if (!custom) ShapeBounds.Top = chartRect.Top + QuilRound(topPos_ * chart_.ChartHeight() * 0.01) + frameHalf_;
  const int bottom = custom ? chart_.ChartBounds().Bottom : chartRect.Bottom;
  int rows = std::min(RowsThatFit(ShapeBounds.Top, bottom), totalItems_);
  if (maxNumRows_ > 0) rows = std::min(rows, maxNumRows_);
  if (rows <= 0) return;
  MeasureItems(rows);
  listed_ = rows;
  numRows_ = rows;
  numCols_ = 1;
  CalcOffsets();
  ShapeBounds.Bottom = ShapeBounds.Top + BoxHeight(rows);
  int width = TextBlockWidth(textColumns_) + textSymbolGap_ + 2 + SymbolRoom() + CheckBoxRoom() + frameSize_;
  if (OnCalcSize) OnCalcSize(*this, width);
  if (drawTitle_) width = std::max(width, titleWidth_ + spaceWidth_);
  PlaceVertical(custom, width);
  cellLefts_ = {0};
  cellWidths_ = {ShapeBounds.Width() - frameSize_};
}

void TCustomChartLegend::PlaceVertical(bool custom, int width) {
  TRect& box = ShapeBounds;
  if (custom || alignment_ == laLeft) {
    if (!custom) box.Left = chart_.ChartRect.Left + frameSize_ + 1;
    box.Right = box.Left + width;
    return;
  }
  const int shadow = std::max(0, ShadowSize(&Shadow(), false));
  box.Right = chart_.ChartRect.Right - shadow - (frameHalf_ + 1);
  box.Left = box.Right - width;
}

void TCustomChartLegend::LayoutHorizontal(bool custom) {
  const TRect& chartRect = chart_.ChartRect;
  const int boundsWidth = chart_.ChartBounds().Width();
  int available = boundsWidth - 2 * frameSize_ - chart_.FrameSize() - QuilRound(horizMargin_ * boundsWidth * 0.01);
  if (!custom) available -= QuilRound(topPos_ * boundsWidth * 0.01);
  int fitRows = 0;
  if (custom) {
    fitRows = RowsThatFit(ShapeBounds.Top, chart_.ChartBounds().Bottom);
  } else if (alignment_ == laTop) {
    ShapeBounds.Top = chartRect.Top + frameHalf_ + 1;
    fitRows = RowsThatFit(ShapeBounds.Top, chartRect.Bottom);
  } else {
    int offset = frameHalf_ + 1 + std::max(0, ShadowSize(&Shadow(), true)) + std::max(0, ShadowSize(EmbossOrNull(), true));
    if (OnCalcSize) OnCalcSize(*this, offset);
    ShapeBounds.Bottom = chartRect.Bottom - offset;
    fitRows = RowsThatFit(chartRect.Top, ShapeBounds.Bottom);
  }
  const int maxRows = std::min(maxNumRows_ > 0 ? maxNumRows_ : 10, fitRows);
  if (maxRows <= 0 || totalItems_ == 0 || available <= 0) return;
  const int narrowest = std::max(1, textSymbolGap_ + 2 + CheckBoxRoom() + (symbol_->Visible() ? 4 : 0));
  MeasureItems(static_cast<int>(std::min<long long>(totalItems_, 1LL * maxRows * std::max(1, available / narrowest))));
  CalcOffsets();
  ChooseColumns(available, maxRows);
  if (listed_ == 0) return;
  measured_.resize(static_cast<std::size_t>(listed_));
  PlaceHorizontal(custom, available);
}

// All items side by side at their own widths when they fit on one row (or when justifying is
// off, as many as fit); otherwise equal columns of the widest item, row after row.
void TCustomChartLegend::ChooseColumns(int available, int maxRows) {
  const int measuredCount = static_cast<int>(measured_.size());
  if (horizJustify_ != ljYes) {
    int used = frameSize_ + 4;
    int fitting = 0;
    while (fitting < measuredCount) {
      const int width = ItemWidth(measured_[static_cast<std::size_t>(fitting)], true);
      if (used + width > available) break;
      used += width;
      ++fitting;
    }
    if (fitting == totalItems_ || horizJustify_ == ljNo) {
      justify_ = false;
      listed_ = fitting;
      numRows_ = fitting > 0 ? 1 : 0;
      numCols_ = fitting;
      cellLefts_.clear();
      cellWidths_.clear();
      int left = 2;
      for (int i = 0; i < fitting; ++i) {
        cellLefts_.push_back(left);
        cellWidths_.push_back(ItemWidth(measured_[static_cast<std::size_t>(i)], true));
        left += cellWidths_.back();
      }
      return;
    }
  }
  justify_ = true;
  int column = 0;
  for (const TMeasuredItem& item : measured_) column = std::max(column, ItemWidth(item, false) + 2);
  const int columns = column > 0 ? (available - frameSize_) / column : 0;
  if (columns <= 0) return;
  const int rows = std::min(maxRows, (totalItems_ + columns - 1) / columns);
  listed_ = std::min({totalItems_, columns * rows, measuredCount});
  numRows_ = (listed_ + columns - 1) / columns;
  numCols_ = numRows_ == 1 ? listed_ : columns;
  cellLefts_.clear();
  cellWidths_.assign(static_cast<std::size_t>(numCols_), column);
  for (int c = 0; c < numCols_; ++c) cellLefts_.push_back(c * column);
}

void TCustomChartLegend::PlaceHorizontal(bool custom, int available) {
  int width = frameSize_ + std::accumulate(cellWidths_.begin(), cellWidths_.end(), 0) + (justify_ ? 0 : 4);
  if (drawTitle_) width = std::max(width, titleWidth_ + spaceWidth_);
  width = std::min(width, available);
  TRect& box = ShapeBounds;
  if (!custom) box.Left = chart_.ChartXCenter() - width / 2;
  box.Right = box.Left + width;
  const int height = BoxHeight(numRows_);
  if (!custom && alignment_ == laBottom)
    box.Top = box.Bottom - height;
  else
    box.Bottom = box.Top + height;
}

// The chart keeps clear of the legend and of a margin beside it: HorizMargin (or 3 % of the
// chart width) beside a vertical legend, VertMargin (or 4 % of its height) by a horizontal one.
void TCustomChartLegend::ResizeChartRect(int oldWidth, int oldHeight) {
  TRect& chartRect = chart_.ChartRect;
  const int horizGap = horizMargin_ != 0 ? horizMargin_ : 3 * oldWidth / 100;
  const int vertGap = vertMargin_ != 0 ? vertMargin_ : 4 * oldHeight / 100;
  switch (alignment_) {
    case laLeft: chartRect.Left = ShapeBounds.Right + horizGap; break;
    case laRight: chartRect.Right = ShapeBounds.Left - horizGap; break;
    case laTop:
      chartRect.Top = ShapeBounds.Bottom + std::max(0, ShadowSize(&Shadow(), true)) +
                      std::max(0, ShadowSize(EmbossOrNull(), true)) + vertGap;
      break;
    case laBottom: chartRect.Bottom = ShapeBounds.Top - vertGap; break;
  }
  chart_.ReCalcWidthHeight();
}

int TCustomChartLegend::RowBandTop(int row) const { return FirstItemTop() + itemsTopMargin_ + 1 + itemHeight_ * row; }

int TCustomChartLegend::CellLeft(int column) const {
  return ShapeBounds.Left + frameHalf_ + cellLefts_.at(static_cast<std::size_t>(column));
}

int TCustomChartLegend::CellWidth(int column) const { return cellWidths_.at(static_cast<std::size_t>(column)); }

int TCustomChartLegend::ColumnWidth(int index) const {
  if (index < 0 || index >= static_cast<int>(cellWidths_.size())) return 0;
  return CellWidth(index);
}

TRect TCustomChartLegend::PositionRect(int position) const {
  if (position < 0 || position >= listed_) return {};
  const int row = Vertical() ? position : position / std::max(1, numCols_);
  const int column = Vertical() ? 0 : position % std::max(1, numCols_);
  const int left = CellLeft(column);
  const int top = RowBandTop(row);
  return {left, top, left + CellWidth(column), top + itemHeight_};
}

}  // namespace quil

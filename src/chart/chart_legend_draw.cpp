#include <algorithm>
#include <memory>

#include "canvas/canvas_types.h"
#include "canvas/quil_blend.h"
#include "chart/chart_legend.h"
#include "chart/custom_chart.h"
#include "core/rounding.h"
#include "engine/series.h"

namespace quil {

void TCustomChartLegend::DrawLegend() {
  TCanvas3D& canvas = chart_.Canvas();
  canvas.BeginEntity("Legend", nullptr, nullptr);
  if (listed_ > 0) {
    std::unique_ptr<TQuilBlend> blend;
    if (globalTransparency_ > 0) {
      const int shadow = std::abs(Shadow().Visible() ? Shadow().Size() : 0);
      const TRect area = canvas.SupportsAlpha() ? TRect{} : InflateRect(ShapeBounds, shadow, shadow);
      blend = canvas.BeginBlending(area, globalTransparency_);
    }
    Draw(chart_, ShapeBounds, 0, Angle());
    if (drawTitle_) DrawTitle();
    if (!items_.Custom) items_.Clear();
    canvas.BeginEntity("Items", nullptr, nullptr);
    const bool clip = ClipText() && chart_.CanClip();
    if (clip) canvas.ClipRectangle(ShapeBounds);
    for (int position = 0; position < listed_; ++position)
      DrawItem(inverting_ ? LastValue() - position : layoutFirst_ + position, position);
    if (clip) canvas.UnClipRectangle();
    canvas.EndEntity();
    if (blend) canvas.EndBlending(std::move(blend));
  }
  ShapeBounds = OffsetRect(ShapeBounds, -customShift_.X, -customShift_.Y);
  customShift_ = {};
  canvas.EndEntity();
}

void TCustomChartLegend::DrawTitle() {
  const TRect& box = ShapeBounds;
  const int top = box.Top + frameHalf_;
  title_->ShapeBounds = {box.Left + frameHalf_, top, box.Right - frameHalf_, top + titleHeight_};
  title_->Draw(chart_, title_->ShapeBounds, 0, title_->Angle());
}

void TCustomChartLegend::DrawItem(int index, int position) {
  const TMeasuredItem& item = measured_.at(static_cast<std::size_t>(index - layoutFirst_));
  TCanvas3D& canvas = chart_.Canvas();
  const TRect cell = PositionRect(position);
  int y = cell.Top + vertSpacing_ / 2;
  int textX = cell.Left + textOffset_;
  int symbolX = cell.Left + symbolOffset_;
  if (symbol_->Visible() && symbol_->Position() == spRight)
    symbolX = textX + TextBlockWidth(justify_ || Vertical() ? textColumns_ : item.Widths) + textSymbolGap_;
  if (chart_.OnGetLegendPos) chart_.OnGetLegendPos(chart_, index, textX, y, symbolX);
  canvas.Brush().SetStyle(bsClear);
  canvas.Brush().SetColor(Color());
  canvas.SetBackMode(cbmTransparent);
  canvas.AssignFont(DrawingFont());
  if (fontSeriesColor_) canvas.Font().SetColor(ItemColor(index));
  canvas.SetTextAlign(TA_LEFT | TA_TOP);
  DrawItemTexts(index, item, textX - 2, HasCheckBoxes() ? y + 1 : y);
  if (HasCheckBoxes()) {
    const ROvedeSeries* series = SeriesOfItem(index);
    const int boxTop = y + (itemHeight_ - vertSpacing_ - QuilCheckBoxSize) / 2;
    canvas.DrawCheckBox(cell.Left + kBoxOffset, boxTop, series && series->Active(), clWhite,
                        checkBoxesStyle_ == cbsCheck);
  }
  DrawSymbol(index, SymbolRect(symbolX, y, item.SymbolWidth, position));
  if (position > 0) DrawDividingLines(position);
}

// Texts start where their column starts, so the columns of all items line up.
void TCustomChartLegend::DrawItemTexts(int index, const TMeasuredItem& item, int x, int y) {
  TCanvas3D& canvas = chart_.Canvas();
  const bool ownColumns = !justify_ && !Vertical();
  const bool html = TextFormat() == ttfHtml;
  TLegendItem* recorded = nullptr;
  if (items_.Custom && index >= 0 && index < items_.Count()) recorded = &items_[index];
  for (std::size_t k = 0; k < 3; ++k) {
    const std::string& text = item.Texts[k];
    if (!text.empty()) {
      if (!recorded) {
        recorded = &items_.Add(item.Texts[0]);
        recorded->Text2 = item.Texts[1];
        recorded->Text3 = item.Texts[2];
        recorded->Left = x;
        recorded->Top = y;
      }
      if (items_.Custom && items_.CustomPosition && k == 0)
        canvas.TextOut(recorded->Left, recorded->Top, text, html);
      else
        canvas.TextOut(x, y, text, html);
    }
    const int width = ownColumns ? item.Widths[k] : textColumns_[k];
    if (width > 0) x += width + spaceWidth_;
  }
}

// Between the row's margins, or the whole height through all rows for a continuous symbol; a
// height below 100 percent shrinks it about its middle.
TRect TCustomChartLegend::SymbolRect(int x, int y, int symbolWidth, int position) const {
  int top = y + 2;
  int bottom = y + itemHeight_ + 1 - vertSpacing_ - 3;
  if (symbol_->HeightUnits() == lcsPixels) {
    top = y;
    bottom = y + symbol_->Height();
  } else if (symbol_->Continuous()) {
    if (position > 0) top = y;
    if (position < listed_ - 1) bottom = y + itemHeight_;
  } else if (symbol_->Height() < 100) {
    const int height = QuilRound((bottom - top) * symbol_->Height() * 0.01);
    top += (bottom - top - height) / 2;
    bottom = top + height;
  }
  return {x, top, x + symbolWidth, bottom};
}

void TCustomChartLegend::DrawSymbol(int index, const TRect& rect) {
  if (!items_.Custom && items_.Count() > 0) items_[items_.Count() - 1].Symbol = rect;
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  if (symbol_->OnDraw) {
    symbol_->OnDraw(*symbol_, index, rect);
  } else if (symbol_->Visible()) {
    ROvedeSeries* series = SeriesOfItem(index);
    if (series && (style_ == lsValues || style_ == lsAuto))
      series->DrawLegend(series->CalcLegendIndex(index), rect);
    else if (series)
      series->DrawLegend(-1, rect);
    else
      symbol_->Draw(chart_.Canvas(), clWhite, rect, nullptr, Color());
  }
  if (selected_ && selected_->Visible() && selected_->ItemIndex() == index) {
    TCanvas3D& canvas = chart_.Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.AssignVisiblePen(selected_->Frame());
    canvas.Rectangle(InflateRect(rect, 2, 2));
  }
}

// A line above each row after the first, in the gap the item height left for it; a horizontal
// legend also separates its columns.
void TCustomChartLegend::DrawDividingLines(int position) {
  if (!dividingLines_->Visible()) return;
  TCanvas3D& canvas = chart_.Canvas();
  canvas.AssignVisiblePen(*dividingLines_);
  const TRect cell = PositionRect(position);
  const int lineWidth = dividingLines_->Width();
  if (Vertical()) {
    const int y = cell.Top - (vertSpacing_ - vertSpacing_ / 2 + lineWidth + 1) / 2;
    canvas.DoHorizLine(ShapeBounds.Left + frameSize_, ShapeBounds.Right - frameSize_, y);
    return;
  }
  const int column = position % std::max(1, numCols_);
  if (column > 0) canvas.DoVertLine(cell.Left, cell.Top, cell.Bottom);
  if (position >= numCols_) canvas.DoHorizLine(cell.Left, cell.Right, cell.Top - 1);
}

}  // namespace quil

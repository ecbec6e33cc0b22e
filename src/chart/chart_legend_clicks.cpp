#include "chart/chart_legend.h"
#include "chart/custom_chart.h"
#include "core/host.h"
#include "engine/series.h"

namespace quil {

// The cells are the ones DrawLegend drew: each row band spans the item's height from the
// first row's top, so a press anywhere on a drawn row finds that row.
int TCustomChartLegend::PositionOfPoint(int x, int y) const {
  if (listed_ == 0 || itemHeight_ <= 0) return -1;
  const TRect& box = ShapeBounds;
  if (x < box.Left || x > box.Right || y < box.Top || y > box.Bottom) return -1;
  const int firstTop = RowBandTop(0);
  if (y < firstTop) return -1;
  const int row = (y - firstTop) / itemHeight_;
  if (row >= numRows_) return -1;
  if (Vertical()) return row < listed_ ? row : -1;
  for (int column = 0; column < numCols_; ++column) {
    const int left = CellLeft(column);
    if (x < left || x >= left + CellWidth(column)) continue;
    const int position = row * numCols_ + column;
    return position < listed_ ? position : -1;
  }
  return -1;
}

int TCustomChartLegend::Clicked(int x, int y) const {
  const int position = PositionOfPoint(x, y);
  if (position < 0) return -1;
  return inverting_ ? LastValue() - position : layoutFirst_ + position;
}

int TCustomChartLegend::CalcCursor() const {
  return selected_ && selected_->Visible() ? static_cast<int>(crHandPoint) : Cursor();
}

bool TCustomChartLegend::DoMouseDown(int, int, int index) {
  Selected().SetItemIndex(index);
  if (index == -1 || !HasCheckBoxes()) return false;
  ToggleSeries(index);
  return true;
}

// Radio items leave exactly the pressed series on; check boxes switch the pressed one.
// Series groups are not kept by the chart, so their items never exist to be pressed.
void TCustomChartLegend::ToggleSeries(int index) {
  if (CalcLegendStyle() == lsSeriesGroups) return;
  if (checkBoxesStyle_ == cbsRadio) {
    for (int i = 0; i < chart_.SeriesCount(); ++i)
      if (ROvedeSeries* series = chart_.SeriesLegend(i, false)) series->SetActive(i == index);
    return;
  }
  if (ROvedeSeries* series = chart_.SeriesLegend(index, false)) series->SetActive(!series->Active());
}

}  // namespace quil

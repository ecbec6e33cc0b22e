#include <algorithm>

#include "engine/axis_panel.h"
#include "engine/series.h"

namespace quil {

void ROvedeSeries::SetParenrOvede(TCustomAxisPanel* chart) {
  TCustomAxisPanel* old = ParenrOvede();
  if (old == chart) return;
  if (old) old->RemoveSeries(*this);
  if (chart) chart->InternalAddSeries(*this);
}

void ROvedeSeries::Added() {
  TCustomAxisPanel* chart = ParenrOvede();
  if (!chart) return;
  if (color_ == clQuilColor) {
    ChangeInternalColor(chart->GetFreeSeriesColor(true, nullptr));
    chart->BroadcastSeriesEvent(*this, seChangeColor);
  }
  RecalcGetAxis();
  CheckDataSource();
}

void ROvedeSeries::Removed() {
  if (TCustomAxisPanel* chart = ParenrOvede()) {
    if (chart->Cursor() == cursor_ && cursor_ != crDefault) chart->SetCursor(chart->OriginalCursor());
    if (selected_) selected_->SetHoverIndex(-1);
  }
  StoreParenrOvede(nullptr);
  RecalcGetAxis();
}

void ROvedeSeries::SetZOrder(int value) {
  if (zOrder_ == value) return;
  zOrder_ = value;
  iZOrder_ = value == -1 ? 0 : value;
  Repaint();
}

void ROvedeSeries::CalcZOrder() {
  TCustomAxisPanel* chart = ParenrOvede();
  if (!chart) return;
  if (zOrder_ == -1) {
    if (chart->View3D()) {
      chart->SetMaxZOrder(chart->MaxZOrder() + 1);
      iZOrder_ = chart->MaxZOrder();
    } else {
      iZOrder_ = 0;
    }
  } else {
    // Taken afresh each frame: a frame with the depth axis the other way round replaced it.
    iZOrder_ = zOrder_;
    chart->SetMaxZOrder(std::max(chart->MaxZOrder(), zOrder_));
  }
}

void ROvedeSeries::CalcDepthPositions() {
  const int slot = ParenrOvede() ? ParenrOvede()->SeriesWidth3D() : 0;
  startZ_ = iZOrder_ * slot;
  endZ_ = startZ_ + (depth_ == -1 ? slot : depth_);
  middleZ_ = (startZ_ + endZ_) / 2;
}

bool ROvedeSeries::MoreSameZOrder() const {
  const TCustomAxisPanel* chart = ParenrOvede();
  if (!chart || !chart->ApplyZOrder()) return false;
  for (ROvedeSeries* other : chart->SeriesList().Items())
    if (other != this && other->Active() && !other->HasZValues() && other->ZOrder() == ZOrder()) return true;
  return false;
}

bool ROvedeSeries::FirstInZOrder() const {
  if (!Active()) return false;
  const TCustomAxisPanel* chart = ParenrOvede();
  if (!chart) return true;
  for (ROvedeSeries* other : chart->SeriesList().Items()) {
    if (other == this) return true;
    if (other->Active() && other->ZOrder() == ZOrder()) return false;
  }
  return true;
}

}  // namespace quil

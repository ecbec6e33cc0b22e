#include <algorithm>

#include "engine/axis_panel.h"
#include "engine/series.h"

namespace quil {

// With positions sorted ascending, the points inside [minimum, maximum] of the axis, plus the
// neighbours a kind that draws between points needs.
void ROvedeSeries::CalcFirstLastVisibleIndex() {
  firstVisibleIndex_ = -1;
  lastVisibleIndex_ = -1;
  const int count = Count();
  if (count == 0) return;
  const ROvedeValueList& positions = NotMandatoryValueList();
  double minimum = 0;
  double maximum = 0;
  if (!calcVisiblePoints_ || positions.Order() == loNone || !VisibleAxisRange(minimum, maximum)) {
    firstVisibleIndex_ = 0;
    lastVisibleIndex_ = count - 1;
    return;
  }
  const auto begin = positions.Values().begin();
  const auto end = begin + count;
  const int first = static_cast<int>(std::lower_bound(begin, end, minimum) - begin);
  if (first >= count) return;
  int last = count - 1;
  if (!(positions.Values()[static_cast<std::size_t>(last)] <= maximum)) {
    last = std::min(count - 1, static_cast<int>(std::lower_bound(begin + first, end, maximum) - begin));
    if (!drawBetweenPoints_)
      while (last > 0 && positions.Values()[static_cast<std::size_t>(last)] > maximum) --last;
  }
  firstVisibleIndex_ = first;
  lastVisibleIndex_ = last;
}

void ROvedeSeries::DoBeforeDrawValues() {
  if (TCustomAxisPanel* chart = ParenrOvede()) chart->BroadcastToolSeriesEvent(cteBeforeDrawSeries, *this);
  if (BeforeDrawValues) BeforeDrawValues(*this);
}

void ROvedeSeries::DoAfterDrawValues() {
  if (TCustomAxisPanel* chart = ParenrOvede()) chart->BroadcastToolSeriesEvent(cteAfterDrawSeries, *this);
  if (AfterDrawValues) AfterDrawValues(*this);
}

std::optional<std::vector<int>> ROvedeSeries::SortDrawPoints(int, int, bool) { return std::nullopt; }

bool ROvedeSeries::DrawValuesForward() const {
  const bool forward = !PositionAxisInverted();
  if (!yMandatory_) return forward;
  const TCustomAxisPanel* chart = ParenrOvede();
  return chart && chart->InvertedRotation() ? !forward : forward;
}

bool ROvedeSeries::DrawSeriesForward(int) const {
  const TCustomAxisPanel* chart = ParenrOvede();
  return !(chart && chart->InvertedRotation());
}

void ROvedeSeries::DrawAllValues() {
  TCustomAxisPanel* chart = ParenrOvede();
  const auto draw = [&](int index) {
    if (chart && chart->OnDrawValue)
      chart->OnDrawValue(*this, index);
    else
      DrawValue(index);
  };
  if (auto order = SortDrawPoints(firstVisibleIndex_, lastVisibleIndex_, true)) {
    for (int index : *order) draw(index);
    return;
  }
  if (firstVisibleIndex_ < 0) return;
  if (DrawValuesForward()) {
    for (int i = firstVisibleIndex_; i <= lastVisibleIndex_; ++i) draw(i);
  } else {
    for (int i = lastVisibleIndex_; i >= firstVisibleIndex_; --i) draw(i);
  }
}

int ROvedeSeries::Clicked(int, int) { return -1; }

bool ROvedeSeries::ClickedPointer(int, int, int, TPoint) { return false; }

void ROvedeSeries::MouseDown(int valueIndex, bool, TMouseButton button, TShiftState shift, int x, int y) {
  const auto& handler = (shift & ssDouble) ? OnDblClick : OnClick;
  if (handler) handler(*this, valueIndex, button, shift, x, y);
}

bool ROvedeSeries::HoverEnabled() const {
  const TCustomAxisPanel* chart = ParenrOvede();
  if (chart && !chart->Hover().Visible()) return false;
  return selected_ && selected_->Hover().Visible();
}

bool ROvedeSeries::CheckMouse(int x, int y) {
  if (cursor_ == crDefault && !OnMouseEnter && !OnMouseLeave && !HoverEnabled()) return false;
  const int found = Clicked(x, y);
  CheckMouseLeaves(found);
  TCustomAxisPanel* chart = ParenrOvede();
  if (found != -1 && chart && cursor_ != crDefault) chart->SetCursor(cursor_);
  if (selected_) selected_->SetHoverIndex(found);
  return found != -1;
}

void ROvedeSeries::CheckMouseLeaves(int found) {
  const bool inside = found != -1;
  if (inside == mouseInside_) return;
  mouseInside_ = inside;
  if (inside) {
    if (OnMouseEnter) OnMouseEnter(*this);
  } else if (OnMouseLeave) {
    OnMouseLeave(*this);
  }
}

}  // namespace quil

#include <algorithm>

#include "panel/quil_panel.h"
#include "panel/text_lines.h"

namespace quil {

void TCustomQuilPanel::AddListener(IQuilEventListener& listener) {
  if (std::find(listeners_.begin(), listeners_.end(), &listener) == listeners_.end()) listeners_.push_back(&listener);
}

void TCustomQuilPanel::RemoveListener(IQuilEventListener& listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), &listener), listeners_.end());
}

void TCustomQuilPanel::Broadcast(TQuilEvent& event, bool stopOnCancel) {
  if (listeners_.empty() || HasState(csDestroying) || broadcasting_) return;
  event.Sender = this;
  // A listener may leave the list while it is told; walk a copy.
  const std::vector<IQuilEventListener*> listeners = listeners_;
  for (IQuilEventListener* l : listeners) {
    if (std::find(listeners_.begin(), listeners_.end(), l) == listeners_.end()) continue;
    l->QuilEvent(event);
    if (stopOnCancel && cancelMouse_) break;
  }
}

void TCustomQuilPanel::BroadcastMouseEvent(TQuilMouseEventKind kind, TMouseButton button, TShiftState shift, int x,
                                           int y) {
  TQuilMouseEvent event;
  event.Event = kind;
  event.Button = button;
  event.Shift = shift;
  event.X = x;
  event.Y = y;
  Broadcast(event, true);
}

void TCustomQuilPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  cancelMouse_ = false;
  TCustomPanelNoCaption::MouseDown(button, shift, x, y);
  if (!cancelMouse_) BroadcastMouseEvent(meDown, button, shift, x, y);
  if (CanFocus() && TabStop() && !Focused() && Parent() && !Parent()->Focused()) SetFocus();
}

void TCustomQuilPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  cancelMouse_ = false;
  TCustomPanelNoCaption::MouseUp(button, shift, x, y);
  BroadcastMouseEvent(meUp, button, shift, x, y);
}

void TCustomQuilPanel::MouseMove(TShiftState shift, int x, int y) {
  cancelMouse_ = false;
  TCustomPanelNoCaption::MouseMove(shift, x, y);
  if (!listeners_.empty() && !HasState(csDesigning)) BroadcastMouseEvent(meMove, TMouseButton::mbLeft, shift, x, y);
}

void TCustomQuilPanel::DblClick() {
  cancelMouse_ = false;
  TCustomPanelNoCaption::DblClick();
}

void TCustomQuilPanel::MouseLeave() {
  SetCursor(originalCursor_);
  if (panning_->InsideBounds()) panning_->SetActive(false);
  TCustomPanelNoCaption::MouseLeave();
  TMouseLeaveEvent event;
  Broadcast(event, false);
}

TMultiLineSize TCustomQuilPanel::MultiLineTextSize(const std::string& text, TQuilTextFormat) {
  TMultiLineSize size;
  const auto lines = SplitTextLines(text);
  if (lines.empty()) return size;
  const int lineHeight = internalCanvas_->TextHeight("W");
  for (std::string_view line : lines) size.Width = std::max(size.Width, internalCanvas_->TextWidth(std::string(line)));
  size.NumLines = static_cast<int>(lines.size());
  size.Height = lineHeight * size.NumLines;
  return size;
}

}  // namespace quil

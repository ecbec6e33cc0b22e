#include "core/control.h"

#include <algorithm>
#include <utility>

#include "core/color_idents.h"
#include "core/exceptions.h"

namespace quil {

const TMetaClass& TControl::StaticClass() {
  static const TMetaClass meta(
      "TControl", &TComponent::StaticClass(),
      TPropertyListBuilder<TControl>()
          .Int("Left", &TControl::Left, &TControl::SetLeft)
          .Int("Top", &TControl::Top, &TControl::SetTop)
          .Int("Width", &TControl::Width, &TControl::SetWidth)
          .Int("Height", &TControl::Height, &TControl::SetHeight)
          .Bool("Visible", &TControl::Visible, &TControl::SetVisible, true)
          .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
          .Int("Color", &TControl::Color, &TControl::SetColor, clBtnFace, &ColorIdents())
          .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false)
          .Int("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault)
          .String("Caption", &TControl::Caption, &TControl::SetCaption, std::string())
          .Event("OnClick")
          .Event("OnDblClick")
          .Event("OnMouseDown")
          .Event("OnMouseMove")
          .Event("OnMouseUp")
          .Build(),
      ComponentFactory<TControl>());
  return meta;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  // The host may still point at this control (focus, capture, a pending paint).
  if (IControlHost* h = Host()) h->ControlRemoved(*this);
  if (parent_) parent_->RemoveControl(*this);
}

IControlHost* TControl::Host() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (c->host_) return c->host_;
  return nullptr;
}

void TControl::SetHost(IControlHost* host) {
  if (host == host_) return;
  IControlHost* before = Host();
  host_ = host;
  if (before && before != Host()) LeaveHost(*before);
}

void TControl::LeaveHost(IControlHost& host) {
  host.ControlRemoved(*this);
  if (auto* w = dynamic_cast<TWinControl*>(this))
    for (TControl* c : w->controls_)
      if (!c->host_) c->LeaveHost(host);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  const TRect r{left, top, left + std::max(0, width), top + std::max(0, height)};
  if (r == bounds_) return;
  const bool resized = r.Width() != bounds_.Width() || r.Height() != bounds_.Height();
  bounds_ = r;
  if (IControlHost* h = Host()) h->BoundsChanged(*this);
  if (resized) Resize();
  Invalidate();
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  for (const TControl* p = parent; p; p = p->parent_)
    if (p == this) throw EComponentError(QuilFormat("A control cannot be its own parent (%s)", GetNamePath()));
  IControlHost* before = Host();
  if (parent_) parent_->RemoveControl(*this);
  if (parent) parent->InsertControl(*this);
  if (before && before != Host()) LeaveHost(*before);
  if (parentColor_) ParentColorChanged();
}

void TControl::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  if (IControlHost* h = Host()) h->BoundsChanged(*this);
}

void TControl::SetColor(TColor c) {
  if (c == color_) return;
  color_ = c;
  parentColor_ = false;
  Invalidate();
  ColorChanged();
}

void TControl::SetParentColor(bool v) {
  if (v == parentColor_) return;
  parentColor_ = v;
  ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!parentColor_ || !parent_ || parent_->Color() == color_) return;
  color_ = parent_->Color();
  Invalidate();
  ColorChanged();
}

void TControl::SetCursor(int cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  if (IControlHost* h = Host()) h->SetControlCursor(*this, cursor);
}

void TControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Invalidate();
}

void TControl::Invalidate() {
  if (IControlHost* h = Host()) h->InvalidateControl(*this);
}

void TControl::Update() {
  if (IControlHost* h = Host()) h->UpdateControl(*this);
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::Paint(TDeviceContext&) {}

void TControl::MouseCapture(bool capture) {
  if (IControlHost* h = Host()) h->SetCapture(*this, capture);
}

TPoint TControl::ScreenCursorPos() const {
  if (IControlHost* h = Host()) return h->CursorPos(*this);
  return {};
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(*this);
}

void TControl::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(*this);
}

void TControl::Click() {
  if (OnClick) OnClick(*this);
}

bool TControl::MouseWheel(TShiftState shift, int wheelDelta, TPoint pos) { return DoMouseWheel(shift, wheelDelta, pos); }

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint pos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(*this, shift, wheelDelta, pos, handled);
  if (handled) return true;
  wheelAccumulator_ += wheelDelta;
  while (wheelAccumulator_ >= WHEEL_DELTA || wheelAccumulator_ <= -WHEEL_DELTA) {
    if (wheelAccumulator_ > 0) {
      wheelAccumulator_ -= WHEEL_DELTA;
      handled = DoMouseWheelUp(shift, pos) || handled;
    } else {
      wheelAccumulator_ += WHEEL_DELTA;
      handled = DoMouseWheelDown(shift, pos) || handled;
    }
  }
  return handled;
}

bool TControl::DoMouseWheelDown(TShiftState, TPoint) {
  if (!OnMouseWheelDown) return false;
  OnMouseWheelDown(*this);
  return true;
}

bool TControl::DoMouseWheelUp(TShiftState, TPoint) {
  if (!OnMouseWheelUp) return false;
  OnMouseWheelUp(*this);
  return true;
}

void TControl::KeyDown(int& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(*this, key, shift);
}

void TControl::KeyUp(int& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(*this, key, shift);
}

void TControl::Resize() {
  if (OnResize) OnResize(*this);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* w = dynamic_cast<TWinControl*>(parent)) SetParent(w);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

const TMetaClass& TWinControl::StaticClass() {
  static const TMetaClass meta("TWinControl", &TControl::StaticClass(),
                               TPropertyListBuilder<TWinControl>()
                                   .Int("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
                                   .StoredWhen([](const TWinControl& c) { return c.Parent() != nullptr; })
                                   .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
                                   .Build(),
                               ComponentFactory<TWinControl>());
  return meta;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

void TWinControl::GetChildren(const std::function<void(TComponent&)>& proc, TComponent& root) {
  if (this == &root)
    for (int i = 0; i < ComponentCount(); ++i) {
      TComponent* c = Components(i);
      const bool nonVisual = !dynamic_cast<TControl*>(c) && !c->GetParentComponent();
      if (nonVisual && !(c->ComponentStyle() & csSubComponent)) proc(*c);
    }
  for (TControl* c : controls_)
    if (c->Owner() == &root) proc(*c);
}

TWinControl::~TWinControl() {
  // Children that outlive this control (owned elsewhere) lose their parent now.
  while (!controls_.empty()) controls_.back()->SetParent(nullptr);
}

void TWinControl::InsertControl(TControl& control) {
  controls_.push_back(&control);
  control.parent_ = this;
  if (auto* w = dynamic_cast<TWinControl*>(&control)) {
    tabOrder_.push_back(w);
    if (w->pendingTabOrder_ >= 0) w->SetTabOrder(std::exchange(w->pendingTabOrder_, -1));
  }
  if (IControlHost* h = Host()) h->BoundsChanged(control);
}

void TWinControl::RemoveControl(TControl& control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
  tabOrder_.erase(std::remove(tabOrder_.begin(), tabOrder_.end(), &control), tabOrder_.end());
  control.parent_ = nullptr;
}

int TWinControl::TabOrder() const {
  if (!Parent()) return pendingTabOrder_;
  const auto& list = Parent()->tabOrder_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!Parent()) {
    pendingTabOrder_ = std::max(order, 0);
    return;
  }
  auto& list = Parent()->tabOrder_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  const int at = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + at, this);
}

std::vector<TWinControl*> TWinControl::TabList() const { return tabOrder_; }

void TWinControl::AppendTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* c : tabOrder_) {
    list.push_back(c);
    c->AppendTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward) const {
  std::vector<TWinControl*> list;
  AppendTabOrderList(list);
  const int n = static_cast<int>(list.size());
  if (n == 0) return nullptr;
  auto it = std::find(list.begin(), list.end(), current);
  int start = it == list.end() ? (forward ? n - 1 : 0) : static_cast<int>(it - list.begin());
  for (int step = 1; step <= n; ++step) {
    const int i = ((start + (forward ? step : -step)) % n + n) % n;
    TWinControl* c = list[static_cast<std::size_t>(i)];
    if (c->TabStop() && c->CanFocus()) return c;
  }
  return nullptr;
}

TWinControl* TWinControl::FocusedDescendant() const {
  for (TWinControl* c : tabOrder_) {
    if (c->Focused()) return c;
    if (TWinControl* inner = c->FocusedDescendant()) return inner;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward) {
  if (TWinControl* next = FindNextControl(current, forward)) next->SetFocus();
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const {
  IControlHost* h = Host();
  return h && h->IsFocused(*this);
}

void TWinControl::SetFocus() {
  if (IControlHost* h = Host()) h->SetFocus(*this);
}

void TWinControl::ColorChanged() {
  for (TControl* c : controls_) c->ParentColorChanged();
}

}  // namespace quil

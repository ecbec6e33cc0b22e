#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/color.h"
#include "core/component.h"
#include "core/geometry.h"
#include "core/host.h"

namespace quil {

class TWinControl;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag : uint32_t {
  ssShift = 1u << 0,
  ssAlt = 1u << 1,
  ssCtrl = 1u << 2,
  ssLeft = 1u << 3,
  ssRight = 1u << 4,
  ssMiddle = 1u << 5,
  ssDouble = 1u << 6,
};
using TShiftState = uint32_t;

// Key codes the controls care about (the toolkit's virtual key numbers).
enum TVirtualKey : int {
  VK_TAB = 9,
  VK_RETURN = 13,
  VK_ESCAPE = 27,
  VK_SPACE = 32,
  VK_LEFT = 37,
  VK_UP = 38,
  VK_RIGHT = 39,
  VK_DOWN = 40,
};

inline constexpr int WHEEL_DELTA = 120;

using TMouseEvent = std::function<void(TControl& sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TControl& sender, TShiftState shift, int x, int y)>;
using TNotifyEvent = std::function<void(TControl& sender)>;
// Handled may be set to stop the default wheel steps.
using TMouseWheelEvent = std::function<void(TControl& sender, TShiftState shift, int wheelDelta, TPoint pos, bool& handled)>;
using TKeyEvent = std::function<void(TControl& sender, int& key, TShiftState shift)>;

// A control in its parent's client pixels, independent of any toolkit: it paints when its host
// asks and receives mouse and key input in the library's own terms.
class TControl : public TComponent {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TControl(TComponent* owner = nullptr);
  ~TControl() override;

  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
  // Negative sizes are taken as 0.
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return bounds_; }
  TRect ClientRect() const { return {0, 0, Width(), Height()}; }

  TWinControl* Parent() const { return parent_; }
  // Fails with "A control cannot be its own parent (%s)" for itself or one of its children.
  void SetParent(TWinControl* parent);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { enabled_ = v; }
  TColor Color() const { return color_; }
  virtual void SetColor(TColor c);
  // While on, the control shows its parent's colour and follows the parent's changes.
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v);
  int Cursor() const { return cursor_; }
  void SetCursor(int cursor);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  // The control's own host, or the nearest parent's.
  IControlHost* Host() const;
  void SetHost(IControlHost* host);

  // Asks for a repaint; the picture is drawn when the host next paints.
  virtual void Invalidate();
  // Paints now whatever is pending.
  void Update();
  void Repaint();
  virtual void Paint(TDeviceContext& dc);

  void MouseCapture(bool capture);
  TPoint ScreenCursorPos() const;

  // Input from the host, in client pixels.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void DblClick();
  virtual void MouseLeave();
  // One call per wheel message with its raw delta; each whole 120 units, accumulated across
  // messages, becomes one step up (positive) or down.
  bool MouseWheel(TShiftState shift, int wheelDelta, TPoint pos);
  virtual void KeyDown(int& key, TShiftState shift);
  virtual void KeyUp(int& key, TShiftState shift);
  // Whether arrow keys go to this control instead of moving the focus.
  virtual bool WantsArrowKeys() const { return false; }
  virtual void Click();

  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnClick;
  TMouseWheelEvent OnMouseWheel;
  TNotifyEvent OnMouseWheelUp;
  TNotifyEvent OnMouseWheelDown;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnResize;

  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;

 protected:
  virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint pos);
  virtual bool DoMouseWheelDown(TShiftState shift, TPoint pos);
  virtual bool DoMouseWheelUp(TShiftState shift, TPoint pos);
  virtual void Resize();
  virtual void ParentColorChanged();
  // The control's colour changed; windowed controls pass it on to children with ParentColor.
  virtual void ColorChanged() {}

 private:
  friend class TWinControl;

  // Tells host that this control, and the children that use the same host, leave it.
  void LeaveHost(IControlHost& host);

  TRect bounds_{0, 0, 0, 0};
  TWinControl* parent_ = nullptr;
  IControlHost* host_ = nullptr;
  bool visible_ = true;
  bool enabled_ = true;
  bool parentColor_ = false;
  TColor color_ = clBtnFace;
  int cursor_ = crDefault;
  std::string caption_;
  int64_t wheelAccumulator_ = 0;
};

// A control that can hold other controls and take the keyboard focus; children are moved
// through with Tab in their tab order.
class TWinControl : public TControl {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TWinControl(TComponent* owner = nullptr);
  ~TWinControl() override;

  // Stores the window's non-visual components (at the root) and then its child controls.
  void GetChildren(const std::function<void(TComponent&)>& proc, TComponent& root) override;
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(index); }

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v) { tabStop_ = v; }
  // Position among the parent's windowed children; setting it moves the control there, the
  // others keeping their relative order. Set before the control has a parent, it is applied
  // when the control joins one.
  int TabOrder() const;
  void SetTabOrder(int order);
  // The children in tab order.
  std::vector<TWinControl*> TabList() const;
  // The next (or previous) enabled, visible tab stop after current among all windowed
  // descendants in tab order (a child's own children follow it), wrapping around; with
  // current not among them, the first (or last).
  TWinControl* FindNextControl(TWinControl* current, bool forward) const;
  // Moves the keyboard focus as Tab or Shift+Tab would.
  void SelectNext(TWinControl* current, bool forward);

  bool CanFocus() const;
  bool Focused() const;
  void SetFocus();

  // The windowed descendant that has the keyboard focus, or nullptr.
  TWinControl* FocusedDescendant() const;

 protected:
  friend class TControl;
  void InsertControl(TControl& control);
  void RemoveControl(TControl& control);
  void ColorChanged() override;

 private:
  void AppendTabOrderList(std::vector<TWinControl*>& list) const;

  std::vector<TControl*> controls_;     // every child, in insertion order
  std::vector<TWinControl*> tabOrder_;  // windowed children in tab order
  bool tabStop_ = false;
  int pendingTabOrder_ = -1;  // asked for while the control had no parent
};

inline bool IsArrowKey(int key) { return key >= VK_LEFT && key <= VK_DOWN; }

}  // namespace quil

#pragma once

#include <string>

#include "core/control.h"
#include "core/form_font.h"

namespace quil {

// A push button; the toolkit draws it, the library only knows its place and caption.
class TButton : public TWinControl {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TButton(TComponent* owner = nullptr);
};

// A top-level window: the root that owns every object of its description.
class TForm : public TWinControl {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TForm(TComponent* owner = nullptr);
  ~TForm() override;

  // Whether a window other than except already bears name (compared without regard to case);
  // a window read from a description takes a free variant of its stored name.
  static bool IsFormName(std::string_view name, const TForm* except);

  TFormFont& Font() { return font_; }
  const TFormFont& Font() const { return font_; }
  // The height of a line of the window's font its description was made with (stored only).
  int TextHeight() const { return textHeight_; }
  void SetTextHeight(int value) { textHeight_ = value; }

  int ClientWidth() const { return Width(); }
  int ClientHeight() const { return Height(); }
  void SetClientWidth(int v) { SetWidth(v); }
  void SetClientHeight(int v) { SetHeight(v); }
  // The control that takes the focus when the window becomes active: the first tab stop.
  // Cleared when that control is destroyed.
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* c);

  // A key pressed in the window, before the focused control sees it. Tab and Shift+Tab move
  // the focus along the tab order; an arrow key goes to the focused control only when it asks
  // for arrow keys; any other key goes to the focused control. Answers whether the key was
  // used up (the focus moved, or the control set the key to 0); an unused key is left to the
  // toolkit.
  bool DispatchKeyDown(int key, TShiftState shift);
  // The release of a key, delivered by the same rules (Tab is never used up).
  bool DispatchKeyUp(int key, TShiftState shift);

  TNotifyEvent OnClose;

  void DefineProperties(TFiler& filer) override;
  // A window read from its description gives the focus to its first tab stop.
  void Loaded() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TWinControl* activeControl_ = nullptr;
  TFormFont font_;
  int textHeight_ = 0;
};

}  // namespace quil

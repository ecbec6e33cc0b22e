#pragma once

#include <string>

#include "core/control.h"

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

  int ClientWidth() const { return Width(); }
  int ClientHeight() const { return Height(); }
  void SetClientWidth(int v) { SetWidth(v); }
  void SetClientHeight(int v) { SetHeight(v); }
  // The control that takes the focus when the window becomes active: the first tab stop.
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* c) { activeControl_ = c; }

  TNotifyEvent OnClose;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TWinControl* activeControl_ = nullptr;
};

}  // namespace quil

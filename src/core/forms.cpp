#include "core/forms.h"

namespace quil {

const TMetaClass& TButton::StaticClass() {
  static const TMetaClass meta("TButton", &TWinControl::StaticClass(), {}, ComponentFactory<TButton>());
  return meta;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

const TMetaClass& TForm::StaticClass() {
  static const TMetaClass meta("TForm", &TWinControl::StaticClass(),
                               TPropertyListBuilder<TForm>()
                                   .Int("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
                                   .Int("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
                                   .Build(),
                               ComponentFactory<TForm>());
  return meta;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {}

void TForm::SetActiveControl(TWinControl* c) {
  if (c == activeControl_) return;
  if (activeControl_) RemoveFreeNotification(*activeControl_);
  activeControl_ = c;
  if (c) FreeNotification(*c);
}

bool TForm::DispatchKeyDown(int key, TShiftState shift) {
  TWinControl* focused = FocusedDescendant();
  if (key == VK_TAB && !(shift & (ssCtrl | ssAlt))) {
    TWinControl* next = FindNextControl(focused, !(shift & ssShift));
    if (!next) return false;
    next->SetFocus();
    return true;
  }
  if (!focused || (IsArrowKey(key) && !focused->WantsArrowKeys())) return false;
  focused->KeyDown(key, shift);
  return key == 0;
}

bool TForm::DispatchKeyUp(int key, TShiftState shift) {
  TWinControl* focused = FocusedDescendant();
  if (!focused || key == VK_TAB || (IsArrowKey(key) && !focused->WantsArrowKeys())) return false;
  focused->KeyUp(key, shift);
  return key == 0;
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == activeControl_) activeControl_ = nullptr;
}

}  // namespace quil

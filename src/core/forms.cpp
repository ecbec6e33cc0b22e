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

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == activeControl_) activeControl_ = nullptr;
}

}  // namespace quil

#include "core/forms.h"

#include <vector>

#include "core/filer.h"
#include "core/reader.h"

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
                                   .Object("Font", static_cast<TFormFont& (TForm::*)()>(&TForm::Font))
                                   .Build(),
                               ComponentFactory<TForm>());
  return meta;
}

namespace {

std::vector<const TForm*>& LiveForms() {
  static std::vector<const TForm*> forms;
  return forms;
}

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) { LiveForms().push_back(this); }

TForm::~TForm() { std::erase(LiveForms(), this); }

void TForm::DefineProperties(TFiler& filer) {
  TWinControl::DefineProperties(filer);
  filer.DefineProperty(
      "TextHeight", [this](TReader& reader) { textHeight_ = reader.ReadInteger(); },
      [this](TWriter& writer) { writer.WriteInteger(textHeight_); }, textHeight_ != 0);
}

void TForm::Loaded() {
  TWinControl::Loaded();
  if (!activeControl_) SetActiveControl(FindNextControl(nullptr, true));
}

bool TForm::IsFormName(std::string_view name, const TForm* except) {
  for (const TForm* f : LiveForms())
    if (f != except && SameText(f->Name(), name)) return true;
  return false;
}

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

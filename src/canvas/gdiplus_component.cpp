#include "canvas/gdiplus_component.h"

#include "panel/quil_panel.h"

namespace quil {

const TEnumInfo& GDIPlusFontQualityInfo() {
  static const TEnumInfo info{"TGDIPlusFontQuality", {"gpfBest", "gpfDefault", "gpfClearType", "gpfNormal"}};
  return info;
}

const TMetaClass& TQuilGDIPlus::StaticClass() {
  using C = TQuilGDIPlus;
  static const TMetaClass meta("TQuilGDIPlus", &TComponent::StaticClass(),
                               TPropertyListBuilder<C>()
                                   .Bool("Active", &C::Active, &C::SetActive, false)
                                   .Bool("Antialias", &C::Antialias, &C::SetAntialias, true)
                                   .Enum("AntiAliasText", GDIPlusFontQualityInfo(), &C::AntiAliasText,
                                         &C::SetAntiAliasText, gpfDefault)
                                   .Float("Scale", &C::Scale, &C::SetScale, 1.0)
                                   .StoredWhen([](const C& c) { return c.IsScaleStored(); })
                                   .Reference("QuilPanel", &C::QuilPanel, &C::SetQuilPanel)
                                   .Build(),
                               ComponentFactory<C>());
  return meta;
}

TQuilGDIPlus::TQuilGDIPlus(TComponent* owner) : TComponent(owner) {}

TQuilGDIPlus::~TQuilGDIPlus() {
  RemoveTag();
  SetQuilPanel(nullptr);
}

TGDIPlusCanvas* TQuilGDIPlus::GetCanvas() const {
  return FQuilPanel ? dynamic_cast<TGDIPlusCanvas*>(FQuilPanel->CanvasOrNull()) : nullptr;
}

void TQuilGDIPlus::InstallPlainCanvas() {
  if (GetCanvas()) FQuilPanel->SetInternalCanvas(std::make_unique<TQuilCanvas3D>());
}

void TQuilGDIPlus::Activate() {
  if (!FQuilPanel) return;
  if (!FActive) {
    RemoveTag();
    InstallPlainCanvas();
    return;
  }
  auto canvas = std::make_unique<TGDIPlusCanvas>();
  TGDIPlusCanvas& installed = *canvas;
  if (const TCanvas3D* old = FQuilPanel->CanvasOrNull()) canvas->SetUseBuffer(old->GetUseBuffer());
  FQuilPanel->SetInternalCanvas(std::move(canvas));
  ResetCanvas();
  installed.SetTag(this);
  installed.GetGraphics();
}

void TQuilGDIPlus::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  Activate();
}

void TQuilGDIPlus::ResetCanvas() {
  if (TGDIPlusCanvas* c = GetCanvas()) {
    c->SetAnti(FAntialias);
    c->SetAntiText(FAntiAliasText);
    c->SetScale(FScale);
  }
}

void TQuilGDIPlus::SetAntialias(bool value) {
  if (value == FAntialias) return;
  FAntialias = value;
  ResetCanvas();
}

void TQuilGDIPlus::SetAntiAliasText(TGDIPlusFontQuality value) {
  if (value == FAntiAliasText) return;
  FAntiAliasText = value;
  ResetCanvas();
}

void TQuilGDIPlus::SetScale(float value) {
  if (value == FScale) return;
  FScale = value;
  ResetCanvas();
}

void TQuilGDIPlus::RemoveTag() {
  if (TGDIPlusCanvas* c = GetCanvas(); c && c->Tag() == this) c->SetTag(nullptr);
}

void TQuilGDIPlus::SetQuilPanel(TCustomQuilPanel* value) {
  if (value == FQuilPanel) return;
  if (FQuilPanel) {
    RemoveFreeNotification(*FQuilPanel);
    InstallPlainCanvas();
  }
  FQuilPanel = value;
  if (FQuilPanel)
    FreeNotification(*FQuilPanel);
  else
    FActive = false;
  Activate();
}

// A panel on its way out is told nothing more: its own parts are already gone, so the
// component only forgets it.
void TQuilGDIPlus::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove || !component || component != FQuilPanel) return;
  if (component->HasState(csDestroying)) {
    FQuilPanel = nullptr;
    FActive = false;
  } else {
    SetQuilPanel(nullptr);
  }
}

}  // namespace quil

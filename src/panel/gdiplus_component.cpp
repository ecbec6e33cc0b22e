#include "panel/gdiplus_component.h"

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
  return quilPanel_ ? dynamic_cast<TGDIPlusCanvas*>(quilPanel_->CanvasOrNull()) : nullptr;
}

void TQuilGDIPlus::InstallPlainCanvas() {
  if (GetCanvas()) quilPanel_->SetInternalCanvas(std::make_unique<TQuilCanvas3D>());
}

void TQuilGDIPlus::Activate() {
  if (!quilPanel_) return;
  if (!active_) {
    RemoveTag();
    InstallPlainCanvas();
    return;
  }
  auto canvas = std::make_unique<TGDIPlusCanvas>();
  TGDIPlusCanvas& installed = *canvas;
  if (const TCanvas3D* old = quilPanel_->CanvasOrNull()) canvas->SetUseBuffer(old->GetUseBuffer());
  quilPanel_->SetInternalCanvas(std::move(canvas));
  ResetCanvas();
  installed.SetTag(this);
  installed.GetGraphics();
}

void TQuilGDIPlus::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  Activate();
}

void TQuilGDIPlus::ResetCanvas() {
  if (TGDIPlusCanvas* c = GetCanvas()) {
    c->SetAnti(antialias_);
    c->SetAntiText(antiAliasText_);
    c->SetScale(scale_);
  }
}

void TQuilGDIPlus::SetAntialias(bool value) {
  if (value == antialias_) return;
  antialias_ = value;
  ResetCanvas();
}

void TQuilGDIPlus::SetAntiAliasText(TGDIPlusFontQuality value) {
  if (value == antiAliasText_) return;
  antiAliasText_ = value;
  ResetCanvas();
}

void TQuilGDIPlus::SetScale(float value) {
  if (value == scale_) return;
  scale_ = value;
  ResetCanvas();
}

void TQuilGDIPlus::RemoveTag() {
  if (TGDIPlusCanvas* c = GetCanvas(); c && c->Tag() == this) c->SetTag(nullptr);
}

void TQuilGDIPlus::SetQuilPanel(TCustomQuilPanel* value) {
  if (value == quilPanel_) return;
  if (quilPanel_) {
    RemoveFreeNotification(*quilPanel_);
    InstallPlainCanvas();
  }
  quilPanel_ = value;
  if (quilPanel_)
    FreeNotification(*quilPanel_);
  else
    active_ = false;
  Activate();
}

// A panel on its way out is told nothing more: its own parts are already gone, so the
// component only forgets it.
void TQuilGDIPlus::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove || !component || component != quilPanel_) return;
  if (component->HasState(csDestroying)) {
    quilPanel_ = nullptr;
    active_ = false;
  } else {
    SetQuilPanel(nullptr);
  }
}

}  // namespace quil

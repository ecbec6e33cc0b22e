#pragma once

#include "canvas/gdiplus_canvas.h"
#include "core/component.h"
#include "core/properties.h"

namespace quil {

class TCustomQuilPanel;

const TEnumInfo& GDIPlusFontQualityInfo();

// A non-visual component that switches a chart panel between the anti-aliased canvas (Active)
// and the plain one, and hands its smoothing, text quality and scale to the canvas it installs.
// The panel is a link only: when the panel goes, the component forgets it and is inactive.
class TQuilGDIPlus : public TComponent {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilGDIPlus(TComponent* owner = nullptr);
  ~TQuilGDIPlus() override;

  bool Active() const { return active_; }
  void SetActive(bool value);
  bool Antialias() const { return antialias_; }
  void SetAntialias(bool value);
  TGDIPlusFontQuality AntiAliasText() const { return antiAliasText_; }
  void SetAntiAliasText(TGDIPlusFontQuality value);
  float Scale() const { return scale_; }
  void SetScale(float value);
  bool IsScaleStored() const { return scale_ != 1; }
  TCustomQuilPanel* QuilPanel() const { return quilPanel_; }
  void SetQuilPanel(TCustomQuilPanel* value);

  // The panel's canvas when it is an anti-aliased one.
  TGDIPlusCanvas* GetCanvas() const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void Activate();
  void RemoveTag();
  void ResetCanvas();
  void InstallPlainCanvas();

  bool active_ = false;
  bool antialias_ = true;
  TGDIPlusFontQuality antiAliasText_ = gpfDefault;
  float scale_ = 1;
  TCustomQuilPanel* quilPanel_ = nullptr;  // not owned
};

}  // namespace quil

#pragma once

#include "core/control.h"

namespace quil {

enum TPanelBevel : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
enum TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

const TEnumInfo& PanelBevelInfo();
const TEnumInfo& AlignInfo();

// The toolkit panel the chart panel is built on: a windowed control with bevels and a border
// width that never shows a caption.
class TCustomPanelNoCaption : public TWinControl {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TCustomPanelNoCaption(TComponent* owner = nullptr);

  TPanelBevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel v);
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel v);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int v);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int v);
  TAlign Align() const { return align_; }
  void SetAlign(TAlign v) { align_ = v; }

 private:
  TPanelBevel bevelInner_ = bvNone;
  TPanelBevel bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TAlign align_ = alNone;
};

}  // namespace quil

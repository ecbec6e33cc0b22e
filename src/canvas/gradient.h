#pragma once

#include <cstdint>
#include <memory>

#include "canvas/gradient_colors.h"
#include "canvas/graphics_object.h"
#include "canvas/transparency.h"
#include "core/color.h"
#include "core/geometry.h"

namespace quil {

enum TGradientDirection : uint8_t {
  gdTopBottom,
  gdBottomTop,
  gdLeftRight,
  gdRightLeft,
  gdFromCenter,
  gdFromTopLeft,
  gdFromBottomLeft,
  gdRadial,
  gdDiagonalUp,
  gdDiagonalDown
};

// A shaded fill: colour stops, a direction (or a rotation angle), a balance that bends the
// blend towards one end, and the centre offsets of a radial gradient. The drawing itself is
// the canvas's.
class TCustomQuilGradient : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TCustomQuilGradient(TChangeHandler onChange = nullptr);
  ~TCustomQuilGradient() override;

  int Angle() const { return angle_; }
  void SetAngle(int angle);
  int Balance() const { return balance_; }
  void SetBalance(int balance);
  TGradientDirection Direction() const { return direction_; }
  void SetDirection(TGradientDirection direction);
  int RadialX() const { return radialX_; }
  void SetRadialX(int x);
  int RadialY() const { return radialY_; }
  void SetRadialY(int y);
  // When set, EndColor also sets StartColor.
  bool StartIsEnd() const { return startIsEnd_; }
  void SetStartIsEnd(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // When not empty, the rectangle the gradient spans instead of the filled shape's bounds.
  TRectF CustomTargetRectangle() const { return customTarget_; }
  void SetCustomTargetRectangle(TRectF r) { customTarget_ = r; }

  // The stops, created on first use with StartColor at 0 and EndColor at 1.
  TQuilGradientColors& Colors();
  const TQuilGradientColors* ColorsOrNull() const { return colors_.get(); }
  void SetColors(const TQuilGradientColors& colors);

  // Views of the stops: first, second of at least three (else clNone), last. Without stops
  // they read the owner's defaults; with an empty list Start and End read clNone.
  TColor StartColor() const;
  void SetStartColor(TColor color);
  TColor MidColor() const;
  // clNone removes the middle stop; another colour adds one at 0.5 when there are two.
  void SetMidColor(TColor color);
  TColor EndColor() const;
  void SetEndColor(TColor color);
  void UseMiddleColor() { SetMidColor(midColor_); }
  // Back to the two default stops, without notifying.
  void ResetColors();

  TGradientDirection DefaultDirection() const { return defaultDirection_; }
  bool DefaultVisible() const { return defaultVisible_; }
  // Value and stored default together, without notifying.
  void InitDirection(TGradientDirection direction);
  void InitVisible(bool visible);

  // The owner's default colours: what the colour views read before any stop exists, and the
  // values that are not stored.
  TColor IDefStart() const { return defStart_; }
  TColor IDefMid() const { return defMid_; }
  TColor IDefEnd() const { return defEnd_; }
  void SetIDefStart(TColor color) { defStart_ = color; }
  void SetIDefMid(TColor color) { defMid_ = color; }
  void SetIDefEnd(TColor color) { defEnd_ = color; }
  // The last middle colour set, which UseMiddleColor brings back.
  TColor IMidColor() const { return midColor_; }

  // True when the stops cannot be described by the three colour views alone.
  bool ColorsNeedStoring() const;

  void SetOnChange(TChangeHandler onChange) override;
  bool AssignSettings(const TPersistent& source) override;

 private:
  void CreateDefaultColors();

  int angle_ = 0;
  int balance_ = 50;
  TGradientDirection direction_ = gdTopBottom;
  TGradientDirection defaultDirection_ = gdTopBottom;
  int radialX_ = 0;
  int radialY_ = 0;
  bool startIsEnd_ = false;
  bool visible_ = false;
  bool defaultVisible_ = false;
  TRectF customTarget_;
  TColor defStart_ = clWhite;
  TColor defMid_ = clNone;
  TColor defEnd_ = clYellow;
  TColor midColor_ = clWhite;
  std::unique_ptr<TQuilGradientColors> colors_;
};

// A second gradient drawn translucently over a gradient fill.
class TSubGradient : public TCustomQuilGradient {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TSubGradient(TChangeHandler onChange = nullptr) : TCustomQuilGradient(std::move(onChange)) {}

  TQuilTransparency Transparency() const { return transparency_; }
  void SetTransparency(TQuilTransparency transparency);

  bool AssignSettings(const TPersistent& source) override;

 private:
  TQuilTransparency transparency_ = 50;
};

class TQuilGradient : public TCustomQuilGradient {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilGradient(TChangeHandler onChange = nullptr) : TCustomQuilGradient(std::move(onChange)) {}
  ~TQuilGradient() override;

  // Created on first use with this gradient's change handler.
  TSubGradient& SubGradient();
  const TSubGradient* SubGradientOrNull() const { return subGradient_.get(); }
  void SetSubGradient(const TSubGradient& subGradient);

  void SetOnChange(TChangeHandler onChange) override;
  bool AssignSettings(const TPersistent& source) override;

 private:
  std::unique_ptr<TSubGradient> subGradient_;
};

}  // namespace quil

#pragma once

#include <array>
#include <cstdint>

#include "canvas/graphics_object.h"
#include "canvas/transparency.h"
#include "core/color.h"
#include "core/geometry.h"

namespace quil {

enum TShadowDirection : uint8_t { sdLeftTop, sdLeftBottom, sdRightTop, sdRightBottom, sdCenter };

// An offset, optionally blurred and translucent copy of a shape or text drawn behind it.
// The canvas draws it; this object holds the settings and the geometry of the offset.
class TQuilShadow : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilShadow(TChangeHandler onChange = nullptr) : TGraphicsObject(std::move(onChange)) {}

  bool Clip() const { return clip_; }
  void SetClip(bool clip);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TShadowDirection Direction() const { return direction_; }
  void SetDirection(TShadowDirection direction);
  int HorizSize() const { return horizSize_; }
  void SetHorizSize(int size);
  int VertSize() const { return vertSize_; }
  void SetVertSize(int size);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool smooth);
  int SmoothBlur() const { return smoothBlur_; }
  void SetSmoothBlur(int blur);
  TQuilTransparency Transparency() const { return transparency_; }
  void SetTransparency(TQuilTransparency transparency);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // The margin around a blurred shadow image.
  int BlurSize() const { return blurSize_; }
  void SetBlurSize(int size) { blurSize_ = size; }

  // The larger of |HorizSize| and |VertSize|; setting it sets both.
  int Size() const;
  void SetSize(int size);

  TColor DefaultColor() const { return defaultColor_; }
  int DefaultSize() const { return defaultSize_; }
  bool DefaultVisible() const { return defaultVisible_; }
  TShadowDirection DefaultDirection() const { return defaultDirection_; }
  // Values and their stored defaults together, without notifying (owners' constructors).
  void InitValues(bool visible, TColor color, int size);

  // Visible and offset in at least one direction.
  bool ShouldDraw() const;
  void Hide() { SetVisible(false); }
  void Show() { SetVisible(true); }

  // The area the shadow of r covers: r moved towards Direction by the sizes, or for
  // sdCenter r grown by |HorizSize| and |VertSize| on every side.
  TRect OffsetRectangle(const TRect& r) const;
  // The corners of r (left-top, right-top, right-bottom, left-bottom) turned by angle
  // degrees counter-clockwise on screen about r's centre.
  static std::array<TPoint, 4> RectToFourPoints(const TRect& r, double angle);

  bool AssignSettings(const TPersistent& source) override;

 protected:
  bool clip_ = false;
  TColor color_ = clSilver;
  TColor defaultColor_ = clSilver;
  TShadowDirection direction_ = sdRightBottom;
  TShadowDirection defaultDirection_ = sdRightBottom;
  int horizSize_ = 0;
  int vertSize_ = 0;
  int defaultSize_ = 0;
  bool smooth_ = true;
  int smoothBlur_ = 0;
  TQuilTransparency transparency_ = 50;
  bool visible_ = true;
  bool defaultVisible_ = true;
  int blurSize_ = 4;
};

// A shadow towards the left-top in a light colour that makes its shape look raised; hidden
// until shown.
class TQuilEmboss : public TQuilShadow {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilEmboss(TChangeHandler onChange = nullptr);
};

}  // namespace quil

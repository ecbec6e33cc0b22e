#pragma once

#include <cstdint>
#include <memory>

#include "canvas/gradient.h"
#include "canvas/graphics_object.h"
#include "canvas/picture.h"
#include "core/color.h"

namespace quil {

class TBitmap;

enum TBrushStyle : uint8_t { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// The anti-aliased backend's hatch patterns, in its numbering. The first six are the plain
// brush hatches (brush style = hatch style + 2).
enum THatchStyle : uint8_t {
  hsHorizontal,
  hsVertical,
  hsForwardDiagonal,
  hsBackwardDiagonal,
  hsCross,
  hsDiagonalCross,
  hs05Percent,
  hs10Percent,
  hs20Percent,
  hs25Percent,
  hs30Percent,
  hs40Percent,
  hs50Percent,
  hs60Percent,
  hs70Percent,
  hs75Percent,
  hs80Percent,
  hs90Percent,
  hsLightDownwardDiagonal,
  hsLightUpwardDiagonal,
  hsDarkDownwardDiagonal,
  hsDarkUpwardDiagonal,
  hsWideDownwardDiagonal,
  hsWideUpwardDiagonal,
  hsLightVertical,
  hsLightHorizontal,
  hsNarrowVertical,
  hsNarrowHorizontal,
  hsDarkVertical,
  hsDarkHorizontal,
  hsDashedDownwardDiagonal,
  hsDashedUpwardDiagonal,
  hsDashedHorizontal,
  hsDashedVertical,
  hsSmallConfetti,
  hsLargeConfetti,
  hsZigZag,
  hsWave,
  hsDiagonalBrick,
  hsHorizontalBrick,
  hsWeave,
  hsPlaid,
  hsDivot,
  hsDottedGrid,
  hsDottedDiamond,
  hsShingle,
  hsTrellis,
  hsSphere,
  hsSmallGrid,
  hsSmallCheckerBoard,
  hsLargeCheckerBoard,
  hsOutlinedDiamond,
  hsSolidDiamond
};

// The platform brush: colour, style and an optional pattern bitmap. Colour starts white,
// style solid.
class TBrush : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TBrush(TChangeHandler onChange = nullptr) : TGraphicsObject(std::move(onChange)) {}

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  // A pattern image the brush paints with; not owned, the caller keeps it alive while set.
  const TBitmap* Bitmap() const { return bitmap_; }
  void SetBitmap(const TBitmap* bitmap);

  TColor DefaultColor() const { return defaultColor_; }

  bool AssignSettings(const TPersistent& source) override;

 protected:
  TColor color_ = clWhite;
  TColor defaultColor_ = clWhite;
  TBrushStyle style_ = bsSolid;
  const TBitmap* bitmap_ = nullptr;
};

// The chart's brush: the platform brush with a back colour for hatches, an optional gradient,
// an optional image and the anti-aliased hatch patterns. Colour starts as clQuilColor.
class TQuilBrush : public TBrush {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilBrush(TChangeHandler onChange = nullptr);
  ~TQuilBrush() override;

  TColor BackColor() const { return backColor_; }
  void SetBackColor(TColor color);
  THatchStyle HatchStyle() const { return hatchStyle_; }
  // The first six hatches also set the plain brush style to the same hatch.
  void SetHatchStyle(THatchStyle style);

  // Created on first use with this brush's change handler.
  TQuilGradient& Gradient();
  const TQuilGradient* GradientOrNull() const { return gradient_.get(); }
  void SetGradient(const TQuilGradient& gradient);
  TQuilPicture& Image();
  const TQuilPicture* ImageOrNull() const { return image_.get(); }
  void SetImage(const TQuilPicture& image);

  // Style clear, no image, no gradient.
  void Clear();
  // Colour and its stored default, without notifying.
  void InitColor(TColor color);

  bool HasImage() const { return image_ != nullptr; }
  bool HasGraphic() const;
  bool HasGradient() const;

  void SetOnChange(TChangeHandler onChange) override;
  bool AssignSettings(const TPersistent& source) override;

 private:
  TColor backColor_ = clNone;
  THatchStyle hatchStyle_ = hsHorizontal;
  std::unique_ptr<TQuilGradient> gradient_;
  std::unique_ptr<TQuilPicture> image_;
};

}  // namespace quil

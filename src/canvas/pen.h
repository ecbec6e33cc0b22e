#pragma once

#include <cstdint>
#include <memory>

#include "canvas/brush.h"
#include "canvas/graphics_object.h"
#include "core/color.h"

namespace quil {

enum TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame, psUserStyle, psAlternate };

enum TPenMode : uint8_t {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};

enum TPenEndStyle : uint8_t { esRound, esSquare, esFlat };
enum TPenJoinStyle : uint8_t { jsRound, jsBevel, jsMitter };

// The platform pen: colour, width, dash style and raster mode. Colour starts black, width 1,
// style solid, mode copy.
class TPen : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TPen(TChangeHandler onChange = nullptr) : TGraphicsObject(std::move(onChange)) {}

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode mode);

  // The colour and width that are not stored (the owner's defaults).
  TColor DefaultColor() const { return defaultColor_; }
  int DefaultWidth() const { return defaultWidth_; }

  bool AssignSettings(const TPersistent& source) override;

 protected:
  TColor color_ = clBlack;
  TColor defaultColor_ = clBlack;
  int width_ = 1;
  int defaultWidth_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

// The chart's pen: the platform pen with line ends, joins, small dots, visibility and an
// optional fill brush for wide lines.
class TQuilPen : public TPen {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilPen(TChangeHandler onChange = nullptr);
  ~TQuilPen() override;

  TPenEndStyle EndStyle() const { return endStyle_; }
  void SetEndStyle(TPenEndStyle style);
  TPenJoinStyle JoinStyle() const { return joinStyle_; }
  void SetJoinStyle(TPenJoinStyle style);
  bool SmallDots() const { return smallDots_; }
  void SetSmallDots(bool smallDots);
  int SmallSpace() const { return smallSpace_; }
  void SetSmallSpace(int space);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  TPenEndStyle DefaultEnd() const { return defaultEnd_; }
  TPenJoinStyle DefaultJoin() const { return defaultJoin_; }
  bool DefaultVisible() const { return defaultVisible_; }

  // The fill brush, created on first use with this pen's change handler.
  TQuilBrush& Fill();
  const TQuilBrush* FillOrNull() const { return fill_.get(); }
  bool HasFill() const { return fill_ != nullptr; }
  void SetFill(const TQuilBrush& fill);

  void Hide() { SetVisible(false); }
  void Show() { SetVisible(true); }
  // Half the width for insetting outlines: 0 when hidden or thinner than 2 pixels.
  int HalfWidth() const;
  bool IsGradientVisible() const;

  // Value and stored default together, without notifying.
  void InitColor(TColor color);
  void InitWidth(int width);
  void InitVisible(bool visible);
  void InitEndStyle(TPenEndStyle style);
  void InitJoinStyle(TPenJoinStyle style);

  void SetOnChange(TChangeHandler onChange) override;
  bool AssignSettings(const TPersistent& source) override;

 private:
  TPenEndStyle endStyle_ = esRound;
  TPenEndStyle defaultEnd_ = esRound;
  TPenJoinStyle joinStyle_ = jsRound;
  TPenJoinStyle defaultJoin_ = jsRound;
  bool smallDots_ = false;
  int smallSpace_ = 0;
  bool visible_ = true;
  bool defaultVisible_ = true;
  std::unique_ptr<TQuilBrush> fill_;
};

// A pen that starts hidden (and is stored only when shown).
class TQuilHiddenPen : public TQuilPen {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilHiddenPen(TChangeHandler onChange = nullptr);
};

class TDarkGrayPen : public TQuilPen {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TDarkGrayPen(TChangeHandler onChange = nullptr);
};

class TWhitePen : public TQuilPen {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TWhitePen(TChangeHandler onChange = nullptr);
};

}  // namespace quil

#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "canvas/brush.h"
#include "canvas/graphics_object.h"
#include "canvas/pen.h"
#include "canvas/shadow.h"
#include "core/color.h"

namespace quil {

enum TFontStyle : uint32_t {
  fsBold = 1u << 0,
  fsItalic = 1u << 1,
  fsUnderline = 1u << 2,
  fsStrikeOut = 1u << 3,
};
using TFontStyles = uint32_t;

enum TFontQuality : uint8_t { fqBest, fqNormal, fqDefault, fqClearType };

// The platform font. Its size in points and its height in pixels are one setting:
// Height = -round(Size·PixelsPerInch/72) (negative: the character height without leading).
// Name and size start from the default font texts, charset 1 (the default character set).
class TFont : public TGraphicsObject {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TFont(TChangeHandler onChange = nullptr);

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  int Size() const;
  void SetSize(int size);
  int Height() const { return height_; }
  void SetHeight(int height);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  int Charset() const { return charset_; }
  void SetCharset(int charset);
  int PixelsPerInch() const { return pixelsPerInch_; }
  // Keeps the size in points; the height follows.
  void SetPixelsPerInch(int ppi);

  bool AssignSettings(const TPersistent& source) override;

 protected:
  std::string name_;
  int height_ = 0;
  TColor color_ = clBlack;
  TFontStyles style_ = 0;
  int charset_ = 1;
  int pixelsPerInch_ = 96;
  TColor defColor_ = clBlack;  // colour and style that are not stored
  TFontStyles defStyle_ = 0;
};

// The chart's font: the platform font with a fill brush, fractional size, 3D depth, spacing
// between characters, an outline pen, a rendering quality and optional shadow and emboss.
class TQuilFont : public TFont {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilFont(TChangeHandler onChange = nullptr);
  ~TQuilFont() override;

  TQuilBrush& Brush() { return *brush_; }
  const TQuilBrush& Brush() const { return *brush_; }
  void SetBrush(const TQuilBrush& brush);
  // The brush's gradient and image, published on the font too.
  TQuilGradient& Gradient() { return brush_->Gradient(); }
  TQuilPicture& Picture() { return brush_->Image(); }

  float SizeDecimals() const { return sizeDecimals_; }
  // Size + SizeDecimals; setting x stores floor(x) as Size and the rest as SizeDecimals.
  float SizeFloat() const;
  void SetSizeFloat(float size);

  bool DefaultFont() const { return defaultFont_; }
  void SetDefaultFont(bool value);
  double Depth() const { return depth_; }
  void SetDepth(double depth);
  int InterCharSize() const { return interCharSize_; }
  void SetInterCharSize(int size);
  TFontQuality Quality() const { return quality_; }
  void SetQuality(TFontQuality quality);

  // Created on first use with this font's change handler.
  TQuilHiddenPen& OutLine();
  const TQuilHiddenPen* OutLineOrNull() const { return outLine_.get(); }
  void SetOutLine(const TQuilPen& pen);
  TQuilEmboss& Emboss();
  const TQuilEmboss* EmbossOrNull() const { return emboss_.get(); }
  void SetEmboss(const TQuilEmboss& emboss);
  TQuilShadow& Shadow();
  const TQuilShadow* ShadowOrNull() const { return shadow_.get(); }
  void SetShadow(const TQuilShadow& shadow);

  TColor IDefColor() const { return defColor_; }
  TFontStyles IDefStyle() const { return defStyle_; }
  // Font colour, brush colour and their stored defaults, without notifying.
  void InitColor(TColor color);
  // Style and its stored default, without notifying.
  void InitStyle(TFontStyles style);

  void SetOnChange(TChangeHandler onChange) override;
  bool AssignSettings(const TPersistent& source) override;

 private:
  std::unique_ptr<TQuilBrush> brush_;
  float sizeDecimals_ = 0;
  bool defaultFont_ = false;
  double depth_ = 0;
  int interCharSize_ = 0;
  TFontQuality quality_ = fqDefault;
  std::unique_ptr<TQuilHiddenPen> outLine_;
  std::unique_ptr<TQuilEmboss> emboss_;
  std::unique_ptr<TQuilShadow> shadow_;
};

}  // namespace quil

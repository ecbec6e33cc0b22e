#pragma once

#include <functional>
#include <memory>
#include <string>

#include "canvas/bitmap.h"
#include "canvas/brush.h"
#include "canvas/pen.h"
#include "core/color.h"
#include "core/geometry.h"
#include "core/host.h"

namespace quil {

class TQuilRegion;
class TSolidQuadFill;

// Raster mix codes of the backend (the pen's mode), 1..16.
enum TRop2 : int {
  R2_BLACK = 1, R2_NOTMERGEPEN, R2_MASKNOTPEN, R2_NOTCOPYPEN, R2_MASKPENNOT, R2_NOT, R2_XORPEN, R2_NOTMASKPEN,
  R2_MASKPEN, R2_NOTXORPEN, R2_NOP, R2_MERGENOTPEN, R2_COPYPEN, R2_MERGEPENNOT, R2_MERGEPEN, R2_WHITE
};

// The backend pen as the canvas builds it from its TQuilPen.
struct TRasterPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  TPenEndStyle EndStyle = esRound;
  TPenJoinStyle JoinStyle = jsRound;
  // A dot every SmallSpace + 1 pixels (0: every other pixel); negative: not a dotted pen.
  int SmallSpace = -1;
  friend bool operator==(const TRasterPen&, const TRasterPen&) = default;
};

struct TRasterBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  const TBitmap* Pattern = nullptr;  // not owned
  friend bool operator==(const TRasterBrush&, const TRasterBrush&) = default;
};

struct TRasterFont {
  std::string Name = "Arial";
  int PixelSize = 11;  // character height without leading
  // The same height unrounded (size in points at the font's resolution); 0: PixelSize.
  double EmSize = 0;
  // Text quality code: 0 the backend's default, 3 not anti-aliased, 4 anti-aliased, 5 ClearType.
  int Quality = 0;
  // Each glyph's own angle on the device, degrees counter-clockwise; 0: glyphs follow the baseline.
  double CharacterAngle = 0;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  int InterCharSize = 0;
  friend bool operator==(const TRasterFont&, const TRasterFont&) = default;
};

// What the plain canvas needs of a 2D graphics library, on integer device coordinates.
// Rectangle, RoundRect and Ellipse leave out the right and bottom edge; LineTo leaves out
// its last pixel; fills use the brush, outlines the pen, and both the raster mix.
class TRasterBackend {
 public:
  virtual ~TRasterBackend() = default;

  virtual void SetTarget(TDeviceContext* target) = 0;
  virtual TDeviceContext* Target() const = 0;
  // The pixels of the target, (0, 0, width, height); empty without a target.
  virtual TRect TargetBounds() const = 0;
  // A drawing target over an image; the image must outlive it.
  virtual std::unique_ptr<TDeviceContext> CreateBitmapTarget(TBitmap& bitmap) const = 0;

  virtual void SetPen(const TRasterPen& pen) = 0;
  virtual const TRasterPen& Pen() const = 0;
  virtual void SetRop2(int code) = 0;
  virtual int Rop2() const = 0;
  virtual void SetBrush(const TRasterBrush& brush) = 0;
  virtual const TRasterBrush& Brush() const = 0;
  virtual void SetBackMode(int mode) = 0;  // 1 transparent, 2 opaque
  virtual int BackMode() const = 0;
  virtual void SetBackColor(TColor color) = 0;
  virtual TColor BackColor() const = 0;
  virtual void SetTextAlign(int align) = 0;
  virtual int TextAlign() const = 0;
  virtual void SetTextColor(TColor color) = 0;
  virtual TColor TextColor() const = 0;
  virtual void SetFont(const TRasterFont& font) = 0;
  virtual const TRasterFont& Font() const = 0;
  // No region removes clipping.
  virtual void SetClipRegion(const TQuilRegion* region) = 0;

  virtual void MoveTo(int x, int y) = 0;
  virtual TPoint PenPos() const = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual void Polyline(const TPoint* points, int count) = 0;
  // Alternate (even-odd) fill.
  virtual void Polygon(const TPoint* points, int count) = 0;
  virtual void Rectangle(int x0, int y0, int x1, int y1) = 0;
  virtual void RoundRect(int x0, int y0, int x1, int y1, int ellipseWidth, int ellipseHeight) = 0;
  virtual void Ellipse(int x0, int y0, int x1, int y1) = 0;
  // Elliptic arc or pie in the box, counter-clockwise from startAngle over sweep degrees.
  virtual void Arc(const TRect& box, double startAngle, double sweep) = 0;
  virtual void Pie(const TRect& box, double startAngle, double sweep) = 0;
  virtual void FillRect(const TRect& rect) = 0;
  virtual void SetPixel(int x, int y, TColor color) = 0;
  virtual TColor GetPixel(int x, int y) const = 0;

  // Text at (x, y) with the text alignment, turned counter-clockwise by angle degrees.
  virtual void TextOut(int x, int y, const std::string& text, double angle) = 0;
  // Width and height of one line of text with the current font.
  virtual TPoint TextExtent(const std::string& text) = 0;
  // The device rectangle around the text's box as TextOut would place it (bounding box when turned).
  virtual TRect TextBounds(int x, int y, const std::string& text, double angle);
  // The text's glyph outlines placed as TextOut places them, filled with the brush and/or
  // stroked with the pen (a text path); the base draws the text plainly.
  virtual void TextPath(int x, int y, const std::string& text, double angle, bool fill, bool stroke);
  // Paints image, stretched over the text's box, through the glyphs, or with widenWidth > 0
  // through the band a pen that wide would stroke along their outlines.
  virtual void TextThroughImage(int x, int y, const std::string& text, double angle, const TBitmap& image,
                                int widenWidth);

  // A filler of opaque quadrilaterals straight into the target's pixels with the current clip
  // and the plain copy mix (fallback draws the quadrilaterals it leaves); none when the target
  // is not an image drawn one to one or the mix is another.
  virtual std::unique_ptr<TSolidQuadFill> SolidQuadFill(std::function<void(const TPoint (&)[4], TColor)> fallback);

  // Draws an image scaled into dest (1:1 when the sizes agree).
  virtual void DrawBitmap(const TBitmap& bitmap, const TRect& dest) = 0;
  // Replaces the target's pixels at (x, y) by the image's, one to one, within the clip.
  virtual void PutBitmap(const TBitmap& bitmap, int x, int y) = 0;
  // Copies the pixels of area from the target into a new image of the area's size.
  virtual TBitmap CopyArea(const TRect& area) const = 0;
  // Copies a whole image onto another target at (x, y), one to one; answers 0, or the
  // backend's error code when the copy failed.
  virtual int CopyBitmapTo(const TBitmap& bitmap, TDeviceContext& dest, int x, int y) const = 0;
};

std::unique_ptr<TRasterBackend> CreateCairoRaster();

}  // namespace quil

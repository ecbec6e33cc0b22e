#pragma once

#include <cairo.h>
#include <pango/pango.h>

#include <functional>
#include <memory>
#include <optional>

#include "canvas/pixel_writer.h"
#include "canvas/quil_region.h"
#include "canvas/raster_backend.h"
#include "canvas/text_layout_cache.h"

namespace quil {

// The plain backend over Cairo: no anti-aliasing, integer device coordinates, pixel centres
// at +0.5. One-pixel lines, dotted pens and raster mixes other than copy are drawn into the
// image data directly, so they step and mix exactly; everything else goes through Cairo.
class TCairoRaster : public TRasterBackend {
 public:
  TCairoRaster();
  ~TCairoRaster() override;

  void SetTarget(TDeviceContext* target) override;
  TDeviceContext* Target() const override { return target_; }
  TRect TargetBounds() const override;
  std::unique_ptr<TDeviceContext> CreateBitmapTarget(TBitmap& bitmap) const override;

  void SetPen(const TRasterPen& pen) override { pen_ = pen; }
  const TRasterPen& Pen() const override { return pen_; }
  void SetRop2(int code) override { rop_ = code; }
  int Rop2() const override { return rop_; }
  void SetBrush(const TRasterBrush& brush) override { brush_ = brush; }
  const TRasterBrush& Brush() const override { return brush_; }
  void SetBackMode(int mode) override { backMode_ = mode; }
  int BackMode() const override { return backMode_; }
  void SetBackColor(TColor color) override { backColor_ = color; }
  TColor BackColor() const override { return backColor_; }
  void SetTextAlign(int align) override { textAlign_ = align; }
  int TextAlign() const override { return textAlign_; }
  void SetTextColor(TColor color) override { textColor_ = color; }
  TColor TextColor() const override { return textColor_; }
  void SetFont(const TRasterFont& font) override;
  const TRasterFont& Font() const override { return font_; }
  void SetClipRegion(const TQuilRegion* region) override;

  void MoveTo(int x, int y) override { penPos_ = {x, y}; }
  TPoint PenPos() const override { return penPos_; }
  void LineTo(int x, int y) override;
  void Polyline(const TPoint* points, int count) override;
  void Polygon(const TPoint* points, int count) override;
  void Rectangle(int x0, int y0, int x1, int y1) override;
  void RoundRect(int x0, int y0, int x1, int y1, int ellipseWidth, int ellipseHeight) override;
  void Ellipse(int x0, int y0, int x1, int y1) override;
  void Arc(const TRect& box, double startAngle, double sweep) override;
  void Pie(const TRect& box, double startAngle, double sweep) override;
  void FillRect(const TRect& rect) override;
  void SetPixel(int x, int y, TColor color) override;
  TColor GetPixel(int x, int y) const override;

  void TextOut(int x, int y, const std::string& text, double angle) override;
  TPoint TextExtent(const std::string& text) override;
  TRect TextBounds(int x, int y, const std::string& text, double angle) override;
  void TextPath(int x, int y, const std::string& text, double angle, bool fill, bool stroke) override;
  void TextThroughImage(int x, int y, const std::string& text, double angle, const TBitmap& image,
                        int widenWidth) override;
  // Layouts built for measuring and drawing so far; a label measured again builds none.
  std::size_t TextLayoutsBuilt() const { return text_.LayoutsBuilt(); }

  std::unique_ptr<TSolidQuadFill> SolidQuadFill(std::function<void(const TPoint (&)[4], TColor)> fallback) override;

  void DrawBitmap(const TBitmap& bitmap, const TRect& dest) override;
  void PutBitmap(const TBitmap& bitmap, int x, int y) override;
  TBitmap CopyArea(const TRect& area) const override;
  int CopyBitmapTo(const TBitmap& bitmap, TDeviceContext& dest, int x, int y) const override;

 private:
  using TPathBuilder = std::function<void(cairo_t*)>;

  cairo_t* Cr() const { return cr_; }
  // Where user pixel (0, 0) lies on the target, when the target is an image Cairo draws into
  // one to one.
  std::optional<TPoint> DirectOrigin() const;
  // Direct pixel access, when the target is an image Cairo draws into one to one.
  std::optional<TPixelWriter> Pixels() const;
  void BeginPixels() const;
  void EndPixels() const;
  bool PenVisible() const { return pen_.Style != psClear; }
  bool PenIsPixelLine() const;
  void SetSourceColor(cairo_t* cr, TColor color) const;
  bool SetBrushSource(cairo_t* cr) const;
  void SetStrokeStyle(cairo_t* cr) const;
  // Fills the path with the brush (through the raster mix when it is not copy).
  void FillPath(const TPathBuilder& path);
  // Strokes the path with the pen; offset: whether the path runs through pixel centres.
  void StrokePath(const TPathBuilder& path);
  void MixPath(const TPathBuilder& path, bool stroke, TColor color);
  void PixelPolyline(const TPoint* points, int count, bool closed);
  // The text's layout and where its box lies relative to the point it is drawn at.
  struct TPlacedText {
    PangoLayout* Layout = nullptr;  // null: nothing to draw
    int Width = 0;
    int Height = 0;
    double Dx = 0;
    double Dy = 0;
  };
  TPlacedText PlaceText(const std::string& text);
  // Moves and turns the context to the text's box; the caller saves and restores it.
  void EnterTextBox(cairo_t* cr, int x, int y, double angle, const TPlacedText& placed) const;
  // Adds the glyphs to the path, or shows them, each turned by the character angle if any.
  void AddGlyphs(cairo_t* cr, const TPlacedText& placed, double angle, bool asPath) const;
  cairo_antialias_t TextAntialias() const;

  TDeviceContext* target_ = nullptr;
  cairo_t* cr_ = nullptr;
  TRasterPen pen_;
  TRasterBrush brush_;
  TRasterFont font_;
  int rop_ = R2_COPYPEN;
  int backMode_ = 2;
  TColor backColor_ = clWhite;
  int textAlign_ = 0;
  TColor textColor_ = clBlack;
  TPoint penPos_;
  std::optional<TQuilRegion> clip_;
  TTextLayoutCache text_;
};

}  // namespace quil

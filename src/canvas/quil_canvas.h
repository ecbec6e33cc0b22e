#pragma once

#include <memory>
#include <string>
#include <vector>

#include "canvas/bitmap.h"
#include "canvas/brush.h"
#include "canvas/canvas_types.h"
#include "canvas/font.h"
#include "canvas/gradient.h"
#include "canvas/pen.h"
#include "core/geometry.h"
#include "core/host.h"

namespace quil {

class TQuilBlend;
class TQuilCorners;

// The 2D side of every canvas: it owns the current pen, brush and font, knows the surface it
// draws on (the reference canvas) and declares the device-pixel operations.
class TQuilCanvas {
 public:
  TQuilCanvas();
  virtual ~TQuilCanvas();
  TQuilCanvas(const TQuilCanvas&) = delete;
  TQuilCanvas& operator=(const TQuilCanvas&) = delete;

  TQuilPen& Pen() { return *pen_; }
  TQuilBrush& Brush() { return *brush_; }
  TQuilFont& Font() { return *font_; }
  // The brush's gradient, the one fills use when it is visible.
  TQuilGradient& Gradient() { return brush_->Gradient(); }
  TDeviceContext* ReferenceCanvas() const { return referenceCanvas_; }

  TCanvasStretchQuality StretchDrawQuality() const { return stretchDrawQuality_; }
  void SetStretchDrawQuality(TCanvasStretchQuality q) { stretchDrawQuality_ = q; }
  bool Metafiling() const { return metafiling_; }
  void SetMetafiling(bool value) { metafiling_ = value; }
  const TRect& Bounds() const { return bounds_; }
  void SetBounds(const TRect& r) { bounds_ = r; }
  double FontZoom() const { return fontZoom_; }
  void SetFontZoom(double zoom) { fontZoom_ = zoom; }
  bool SupportsAlpha() const { return supportsAlpha_; }
  bool SupportsConcave() const { return supportsConcave_; }
  bool ZoomText() const { return zoomText_; }
  bool UseTextCenter() const { return useTextCenter_; }
  void SetUseTextCenter(bool value) { useTextCenter_ = value; }
  TPoint TextCenter() const { return textCenter_; }
  void SetTextCenter(TPoint p) { textCenter_ = p; }
  // The current translucency of drawing, percent.
  int Transparency() const { return transparency_; }

  virtual void SetCanvas(TDeviceContext* canvas);
  virtual void DoChangedBrush(TQuilBrush& brush) = 0;
  virtual void DoChangedFont() = 0;
  virtual void DoChangedPen() = 0;
  virtual void FastLineTo(int x, int y) { LineTo(x, y); }
  virtual TColor GetBackColor() const = 0;
  virtual TCanvasBackMode GetBackMode() const = 0;
  virtual TDeviceContext* GetHandle() const = 0;
  virtual bool GetIsNoBMPGrid() const = 0;
  virtual bool GetMonochrome() const = 0;
  virtual TColor GetPixel(int x, int y) = 0;
  virtual bool GetSupportsFullRotation() const = 0;
  virtual bool GetSupportsXORMode() const = 0;
  virtual int GetTextAlign() const = 0;
  virtual bool GetUseBuffer() const = 0;
  virtual bool IsAliased() const { return false; }
  virtual bool CanvasStyle() const = 0;
  virtual void SetAntiAlias(bool) {}
  virtual void SetBackColor(TColor value) = 0;
  virtual void SetBackMode(TCanvasBackMode value) = 0;
  virtual void SetFastLine(bool active) = 0;
  virtual void SetInterCharSize(int size) = 0;
  virtual void SetMonochrome(bool value) = 0;
  virtual void SetPenMode(const TQuilPen& pen) = 0;
  virtual void SetPixel(int x, int y, TColor value) = 0;
  virtual void SetTextAlign(int value) = 0;
  virtual void SetUseBuffer(bool value) = 0;
  virtual std::vector<TPointFloat> Tessellate(const std::vector<double>&, const std::vector<double>&) { return {}; }
  virtual void AssignBrush(const TQuilBrush& brush, TColor color, TColor backColor);
  virtual void AssignVisiblePenColor(const TQuilPen& pen, TColor color);
  // Starts translucent drawing over r; the plain canvas answers a blend object that
  // EndBlending mixes back, a canvas that blends per pixel answers none.
  virtual std::unique_ptr<TQuilBlend> BeginBlending(const TRect& r, int transparency);
  virtual void EndBlending(std::unique_ptr<TQuilBlend> blend);

  virtual void Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) = 0;
  virtual void Arc(int left, int top, int right, int bottom, double startAngle, double endAngle);
  virtual void ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, bool clockWise);
  virtual void Donut(int xCenter, int yCenter, int xRadius, int yRadius, double startAngle, double endAngle,
                     double holePercent) = 0;
  virtual void Draw(int x, int y, const TBitmap& graphic) = 0;
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void FillRect(const TRect& rect) = 0;
  virtual void Frame3D(TRect& rect, TColor topColor, TColor bottomColor, int width);
  virtual void LineTo(int x, int y) = 0;
  virtual void LineTo(TPointFloat p);
  virtual void MoveTo(int x, int y) = 0;
  virtual void MoveTo(TPointFloat p);
  virtual void Pie(const TRect& r, double startAngle, double endAngle) = 0;
  virtual void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  virtual void Rectangle(int x0, int y0, int x1, int y1) = 0;
  virtual void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) = 0;
  virtual void StretchDraw(const TRect& rect, const TBitmap& graphic) = 0;
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  // The backend's extent of one line of text, without shadow or emboss.
  virtual TPoint TextExtent(const std::string& text) = 0;
  virtual int TextHeight(const std::string& st);
  virtual TPointFloat TextSize(const std::string& st);
  virtual int TextWidth(const std::string& st);
  virtual void ClipRectangle(const TRect& rect) = 0;
  virtual void ClipRectangle(const TRect& rect, int roundX, int roundY) = 0;
  virtual void ClipEllipse(const TRect& rect, bool inverted) = 0;
  virtual void ClipPolygon(const TPoint* points, int numPoints, bool diffRegion) = 0;
  virtual void Curve(const std::vector<TPoint>& points, float tension, bool closed, float z);
  virtual void DoHorizLine(int x0, int x1, int y);
  virtual void DoVertLine(int x, int y0, int y1);
  virtual void DrawCheckBox(int x, int y, bool checked, TColor backColor, bool checkBox);
  virtual void EraseBackground(const TRect& rect) = 0;
  virtual void GradientFill(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction,
                            int balance, int radialX, int radialY) = 0;
  virtual void Invalidate() = 0;
  virtual void Line(int x0, int y0, int x1, int y1);
  virtual void Polyline(const TPoint* points, int count) = 0;
  virtual void PolylineFloat(const TPointFloat* points, int count) = 0;
  virtual void Polygon(const TPoint* points, int count) = 0;
  virtual void PolygonConcave(const TPoint* points, int count) { Polygon(points, count); }
  virtual void PolygonFloat(const TPointFloat* points, int count) = 0;
  virtual void RotateLabel(int x, int y, const std::string& st, double rotDegree, bool allowHtml) = 0;
  virtual void UnClipRectangle() = 0;
  virtual void* BeginEntity(const std::string& entity, void* visual, void* transform);
  virtual void EndEntity() {}
  virtual void DrawLighting(TEdgeStyle, int, const TRect&, const TRect&, const TRect&, double, double, TPoint, bool) {}
  virtual bool CheckFastBrush() { return false; }

  // Pixels of the current surface, for translucency: copy out and put back one to one.
  virtual TBitmap CopyArea(const TRect& area) = 0;
  virtual void PutArea(const TBitmap& bitmap, TPoint at) = 0;

  void AssignBrush(const TQuilBrush& brush) { AssignBrush(brush, brush.Color(), brush.BackColor()); }
  void AssignBrush(const TQuilBrush& brush, TColor backColor) { AssignBrush(brush, brush.Color(), backColor); }
  void AssignBrushColor(const TQuilBrush& brush, TColor color, TColor backColor) {
    AssignBrush(brush, color, backColor);
  }
  void AssignVisiblePen(const TQuilPen& pen) { AssignVisiblePenColor(pen, pen.Color()); }
  void AssignFont(const TQuilFont& font) { AssignFontSize(font, font.SizeFloat()); }
  void AssignFontSize(const TQuilFont& font, double size);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  void Line(TPoint from, TPoint to) { Line(from.X, from.Y, to.X, to.Y); }
  void DoRectangle(const TRect& r) { Rectangle(r); }
  void Polygon(const std::vector<TPoint>& points) { Polygon(points.data(), static_cast<int>(points.size())); }
  void Polyline(const std::vector<TPoint>& points) { Polyline(points.data(), static_cast<int>(points.size())); }
  void TextOut(int x, int y, const std::string& text, bool allowHtml);
  int GetFontHeight() { return TextHeight("W"); }
  void ResetState();

  // Saves the current transparency; PopTransp brings it back and fails on an empty stack.
  void PushTransp();
  void PopTransp();

 protected:
  // While the canvas edits Font itself, the font change does not reach the backend twice.
  bool IChangingFont = false;
  bool supportsAlpha_ = false;
  bool supportsConcave_ = true;
  bool zoomText_ = true;
  int transparency_ = 0;

 private:
  std::unique_ptr<TQuilBrush> brush_;
  TDeviceContext* referenceCanvas_ = nullptr;  // not owned
  std::unique_ptr<TQuilFont> font_;
  std::unique_ptr<TQuilPen> pen_;
  TCanvasStretchQuality stretchDrawQuality_ = sqHigh;
  bool metafiling_ = false;
  std::vector<int> transpStack_;
  TRect bounds_;
  double fontZoom_ = 100;
  bool useTextCenter_ = false;
  TPoint textCenter_;
};

}  // namespace quil

#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "canvas/gdiplus_brush.h"
#include "canvas/gdiplus_color.h"
#include "canvas/gdiplus_graphics.h"
#include "canvas/gdiplus_images.h"
#include "canvas/gdiplus_path.h"
#include "canvas/gdiplus_pen.h"
#include "canvas/gdiplus_text.h"
#include "canvas/gdiplus_transform.h"
#include "canvas/quil_canvas3d.h"

namespace quil {

class TComponent;
class TQuilGDIPlusPath;

// Text quality of the anti-aliased canvas; each stands for one font quality.
enum TGDIPlusFontQuality { gpfBest, gpfDefault, gpfClearType, gpfNormal };

TFontQuality FontQualityOf(TGDIPlusFontQuality quality);
TGDIPlusFontQuality GDIPlusFontQualityOf(TFontQuality quality);
// The rendering hint a font gets: its own quality, or for the default quality the canvas's
// text quality, where "default" means ClearType below 20 points and smooth from 20 up.
TGPTextHint TextHintFor(TFontQuality fontQuality, TGDIPlusFontQuality antiAliasText, float sizePoints);

// What the backend font was last built from, so that it is rebuilt only when one changes.
struct TQuilFontCache {
  std::string Name;
  float Size = 0;
  TFontStyles Style = 0;
};

// Start and sweep of an arc in the backend's clockwise degrees.
struct TGPArcAngles {
  double Start = 0;
  double Sweep = 0;
};

// The anti-aliased canvas: the plain canvas's projection, 3D decomposition and buffering, with
// every raster operation drawn through a graphics object of the anti-aliased backend in float
// coordinates with per-pixel alpha, gradient brushes and smooth text.
//
// Transparency() is an opacity here: 255 draws opaque, and translucent drawing multiplies it
// down. Drawing happens only while a graphics object exists (a buffer or a target to draw on);
// backend failures raise EQuilError with a "GDI+ Error: ..." text.
class TGDIPlusCanvas : public TQuilCanvas3D {
 public:
  TGDIPlusCanvas();
  ~TGDIPlusCanvas() override;

  bool Antialias() const { return anti_; }
  void SetAnti(bool value);
  TGDIPlusFontQuality AntiAliasText() const { return GDIPlusFontQualityOf(FontQuality()); }
  void SetAntiText(TGDIPlusFontQuality value);
  float Scale() const { return scale_; }
  void SetScale(float value);
  // The graphics object, created when a surface is there to bind it to; null otherwise.
  TGPGraphics* GetGraphics();
  // The component that installed this canvas on a panel, if any (not owned).
  TComponent* Tag() const { return tag_; }
  void SetTag(TComponent* tag) { tag_ = tag; }
  // The canvas's own transform, applied to every paint when Enabled; created on first use.
  TQuilTransform& Transform();
  const TQuilTransform* TransformOrNull() const { return transform_.get(); }
  // When set, gradient fills of polygons, pies and curves span these points instead.
  void SetGradientPolygon(std::vector<TPointFloat> points) { IGradientPolygon = std::move(points); }

  // Colours at an alpha, or at the canvas's opacity.
  static TGPColor GDIPColor(TColor color, int alpha) { return quil::GDIPColor(color, alpha); }
  TGPColor GDIPColor(TColor color) const { return quil::GDIPColor(color, transparency_); }
  int ApplyTransparency(int value) const { return quil::ApplyTransparency(value, transparency_); }
  TGPColor GradientToColor(const TQuilGradientColor& entry) const;

  // TQuilCanvas
  void SetCanvas(TDeviceContext* canvas) override;
  void DoChangedBrush(TQuilBrush& brush) override;
  void DoChangedFont() override;
  void DoChangedPen() override;
  void FastLineTo(int x, int y) override;
  TColor GetBackColor() const override { return backColor_; }
  TCanvasBackMode GetBackMode() const override { return backMode_; }
  bool GetSupportsXORMode() const override { return true; }
  int GetTextAlign() const override { return textAlign_; }
  bool IsAliased() const override { return ICachedAntialias; }
  bool CanvasStyle() const override { return true; }
  bool CheckFastBrush() override { return false; }
  // While anti-aliasing is off, with a clear pen, a plain solid brush at full opacity, no world
  // transform but a shift, and a clip of rectangles or of one convex polygon.
  std::unique_ptr<TSolidQuadFill> SolidQuadFill() override;
  void SetAntiAlias(bool value) override;
  void SetBackColor(TColor value) override { backColor_ = value; }
  void SetBackMode(TCanvasBackMode value) override { backMode_ = value; }
  void SetFastLine(bool active) override { SetAntiAlias(!active); }
  void SetInterCharSize(int size) override { interCharSize_ = size; }
  void SetPixel(int x, int y, TColor value) override;
  void SetTextAlign(int value) override { textAlign_ = value; }
  void SetUseBuffer(bool value) override;
  std::unique_ptr<TQuilBlend> BeginBlending(const TRect& r, int transparency) override;
  void EndBlending(std::unique_ptr<TQuilBlend> blend) override;

  void Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) override;
  void Arc(int left, int top, int right, int bottom, double startAngle, double endAngle) override;
  void ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, bool clockWise) override;
  // Angles in degrees, counter-clockwise, as on the plain canvas.
  void Donut(int xCenter, int yCenter, int xRadius, int yRadius, double startAngle, double endAngle,
             double holePercent) override;
  void Draw(int x, int y, const TBitmap& graphic) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void FillRect(const TRect& rect) override;
  // Whole-pixel strips, as on the plain canvas: smoothed one-pixel lines on integer
  // coordinates would straddle two rows and blur the bevels of panels and frames.
  void Frame3D(TRect& rect, TColor topColor, TColor bottomColor, int width) override;
  void LineTo(int x, int y) override;
  void MoveTo(int x, int y) override;
  void Pie(const TRect& r, double startAngle, double endAngle) override;
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void Rectangle(int x0, int y0, int x1, int y1) override;
  void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) override;
  void StretchDraw(const TRect& rect, const TBitmap& graphic) override;
  void TextOut(int x, int y, const std::string& text) override;
  TPoint TextExtent(const std::string& text) override;
  int TextHeight(const std::string& st) override;
  TPointFloat TextSize(const std::string& st) override;
  int TextWidth(const std::string& st) override;
  void ClipRectangle(const TRect& rect) override;
  void ClipRectangle(const TRect& rect, int roundX, int roundY) override;
  void ClipEllipse(const TRect& rect, bool inverted) override;
  void ClipPolygon(const TPoint* points, int numPoints, bool inverted) override;
  void Curve(const std::vector<TPoint>& points, float tension, bool closed, float z) override;
  void DoHorizLine(int x0, int x1, int y) override;
  void DoVertLine(int x, int y0, int y1) override;
  void GradientFill(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction, int balance,
                    int radialX, int radialY) override;
  void Line(int x0, int y0, int x1, int y1) override;
  void Polyline(const TPoint* points, int count) override;
  void PolylineFloat(const TPointFloat* points, int count) override;
  void Polygon(const TPoint* points, int count) override;
  void PolygonFloat(const TPointFloat* points, int count) override;
  void RotateLabel(int x, int y, const std::string& st, double rotDegree, bool allowHtml) override;
  void UnClipRectangle() override;
  void* BeginEntity(const std::string& entity, void* visual, void* transform) override;
  void EndEntity() override;

  // TCanvas3D
  void SetPixel3D(int x, int y, int z, TColor value) override;
  void SmoothShadow(const TQuilShadow& shadow, const TRect& rect, bool ellipse, int roundSize,
                    const std::vector<TPoint>& points, int donutPercent, double startAngle, double endAngle) override;
  std::unique_ptr<TCanvas3D> Create() const override { return std::make_unique<TGDIPlusCanvas>(); }
  std::string ClassName() const override { return "TGDIPlusCanvas"; }
  std::string Description() const override { return "GDI+"; }
  std::string EditorClass() const override { return "TGDIPlusEditor"; }
  // False until the backend is started (and after it is stopped).
  bool IsAvailable() const override;
  TRect InitWindow(TDeviceContext* destCanvas, TView3DOptions* options, TColor backColor, bool is3D,
                   const TRect& userRect) override;
  void ShowImage(TDeviceContext* destCanvas, TDeviceContext* defaultCanvas, const TRect& userRect) override;
  void HorizLine3D(int left, int right, int y, int z) override;
  void VertLine3D(int x, int top, int bottom, int z) override;
  void ZLine3D(int x, int y, int z0, int z1) override;
  void LineWithZ(int x0, int y0, int x1, int y1, int z) override;
  void MoveTo3D(int x, int y, int z) override;
  void LineTo3D(int x, int y, int z) override;
  void RoundRectWithZ(const TRect& r, int x, int y, int z) override;
  void TextOut3D(int x, int y, int z, const std::string& text, bool allowHtml) override;

  using TQuilCanvas3D::Arc;
  using TQuilCanvas3D::Ellipse;
  using TQuilCanvas3D::LineTo;
  using TQuilCanvas3D::LineTo3D;
  using TQuilCanvas3D::MoveTo;
  using TQuilCanvas3D::MoveTo3D;
  using TQuilCanvas3D::Polygon;
  using TQuilCanvas3D::Polyline;
  using TQuilCanvas3D::Rectangle;
  using TQuilCanvas3D::RoundRect;
  using TQuilCanvas3D::StretchDraw;
  using TQuilCanvas3D::TextOut;
  using TQuilCanvas3D::TextOut3D;
  using TQuilCanvas3D::LineWithZ;

  // Text with its top-left corner (or the point the alignment names) at (x, y).
  void TextOut(double x, double y, const std::string& text);
  // A bitmap whose transparent colour is left unpainted.
  void StretchDraw(const TRect& rect, const TBitmap& graphic, const TBitmapTransparency& transparency);
  // The whole image into dest at the canvas's opacity.
  void DrawBlendImage(const TBitmap& image, const TGPRect& dest);
  // Source scaled into the whole of dest with high-quality interpolation.
  static void ResizeBitmap(const TBitmap& source, TBitmap& dest);

  // Fill brushes of the canvas brush (or another) over a rectangle (Left, Top, Right, Bottom)
  // or polygon: its gradient when visible, else its colour, hatch or image.
  TGPBrush GBrush();
  TGPBrush GBrush(const TRect& r);
  TGPBrush GBrush(const TQuilBrush& brush, const TRectF& r);
  TGPBrush GBrush(const TQuilBrush& brush, const TPointFloat* points, int count);
  TGPBrush CreateNewBrush(const TQuilBrush& brush, int alpha);
  // Whether the canvas pen draws; builds the backend pen and sets the smoothing its width asks
  // for. The forms with bounds also stretch a visible pen fill gradient over them.
  bool HasPen();
  bool HasPen(const TRect& r);
  bool HasPen(const TGPRect& r);
  bool HasPen(const TPoint* points, int count, bool fixCurve);
  bool HasPen(const TPointFloat* points, int count);
  TGPPen CreateGPPen(TGPColor color);
  // The backend pen as last built (none before the first pen check after a change).
  const TGPPen* BackendPen() const { return gpPen_ ? &*gpPen_ : nullptr; }

  static TGPPath RoundRectPath(const TRect& r, int x, int y);
  // Angles in radians, counter-clockwise.
  static TGPPath DonutPath(double xCenter, double yCenter, double xRadius, double yRadius, double startAngle,
                           double endAngle, double holePercent);
  static TGPArcAngles FixAngles(double startAngle, double endAngle);
  // Fills and outlines a backend path with the canvas brush and pen.
  void Path(const TGPPath& path);
  void DrawSmoothShadow(const TGPPath& path, TColor color, double position);
  TRect CalcTextRect(TPointFloat p, const std::string& text);
  int InternalTextWidth(const std::string& text, bool typographic);
  void XORRectangle(const TRect& r);
  void XORLine(int x0, int y0, int x1, int y1);
  void ApplyTransform(const TQuilTransform& transform);
  std::unique_ptr<TQuilGDIPlusPath> CreatePath(const std::vector<TPointFloat>& points = {},
                                               const std::vector<uint8_t>& types = {});

  TGPTextEngine& TextEngine() { return *textEngine_; }
  const TQuilFontCache& FontCache() const { return IOldFont; }
  // How often the backend font was built.
  int FontBuilds() const { return fontBuilds_; }
  TPoint PenPosition() const { return {x_, y_}; }
  // The depth of the entity stack.
  int EntityDepth() const { return static_cast<int>(ITransform.size()); }
  int ClipDepth() const { return static_cast<int>(IOldClipRect.size()); }
  TQuilCanvas3D& XORCanvas() { return *IXORCanvas; }

 private:
  friend class TQuilGDIPlusPath;

  // A saved world transform of an entity, and whether the entity also clipped.
  struct TEntitySlot {
    cairo_matrix_t Saved;
    bool Clipped = false;
  };

  void RecreateGraphics();
  void CheckGraphics();
  void DoSetAnti(bool value);
  void DoSetAntiAlias(bool value);
  void DoSetAntiAliasText();
  void SetTextHint(TGDIPlusFontQuality quality);
  void ApplyFontTextHint();
  void RepaintOptions();
  bool PenDraws();
  bool XorPen();
  void ApplyPenFill(TRectF bounds);
  // The part of the world a fill can reach now: the clip's bounds.
  TGPRect VisibleArea() const;
  TGPBrush ShapeBrush(const TRectF& bounds);
  TGPBrush ShapeBrush(const TPointFloat* points, int count);
  TGPBrush CreateNewGradientBrush(const TCustomQuilGradient& gradient, const TRectF& r);
  TGPBrush CreateCircular(const TCustomQuilGradient& gradient, bool fromCenter, const TRectF& t);
  TGPBrush CreateLinearGradient(const TCustomQuilGradient& gradient, const TGPRect& r);
  void FillAndOutline(const TGPPath& path, const TRect& bounds);
  void StrokeLine(double x0, double y0, double x1, double y1);
  void LineSegment(int x0, int y0, int x1, int y1, bool xorBranch);
  void PushClipRect();
  // Whether the graphics object clips to nothing but its surface.
  bool Unclipped() const;
  void CheckXorCanvas();
  void InternalTextOut(double x, double y, const std::string& text, TColor color);
  TGPBrush TextBrush(TColor color, TPointFloat p, const std::string& text);
  void TryDrawShadow(const TQuilShadow* shadow, double x, double y, const std::string& text);
  void BlurBuffer(const TRect& area, int steps);
  void DrawOutline(double x, double y, const std::string& text);
  void DrawImageAt(const TBitmap& image, const TGPRect& dest);
  void ForgetPath(TQuilGDIPlusPath& path);

  std::unique_ptr<TGPGraphics> graphics_;
  std::optional<TGPPen> gpPen_;
  int gpPenOpacity_ = 255;
  std::unique_ptr<TGPTextEngine> textEngine_;
  int x_ = 0;
  int y_ = 0;
  int z_ = 0;
  bool anti_ = true;
  float scale_ = 1;
  double ITextRotation = 0;
  std::unique_ptr<TQuilCanvas3D> IXORCanvas;
  std::vector<TRectF> IOldClipRect;
  std::vector<TPointFloat> IGradientPolygon;
  TQuilFontCache IOldFont;
  bool fontBuilt_ = false;
  int fontBuilds_ = 0;
  TColor backColor_ = clWhite;
  TCanvasBackMode backMode_ = cbmTransparent;
  int textAlign_ = TA_LEFT;
  int interCharSize_ = 0;
  bool ICachedAntialias = false;
  std::vector<std::optional<TEntitySlot>> ITransform;
  TComponent* tag_ = nullptr;
  std::unique_ptr<TQuilTransform> transform_;
  std::vector<TQuilGDIPlusPath*> paths_;
  // The clip when it is one convex polygon clipped onto an unclipped surface, in the coordinates
  // it was given in; none for any other clip.
  std::optional<std::vector<TPoint>> convexClip_;
};

}  // namespace quil

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "canvas/canvas3d.h"
#include "canvas/quil_region.h"
#include "canvas/raster_backend.h"

namespace quil {

// The plain canvas: projection, 3D decomposition into polygons, an off-screen buffer and a
// clipping stack, drawn through a raster backend with integer pixels and no anti-aliasing.
// Only the backend knows the graphics library; everything here is its own arithmetic.
class TQuilCanvas3D : public TCanvas3D {
 public:
  TQuilCanvas3D();
  // A canvas over another backend (a recording one in tests, for instance).
  explicit TQuilCanvas3D(std::unique_ptr<TRasterBackend> backend);
  ~TQuilCanvas3D() override;

  TRasterBackend& Backend() const { return *raster_; }
  // The off-screen buffer, or null before the first buffered paint.
  TBitmap* Bitmap() const { return bitmap_.get(); }
  bool Dirty() const { return dirty_; }
  bool Is3D() const { return IProjection.Is3D; }
  double ZoomFactor() const { return IProjection.IZoomFactor; }
  TFontQuality FontQuality() const { return fontQuality_; }
  void SetFontQuality(TFontQuality q) { fontQuality_ = q; }
  double CharacterAngle() const { return characterAngle_; }
  void SetCharacterAngle(double a) { characterAngle_ = a; }
  bool Pie3DUsingArcs() const { return pie3DUsingArcs_; }
  void SetPie3DUsingArcs(bool v) { pie3DUsingArcs_ = v; }
  // The current clip region of the surface, if any.
  const TQuilRegion* ClipRegion() const { return clip_ ? &*clip_ : nullptr; }
  // Draws text at (x, y) with the current alignment and the font's shadow, emboss, outline,
  // gradient or picture, turned by the angle RotateLabel is drawing at (0 otherwise).
  void DirectTextOut(int x, int y, const std::string& text);

  // TQuilCanvas
  void SetCanvas(TDeviceContext* canvas) override;
  void DoChangedBrush(TQuilBrush& brush) override;
  void DoChangedFont() override;
  void DoChangedPen() override;
  void FastLineTo(int x, int y) override;
  TColor GetBackColor() const override;
  TCanvasBackMode GetBackMode() const override;
  TDeviceContext* GetHandle() const override { return ReferenceCanvas(); }
  bool GetIsNoBMPGrid() const override { return false; }
  bool GetMonochrome() const override { return monochrome_; }
  TColor GetPixel(int x, int y) override;
  bool GetSupportsFullRotation() const override { return false; }
  bool GetSupportsXORMode() const override { return true; }
  int GetTextAlign() const override;
  bool GetUseBuffer() const override { return bufferedDisplay_; }
  bool CanvasStyle() const override { return false; }
  void SetBackColor(TColor value) override;
  void SetBackMode(TCanvasBackMode value) override;
  void SetFastLine(bool active) override { fastLine_ = active; }
  void SetInterCharSize(int size) override;
  void SetMonochrome(bool value) override;
  void SetPenMode(const TQuilPen& pen) override;
  void SetPixel(int x, int y, TColor value) override;
  void SetTextAlign(int value) override;
  void SetUseBuffer(bool value) override;
  void Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) override;
  void Donut(int xCenter, int yCenter, int xRadius, int yRadius, double startAngle, double endAngle,
             double holePercent) override;
  void Draw(int x, int y, const TBitmap& graphic) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void FillRect(const TRect& rect) override;
  void LineTo(int x, int y) override;
  void MoveTo(int x, int y) override;
  void Pie(const TRect& r, double startAngle, double endAngle) override;
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void Rectangle(int x0, int y0, int x1, int y1) override;
  void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) override;
  void StretchDraw(const TRect& rect, const TBitmap& graphic) override;
  void TextOut(int x, int y, const std::string& text) override;
  TPoint TextExtent(const std::string& text) override;
  void ClipRectangle(const TRect& rect) override;
  void ClipRectangle(const TRect& rect, int roundX, int roundY) override;
  void ClipEllipse(const TRect& rect, bool inverted) override;
  void ClipPolygon(const TPoint* points, int numPoints, bool diffRegion) override;
  void EraseBackground(const TRect& rect) override { FillRect(rect); }
  void GradientFill(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction, int balance,
                    int radialX, int radialY) override;
  void Invalidate() override { dirty_ = true; }
  void Polyline(const TPoint* points, int count) override;
  void PolylineFloat(const TPointFloat* points, int count) override;
  void Polygon(const TPoint* points, int count) override;
  void PolygonFloat(const TPointFloat* points, int count) override;
  void RotateLabel(int x, int y, const std::string& st, double rotDegree, bool allowHtml) override;
  void UnClipRectangle() override;
  TBitmap CopyArea(const TRect& area) override;
  void PutArea(const TBitmap& bitmap, TPoint at) override;

  // TCanvas3D
  bool GetSupports3DText() const override { return false; }
  // With a clear pen and a plain solid brush (no pattern, gradient or image), on an image
  // target drawn one to one with the copy mix.
  std::unique_ptr<TSolidQuadFill> SolidQuadFill() override;
  void SmoothShadow(const TQuilShadow& shadow, const TRect& rect, bool ellipse, int roundSize,
                    const std::vector<TPoint>& points, int donutPercent, double startAngle, double endAngle) override;
  std::unique_ptr<TCanvas3D> Create() const override { return std::make_unique<TQuilCanvas3D>(); }
  std::string ClassName() const override { return "TQuilCanvas3D"; }
  std::string Description() const override { return "GDI"; }
  void Calculate2DPosition(int& x, int& y, int z) const override { IProjection.Calculate2DPosition(x, y, z); }
  TPoint Calculate3DPosition(int x, int y, int z) const override { return IProjection.Calc3DPoint(x, y, z); }
  void Calculate3DPosition(TPointFloat& p, float zPos) const override { IProjection.Calc3DPos(p, zPos); }
  TRect InitWindow(TDeviceContext* destCanvas, TView3DOptions* options, TColor backColor, bool is3D,
                   const TRect& userRect) override;
  void Assign(const TCanvas3D& source) override;
  void Projection(int maxDepth, const TRect& bounds, const TRect& rect) override;
  void ShowImage(TDeviceContext* destCanvas, TDeviceContext* defaultCanvas, const TRect& userRect) override;
  bool ReDrawBitmap() override;
  bool RenderToBitmap(TBitmap& bitmap, const TRect& r) override;
  void Arrow(bool filled, TPoint fromPoint, TPoint toPoint, int arrowWidth, int arrowHeight, int z0, int z1,
             double arrowPercent) override;
  void ClipCube(const TRect& rect, int minZ, int maxZ) override;
  void Cone(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark3D,
            int conePercent) override;
  void Cube(int left, int right, int top, int bottom, int z0, int z1, bool darkSides, int roundSize) override;
  void Cube(int left, int right, int top, int bottom, int z0, int z1, int bevelSize, bool darkSides,
            int roundSize) override;
  void Cylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark3D) override;
  void DisableRotation() override;
  void EllipseWithZ(int x1, int y1, int x2, int y2, int z) override;
  void EnableRotation() override;
  void Pie3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle, double endAngle,
             bool darkSides, bool drawSides, int donutPercent, const TCustomQuilGradient* gradient, int bevelPercent,
             TEdgeStyle edgeStyle, int transparency, int bevelBright, bool bevelBorder, bool hideSides) override;
  void Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides) override;
  void RectangleWithZ(const TRect& rect, int z) override;
  void RectangleY(int left, int top, int right, int z0, int z1) override;
  void RectangleZ(int left, int top, int bottom, int z0, int z1) override;
  void RotateLabel3D(int x, int y, int z, const std::string& st, double rotDegree, bool allowHtml) override;
  void Sphere(int x, int y, int z, double radius) override;
  void TextOut3D(int x, int y, int z, const std::string& text, bool allowHtml) override;
  void Triangle3D(const TTrianglePoints3D& points, const TTriangleColors3D& colors) override;
  void TriangleWithZ(TPoint p1, TPoint p2, TPoint p3, int z) override;

  using TCanvas3D::Arc;
  using TCanvas3D::Cube;
  using TCanvas3D::EllipseWithZ;
  using TCanvas3D::Ellipse;
  using TCanvas3D::LineTo;
  using TCanvas3D::MoveTo;
  using TCanvas3D::Polygon;
  using TCanvas3D::Polyline;
  using TCanvas3D::Rectangle;
  using TCanvas3D::RoundRect;
  using TCanvas3D::StretchDraw;
  using TCanvas3D::TextOut;
  using TCanvas3D::Calculate3DPosition;
  using TCanvas3D::TextOut3D;

  // The quadrilateral of the scratch points, as the many plane operations draw it.
  void PolygonFour();
  void SetBitmap(std::unique_ptr<TBitmap> bitmap);
  void DeleteBitmap();
  // Copies the whole buffer onto target at (left, top); false when that fails.
  bool TransferBitmap(int left, int top, TDeviceContext& target);
  // Fills rect with a gradient object: rotated, radial, two or three colours.
  void GradientFill(const TCustomQuilGradient& gradient, const TRect& rect);
  // Concentric ellipses from StartColor at the centre to EndColor at the rim, clipped to rect.
  void DrawRadial(const TCustomQuilGradient& gradient, const TRect& rect);
  // The gradient drawn without its angle into an image, turned by the angle and drawn on rect.
  void DrawRotated(const TCustomQuilGradient& gradient, const TRect& rect);

 protected:
  // Fills the layers a polygon's brush asks for (image, gradient) inside the shape's clip;
  // answers whether the backend brush was cleared for the outline pass.
  bool FillSpecialLayers(const TQuilRegion& shape, const TRect& bounds, bool withImage);
  void RestoreBrush();
  void ApplyClip();
  void PushClip(TQuilRegion region, int combine);
  TRect SurfaceLimit() const;
  TPoint IPoints[4];

 private:
  void InitBackendState();
  void FillSolid(const TRect& rect, TColor color);
  void GradientBands(const TRect& r, TColor startColor, TColor endColor, TGradientDirection direction, int balance);
  void GradientRings(const TRect& r, TColor startColor, TColor endColor, TGradientDirection direction, int balance);
  void GradientDiagonals(const TRect& r, TColor startColor, TColor endColor, TGradientDirection direction);
  // The backend font takes the text quality the font and the canvas ask for, and the angle
  // of each glyph.
  void SelectTextFont(double characterAngle);
  // One shadow step of text: factor +1 for a shadow, -1 for an emboss; may move x and y.
  void DrawTextShadow(const TQuilShadow& shadow, int factor, int& x, int& y, const std::string& text);
  void DrawTextOutline(int x, int y, const std::string& text, const TQuilPen& outline, bool glyphsFilled);
  // An image of the text's box size filled with the gradient.
  TBitmap TextGradientImage(const TCustomQuilGradient& gradient, const std::string& text);
  // Blurs the buffer under area (limited to the buffer), steps times.
  void BlurBufferArea(const TRect& area, int steps);
  void SmoothShadowImage(const TQuilShadow& shadow, const TRect& rect, bool ellipse, int roundSize,
                         const std::vector<TPoint>& points, int donutPercent);
  // Draws one face of a box through the scratch points, shaded by a gradient when amount > 0.
  void CubeFace(const TPoint& a, const TPoint& b, const TPoint& c, const TPoint& d, TColor oldColor,
                TGradientDirection direction, int amount);
  // Draws a face of a convex solid when it looks toward the viewer (or the brush is clear),
  // darkened by darkAmount; outward is any vector pointing out of the solid through it.
  void DrawSolidFace(std::vector<TPoint3D> face, const TFloatPoint3D& outward, int darkAmount);

  std::unique_ptr<TRasterBackend> raster_;
  std::unique_ptr<TBitmap> bitmap_;
  std::unique_ptr<TDeviceContext> bitmapTarget_;
  std::optional<TQuilRegion> clip_;
  bool wasThreeD_ = false;
  bool monochrome_ = false;
  bool fastLine_ = false;
  bool bufferedDisplay_ = true;
  bool dirty_ = true;
  bool keepBitmap_ = false;
  double characterAngle_ = 0;
  double escapement_ = 0;  // the angle of the text RotateLabel is drawing
  bool pie3DUsingArcs_ = false;
  // The plain canvas draws crisp text unless a font or this setting asks for smoothing.
  TFontQuality fontQuality_ = fqDefault;
};

// The backend pen that draws pen in color: small dots, a geometric pen when wider than a
// pixel, otherwise the pen as it is.
TRasterPen QuilSetQuilPen(const TQuilPen& pen, TColor color);
// A one-pixel dotted pen: every other pixel when space <= 0, else a dot every space + 1 pixels.
TRasterPen QuilCreatePenSmallDots(TColor color, int space);

}  // namespace quil

#pragma once

#include <array>
#include <memory>
#include <vector>

#include "canvas/corners.h"
#include "canvas/font.h"
#include "canvas/shadow.h"
#include "panel/back_image.h"
#include "panel/shape_brush_pen.h"
#include "panel/shape_callout.h"
#include "panel/shape_children.h"
#include "panel/shape_types.h"

namespace quil {

class TCanvas3D;

// A framed shape: a rectangle, rounded rectangle or ellipse with a fill, a frame, an optional
// shadow, emboss, bevel, picture, callout and translucency, turned by an angle, holding child
// shapes laid out inside it. Every boxed element of a chart is one.
class TQuilCustomShape : public TQuilCustomShapeBrushPen {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TQuilCustomShape(TCustomQuilPanel* parent = nullptr);
  ~TQuilCustomShape() override;

  int Angle() const { return angle_; }
  void SetAngle(int v) { SetValue(angle_, v); }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v) { SetValue(autoSize_, v); }
  TBevelCut Bevel() const { return bevel_; }
  void SetBevel(TBevelCut v) { SetValue(bevel_, v); }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int v) { SetValue(bevelWidth_, v); }
  TQuilShapeLayout ChildLayout() const { return childLayout_; }
  void SetChildLayout(TQuilShapeLayout v) { SetValue(childLayout_, v); }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { SetValue(color_, v); }
  // Setting a size above 0 also makes the shape a rounded rectangle.
  int RoundSize() const { return roundSize_; }
  void SetRoundSize(int v);
  ROvedeObjectShapeStyle ShapeStyle() const { return shapeStyle_; }
  void SetShapeStyle(ROvedeObjectShapeStyle v) { SetValue(shapeStyle_, v); }
  // No fill, no frame, no shadow and no bevel.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { SetValue(transparent_, v); }
  bool DefaultTransparent() const { return defaultTransparent_; }
  // Transparent and its stored default together, without repainting (owners' constructors).
  void InitTransparent(bool v) { transparent_ = defaultTransparent_ = v; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { SetValue(alignment_, v); }
  // Percent, 0 (opaque) to 100.
  int Transparency() const { return transparency_; }
  void SetTransparency(int v) { SetValue(transparency_, v); }
  // Draws the outline with the 3D operations even on a flat canvas.
  bool Draw3D() const { return draw3D_; }
  void SetDraw3D(bool v) { SetValue(draw3D_, v); }

  TQuilFont& Font() { return *font_; }
  const TQuilFont& Font() const { return *font_; }
  void SetFont(const TQuilFont& font) { font_->Assign(font); }
  // The font text is measured and drawn with: the panel's default font when Font stands for it.
  const TQuilFont& DrawingFont() const;
  // Created on first use with the owner's initial values (InitShadow, InitEmboss).
  TQuilShadow& Shadow();
  void SetShadow(const TQuilShadow& shadow) { Shadow().Assign(shadow); }
  TQuilEmboss& Emboss();
  const TQuilEmboss* EmbossOrNull() const { return emboss_.get(); }
  void SetEmboss(const TQuilEmboss& emboss) { Emboss().Assign(emboss); }
  TBackImage& Picture();
  const TBackImage* PictureOrNull() const { return picture_.get(); }
  void SetPicture(const TBackImage& picture) { Picture().Assign(picture); }
  TShapeCallout& ShapeCallout();
  const TShapeCallout* ShapeCalloutOrNull() const { return callout_.get(); }
  void SetShapeCallout(const TShapeCallout& callout) { ShapeCallout().Assign(callout); }
  TQuilCorners& Corners();
  const TQuilCorners* CornersOrNull() const { return corners_.get(); }
  TQuilShapes& Children() { return *children_; }
  const TQuilShapes& Children() const { return *children_; }

  // The shape's rectangle in panel pixels, set by its owner before each drawing.
  TRect ShapeBounds;
  int Width() const { return ShapeBounds.Width(); }
  int Height() const { return ShapeBounds.Height(); }
  // Moves ShapeBounds to (x, y) keeping its size.
  void MoveTo(int x, int y);

  // Computes ShapeBounds from the content when AutoSize is on; the owner places the top-left
  // corner first and may move or widen the result afterwards.
  virtual void CalcBounds(TCustomQuilPanel& panel);

  // Draw at ShapeBounds with Angle on the parent panel; the others at a given rectangle (and
  // outline, for owners that compute a 3D outline themselves).
  void Draw();
  void Draw(const TRect& rect, int angle, int z);
  void Draw(TCustomQuilPanel& panel, const TRect& rect, int z, int angle);
  void Draw(const TRect& rect, const std::vector<TPoint>& points, int z, int angle);
  void Draw(TCustomQuilPanel& panel, const TRect& rect, int z, int angle, const std::vector<TPoint>& points);

  // Whether p lies on the shape drawn at rect (edges included), turned by Angle.
  bool ClickedShape(TPoint p, const TRect& rect) const;
  bool Clicked(TPoint p) const { return ClickedShape(p, ShapeBounds); }

  void Assign(const TPersistent& source) override;

 protected:
  friend class TQuilShapes;

  // The outline from a point list, and from a rectangle.
  virtual void DoDraw(TCustomQuilPanel& panel, const std::vector<TPoint>& points, int z, int angle,
                      const TRect& rect);
  virtual void DoDraw(TCustomQuilPanel& panel, const TRect& rect, int z, int angle);
  // Where the first child goes: below (or, side by side, right of) what the shape holds itself.
  virtual int FirstChildPos(TCustomQuilPanel& panel, const TRect& rect);
  // A new child shape (the child class).
  virtual std::unique_ptr<TQuilCustomShape> NewChild();
  virtual void InitShadow(TQuilShadow& shadow);
  virtual void InitEmboss(TQuilEmboss& emboss);

  void InternalDraw(TCustomQuilPanel& panel, const std::vector<TPoint>& points, int z, int angle, bool useRect,
                    const TRect& rect);
  // Half the frame pen's width when the frame shows and is wider than one pixel.
  int FrameHalfWidth() const;
  bool FrameShows() const { return !transparent_ && Frame().Visible(); }

  template <class T>
  void SetValue(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Repaint();
  }

 private:
  void DrawShadowAndEmboss(TCanvas3D& canvas, const std::vector<TPoint>& points, int angle, bool useRect,
                           const TRect& rect);
  void FillShape(TCustomQuilPanel& panel, const std::vector<TPoint>& points, int angle, bool useRect,
                 const TRect& rect);
  void ClipToShape(TCanvas3D& canvas, const std::vector<TPoint>& points, int angle, bool useRect, const TRect& rect);
  void DrawBevel(TCanvas3D& canvas, const TRect& rect);
  void DrawChildren(TCustomQuilPanel& panel, const TRect& rect, int z, int angle);
  std::array<TQuilCornerStyle, 4> CornerStyles() const;

  int angle_ = 0;
  bool autoSize_ = true;
  TBevelCut bevel_ = bvNone;
  int bevelWidth_ = 2;
  TQuilShapeLayout childLayout_ = slTopBottom;
  TColor color_ = clWhite;
  int roundSize_ = 16;
  ROvedeObjectShapeStyle shapeStyle_ = fosRectangle;
  bool transparent_ = false;
  bool defaultTransparent_ = false;
  TAlignment alignment_ = taLeftJustify;
  int transparency_ = 0;
  bool draw3D_ = false;
  std::unique_ptr<TQuilFont> font_;
  std::unique_ptr<TQuilShadow> shadow_;
  std::unique_ptr<TQuilEmboss> emboss_;
  std::unique_ptr<TBackImage> picture_;
  std::unique_ptr<TShapeCallout> callout_;
  std::unique_ptr<TQuilCorners> corners_;
  std::unique_ptr<TQuilShapes> children_;
};

}  // namespace quil

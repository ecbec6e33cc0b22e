#include "panel/custom_shape.h"

#include <algorithm>

#include "panel/quil_panel.h"
#include "panel/shape_outline.h"

namespace quil {

namespace {

// Inside or on the edge of a convex polygon given in order (either turn).
bool InsideConvex(TPoint p, const std::array<TPoint, 4>& poly) {
  bool positive = false, negative = false;
  for (std::size_t i = 0; i < poly.size(); ++i) {
    const TPoint a = poly[i], b = poly[(i + 1) % poly.size()];
    const long long cross =
        static_cast<long long>(b.X - a.X) * (p.Y - a.Y) - static_cast<long long>(b.Y - a.Y) * (p.X - a.X);
    positive |= cross > 0;
    negative |= cross < 0;
  }
  return !(positive && negative);
}

}  // namespace

const TMetaClass& TQuilCustomShape::StaticClass() {
  static const TMetaClass meta("TQuilCustomShape", &TQuilCustomShapeBrushPen::StaticClass());
  return meta;
}

TQuilCustomShape::TQuilCustomShape(TCustomQuilPanel* parent)
    : TQuilCustomShapeBrushPen(parent),
      font_(std::make_unique<TQuilFont>(ChangeHandler())),
      children_(std::make_unique<TQuilShapes>(*this)) {}

TQuilCustomShape::~TQuilCustomShape() = default;

void TQuilCustomShape::SetRoundSize(int v) {
  if (v > 0) SetShapeStyle(fosRoundRectangle);
  SetValue(roundSize_, v);
}

const TQuilFont& TQuilCustomShape::DrawingFont() const {
  if (font_->DefaultFont() && Parent()) return Parent()->GetDefaultFont();
  return *font_;
}

void TQuilCustomShape::InitShadow(TQuilShadow& shadow) { shadow.InitValues(shadow.Visible(), clBlack, 3); }

void TQuilCustomShape::InitEmboss(TQuilEmboss& emboss) { emboss.InitValues(emboss.Visible(), clBlack, 3); }

TQuilShadow& TQuilCustomShape::Shadow() {
  if (!shadow_) {
    shadow_ = std::make_unique<TQuilShadow>();
    InitShadow(*shadow_);
    shadow_->SetOnChange(ChangeHandler());
  }
  return *shadow_;
}

TQuilEmboss& TQuilCustomShape::Emboss() {
  if (!emboss_) {
    emboss_ = std::make_unique<TQuilEmboss>();
    InitEmboss(*emboss_);
    emboss_->SetOnChange(ChangeHandler());
  }
  return *emboss_;
}

TBackImage& TQuilCustomShape::Picture() {
  if (!picture_) picture_ = std::make_unique<TBackImage>(ChangeHandler());
  return *picture_;
}

TShapeCallout& TQuilCustomShape::ShapeCallout() {
  if (!callout_) callout_ = std::make_unique<TShapeCallout>(ChangeHandler());
  return *callout_;
}

TQuilCorners& TQuilCustomShape::Corners() {
  if (!corners_) corners_ = std::make_unique<TQuilCorners>(ChangeHandler());
  return *corners_;
}

std::unique_ptr<TQuilCustomShape> TQuilCustomShape::NewChild() { return std::make_unique<TQuilCustomShape>(Parent()); }

void TQuilCustomShape::MoveTo(int x, int y) { ShapeBounds = OffsetRect(ShapeBounds, x - ShapeBounds.Left, y - ShapeBounds.Top); }

int TQuilCustomShape::FrameHalfWidth() const {
  const TQuilPen& pen = Frame();
  return pen.Visible() && pen.Width() > 1 ? pen.Width() / 2 : 0;
}

void TQuilCustomShape::CalcBounds(TCustomQuilPanel& panel) {
  TRect& b = ShapeBounds;
  if (autoSize_) b = {b.Left, b.Top, b.Left, b.Top};
  for (int i = 0; i < children_->Count(); ++i) {
    TQuilCustomShape& child = (*children_)[i].Shape();
    if (!child.Visible()) continue;
    child.CalcBounds(panel);
    if (childLayout_ == slLeftRight) {
      b.Right += child.Width();
      b.Bottom = std::max(b.Bottom, b.Top + child.Height());
    } else {
      b.Right = std::max(b.Right, b.Left + child.Width());
      b.Bottom += child.Height();
    }
  }
}

bool TQuilCustomShape::ClickedShape(TPoint p, const TRect& rect) const {
  if (angle_ == 0) return p.X >= rect.Left && p.X <= rect.Right && p.Y >= rect.Top && p.Y <= rect.Bottom;
  return InsideConvex(p, RectToFourPoints(rect, angle_ % 360));
}

void TQuilCustomShape::Draw() { Draw(ShapeBounds, angle_, 0); }

void TQuilCustomShape::Draw(const TRect& rect, int angle, int z) {
  if (Parent()) Draw(*Parent(), rect, z, angle);
}

void TQuilCustomShape::Draw(TCustomQuilPanel& panel, const TRect& rect, int z, int angle) {
  InternalDraw(panel, {}, z, angle, true, rect);
}

void TQuilCustomShape::Draw(const TRect& rect, const std::vector<TPoint>& points, int z, int angle) {
  if (Parent()) Draw(*Parent(), rect, z, angle, points);
}

void TQuilCustomShape::Draw(TCustomQuilPanel& panel, const TRect& rect, int z, int angle,
                            const std::vector<TPoint>& points) {
  InternalDraw(panel, points, z, angle, false, rect);
}

void TQuilCustomShape::Assign(const TPersistent& source) {
  const auto* s = dynamic_cast<const TQuilCustomShape*>(&source);
  if (s && s != this) {
    angle_ = s->angle_;
    autoSize_ = s->autoSize_;
    bevel_ = s->bevel_;
    bevelWidth_ = s->bevelWidth_;
    childLayout_ = s->childLayout_;
    color_ = s->color_;
    roundSize_ = s->roundSize_;
    shapeStyle_ = s->shapeStyle_;
    transparent_ = s->transparent_;
    alignment_ = s->alignment_;
    transparency_ = s->transparency_;
    draw3D_ = s->draw3D_;
    font_->AssignSettings(*s->font_);
    if (s->shadow_) Shadow().AssignSettings(*s->shadow_);
    if (s->emboss_) Emboss().AssignSettings(*s->emboss_);
    if (s->picture_) Picture().AssignSettings(*s->picture_);
    if (s->callout_) ShapeCallout().AssignSettings(*s->callout_);
    if (s->corners_) Corners().AssignSettings(*s->corners_);
    children_->Assign(*s->children_);
    ShapeBounds = s->ShapeBounds;
  }
  TQuilCustomShapeBrushPen::Assign(source);
}

}  // namespace quil

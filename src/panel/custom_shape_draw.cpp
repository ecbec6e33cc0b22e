#include <algorithm>

#include "canvas/canvas_geometry.h"
#include "canvas/quil_blend.h"
#include "canvas/shadow_drawing.h"
#include "panel/custom_shape.h"
#include "panel/quil_panel.h"
#include "panel/shape_outline.h"

namespace quil {

namespace {

constexpr TColor kBevelLight = 0xFFFFFF;
constexpr TColor kBevelDark = 0xA0A0A0;

bool AnyColorTranslucent(const TQuilGradient* g) {
  const TQuilGradientColors* colors = g ? g->ColorsOrNull() : nullptr;
  if (!colors) return false;
  for (int i = 0; i < colors->Count(); ++i)
    if ((*colors)[i].Transparency() > 0) return true;
  return false;
}

// The picture over rect by its mode: stretched, tiled from the top-left corner, centred, or
// at its own place and size.
void DrawShapePicture(TCanvas3D& canvas, const TBackImage& image, const TRect& rect) {
  const TCanvasStretchQuality oldQuality = canvas.StretchDrawQuality();
  canvas.SetStretchDrawQuality(image.DrawQuality());
  const TBitmap graphic = image.Filtered();
  const int w = graphic.Width(), h = graphic.Height();
  switch (image.Mode()) {
    case pbmStretch: canvas.StretchDraw(rect, graphic); break;
    case pbmTile:
      for (int y = rect.Top; y < rect.Bottom && h > 0; y += h)
        for (int x = rect.Left; x < rect.Right && w > 0; x += w) canvas.Draw(x, y, graphic);
      break;
    case pbmCenter: canvas.Draw((rect.Left + rect.Right - w) / 2, (rect.Top + rect.Bottom - h) / 2, graphic); break;
    case pbmCustom: {
      const int x = rect.Left + image.Left(), y = rect.Top + image.Top();
      if (image.Right() != 0 || image.Bottom() != 0)
        canvas.StretchDraw({x, y, x + image.Right(), y + image.Bottom()}, graphic);
      else
        canvas.Draw(x, y, graphic);
      break;
    }
  }
  canvas.SetStretchDrawQuality(oldQuality);
}

std::vector<TPoint> TurnedCorners(const TRect& rect, int angle) {
  const auto corners = RectToFourPoints(rect, angle);
  return {corners.begin(), corners.end()};
}

}  // namespace

std::array<TQuilCornerStyle, 4> TQuilCustomShape::CornerStyles() const {
  if (!corners_) return {cosRound, cosRound, cosRound, cosRound};
  return {corners_->LeftTop().Style(), corners_->RightTop().Style(), corners_->RightBottom().Style(),
          corners_->LeftBottom().Style()};
}

void TQuilCustomShape::InternalDraw(TCustomQuilPanel& panel, const std::vector<TPoint>& points, int z, int angle,
                                    bool useRect, const TRect& rect) {
  if (useRect ? rect.IsEmpty() : points.empty()) return;
  TCanvas3D& canvas = panel.Canvas();
  std::unique_ptr<TQuilBlend> blend;
  if (transparency_ != 0) {
    TRect area;
    if (!canvas.SupportsAlpha()) {
      if (!useRect)
        area = PolygonBounds(points);
      else if (angle != 0)
        area = PolygonBounds(TurnedCorners(rect, angle));
      else
        area = rect;
    }
    blend = canvas.BeginBlending(area, transparency_);
  }
  if (transparent_) {
    canvas.Brush().SetStyle(bsClear);
  } else {
    DrawShadowAndEmboss(canvas, points, angle, useRect, rect);
    FillShape(panel, points, angle, useRect, rect);
    canvas.AssignVisiblePen(Frame());
  }
  if (useRect)
    DoDraw(panel, rect, z, angle);
  else
    DoDraw(panel, points, z, angle, rect);
  if (!transparent_ && angle == 0) DrawBevel(canvas, rect);
  DrawChildren(panel, rect, z, angle);
  if (blend) {
    // A picture without an image can still filter what the shape drew.
    if (picture_ && picture_->Empty() && picture_->Filters().Count() > 0 && !blend->Rect().IsEmpty()) {
      TBitmap drawn = canvas.CopyArea(blend->Rect());
      picture_->Filters().ApplyTo(drawn);
      canvas.PutArea(drawn, blend->Rect().TopLeft());
    }
    canvas.EndBlending(std::move(blend));
  }
}

void TQuilCustomShape::DrawShadowAndEmboss(TCanvas3D& canvas, const std::vector<TPoint>& points, int angle,
                                           bool useRect, const TRect& rect) {
  if (Brush().Style() == bsClear) return;
  const int half = FrameHalfWidth();
  const int corner = shapeStyle_ == fosRoundRectangle ? roundSize_ : 0;
  auto draw = [&](const TQuilShadow& effect, int grow) {
    if (!effect.ShouldDraw()) return;
    TShadowPainter painter(effect, canvas);
    const TRect r = InflateRect(rect, grow, grow);
    if (!useRect)
      painter.Draw(points);
    else if (shapeStyle_ == fosEllipse)
      painter.DrawEllipse(r, 0, 0, 360);
    else
      painter.Draw(r, angle, corner);
  };
  draw(Shadow(), half);
  if (emboss_) draw(*emboss_, -half);
}

void TQuilCustomShape::ClipToShape(TCanvas3D& canvas, const std::vector<TPoint>& points, int angle, bool useRect,
                                   const TRect& rect) {
  if (!useRect) {
    canvas.ClipPolygon(points.data(), static_cast<int>(points.size()), false);
  } else if (angle != 0) {
    const std::vector<TPoint> corners = TurnedCorners(rect, angle);
    canvas.ClipPolygon(corners.data(), 4, false);
  } else if (shapeStyle_ == fosEllipse) {
    canvas.ClipEllipse(rect, false);
  } else if (shapeStyle_ == fosRoundRectangle) {
    canvas.ClipRectangle(rect, roundSize_, roundSize_);
  } else {
    canvas.ClipRectangle(rect);
  }
}

// With a picture the brush is cleared so the picture shows, unless a translucent gradient is
// meant to lie over it.
void TQuilCustomShape::FillShape(TCustomQuilPanel& panel, const std::vector<TPoint>& points, int angle, bool useRect,
                                 const TRect& rect) {
  TCanvas3D& canvas = panel.Canvas();
  const TQuilBrush& brush = Brush();
  if (picture_ && !picture_->Empty()) {
    ClipToShape(canvas, points, angle, useRect, rect);
    DrawShapePicture(canvas, *picture_, rect);
    canvas.UnClipRectangle();
    if (AnyColorTranslucent(brush.GradientOrNull())) {
      canvas.AssignBrushColor(brush, color_, brush.BackColor());
    } else {
      canvas.Brush().Clear();
    }
    return;
  }
  canvas.AssignBrushColor(brush, color_, brush.BackColor());
}

void TQuilCustomShape::DoDraw(TCustomQuilPanel& panel, const TRect& rect, int z, int angle) {
  if (transparent_) return;
  TCanvas3D& canvas = panel.Canvas();
  if (angle != 0) {
    canvas.Polygon(TurnedCorners(rect, angle));
  } else if (canvas.GetSupportsFullRotation() || draw3D_) {
    if (shapeStyle_ == fosEllipse)
      canvas.EllipseWithZ(rect, z);
    else if (shapeStyle_ == fosRoundRectangle)
      canvas.RoundRectWithZ(rect, roundSize_, roundSize_, z);
    else
      canvas.RectangleWithZ(rect, z);
  } else if (callout_ && callout_->Side() != csNone) {
    canvas.Polygon(callout_->GetPath(rect, shapeStyle_ == fosRoundRectangle ? roundSize_ : 0));
  } else if (shapeStyle_ == fosEllipse) {
    canvas.Ellipse(rect);
  } else if (shapeStyle_ == fosRoundRectangle && corners_) {
    canvas.Polygon(ShapeOutline(rect, roundSize_, CornerStyles(), {}));
  } else if (shapeStyle_ == fosRoundRectangle) {
    canvas.RoundRect(rect.Left, rect.Top, rect.Right, rect.Bottom, roundSize_, roundSize_);
  } else {
    canvas.Rectangle(rect);
  }
}

void TQuilCustomShape::DoDraw(TCustomQuilPanel& panel, const std::vector<TPoint>& points, int z, int,
                              const TRect&) {
  if (transparent_ || points.empty()) return;
  TCanvas3D& canvas = panel.Canvas();
  if (canvas.GetSupportsFullRotation() || draw3D_)
    canvas.PolygonWithZ(points, z);
  else
    canvas.Polygon(points);
}

// The panel's bevel without rounding, inside the frame.
void TQuilCustomShape::DrawBevel(TCanvas3D& canvas, const TRect& rect) {
  if (bevel_ == bvNone || bevelWidth_ <= 0) return;
  const int inset = Frame().Visible() ? std::max(1, Frame().Width()) : 0;
  TRect r = InflateRect(rect, -inset, -inset);
  const int width = std::min({bevelWidth_, r.Height() / 2, r.Width() / 2});
  if (width <= 0) return;
  const TColor topLeft = bevel_ == bvLowered ? kBevelDark : kBevelLight;
  const TColor bottomRight = bevel_ == bvRaised ? kBevelDark : kBevelLight;
  canvas.Pen().SetMode(pmCopy);
  canvas.Pen().SetSmallDots(false);
  canvas.Frame3D(r, topLeft, bottomRight, width);
}

int TQuilCustomShape::FirstChildPos(TCustomQuilPanel&, const TRect& rect) {
  const int start = childLayout_ == slLeftRight ? rect.Left : rect.Top;
  return start + (Frame().Visible() ? Frame().Width() / 2 : 0);
}

void TQuilCustomShape::DrawChildren(TCustomQuilPanel& panel, const TRect& rect, int z, int angle) {
  if (children_->Count() == 0) return;
  int position = FirstChildPos(panel, rect);
  for (int i = 0; i < children_->Count(); ++i) {
    TQuilCustomShape& child = (*children_)[i].Shape();
    if (!child.Visible()) continue;
    if (childLayout_ == slLeftRight) {
      child.MoveTo(position, rect.Top);
      position += child.Width();
    } else {
      const int x = child.Alignment() == taCenter         ? (rect.Left + rect.Right - child.Width()) / 2
                    : child.Alignment() == taRightJustify ? rect.Right - child.Width()
                                                          : rect.Left;
      child.MoveTo(x, position);
      position += child.Height();
    }
    child.Draw(panel, child.ShapeBounds, z, angle);
  }
}

}  // namespace quil

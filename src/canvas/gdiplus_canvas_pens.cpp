#include <algorithm>
#include <cmath>

#include "canvas/canvas_geometry.h"
#include "canvas/gdiplus_canvas.h"

namespace quil {

TGPPen TGDIPlusCanvas::CreateGPPen(TGPColor color) {
  const TQuilPen& pen = Pen();
  TGPPen p(color, pen.Width());
  if (pen.SmallDots()) {
    p.SetDashStyle(dsDot);
  } else {
    switch (pen.Style()) {
      case psDash: p.SetDashStyle(dsDash); break;
      case psDot: p.SetDashStyle(dsDot); break;
      case psDashDot: p.SetDashStyle(dsDashDot); break;
      case psDashDotDot: p.SetDashStyle(dsDashDotDot); break;
      default: break;
    }
  }
  switch (pen.EndStyle()) {
    case esRound: p.SetLineCap(lcRound, lcRound, dcRound); break;
    case esSquare: p.SetLineCap(lcSquare, lcSquare, dcTriangle); break;
    case esFlat: p.SetLineCap(lcFlat, lcFlat, dcFlat); break;
  }
  switch (pen.JoinStyle()) {
    case jsRound: p.SetLineJoin(ljRound); break;
    case jsBevel: p.SetLineJoin(ljBevel); break;
    case jsMitter: p.SetLineJoin(ljMiter); break;
  }
  return p;
}

void TGDIPlusCanvas::DoChangedPen() { gpPen_.reset(); }

bool TGDIPlusCanvas::PenDraws() { return Pen().Visible() && Pen().Style() != psClear; }

bool TGDIPlusCanvas::XorPen() { return Pen().Mode() == pmXor || Pen().Mode() == pmNotXor; }

// The pen is also rebuilt when the opacity moved since it was made, so that outlines drawn
// while blending are as translucent as the fills they surround.
bool TGDIPlusCanvas::HasPen() {
  if (!PenDraws()) return false;
  if (!gpPen_ || gpPenOpacity_ != transparency_) {
    gpPen_ = CreateGPPen(GDIPColor(Pen().Color()));
    gpPenOpacity_ = transparency_;
  }
  DoSetAnti(Pen().Width() == 0 ? false : anti_);
  return true;
}

void TGDIPlusCanvas::ApplyPenFill(TRectF bounds) {
  if (const TQuilBrush* fill = Pen().FillOrNull()) gpPen_->SetBrush(GBrush(*fill, bounds));
}

bool TGDIPlusCanvas::HasPen(const TRect& r) {
  if (!HasPen()) return false;
  if (Pen().IsGradientVisible()) {
    const int w = Pen().Width();
    const float half = w / 2.0f;
    TRectF b{r.Left - half, r.Top - half, r.Right + half, r.Bottom + half};
    if (w == 0 || w % 2 == 1) b.Top -= 1;
    ApplyPenFill(b);
  }
  return true;
}

bool TGDIPlusCanvas::HasPen(const TGPRect& r) {
  if (!HasPen()) return false;
  if (Pen().IsGradientVisible()) {
    const double half = Pen().Width() / 2.0;
    ApplyPenFill({static_cast<float>(r.X - half), static_cast<float>(r.Y - half),
                  static_cast<float>(r.Right() + half), static_cast<float>(r.Bottom() + half)});
  }
  return true;
}

namespace {

TRectF Grown(const TRectF& r, float by) { return {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by}; }

// The pen fill's own target rectangle, sides rounded, when it has one.
bool CustomTarget(const TQuilPen& pen, TRectF& target) {
  const TQuilBrush* fill = pen.FillOrNull();
  const TQuilGradient* g = fill ? fill->GradientOrNull() : nullptr;
  if (!g || IsEmpty(g->CustomTargetRectangle())) return false;
  target = ToRectF(RectFToRect(g->CustomTargetRectangle()));
  return true;
}

}  // namespace

bool TGDIPlusCanvas::HasPen(const TPoint* points, int count, bool fixCurve) {
  if (!HasPen()) return false;
  if (Pen().IsGradientVisible()) {
    TRectF b;
    if (!CustomTarget(Pen(), b)) b = ToRectF(RectFromPolygon(points, count));
    const float w = static_cast<float>(Pen().Width());
    ApplyPenFill(Grown(b, fixCurve ? w : w / 2));
  }
  return true;
}

bool TGDIPlusCanvas::HasPen(const TPointFloat* points, int count) {
  if (!HasPen()) return false;
  if (Pen().IsGradientVisible()) {
    TRectF b;
    if (!CustomTarget(Pen(), b) && points && count > 0) {
      b = {points[0].x, points[0].y, points[0].x, points[0].y};
      for (int i = 1; i < count; ++i) {
        b.Left = std::min(b.Left, points[i].x);
        b.Top = std::min(b.Top, points[i].y);
        b.Right = std::max(b.Right, points[i].x);
        b.Bottom = std::max(b.Bottom, points[i].y);
      }
    }
    ApplyPenFill(Grown(b, Pen().Width() / 2.0f));
  }
  return true;
}

}  // namespace quil

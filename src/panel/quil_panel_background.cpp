#include <algorithm>

#include "canvas/shadow_drawing.h"
#include "panel/quil_panel.h"

namespace quil {

namespace {

constexpr TColor kBevelLight = 0xFFFFFF;
constexpr TColor kBevelDark = 0xA0A0A0;

// Solid fill without outline, gradient or image.
void UseSolidBrush(TCanvas3D& canvas, TColor color) {
  canvas.Brush().Clear();
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(color);
  canvas.Pen().SetStyle(psClear);
}

bool AnyColorTranslucent(const TQuilGradient& g) {
  const TQuilGradientColors* colors = g.ColorsOrNull();
  if (!colors) return false;
  for (int i = 0; i < colors->Count(); ++i)
    if ((*colors)[i].Transparency() > 0) return true;
  return false;
}

// How far a border pen of this width moves each side inwards to sit centred on the edge.
struct TBorderInset {
  int LeftTop = 0;
  int RightBottom = 0;
};

TBorderInset FixBorderWidth(const TQuilPen& pen) {
  const int w = pen.Width();
  if (w < 2 || pen.SmallDots()) return {};
  const int half = (w - 1) / 2;
  return {half + ((w - 1) % 2 == 1 ? 1 : 0), half};
}

}  // namespace

TColor TCustomQuilPanel::PanelColor() const { return SystemColor(Color()); }

TColor TCustomQuilPanel::FillColor() const {
  const TColor c = (ParentColor() && Parent()) ? Parent()->Color() : Color();
  return c == clNone ? clNone : SystemColor(c);
}

void TCustomQuilPanel::PanelPaint(const TRect& userRect) {
  TCanvas3D& canvas = *internalCanvas_;
  canvas.BeginEntity("Panel", nullptr, nullptr);
  canvas.FrontPlaneBegin();
  TRect r = userRect;
  if (!printing_ || PrintQuilPanel) {
    if (Color() != clNone) {
      const TColor outside = SystemColor(Parent() ? Parent()->Color() : Color());
      UseSolidBrush(canvas, outside);
      canvas.FillRect(r);
      DrawPanelEffects(r);
    }
    FillPanelRect(r);
    if (TBackImage* image = BackImageOrNull(); image && !image->Empty() && !BackImageInsideWalls()) {
      DrawBackImage(*image, r);
      if (TQuilGradient* g = PanelGradientOrNull(); g && g->Visible() && AnyColorTranslucent(*g)) FillPanelRect(r);
    }
    DrawPanelBevels(r);
  }
  canvas.FrontPlaneEnd();
  canvas.EndEntity();
}

void TCustomQuilPanel::DrawPanelEffects(TRect& rect) {
  TCanvas3D& canvas = *internalCanvas_;
  if (shadow_->ShouldDraw()) {
    const int h = shadow_->HorizSize();
    const int v = shadow_->VertSize();
    if (h > 0) rect.Right -= h + 1; else rect.Left -= h + 1;
    if (v > 0) rect.Bottom -= v + 1; else rect.Top -= v + 1;
    canvas.Pen().SetStyle(psClear);
    TShadowPainter(*shadow_, canvas).Draw(rect, 0, borderRound_);
  }
  if (emboss_->ShouldDraw()) {
    const int h = emboss_->HorizSize();
    const int v = emboss_->VertSize();
    if (h > 0) rect.Left += h + 1;
    if (v > 0) rect.Top += v + 1;
    canvas.Pen().SetStyle(psClear);
    TShadowPainter(*emboss_, canvas).Draw(rect, 0, borderRound_);
  }
}

void TCustomQuilPanel::FillPanelRect(const TRect& rect) {
  if (printing_ && !PrintQuilPanel) return;
  const TColor color = FillColor();
  if (!border_->Visible() && color == clNone) return;
  TCanvas3D& canvas = *internalCanvas_;
  canvas.FrontPlaneBegin();
  canvas.AssignVisiblePen(*border_);
  canvas.Brush().Clear();
  if (TQuilGradient* g = PanelGradientOrNull(); g && g->Visible()) canvas.Brush().Gradient().Assign(*g);
  if (color != clNone) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
  }
  // Without a border the canvas's rectangle fills the last column and row of rect as it is.
  TRect r = rect;
  if (border_->Visible()) {
    const TBorderInset inset = FixBorderWidth(*border_);
    r = {r.Left + inset.LeftTop, r.Top + inset.LeftTop, r.Right - inset.RightBottom, r.Bottom - inset.RightBottom};
  }
  if (borderRound_ >= 1)
    canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, borderRound_, borderRound_);
  else
    canvas.Rectangle(r);
  canvas.FrontPlaneEnd();
}

void TCustomQuilPanel::DrawPanelBevels(TRect rect) {
  if (printing_ && !PrintQuilPanel) return;
  if (BevelInner() == bvNone && BevelOuter() == bvNone && BorderWidth() == 0) return;
  TCanvas3D& canvas = *internalCanvas_;
  canvas.Pen().SetVisible(true);
  canvas.Pen().SetStyle(psSolid);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetMode(pmCopy);
  canvas.Pen().SetSmallDots(false);
  canvas.FrontPlaneBegin();
  if (border_->Visible()) {
    const TBorderInset inset = FixBorderWidth(*border_);
    const int extra = border_->SmallDots() ? 0 : 1;
    rect = {rect.Left + inset.LeftTop, rect.Top + inset.LeftTop, rect.Right - inset.RightBottom,
            rect.Bottom - inset.RightBottom};
    rect = InflateRect(rect, -(inset.RightBottom + extra), -(inset.RightBottom + extra));
  }
  DrawBevel(rect, BevelOuter());
  if (BorderWidth() > 0) {
    const TColor c = PanelColor();
    canvas.Frame3D(rect, c, c, BorderWidth());
  }
  DrawBevel(rect, BevelInner());
  canvas.FrontPlaneEnd();
}

void TCustomQuilPanel::DrawBevel(TRect& rect, TPanelBevel bevel) {
  if (bevel == bvNone) return;
  TCanvas3D& canvas = *internalCanvas_;
  const int width = std::max(0, std::min({BevelWidth(), rect.Height() / 2, rect.Width() / 2}));
  const TColor topLeft = bevel == bvLowered ? kBevelDark : kBevelLight;
  const TColor bottomRight = bevel == bvRaised ? kBevelDark : kBevelLight;
  if (borderRound_ < 1) {
    canvas.Frame3D(rect, topLeft, bottomRight, width);
    return;
  }
  canvas.Brush().SetStyle(bsClear);
  canvas.Pen().SetColor(topLeft);
  canvas.RoundRect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1, borderRound_, borderRound_);
  rect = InflateRect(rect, -width, -width);
}

void TCustomQuilPanel::DrawBackImage(TBackImage& image, const TRect& rect) {
  TCanvas3D& canvas = *internalCanvas_;
  const TCanvasStretchQuality oldQuality = canvas.StretchDrawQuality();
  canvas.SetStretchDrawQuality(image.DrawQuality());
  const TBitmap graphic = image.Filtered();
  const TQuilBackImageMode mode = image.Mode();
  if (mode == pbmStretch) {
    canvas.StretchDraw(rect, graphic);
  } else {
    const bool clip = CanClip();
    if (clip) canvas.ClipRectangle(rect);
    const int w = graphic.Width();
    const int h = graphic.Height();
    if (mode == pbmTile) {
      for (int y = rect.Top; y < rect.Bottom && h > 0; y += h)
        for (int x = rect.Left; x < rect.Right && w > 0; x += w) canvas.Draw(x, y, graphic);
    } else if (mode == pbmCenter) {
      FillPanelRect(rect);
      canvas.Draw((rect.Left + rect.Right - w) / 2, (rect.Top + rect.Bottom - h) / 2, graphic);
    } else {
      FillPanelRect(rect);
      const int x = rect.Left + image.Left();
      const int y = rect.Top + image.Top();
      if (image.Right() != 0 || image.Bottom() != 0)
        canvas.StretchDraw({x, y, x + image.Right(), y + image.Bottom()}, graphic);
      else
        canvas.Draw(x, y, graphic);
    }
    if (clip) canvas.UnClipRectangle();
  }
  canvas.SetStretchDrawQuality(oldQuality);
}

}  // namespace quil

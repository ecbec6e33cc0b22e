#include <algorithm>
#include <cmath>

#include "canvas/blur_filter.h"
#include "canvas/gdiplus_canvas.h"
#include "canvas/gdiplus_status.h"
#include "canvas/gdiplus_text_metrics.h"
#include "core/rounding.h"

namespace quil {

namespace {

// Fonts are built at the screen resolution every surface of this program has.
constexpr int kReferencePixelsPerInch = 96;

TPointFloat Offset(const TQuilShadow& s) {
  const float h = static_cast<float>(s.HorizSize()), v = static_cast<float>(s.VertSize());
  switch (s.Direction()) {
    case sdLeftTop: return {-h, -v};
    case sdLeftBottom: return {-h, v};
    case sdRightTop: return {h, -v};
    default: return {h, v};
  }
}

}  // namespace

TGPTextHint TextHintFor(TFontQuality fontQuality, TGDIPlusFontQuality antiAliasText, float sizePoints) {
  TGDIPlusFontQuality q;
  switch (fontQuality) {
    case fqBest: q = gpfBest; break;
    case fqNormal: q = gpfNormal; break;
    case fqClearType: q = gpfClearType; break;
    default:
      q = antiAliasText;
      if (q == gpfDefault) q = sizePoints < 20 ? gpfClearType : gpfBest;
      break;
  }
  switch (q) {
    case gpfBest: return thAntiAlias;
    case gpfClearType: return thClearTypeGridFit;
    case gpfNormal: return thSingleBitPerPixelGridFit;
    default: return thSystemDefault;
  }
}

void TGDIPlusCanvas::DoChangedFont() {
  if (!textEngine_) return;
  const TQuilFont& font = Font();
  float size = std::max(font.SizeFloat(), 0.1f);
  if (Metafiling() && ReferenceCanvas()) size = font.PixelsPerInch() * size / kReferencePixelsPerInch;
  if (!fontBuilt_ || font.Name() != IOldFont.Name || size != IOldFont.Size || font.Style() != IOldFont.Style) {
    textEngine_->SetFont({font.Name(), size, font.Style()});
    IOldFont = {font.Name(), size, font.Style()};
    fontBuilt_ = true;
    ++fontBuilds_;
  }
  ApplyFontTextHint();
}

void TGDIPlusCanvas::ApplyFontTextHint() {
  if (graphics_) graphics_->SetTextHint(TextHintFor(Font().Quality(), AntiAliasText(), IOldFont.Size));
}

TPoint TGDIPlusCanvas::TextExtent(const std::string& text) {
  const TGPTextSize s = textEngine_->Measure(text, false);
  return {QuilRound(s.Width), QuilRound(s.Height)};
}

TPointFloat TGDIPlusCanvas::TextSize(const std::string& st) {
  const TGPTextSize s = textEngine_->Measure(st, false);
  const TPoint extra = TextShadowExtra(Font());
  return {static_cast<float>(s.Width + extra.X), static_cast<float>(s.Height + extra.Y)};
}

int TGDIPlusCanvas::TextWidth(const std::string& st) { return InternalTextWidth(st, false); }

int TGDIPlusCanvas::InternalTextWidth(const std::string& text, bool typographic) {
  return RoundedTextWidth(textEngine_->Measure(text, typographic).Width, Font());
}

int TGDIPlusCanvas::TextHeight(const std::string& st) {
  return RoundedTextHeight(textEngine_->Measure(st, false).Height, Font());
}

TRect TGDIPlusCanvas::CalcTextRect(TPointFloat p, const std::string& text) {
  const TPointFloat s = TextSize(text);
  return {QuilRound(p.x), QuilRound(p.y), QuilRound(double(p.x) + s.x), QuilRound(double(p.y) + s.y)};
}

TGPBrush TGDIPlusCanvas::TextBrush(TColor color, TPointFloat p, const std::string& text) {
  Brush().SetColor(color);
  if (Brush().HasGradient()) return GBrush(CalcTextRect(p, text));
  return GBrush();
}

void TGDIPlusCanvas::InternalTextOut(double x, double y, const std::string& text, TColor color) {
  const TGPBrush brush = TextBrush(color, {static_cast<float>(x), static_cast<float>(y)}, text);
  brush.Select(graphics_->Cr());
  textEngine_->Draw(graphics_->Cr(), x, y, text, graphics_->TextHint());
  graphics_->CheckStatus();
}

void TGDIPlusCanvas::TextOut(int x, int y, const std::string& text) { TextOut(double(x), double(y), text); }

void TGDIPlusCanvas::TextOut(double x, double y, const std::string& text) {
  if (!graphics_ || text.empty()) return;
  if (textAlign_ == TA_CENTER + TA_BOTTOM) {
    const TPointFloat s = TextSize(text);
    y -= s.y;
    x -= s.x / 2.0;
  } else {
    const int horizontal = HorizontalTextAlign(textAlign_);
    if (horizontal == TA_RIGHT) x -= InternalTextWidth(text, true);
    if (horizontal == TA_CENTER) x -= InternalTextWidth(text, true) / 2.0;
    if ((textAlign_ & TA_BASELINE) == TA_BASELINE)
      y -= textEngine_->Baseline(text);
    else if (textAlign_ & TA_BOTTOM)
      y -= TextSize(text).y;
  }
  const bool rotated = ITextRotation != 0 && ITextRotation != 360;
  const cairo_matrix_t world = graphics_->Transform();
  if (rotated) {
    double cx = x, cy = y;
    if (UseTextCenter()) {
      cx = TextCenter().X + 1;
      cy = TextCenter().Y;
    } else if (HorizontalTextAlign(textAlign_) == TA_CENTER) {
      cx += TextWidth(text) / 2.0;
    }
    graphics_->TranslateTransform(cx, cy);
    graphics_->RotateTransform(ITextRotation);
    graphics_->TranslateTransform(-cx, -cy);
  }
  const TCanvasBackMode backMode = backMode_;
  if (backMode != cbmTransparent) FillRect(CalcTextRect({static_cast<float>(x), static_cast<float>(y)}, text));
  TryDrawShadow(Font().ShadowOrNull(), x, y, text);
  TryDrawShadow(Font().EmbossOrNull(), x, y, text);
  Brush().AssignSettings(Font().Brush());
  const TQuilHiddenPen* outline = Font().OutLineOrNull();
  if (outline && outline->Visible())
    DrawOutline(x, y, text);
  else
    InternalTextOut(x, y, text, Font().Color());
  if (Brush().GradientOrNull()) Brush().Gradient().SetVisible(false);
  if (Brush().HasImage()) Brush().Image().SetGraphic({});
  backMode_ = backMode;
  // The world transform goes back to what it was, so text turned inside an entity leaves the
  // entity's transform in place.
  if (rotated) graphics_->SetTransform(world);
}

// The shadow text is drawn at the current opacity in the shadow's colour, then blurred where
// it was drawn when the shadow is smooth and the picture is buffered.
void TGDIPlusCanvas::TryDrawShadow(const TQuilShadow* shadow, double x, double y, const std::string& text) {
  if (!shadow || !shadow->Visible() || shadow->Size() == 0) return;
  const TPointFloat d = Offset(*shadow);
  if (Brush().GradientOrNull()) Brush().Gradient().SetVisible(false);
  InternalTextOut(x + d.x, y + d.y, text, shadow->Color());
  if (shadow->Smooth() && shadow->SmoothBlur() != 0 && GetUseBuffer() && Bitmap())
    BlurBuffer(CalcTextRect({static_cast<float>(x + d.x), static_cast<float>(y + d.y)}, text), shadow->SmoothBlur());
}

void TGDIPlusCanvas::BlurBuffer(const TRect& area, int steps) {
  cairo_t* cr = graphics_->Cr();
  double x0 = area.Left, y0 = area.Top, x1 = area.Right, y1 = area.Bottom;
  double xs[4] = {x0, x1, x1, x0}, ys[4] = {y0, y0, y1, y1};
  for (int i = 0; i < 4; ++i) cairo_user_to_device(cr, &xs[i], &ys[i]);
  TBitmap& buffer = *Bitmap();
  const int left = std::max(0, static_cast<int>(std::floor(*std::min_element(xs, xs + 4))));
  const int top = std::max(0, static_cast<int>(std::floor(*std::min_element(ys, ys + 4))));
  const int right = std::min(buffer.Width(), static_cast<int>(std::ceil(*std::max_element(xs, xs + 4))));
  const int bottom = std::min(buffer.Height(), static_cast<int>(std::ceil(*std::max_element(ys, ys + 4))));
  if (right <= left || bottom <= top) return;
  TBitmap piece(right - left, bottom - top);
  cairo_t* copy = cairo_create(piece.Surface());
  cairo_set_source_surface(copy, buffer.Surface(), -left, -top);
  cairo_set_operator(copy, CAIRO_OPERATOR_SOURCE);
  cairo_paint(copy);
  const cairo_status_t copied = cairo_status(copy);
  cairo_destroy(copy);
  CheckGDIPlusStatus(copied);
  TBlurFilter blur;
  blur.SetSteps(steps);
  blur.Apply(piece);
  cairo_t* back = cairo_create(buffer.Surface());
  cairo_set_source_surface(back, piece.Surface(), left, top);
  cairo_set_operator(back, CAIRO_OPERATOR_SOURCE);
  cairo_rectangle(back, left, top, right - left, bottom - top);
  cairo_fill(back);
  const cairo_status_t restored = cairo_status(back);
  cairo_destroy(back);
  CheckGDIPlusStatus(restored);
}

// The outline is stroked with the font's outline pen, then the text is filled over the inner
// half of the stroke.
void TGDIPlusCanvas::DrawOutline(double x, double y, const std::string& text) {
  TGPPath path;
  const double em = kReferencePixelsPerInch * IOldFont.Size / 72.0;
  textEngine_->AddOutline(path, text, x, y, textEngine_->Font(), em);
  const TQuilHiddenPen& outline = *Font().OutLineOrNull();
  AssignVisiblePenColor(outline, outline.Color());
  if (HasPen(path.Bounds())) graphics_->DrawPath(path, *gpPen_);
  graphics_->FillPath(path, TextBrush(Font().Color(), {static_cast<float>(x), static_cast<float>(y)}, text));
}

void TGDIPlusCanvas::TextOut3D(int x, int y, int z, const std::string& text, bool) {
  const TPoint p = Calculate3DPosition(x, y, z);
  TextOut(p.X, p.Y, text);
}

// A positive angle turns the text counter-clockwise on screen; 0 and 360 draw it upright.
void TGDIPlusCanvas::RotateLabel(int x, int y, const std::string& st, double rotDegree, bool) {
  ITextRotation = 360 - rotDegree;
  TextOut(x, y, st);
  ITextRotation = 0;
}

}  // namespace quil

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "canvas/blur_filter.h"
#include "canvas/quil_blend.h"
#include "canvas/quil_canvas3d.h"
#include "canvas/text_quality.h"
#include "core/rounding.h"

namespace quil {

void TQuilCanvas3D::SelectTextFont(double characterAngle) {
  TRasterFont f = raster_->Font();
  f.Quality = BackendTextQuality(Font().Quality(), fontQuality_);
  f.CharacterAngle = characterAngle;
  if (!(f == raster_->Font())) raster_->SetFont(f);
}

TPoint TQuilCanvas3D::TextExtent(const std::string& text) {
  SelectTextFont(0);
  return raster_->TextExtent(text);
}

void TQuilCanvas3D::TextOut(int x, int y, const std::string& text) {
  SelectTextFont(0);
  DirectTextOut(x, y, text);
}

void TQuilCanvas3D::TextOut3D(int x, int y, int z, const std::string& text, bool) {
  const TPoint p = Calculate3DPosition(x, y, z);
  SelectTextFont(0);
  DirectTextOut(p.X, p.Y, text);
}

void TQuilCanvas3D::RotateLabel3D(int x, int y, int z, const std::string& st, double rotDegree, bool allowHtml) {
  const TPoint p = Calculate3DPosition(x, y, z);
  RotateLabel(p.X, p.Y, st, rotDegree, allowHtml);
}

// Whole turns above 360 are taken off, so 720 comes out as 360: a turned font that looks
// unturned. Negative angles stay as they are.
void TQuilCanvas3D::RotateLabel(int x, int y, const std::string& st, double rotDegree, bool) {
  if (!std::isfinite(rotDegree)) return;
  if (rotDegree > 360) {
    rotDegree = std::fmod(rotDegree, 360.0);
    if (rotDegree == 0) rotDegree = 360;
  }
  if (rotDegree == 0 && characterAngle_ == 0) {
    TextOut(x, y, st);
    return;
  }
  if (UseTextCenter()) {
    const double s = std::sin(rotDegree * QuilPiStep), c = std::cos(rotDegree * QuilPiStep);
    const double dx = HorizontalTextAlign(GetTextAlign()) == TA_CENTER ? 0 : double(x) - TextCenter().X;
    const double dy = double(y) - TextCenter().Y;
    x = QuilRound(c * dx + s * dy + TextCenter().X);
    y = QuilRound(-s * dx + c * dy + TextCenter().Y);
  }
  SelectTextFont(characterAngle_);
  escapement_ = rotDegree;
  DirectTextOut(x, y, st);
  escapement_ = 0;
  SelectTextFont(0);
}

void TQuilCanvas3D::DirectTextOut(int x, int y, const std::string& text) {
  if (text.empty()) return;
  TQuilFont& font = Font();
  if (const TQuilShadow* shadow = font.ShadowOrNull()) DrawTextShadow(*shadow, 1, x, y, text);
  if (const TQuilEmboss* emboss = font.EmbossOrNull()) DrawTextShadow(*emboss, -1, x, y, text);
  raster_->SetTextColor(font.Color());
  const TQuilHiddenPen* outline = font.OutLineOrNull();
  bool hasOutline = outline && outline->Visible();
  const TQuilBrush& brush = font.Brush();
  const bool hasGradient = brush.HasGradient();
  const bool hasPicture = brush.HasGraphic();
  if (!hasOutline && !hasGradient && !hasPicture) {
    raster_->TextOut(x, y, text, escapement_);
    return;
  }
  bool glyphsFilled = false;
  if (hasGradient) {
    // A gradient outline pen asks for the gradient along the outline instead of inside it.
    const bool outlineGradient = hasOutline && outline->IsGradientVisible();
    raster_->TextThroughImage(x, y, text, escapement_, TextGradientImage(*brush.GradientOrNull(), text),
                              outlineGradient ? std::max(1, outline->Width()) : 0);
    if (outlineGradient) hasOutline = false;
    glyphsFilled = true;
  } else if (hasPicture) {
    raster_->TextThroughImage(x, y, text, escapement_, brush.ImageOrNull()->Filtered(), 0);
    glyphsFilled = true;
  }
  if (hasOutline) DrawTextOutline(x, y, text, *outline, glyphsFilled);
}

// A shadow (factor 1) goes right and down of the text, an emboss (factor -1) left and up; a
// negative size leaves the effect at the point and moves the text instead, by the size times
// the factor. Callers that place embossed text rely on the text staying where they asked.
void TQuilCanvas3D::DrawTextShadow(const TQuilShadow& shadow, int factor, int& x, int& y, const std::string& text) {
  if (!shadow.Visible() || (shadow.HorizSize() == 0 && shadow.VertSize() == 0)) return;
  int sx = x, sy = y;
  if (shadow.HorizSize() < 0)
    x -= shadow.HorizSize() * factor;
  else
    sx += shadow.HorizSize() * factor;
  if (shadow.VertSize() < 0)
    y -= shadow.VertSize() * factor;
  else
    sy += shadow.VertSize() * factor;
  const TRect area = raster_->TextBounds(sx, sy, text, escapement_);
  std::unique_ptr<TQuilBlend> blend;
  if (shadow.Transparency() > 0) blend = BeginBlending(SupportsAlpha() ? TRect{} : area, shadow.Transparency());
  raster_->SetTextColor(shadow.Color());
  raster_->TextOut(sx, sy, text, escapement_);
  if (shadow.Smooth()) BlurBufferArea(InflateRect(area, 1, 1), std::max(1, shadow.SmoothBlur()));
  if (blend) EndBlending(std::move(blend));
}

void TQuilCanvas3D::BlurBufferArea(const TRect& area, int steps) {
  if (!bitmap_ || ReferenceCanvas() != bitmapTarget_.get()) return;
  const TRect r{std::max(area.Left, 0), std::max(area.Top, 0), std::min(area.Right, bitmap_->Width()),
                std::min(area.Bottom, bitmap_->Height())};
  if (r.IsEmpty()) return;
  TBitmap pixels = CopyArea(r);
  TBlurFilter blur;
  blur.SetSteps(steps);
  blur.Apply(pixels);
  PutArea(pixels, r.TopLeft());
}

TBitmap TQuilCanvas3D::TextGradientImage(const TCustomQuilGradient& gradient, const std::string& text) {
  const TPoint size = raster_->TextExtent(text);
  if (size.X <= 0 || size.Y <= 0) return {};
  TBitmap image(size.X, size.Y);
  TQuilCanvas3D painter;
  std::unique_ptr<TDeviceContext> target = painter.Backend().CreateBitmapTarget(image);
  painter.SetCanvas(target.get());
  painter.GradientFill(gradient, {0, 0, size.X, size.Y});
  painter.SetCanvas(nullptr);
  return image;
}

// Outline and fill are drawn as one text path; without a fill of its own the text is drawn
// once more half a pen width right and down, over the inner half of the outline.
void TQuilCanvas3D::DrawTextOutline(int x, int y, const std::string& text, const TQuilPen& outline,
                                    bool glyphsFilled) {
  const TRasterPen oldPen = raster_->Pen();
  const TRasterBrush oldBrush = raster_->Brush();
  const int oldBackMode = raster_->BackMode();
  const TColor fontColor = Font().Color();
  raster_->SetPen(QuilSetQuilPen(outline, outline.Color()));
  TRasterBrush fill;
  fill.Color = SystemColor(fontColor);
  fill.Style = glyphsFilled || fontColor == clNone ? bsClear : bsSolid;
  raster_->SetBrush(fill);
  raster_->SetBackMode(cbmTransparent);
  raster_->TextPath(x, y, text, escapement_, fill.Style == bsSolid, true);
  if (fill.Style == bsSolid) {
    const int half = std::max(1, outline.Width()) / 2;
    raster_->TextOut(x + half, y + half, text, escapement_);
  }
  raster_->SetPen(oldPen);
  raster_->SetBrush(oldBrush);
  raster_->SetBackMode(oldBackMode);
}

}  // namespace quil

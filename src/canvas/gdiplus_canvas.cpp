#include "canvas/gdiplus_canvas.h"

#include "canvas/gdiplus_quil_path.h"
#include "canvas/quil_blend.h"
#include "canvas/gdiplus_startup.h"
#include "canvas/view3d_options.h"
#include "core/control.h"
#include "core/rounding.h"

namespace quil {

TFontQuality FontQualityOf(TGDIPlusFontQuality quality) {
  switch (quality) {
    case gpfBest: return fqBest;
    case gpfNormal: return fqNormal;
    case gpfClearType: return fqClearType;
    default: return fqDefault;
  }
}

TGDIPlusFontQuality GDIPlusFontQualityOf(TFontQuality quality) {
  switch (quality) {
    case fqBest: return gpfBest;
    case fqNormal: return gpfNormal;
    case fqClearType: return gpfClearType;
    default: return gpfDefault;
  }
}

TGDIPlusCanvas::TGDIPlusCanvas()
    : textEngine_(std::make_unique<TGPTextEngine>(GDIPlusFontMap())), IXORCanvas(std::make_unique<TQuilCanvas3D>()) {
  SetFontQuality(fqDefault);
  transparency_ = 255;
  supportsAlpha_ = true;
  IXORCanvas->SetUseBuffer(false);
  DoChangedFont();
  if (IsAvailable()) GetGraphics();
}

TGDIPlusCanvas::~TGDIPlusCanvas() {
  for (TQuilGDIPlusPath* p : paths_) p->ICanvas = nullptr;
}

void TGDIPlusCanvas::ForgetPath(TQuilGDIPlusPath& path) { std::erase(paths_, &path); }

bool TGDIPlusCanvas::IsAvailable() const { return GDIPlusProbe() == gsOk; }

TGPColor TGDIPlusCanvas::GradientToColor(const TQuilGradientColor& entry) const {
  return GDIPColor(entry.Color(), ApplyTransparency(entry.Transparency()));
}

TGPGraphics* TGDIPlusCanvas::GetGraphics() {
  // A buffer that was replaced since leaves the graphics object drawing on its old pixels.
  if (graphics_ && GetUseBuffer() && Bitmap() && cairo_get_target(graphics_->Cr()) != Bitmap()->Surface())
    graphics_.reset();
  if (!graphics_ && IsAvailable()) {
    if (GetUseBuffer()) {
      if (Bitmap()) graphics_ = TGPGraphics::OnSurface(Bitmap()->Surface());
    } else if (ReferenceCanvas()) {
      graphics_ = TGPGraphics::OnContext(ReferenceCanvas());
    }
    if (graphics_) RecreateGraphics();
  }
  if (!fontBuilt_) DoChangedFont();
  return graphics_.get();
}

// A graphics object that failed is dropped, so that the next paint starts with a new one.
void TGDIPlusCanvas::RecreateGraphics() {
  try {
    graphics_->CheckStatus();
  } catch (...) {
    graphics_.reset();
    throw;
  }
  DoSetAntiAlias(anti_);
  DoSetAntiAliasText();
  ApplyFontTextHint();
}

void TGDIPlusCanvas::CheckGraphics() {
  if (graphics_ && (GetUseBuffer() || graphics_->BoundContext() != ReferenceCanvas() ||
                    graphics_->LastStatus() != CAIRO_STATUS_SUCCESS))
    graphics_.reset();
  GetGraphics();
}

void TGDIPlusCanvas::SetCanvas(TDeviceContext* canvas) {
  TQuilCanvas3D::SetCanvas(canvas);
  // A graphics object drawing on a window must not outlive that window's paint.
  if (graphics_ && !GetUseBuffer() && graphics_->BoundContext() != canvas) graphics_.reset();
  if (IsAvailable()) GetGraphics();
  IXORCanvas->SetCanvas(canvas);
}

void TGDIPlusCanvas::SetUseBuffer(bool value) {
  if (value == GetUseBuffer()) return;
  TQuilCanvas3D::SetUseBuffer(value);
  graphics_.reset();
  if (View3DOptions()) GetGraphics();
}

void TGDIPlusCanvas::DoSetAnti(bool value) {
  if (value == ICachedAntialias) return;
  if (graphics_) graphics_->SetSmoothing(value);
  ICachedAntialias = value;
}

void TGDIPlusCanvas::DoSetAntiAlias(bool value) {
  ICachedAntialias = !value;
  DoSetAnti(value);
  if (graphics_) graphics_->SetPixelOffsetHighQuality(value);
}

void TGDIPlusCanvas::SetTextHint(TGDIPlusFontQuality quality) {
  if (!graphics_) return;
  switch (quality) {
    case gpfBest: graphics_->SetTextHint(thAntiAlias); break;
    case gpfDefault: graphics_->SetTextHint(thSystemDefault); break;
    case gpfClearType: graphics_->SetTextHint(thClearTypeGridFit); break;
    case gpfNormal: graphics_->SetTextHint(thSingleBitPerPixelGridFit); break;
  }
}

void TGDIPlusCanvas::DoSetAntiAliasText() { SetTextHint(AntiAliasText()); }

void TGDIPlusCanvas::RepaintOptions() {
  if (View3DOptions() && View3DOptions()->Parent()) View3DOptions()->Parent()->Invalidate();
}

void TGDIPlusCanvas::SetAnti(bool value) {
  if (value == anti_) return;
  anti_ = value;
  if (graphics_) DoSetAntiAlias(value);
  RepaintOptions();
}

void TGDIPlusCanvas::SetAntiText(TGDIPlusFontQuality value) {
  if (value == AntiAliasText()) return;
  SetFontQuality(FontQualityOf(value));
  RepaintOptions();
  if (graphics_) {
    DoSetAntiAliasText();
    ApplyFontTextHint();
  }
}

void TGDIPlusCanvas::SetScale(float value) {
  if (value == scale_) return;
  scale_ = value;
  RepaintOptions();
}

void TGDIPlusCanvas::SetAntiAlias(bool value) {
  if (graphics_) DoSetAntiAlias(value && anti_);
  HasPen();
}

void TGDIPlusCanvas::DoChangedBrush(TQuilBrush& brush) {
  if (brush.BackColor() == clNone || brush.Style() == bsClear) {
    backMode_ = cbmTransparent;
  } else if (brush.Style() != bsSolid) {
    backMode_ = cbmOpaque;
    backColor_ = brush.BackColor();
  }
}

std::unique_ptr<TQuilBlend> TGDIPlusCanvas::BeginBlending(const TRect&, int transparency) {
  PushTransp();
  transparency_ = ApplyTransparency(transparency);
  return nullptr;
}

void TGDIPlusCanvas::EndBlending(std::unique_ptr<TQuilBlend>) { PopTransp(); }

TRect TGDIPlusCanvas::InitWindow(TDeviceContext* destCanvas, TView3DOptions* options, TColor backColor, bool is3D,
                                 const TRect& userRect) {
  TRect r = userRect;
  if (scale_ != 1) {
    r.Right = QuilRound((double(r.Right) - r.Left) * scale_);
    r.Bottom = QuilRound((double(r.Bottom) - r.Top) * scale_);
  }
  const TRect result = TQuilCanvas3D::InitWindow(destCanvas, options, backColor, is3D, r);
  x_ = y_ = z_ = 0;
  // Each paint starts unclipped and untransformed, whatever an earlier one left unbalanced.
  IOldClipRect.clear();
  convexClip_.reset();
  ITransform.clear();
  CheckGraphics();
  if (graphics_) {
    graphics_->ResetTransform();
    graphics_->ResetClip();
  }
  IXORCanvas->InitWindow(GetUseBuffer() ? ReferenceCanvas() : destCanvas, options, backColor, is3D, r);
  if (transform_ && transform_->Enabled) {
    FillRect(r);
    ApplyTransform(*transform_);
  }
  return result;
}

// With a scale above 1 the picture was drawn that much larger; it is reduced into the user
// rectangle with smoothing before the buffer is shown.
void TGDIPlusCanvas::ShowImage(TDeviceContext* destCanvas, TDeviceContext* defaultCanvas, const TRect& userRect) {
  if (scale_ > 1 && GetUseBuffer() && Bitmap() && !Bitmap()->Empty() && !userRect.IsEmpty() && GetGraphics()) {
    const TBitmap picture = *Bitmap();
    cairo_t* cr = graphics_->Cr();
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_reset_clip(cr);
    cairo_rectangle(cr, userRect.Left, userRect.Top, userRect.Width(), userRect.Height());
    cairo_clip(cr);
    cairo_translate(cr, userRect.Left, userRect.Top);
    cairo_scale(cr, double(userRect.Width()) / picture.Width(), double(userRect.Height()) / picture.Height());
    cairo_set_source_surface(cr, picture.Surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_restore(cr);
    graphics_->CheckStatus();
  }
  TQuilCanvas3D::ShowImage(destCanvas, defaultCanvas, userRect);
  if (GetUseBuffer()) {
    graphics_.reset();
    IXORCanvas->SetCanvas(destCanvas);
  }
}

}  // namespace quil

#include "canvas/quil_canvas3d.h"

#include <algorithm>
#include <string>

#include "canvas/clip_history.h"
#include "canvas/view3d_options.h"
#include "core/control.h"
#include "core/exceptions.h"
#include "core/rounding.h"

namespace quil {

TQuilCanvas3D::TQuilCanvas3D() : TQuilCanvas3D(CreateCairoRaster()) {}

TQuilCanvas3D::TQuilCanvas3D(std::unique_ptr<TRasterBackend> backend) : raster_(std::move(backend)) {
  SetFontZoom(100);
  zoomText_ = true;
  InitBackendState();
}

TQuilCanvas3D::~TQuilCanvas3D() { raster_->SetTarget(nullptr); }

void TQuilCanvas3D::InitBackendState() {
  DoChangedPen();
  DoChangedBrush(Brush());
  DoChangedFont();
}

void TQuilCanvas3D::SetCanvas(TDeviceContext* canvas) {
  TCanvas3D::SetCanvas(canvas);
  raster_->SetTarget(canvas);
  clip_.reset();
}

void TQuilCanvas3D::DoChangedBrush(TQuilBrush& brush) {
  TRasterBrush b;
  b.Color = SystemColor(brush.Color());
  b.Style = brush.Style();
  b.Pattern = brush.Bitmap();
  raster_->SetBrush(b);
  if (brush.BackColor() == clNone || brush.Style() == bsClear) {
    raster_->SetBackMode(cbmTransparent);
  } else if (brush.Style() != bsSolid) {
    raster_->SetBackMode(cbmOpaque);
    raster_->SetBackColor(SystemColor(brush.BackColor()));
  }
}

void TQuilCanvas3D::DoChangedFont() {
  TQuilFont& font = Font();
  SetInterCharSize(font.InterCharSize());
  TRasterFont f = raster_->Font();
  f.Name = font.Name();
  // The height the backend font is made with, and the same unrounded: text measures as the
  // size in points at the font's resolution.
  f.PixelSize = QuilRound(font.SizeFloat() * font.PixelsPerInch() / 72.0);
  f.EmSize = double(font.SizeFloat()) * font.PixelsPerInch() / 72.0;
  f.Bold = (font.Style() & fsBold) != 0;
  f.Italic = (font.Style() & fsItalic) != 0;
  f.Underline = (font.Style() & fsUnderline) != 0;
  f.StrikeOut = (font.Style() & fsStrikeOut) != 0;
  raster_->SetFont(f);
  raster_->SetTextColor(font.Color());
}

void TQuilCanvas3D::SetInterCharSize(int size) {
  if (raster_->Font().InterCharSize == size) return;
  TRasterFont f = raster_->Font();
  f.InterCharSize = size;
  raster_->SetFont(f);
}

void TQuilCanvas3D::FastLineTo(int x, int y) { raster_->LineTo(x, y); }

TColor TQuilCanvas3D::GetBackColor() const { return raster_->BackColor(); }
TCanvasBackMode TQuilCanvas3D::GetBackMode() const { return static_cast<TCanvasBackMode>(raster_->BackMode()); }
void TQuilCanvas3D::SetBackColor(TColor value) { raster_->SetBackColor(SystemColor(value)); }
void TQuilCanvas3D::SetBackMode(TCanvasBackMode value) { raster_->SetBackMode(value); }
int TQuilCanvas3D::GetTextAlign() const { return raster_->TextAlign(); }
void TQuilCanvas3D::SetTextAlign(int value) { raster_->SetTextAlign(value); }
TColor TQuilCanvas3D::GetPixel(int x, int y) { return raster_->GetPixel(x, y); }
void TQuilCanvas3D::SetPixel(int x, int y, TColor value) { raster_->SetPixel(x, y, value); }
TBitmap TQuilCanvas3D::CopyArea(const TRect& area) { return raster_->CopyArea(area); }
void TQuilCanvas3D::PutArea(const TBitmap& bitmap, TPoint at) { raster_->PutBitmap(bitmap, at.X, at.Y); }

void TQuilCanvas3D::SetMonochrome(bool value) {
  if (monochrome_ == value) return;
  monochrome_ = value;
  dirty_ = true;
  if (View3DOptions() && View3DOptions()->Parent()) View3DOptions()->Parent()->Invalidate();
}

void TQuilCanvas3D::SetUseBuffer(bool value) {
  if (bufferedDisplay_ == value) return;
  bufferedDisplay_ = value;
  if (!value) {
    if (!keepBitmap_) DeleteBitmap();
    SetCanvas(nullptr);
    dirty_ = true;
  } else if (bitmap_) {
    if (!bitmapTarget_) bitmapTarget_ = raster_->CreateBitmapTarget(*bitmap_);
    SetCanvas(bitmapTarget_.get());
  }
}

TRect TQuilCanvas3D::InitWindow(TDeviceContext* destCanvas, TView3DOptions* options, TColor, bool is3D,
                                const TRect& userRect) {
  SetBounds(userRect);
  SetView3DOptions(options);
  if (options) {
    SetFontZoom(options->FontZoom());
    zoomText_ = options->ZoomText() != ztNo;
  }
  IProjection.InitView(options, is3D);
  TRect result = userRect;
  if (bufferedDisplay_) {
    const int w = std::max(0, userRect.Width()), h = std::max(0, userRect.Height());
    if (!bitmap_) bitmap_ = std::make_unique<TBitmap>(w, h);
    const cairo_surface_t* before = bitmap_->Surface();
    bitmap_->SetSize(w, h);
    if (!bitmapTarget_ || before != bitmap_->Surface() || ReferenceCanvas() != bitmapTarget_.get()) {
      SetCanvas(nullptr);
      bitmapTarget_ = raster_->CreateBitmapTarget(*bitmap_);
    }
    SetCanvas(bitmapTarget_.get());
    result = {0, 0, w, h};
  } else {
    SetCanvas(destCanvas);
  }
  SetBackMode(cbmOpaque);
  return result;
}

void TQuilCanvas3D::Projection(int maxDepth, const TRect&, const TRect& rect) {
  IProjection.SetCentre(maxDepth, rect, View3DOptions());
}

void TQuilCanvas3D::Assign(const TCanvas3D& source) { TCanvas3D::Assign(source); }

bool TQuilCanvas3D::TransferBitmap(int left, int top, TDeviceContext& target) {
  if (!bitmap_) return false;
  const int status = raster_->CopyBitmapTo(*bitmap_, target, left, top);
  if (status != 0)
    throw EAssertionFailed(QuilFormat("Error %d transferring internal Bitmap using BitBlt", std::to_string(status)));
  return true;
}

void TQuilCanvas3D::ShowImage(TDeviceContext* destCanvas, TDeviceContext* defaultCanvas, const TRect& userRect) {
  if (bufferedDisplay_ && bitmap_ && destCanvas) {
    TransferBitmap(userRect.Left, userRect.Top, *destCanvas);
    dirty_ = false;
  }
  SetCanvas(defaultCanvas);
}

bool TQuilCanvas3D::ReDrawBitmap() {
  if (dirty_ || !bitmap_ || !ReferenceCanvas()) return false;
  return TransferBitmap(0, 0, *ReferenceCanvas());
}

bool TQuilCanvas3D::RenderToBitmap(TBitmap& bitmap, const TRect& r) {
  if (dirty_ || !bufferedDisplay_ || !bitmap_ || r != TRect{0, 0, bitmap_->Width(), bitmap_->Height()}) return false;
  bitmap = *bitmap_;
  return true;
}

void TQuilCanvas3D::SetBitmap(std::unique_ptr<TBitmap> bitmap) {
  if (ReferenceCanvas() && ReferenceCanvas() == bitmapTarget_.get()) SetCanvas(nullptr);
  bitmapTarget_.reset();
  bitmap_ = std::move(bitmap);
}

void TQuilCanvas3D::DeleteBitmap() { SetBitmap(nullptr); }

void TQuilCanvas3D::DisableRotation() {
  wasThreeD_ = IProjection.Is3D;
  IProjection.Is3D = false;
}

void TQuilCanvas3D::EnableRotation() { IProjection.Is3D = wasThreeD_; }

TRect TQuilCanvas3D::SurfaceLimit() const { return raster_->TargetBounds(); }

void TQuilCanvas3D::ApplyClip() { raster_->SetClipRegion(clip_ ? &*clip_ : nullptr); }

// combine: 0 intersect, 1 exclusive or, 2 difference.
void TQuilCanvas3D::PushClip(TQuilRegion region, int combine) {
  TQuilRegion base = clip_ ? *clip_ : TQuilRegion::FromRect(SurfaceLimit(), SurfaceLimit());
  if (clip_) ClipHistory().push_back(*clip_);
  switch (combine) {
    case 1: base.Xor(region); break;
    case 2: base.Subtract(region); break;
    default: base.Intersect(region); break;
  }
  clip_ = std::move(base);
  ApplyClip();
}

void TQuilCanvas3D::ClipRectangle(const TRect& rect) { PushClip(TQuilRegion::FromRect(rect, SurfaceLimit()), 0); }

void TQuilCanvas3D::ClipRectangle(const TRect& rect, int roundX, int roundY) {
  PushClip(TQuilRegion::FromRoundRect(rect, roundX, roundY, SurfaceLimit()), 0);
}

void TQuilCanvas3D::ClipEllipse(const TRect& rect, bool inverted) {
  PushClip(TQuilRegion::FromEllipse(rect, SurfaceLimit()), inverted ? 1 : 0);
}

void TQuilCanvas3D::ClipPolygon(const TPoint* points, int numPoints, bool diffRegion) {
  PushClip(TQuilRegion::FromPolygon(points, numPoints, SurfaceLimit()), diffRegion ? 2 : 0);
}

void TQuilCanvas3D::UnClipRectangle() {
  auto& history = ClipHistory();
  if (history.empty()) {
    clip_.reset();
  } else {
    clip_ = std::move(history.back());
    history.pop_back();
  }
  ApplyClip();
}

void TQuilCanvas3D::ClipCube(const TRect& rect, int minZ, int maxZ) {
  if (IProjection.Is3D) {
    const std::vector<TPoint> hull = CubeHull(rect, minZ, maxZ);
    ClipPolygon(hull.data(), static_cast<int>(hull.size()), false);
  } else {
    ClipRectangle({rect.Left + 1, rect.Top + 1, rect.Right, rect.Bottom - 1});
  }
}

}  // namespace quil

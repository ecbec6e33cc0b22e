#include <algorithm>

#include "canvas/device_context.h"
#include "canvas/quil_canvas3d.h"
#include "panel/quil_panel.h"

namespace quil {

void TCustomQuilPanel::Paint(TDeviceContext& dc) {
  if (printing_) return;
  // A valid buffer is shown again with one copy; anything else draws the picture anew.
  internalCanvas_->SetCanvas(&dc);
  try {
    if (!internalCanvas_->ReDrawBitmap()) Draw(dc, GetRectangle());
  } catch (...) {
    internalCanvas_->SetCanvas(nullptr);
    throw;
  }
  // The device context lives only for this paint.
  internalCanvas_->SetCanvas(nullptr);
}

void TCustomQuilPanel::Draw(TDeviceContext& target, const TRect& targetRect) {
  InnerDraw(target, targetRect);
}

void TCustomQuilPanel::InnerDraw(TDeviceContext& target, const TRect& targetRect) {
  if (customChartRect_ && cachedChartRect_ == TRect{}) cachedChartRect_ = ChartRect;
  if (initialSize_.X == 0) initialSize_.X = Width();
  if (initialSize_.Y == 0) initialSize_.Y = Height();
  chartBounds_ = internalCanvas_->InitWindow(&target, view3DOptions_.get(), PanelColor(), view3D_, targetRect);
  ApplyMargins();
  if (customChartRect_) {
    ChartRect = cachedChartRect_;
    if (printing_) ChartRect = OffsetRect(ChartRect, chartBounds_.Left, chartBounds_.Top);
  }
  ReCalcWidthHeight();
  InternalDraw(chartBounds_);
  if (globalPicture_ && globalPicture_->Filters().Count() > 0)
    if (auto* plain = dynamic_cast<TQuilCanvas3D*>(internalCanvas_.get()); plain && plain->Bitmap())
      globalPicture_->Filters().ApplyTo(*plain->Bitmap());
  if (!DontShowImage) internalCanvas_->ShowImage(&target, &target, targetRect);
}

void TCustomQuilPanel::InternalDraw(const TRect&) {}

int TCustomQuilPanel::FrameSize() const {
  int s = BorderWidth();
  if (BevelInner() != bvNone) s += BevelWidth();
  if (BevelOuter() != bvNone) s += BevelWidth();
  if (border_->Visible()) s += border_->Width();
  return s;
}

namespace {

constexpr int64_t kLargestMarginPixels = 32767;

}  // namespace

void TCustomQuilPanel::ApplyMargins() {
  const int s = FrameSize();
  const int w = chartBounds_.Width();
  const int h = chartBounds_.Height();
  // A margin further than the 16-bit coordinate range cannot be drawn; held within it, the chart
  // rectangle and everything laid out from it stay far from the int range.
  auto pixels = [&](int m, int size) {
    const int64_t p = marginUnits_ == muPercent ? static_cast<int64_t>(m) * size / 100 : m;
    return static_cast<int>(std::clamp<int64_t>(p, -kLargestMarginPixels, kLargestMarginPixels));
  };
  auto horiz = [&](int m) { return pixels(m, w); };
  auto vert = [&](int m) { return pixels(m, h); };
  ChartRect = {chartBounds_.Left + s + horiz(margins_.Left), chartBounds_.Top + s + vert(margins_.Top),
               chartBounds_.Right - s - horiz(margins_.Right), chartBounds_.Bottom - s - vert(margins_.Bottom)};
  if (shadow_->Visible()) {
    const int hs = shadow_->HorizSize();
    const int vs = shadow_->VertSize();
    if (hs > 0) ChartRect.Right -= hs; else ChartRect.Left -= hs;
    if (vs > 0) ChartRect.Bottom -= vs; else ChartRect.Top -= vs;
  }
  if (emboss_->Visible()) {
    const int hs = emboss_->HorizSize();
    const int vs = emboss_->VertSize();
    if (hs > 0) ChartRect.Left += hs; else ChartRect.Right += hs;
    if (vs > 0) ChartRect.Top += vs; else ChartRect.Bottom += vs;
  }
}

void TCustomQuilPanel::ReCalcWidthHeight() {
  ChartRect.Left = std::max(ChartRect.Left, chartBounds_.Left);
  ChartRect.Top = std::max(ChartRect.Top, chartBounds_.Top);
  if (ChartRect.Right < ChartRect.Left) ChartRect.Right = ChartRect.Left + 1;
  if (ChartRect.Bottom < ChartRect.Top) ChartRect.Bottom = ChartRect.Top + 1;
  chartWidth_ = ChartRect.Width();
  chartHeight_ = ChartRect.Height();
  chartXCenter_ = (ChartRect.Left + ChartRect.Right) / 2;
  chartYCenter_ = (ChartRect.Top + ChartRect.Bottom) / 2;
}

TBitmap TCustomQuilPanel::QuilCreateBitmap() { return CreatePicture(std::max(1, Width()), std::max(1, Height())); }

TBitmap TCustomQuilPanel::CreatePicture(int width, int height) {
  TBitmap bitmap(width, height);
  cairo_t* cr = cairo_create(bitmap.Surface());
  TCairoDeviceContext dc(cr);
  try {
    Draw(dc, {0, 0, bitmap.Width(), bitmap.Height()});
  } catch (...) {
    internalCanvas_->SetCanvas(nullptr);
    cairo_destroy(cr);
    throw;
  }
  internalCanvas_->SetCanvas(nullptr);
  cairo_destroy(cr);
  return bitmap;
}

void TCustomQuilPanel::SaveToBitmapFile(const std::string& fileName) { QuilCreateBitmap().SaveToPNGFile(fileName); }

}  // namespace quil

#include <cstdint>

#include "canvas/canvas_geometry.h"
#include "canvas/quil_canvas3d.h"
#include "canvas/smooth_stretch.h"

namespace quil {

namespace {

// Beyond this many destination pixels the backend scales the image itself: resampling an
// image mostly outside any surface would cost far more than it shows.
constexpr int64_t kLargestResampledArea = 16LL * 1024 * 1024;

}  // namespace

// Images are composited over what is under them, so a transparent image needs no extra step.
void TQuilCanvas3D::Draw(int x, int y, const TBitmap& graphic) {
  if (graphic.Empty()) return;
  raster_->DrawBitmap(graphic, {x, y, x + graphic.Width(), y + graphic.Height()});
}

void TQuilCanvas3D::StretchDraw(const TRect& rect, const TBitmap& graphic) {
  if (graphic.Empty()) return;
  const TRect r = OrientRectangle(rect);
  if (r.IsEmpty()) return;
  const bool sameSize = r.Width() == graphic.Width() && r.Height() == graphic.Height();
  if (StretchDrawQuality() == sqLow || sameSize || int64_t(r.Width()) * r.Height() > kLargestResampledArea) {
    raster_->DrawBitmap(graphic, r);
    return;
  }
  TBitmap resampled(r.Width(), r.Height());
  SmoothStretch(graphic, resampled, ssBestQuality);
  Draw(r.Left, r.Top, resampled);
}

}  // namespace quil

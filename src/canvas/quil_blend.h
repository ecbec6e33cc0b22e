#pragma once

#include "canvas/bitmap.h"
#include "core/geometry.h"

namespace quil {

class TQuilCanvas;

// One translucent drawing on a canvas that cannot blend per pixel: the background under the
// rectangle is kept before the drawing and mixed back over it afterwards.
class TQuilBlend {
 public:
  TQuilBlend(TQuilCanvas& canvas, const TRect& r);

  // Takes a new area and saves the background under it.
  void SetRectangle(const TRect& r);
  // Mixes what was drawn since with the saved background: the drawing keeps
  // (100 - transparency) % and the background shows through by the rest.
  void DoBlend(int transparency);

  const TRect& Rect() const { return rect_; }
  const TBitmap& Bitmap() const { return bitmap_; }
  bool IValidSize() const { return validSize_; }

 private:
  TQuilCanvas* canvas_;  // not owned; the canvas outlives its blends
  TRect rect_;
  TBitmap bitmap_;
  bool validSize_ = false;
};

}  // namespace quil

#pragma once

#include <algorithm>
#include <string>

#include "canvas/cairo_raster.h"
#include "canvas_fixture.h"

namespace quil {

// A white plain canvas for text: black 8-point default font, transparent text background,
// crisp (unsmoothed) text unless a test asks otherwise.
class TextCanvas : public CanvasFixture {
 protected:
  void SetUp() override {
    Start(240, 180, 0, false);
    canvas->Font().SetColor(clBlack);
    canvas->SetBackMode(cbmTransparent);
  }

  // The smallest rectangle holding every pixel that is not white (empty when there is none).
  TRect InkBox() const { return BoxOf([](TColor c) { return c != clWhite; }); }
  TRect InkBox(TColor color) const { return BoxOf([color](TColor c) { return c == color; }); }
  int InkCount() const { return 240 * 180 - CountPixels(clWhite, {0, 0, 240, 180}); }

  void Clear() {
    canvas->Brush().Clear();
    canvas->Brush().SetStyle(bsSolid);
    canvas->Brush().SetColor(clWhite);
    canvas->FillRect({0, 0, 240, 180});
    canvas->SetBackMode(cbmTransparent);
  }

  TCairoRaster& Raster() const { return *raster; }

 private:
  template <class Predicate>
  TRect BoxOf(Predicate inked) const {
    TRect box{240, 180, 0, 0};
    for (int y = 0; y < 180; ++y) {
      for (int x = 0; x < 240; ++x) {
        if (!inked(Pixel(x, y))) continue;
        box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
      }
    }
    return box.IsEmpty() ? TRect{} : box;
  }
};

}  // namespace quil

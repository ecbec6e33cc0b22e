#pragma once

#include "canvas/bitmap.h"
#include "core/control.h"

namespace quil {

// Stands where the chart will be: a raised, button-face panel painted the way the chart paints,
// into an off-screen buffer that is then copied to the target in one step.
class TPlaceholderChart : public TWinControl {
  QUIL_PERSISTENT_CLASS

 public:
  explicit TPlaceholderChart(TComponent* owner = nullptr);

  void Paint(TDeviceContext& dc) override;

 private:
  void DrawFace(cairo_t* cr) const;

  TBitmap buffer_;
};

}  // namespace quil

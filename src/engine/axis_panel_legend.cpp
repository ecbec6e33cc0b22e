#include "engine/axis_panel.h"

namespace quil {

TQuilPen& TCustomAxisPanel::LegendPen() {
  if (!legendPen_) legendPen_ = std::make_unique<TQuilPen>();
  return *legendPen_;
}

void TCustomAxisPanel::DrawLegendShape(const TRect& rect, const TBitmap* graphic) {
  if (graphic)
    Canvas().StretchDraw(rect, *graphic);
  else
    Canvas().Rectangle(rect);
}

}  // namespace quil

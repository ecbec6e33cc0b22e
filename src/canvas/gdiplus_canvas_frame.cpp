#include "canvas/gdiplus_canvas.h"

namespace quil {

void TGDIPlusCanvas::Frame3D(TRect& rect, TColor topColor, TColor bottomColor, int width) {
  TQuilBrush saved;
  saved.AssignSettings(Brush());
  Brush().Clear();
  Brush().SetStyle(bsSolid);
  auto strip = [this](TColor color, TRect r) {
    Brush().SetColor(color);
    FillRect(r);
  };
  for (int i = 0; i < width && rect.Width() > 0 && rect.Height() > 0; ++i) {
    // The light edge owns the top row and left column but their far ends, which belong to
    // the dark edge, as the plain canvas's polylines leave them.
    strip(topColor, {rect.Left, rect.Top, rect.Right - 1, rect.Top + 1});
    strip(topColor, {rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1});
    strip(bottomColor, {rect.Right - 1, rect.Top, rect.Right, rect.Bottom});
    strip(bottomColor, {rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom});
    rect = InflateRect(rect, -1, -1);
  }
  Brush().AssignSettings(saved);
  DoChangedBrush(Brush());
}

}  // namespace quil

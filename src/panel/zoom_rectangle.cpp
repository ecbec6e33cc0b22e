#include <algorithm>

#include "canvas/canvas3d.h"
#include "panel/quil_panel_extended.h"

namespace quil {

namespace {

constexpr TColor kWhite = 0xFFFFFF;

// A system colour turned into the colour it stands for: the exclusive-or arithmetic needs the
// real red, green and blue.
TColor RealColor(TColor color) { return SystemColor(color) & kWhite; }

// The canvas takes brush in color over back; a patterned brush whose colour would vanish into
// its back colour is drawn black (white over black).
void SetBrushCanvas(TCanvas3D& canvas, TColor color, const TQuilBrush& brush, TColor back) {
  if (brush.Style() != bsSolid && color == back) color = back == 0 ? clWhite : clBlack;
  canvas.AssignBrush(brush, color, back);
}

// The band's corner kept within reach of the control: a mouse dragged far outside gives corners
// whose distances no drawing arithmetic takes. Edges moved this way lie outside the control
// beyond the pen's width, so the band looks the same, and drawing it again still takes it away.
int BandPixel(int pixel, int size, int penWidth) {
  const int margin = std::clamp(penWidth, 1, 1 << 16) + 2;
  return std::clamp(pixel, -margin, std::max(size, 0) + margin);
}

}  // namespace

void QuilPrepareXorPen(TCustomQuilPanelExtended& panel, const TQuilPen& pen) {
  TCanvas3D& canvas = panel.Canvas();
  const TColor back = RealColor(panel.GetBackColor());
  canvas.AssignVisiblePenColor(pen, (kWhite - back) ^ RealColor(pen.Color()));
  canvas.Pen().SetMode(pmNotXor);
}

void TCustomQuilPanelExtended::TryDrawZoom() {
  if (!zoom_->FullRepaint() && Canvas().GetSupportsXORMode())
    DrawZoomRectangle();
  else
    Invalidate();
}

void TCustomQuilPanelExtended::DrawZoomRectangle() {
  TCanvas3D& canvas = Canvas();
  TDeviceContext* buffer = canvas.BufferTarget();
  if (!buffer) {
    Invalidate();
    return;
  }
  TDeviceContext* previous = canvas.ReferenceCanvas();
  canvas.SetCanvas(buffer);
  try {
    PaintZoomRectangle();
  } catch (...) {
    canvas.SetCanvas(previous);
    throw;
  }
  canvas.SetCanvas(previous);
  ShowBuffer();
}

void TCustomQuilPanelExtended::PaintZoomRectangle() {
  TCanvas3D& canvas = Canvas();
  TQuilZoom& zoom = *zoom_;
  const bool fullRepaint = zoom.FullRepaint();
  if (zoom.HasBrush()) {
    TQuilZoomBrush& brush = zoom.Brush();
    TColor back = RealColor(GetBackColor());
    if (!fullRepaint) back = RealColor(brush.Color()) ^ (kWhite - back);
    SetBrushCanvas(canvas, brush.Color(), brush, back);
  } else {
    canvas.Brush().SetStyle(bsClear);
  }
  if (fullRepaint || !canvas.GetSupportsXORMode()) {
    zoom.Pen().SetMode(pmCopy);
    canvas.AssignVisiblePenColor(zoom.Pen(), zoom.Pen().Color());
  } else {
    QuilPrepareXorPen(*this, zoom.Pen());
  }
  const int penWidth = zoom.Pen().Width();
  canvas.Rectangle(BandPixel(zoom.X0, Width(), penWidth), BandPixel(zoom.Y0, Height(), penWidth),
                   BandPixel(zoom.X1, Width(), penWidth), BandPixel(zoom.Y1, Height(), penWidth));
  if (!fullRepaint) canvas.Pen().SetMode(pmCopy);
}

void TCustomQuilPanelExtended::UndoZoom() {
  if (OnUndoZoom) OnUndoZoom(*this);
  Invalidate();
  SetZoomed(false);
}

}  // namespace quil

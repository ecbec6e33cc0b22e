#include <algorithm>

#include "canvas/canvas_types.h"
#include "canvas/quil_canvas3d.h"

namespace quil {

namespace {

// The backend's raster mix code of each pen mode.
constexpr int kPenModes[] = {R2_BLACK,       R2_WHITE,       R2_NOP,         R2_NOT,   R2_COPYPEN, R2_NOTCOPYPEN,
                             R2_MERGEPENNOT, R2_MASKPENNOT,  R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,
                             R2_NOTMERGEPEN, R2_MASKPEN,     R2_NOTMASKPEN,  R2_XORPEN, R2_NOTXORPEN};

int PenModeCode(TPenMode mode) { return kPenModes[mode]; }

}  // namespace

TRasterPen QuilCreatePenSmallDots(TColor color, int space) {
  TRasterPen p;
  p.Color = SystemColor(color);
  p.Width = 1;
  if (space <= 0)
    p.Style = psAlternate;
  else
    p.SmallSpace = space;
  return p;
}

TRasterPen QuilSetQuilPen(const TQuilPen& pen, TColor color) {
  if (pen.SmallDots() && pen.Style() != psClear) return QuilCreatePenSmallDots(color, pen.SmallSpace());
  TRasterPen p;
  p.Color = SystemColor(color);
  p.Width = std::max(1, pen.Width());
  p.Style = pen.Style();
  p.EndStyle = pen.EndStyle();
  p.JoinStyle = pen.JoinStyle();
  // The one-pixel cosmetic pen draws dashes more reliably on some backends.
  if (QuilCheckPenWidth && pen.Width() == 1 && pen.Style() != psSolid) p.Width = 0;
  return p;
}

// The canvas pen's own mode is the backend's mix for every pen; SetPenMode alone touches the
// mix only for the wide pens whose ends are not round.
void TQuilCanvas3D::DoChangedPen() {
  const TQuilPen& pen = Pen();
  if (!pen.Visible() || pen.Style() == psClear) {
    TRasterPen clear;
    clear.Color = SystemColor(pen.Color());
    clear.Style = psClear;
    raster_->SetPen(clear);
    return;
  }
  raster_->SetPen(QuilSetQuilPen(pen, pen.Color()));
  raster_->SetRop2(PenModeCode(pen.Mode()));
  SetPenMode(pen);
}

void TQuilCanvas3D::SetPenMode(const TQuilPen& pen) {
  if (pen.Width() > 1 && pen.EndStyle() != esRound) raster_->SetRop2(PenModeCode(pen.Mode()));
}

}  // namespace quil

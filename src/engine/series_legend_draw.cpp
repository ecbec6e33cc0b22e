#include <algorithm>
#include <memory>

#include "canvas/quil_blend.h"
#include "engine/axis_panel.h"
#include "engine/series.h"

namespace quil {

namespace {

// A hatch drawn in the colour of the background it lies on would vanish: it turns black, or
// white on black.
TColor VisibleHatchColor(TColor color, TBrushStyle style, TColor backColor) {
  if (style == bsSolid || color != backColor) return color;
  return backColor == clBlack ? clWhite : clBlack;
}

}  // namespace

void ROvedeSeries::PrepareLegendCanvas(int, TColor&, TBrushStyle&) {}

void ROvedeSeries::DrawLegend(int valueIndex, const TRect& rect) {
  TCustomAxisPanel* chart = ParenrOvede();
  if (!chart) return;
  const TColor color = valueIndex == -1 ? SeriesColor() : LegendItemColor(valueIndex);
  if (color == clNone) return;
  const bool repaint = chart->AutoRepaint();
  chart->SetAutoRepaint(false);
  TCanvas3D& canvas = chart->Canvas();
  canvas.Brush().SetColor(color);
  const TQuilPen* legendPen = chart->LegendPenOrNull();
  canvas.AssignVisiblePen(legendPen ? *legendPen : Pen());
  TColor backColor = chart->LegendColor();
  TBrushStyle style = Brush().Style();
  PrepareLegendCanvas(valueIndex, backColor, style);
  const int widest = std::max(1, rect.Height() / 2);
  if (canvas.Pen().Width() > widest) canvas.Pen().SetWidth(widest);
  if (backColor == clQuilColor) backColor = chart->LegendColor();
  if (backColor == clQuilColor) backColor = SystemColor(chart->Color());
  // A kind that asks for another style gets it for this symbol only; the series keeps its own.
  TQuilBrush brush;
  brush.AssignSettings(Brush());
  brush.SetStyle(style);
  canvas.AssignBrushColor(brush, VisibleHatchColor(color, style, backColor), backColor);
  DrawLegendShape(valueIndex, rect);
  chart->SetAutoRepaint(repaint);
}

void ROvedeSeries::DrawLegendShape(int valueIndex, const TRect& rect) {
  TCustomAxisPanel* chart = ParenrOvede();
  if (!chart) return;
  TCanvas3D& canvas = chart->Canvas();
  std::unique_ptr<TQuilBlend> blend;
  if (Transparency() > 0) blend = canvas.BeginBlending(rect, Transparency());
  const TBitmap* graphic = nullptr;
  if (valueIndex == -1) {
    const TSeriesLegend* legend = LegendOrNull();
    const TBackImage* picture = legend ? legend->PictureOrNull() : nullptr;
    if (picture && !picture->Empty()) graphic = &picture->Graphic();
  } else {
    canvas.Brush().SetColor(LegendItemColor(valueIndex));
  }
  chart->DrawLegendShape(rect, graphic);
  if (blend) canvas.EndBlending(std::move(blend));
}

}  // namespace quil

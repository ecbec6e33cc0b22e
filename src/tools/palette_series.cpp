#include "tools/palette_series.h"

#include "canvas/canvas3d.h"
#include "canvas/quil_blend.h"
#include "engine/axis_panel.h"
#include "engine/rovede_axis.h"
#include "tools/legend_palette_tool.h"
#include "tools/palette_chart.h"

namespace quil {

const TMetaClass& TPaletteSeries::StaticClass() {
  static const TMetaClass meta("TPaletteSeries", &ROvedeSeries::StaticClass());
  return meta;
}

// The points stay in palette order, which is the order the bands are drawn from.
TPaletteSeries::TPaletteSeries(TLegendPaletteTool& tool) : ROvedeSeries(nullptr), tool_(tool) {
  XValues().SetOrder(loNone);
}

// Neighbouring bands share an edge, and a band drawn later would cover the line on it: all
// bands are filled first, then the lines between them are drawn.
void TPaletteSeries::DrawAllValues() {
  TCustomAxisPanel* chart = ParenrOvede();
  if (!chart || !GetHorizAxis() || !GetVertAxis()) return;
  std::unique_ptr<TQuilBlend> blend;
  const bool blending = Transparency() > 0 && chart->Canvas().SupportsAlpha();
  if (blending) blend = chart->Canvas().BeginBlending({}, Transparency());
  fillsOnly_ = true;
  ROvedeSeries::DrawAllValues();
  fillsOnly_ = false;
  if (Pen().Visible())
    for (int i = 0; i < Count(); ++i) DrawSeparators(i, BandRect(i));
  if (blending) chart->Canvas().EndBlending(std::move(blend));
}

void TPaletteSeries::DrawValue(int valueIndex) {
  if (!ParenrOvede() || !GetHorizAxis() || !GetVertAxis()) return;
  const TRect band = BandRect(valueIndex);
  FillBand(valueIndex, band);
  if (!fillsOnly_ && Pen().Visible()) DrawSeparators(valueIndex, band);
}

// Band i runs from the value of entry i - 1 to that of entry i; band 0 from the axis end.
TRect TPaletteSeries::BandRect(int valueIndex) const {
  const ROvedeAxis& horiz = *GetHorizAxis();
  const ROvedeAxis& vert = *GetVertAxis();
  const auto* chart = static_cast<const TPaletteChart*>(ParenrOvede());
  TRect band;
  if (tool_.Vertical()) {
    band.Left = horiz.IStartPos();
    if (VertAxis() != aRightAxis) band.Left += chart->LeftAxis().Axis().Width();
    band.Right = horiz.IEndPos();
    band.Top = CalcYPos(valueIndex);
    if (valueIndex == Count() - 1 && !vert.Inverted()) ++band.Top;
    if (valueIndex > 0)
      band.Bottom = CalcYPos(valueIndex - 1);
    else
      band.Bottom = vert.Inverted() ? vert.IStartPos() : vert.IEndPos();
    if (valueIndex == 1 && vert.Inverted()) ++band.Bottom;
  } else {
    band.Top = vert.IStartPos();
    if (HorizAxis() != aBottomAxis) band.Top += chart->BottomAxis().Axis().Width();
    band.Bottom = vert.IEndPos();
    band.Left = CalcXPos(valueIndex);
    if (valueIndex > 0)
      band.Right = CalcXPos(valueIndex - 1);
    else
      band.Right = horiz.Inverted() ? horiz.IEndPos() : horiz.IStartPos();
  }
  return OrientRectangle(band);
}

void TPaletteSeries::FillBand(int valueIndex, const TRect& band) {
  TCanvas3D& canvas = ParenrOvede()->Canvas();
  canvas.Pen().SetStyle(psClear);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(ValueColor(valueIndex));
  TQuilGradient& gradient = canvas.Brush().Gradient();
  if (tool_.Smooth()) {
    const bool inverted = tool_.Inverted();
    gradient.SetDirection(tool_.Vertical() ? (inverted ? gdBottomTop : gdTopBottom)
                                           : (inverted ? gdLeftRight : gdRightLeft));
    gradient.SetStartColor(ValueColor(valueIndex > 0 ? valueIndex - 1 : valueIndex));
    gradient.SetEndColor(ValueColor(valueIndex));
    gradient.SetVisible(true);
  } else {
    gradient.SetVisible(false);
  }
  canvas.Rectangle(band);
  gradient.SetVisible(false);
}

void TPaletteSeries::DrawSeparators(int valueIndex, const TRect& band) {
  TCanvas3D& canvas = ParenrOvede()->Canvas();
  canvas.AssignVisiblePen(Pen());
  if (tool_.Vertical()) {
    canvas.DoHorizLine(band.Left, band.Right, band.Top);
    if (valueIndex == 1) canvas.DoHorizLine(band.Left, band.Right, band.Bottom);
    if (VertAxis() == aLeftAxis) canvas.DoVertLine(band.Right, band.Top, band.Bottom);
    if (VertAxis() == aRightAxis) canvas.DoVertLine(band.Left, band.Top, band.Bottom);
  } else {
    canvas.DoVertLine(band.Right, band.Top, band.Bottom);
    if (valueIndex == 1) canvas.DoVertLine(band.Left, band.Top, band.Bottom);
    if (HorizAxis() == aTopAxis) canvas.DoHorizLine(band.Left, band.Right, band.Top);
    if (HorizAxis() == aBottomAxis) canvas.DoHorizLine(band.Left, band.Right, band.Bottom);
  }
}

}  // namespace quil

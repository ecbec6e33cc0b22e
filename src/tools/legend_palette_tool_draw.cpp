#include <algorithm>
#include <cmath>

#include <cairo.h>

#include "canvas/canvas3d.h"
#include "canvas/device_context.h"
#include "core/rounding.h"
#include "engine/axis_mapping.h"
#include "engine/rovede_axis.h"
#include "series/surface/custom3d_palette_series.h"
#include "tools/legend_palette_tool.h"
#include "tools/legend_pointer.h"
#include "tools/palette_chart.h"
#include "tools/palette_series.h"

namespace quil {

namespace {

// The palette chart draws through a Cairo context of its own on the host's surface, with the
// host's transformation, so that neither chart leaves clip or source settings to the other.
class TSharedSurfaceContext : public TCairoDeviceContext {
 public:
  explicit TSharedSurfaceContext(cairo_t* host) : TCairoDeviceContext(cairo_create(cairo_get_group_target(host))) {
    cairo_matrix_t matrix;
    cairo_get_matrix(host, &matrix);
    cairo_set_matrix(Context(), &matrix);
  }
  ~TSharedSurfaceContext() override { cairo_destroy(Context()); }
  TSharedSurfaceContext(const TSharedSurfaceContext&) = delete;
  TSharedSurfaceContext& operator=(const TSharedSurfaceContext&) = delete;
};

// The palette chart's canvas lets go of the shared context however the drawing ends.
class TCanvasRelease {
 public:
  explicit TCanvasRelease(TCanvas3D& canvas) : canvas_(canvas) {}
  ~TCanvasRelease() { canvas_.SetCanvas(nullptr); }
  TCanvasRelease(const TCanvasRelease&) = delete;
  TCanvasRelease& operator=(const TCanvasRelease&) = delete;

 private:
  TCanvas3D& canvas_;
};

// Holds the palette chart's repaints while the tool changes it during the host's drawing.
class TRepaintHold {
 public:
  explicit TRepaintHold(TCustomQuilPanel& chart) : chart_(chart), saved_(chart.AutoRepaint()) {
    chart_.SetAutoRepaint(false);
  }
  ~TRepaintHold() { chart_.SetAutoRepaint(saved_); }
  TRepaintHold(const TRepaintHold&) = delete;
  TRepaintHold& operator=(const TRepaintHold&) = delete;

 private:
  TCustomQuilPanel& chart_;
  bool saved_;
};

// Pixel coordinates stay within the engine's clamp, so a huge size draws a bar that is cut
// by the host's edges instead of laying out an axis of millions of pixels.
int ClampPixel(double value) {
  return QuilRound(std::clamp(value, -double(QuilMaxPixelPos), double(QuilMaxPixelPos)));
}

}  // namespace

TRect TLegendPaletteTool::BarRect() const {
  double x = left_;
  double y = top_;
  if (positionUnits_ == muPercent) {
    const TCustomAxisPanel* host = ParenrOvede();
    x = host ? left_ * double(host->Width()) * 0.01 : 0;
    y = host ? top_ * double(host->Height()) * 0.01 : 0;
  }
  const int left = ClampPixel(x);
  const int top = ClampPixel(y);
  return {left, top, ClampPixel(double(left) + width_), ClampPixel(double(top) + height_)};
}

void TLegendPaletteTool::ChartEvent(ROvedeToolEvent event) {
  TQuilCustomToolSeries::ChartEvent(event);
  TCustomAxisPanel* host = ParenrOvede();
  if (event != cteAfterDraw || !host) return;
  const TRepaintHold hold(*chart_);
  FillBands();
  host->Canvas().UnClipRectangle();
  series_->Pen().Assign(Pen());
  const TRect bar = BarRect();
  if (bar.Width() > 0 && bar.Height() > 0) DrawBar(*host, bar);
}

// One point per palette entry in palette order. The surface takes the ramp's colours whenever
// the ramp is on, also with the palette on, and so do the bands.
void TLegendPaletteTool::FillBands() {
  TPaletteSeries& bands = *series_;
  bands.BeginUpdate();
  bands.Clear();
  if (const auto* source = dynamic_cast<const TCustom3DPaletteSeries*>(Series())) {
    const TCustom3DPalette& palette = source->Palette();
    const bool entryColors = source->UsePalette() && !source->UseColorRange();
    for (std::size_t i = 0; i < palette.size(); ++i) {
      const double value = palette[i].UpToValue;
      // A bound that is not a number has no place on the axis.
      if (!std::isfinite(value)) continue;
      const TColor color = entryColors ? palette[i].Color : source->GetValueColorValue(value);
      const double position = static_cast<double>(i);
      if (vertical_)
        bands.AddXY(position, value, {}, color);
      else
        bands.AddXY(value, position, {}, color);
    }
  }
  bands.EndUpdate();
}

void TLegendPaletteTool::DrawBar(TCustomAxisPanel& host, const TRect& bar) {
  auto* hostContext = dynamic_cast<TCairoDeviceContext*>(host.Canvas().ReferenceCanvas());
  if (!hostContext || !hostContext->Context()) return;
  // The bar is drawn with the host's kind of canvas.
  if (chart_->Canvas().ClassName() != host.Canvas().ClassName()) {
    chart_->SetInternalCanvas(host.Canvas().Create());
    chart_->SetBufferedDisplay(false);
  }
  TSharedSurfaceContext target(hostContext->Context());
  const TCanvasRelease release(chart_->Canvas());
  chart_->Draw(target, bar);
  DrawPointer();
}

void TLegendPaletteTool::DrawPointer() {
  if (!pointer_ || !pointer_->Visible() || !std::isfinite(pointer_->Value())) return;
  TPaletteChart& chart = *chart_;
  TCanvas3D& canvas = chart.Canvas();
  pointer_->PrepareCanvas(canvas);
  const double value = pointer_->Value();
  if (vertical_)
    pointer_->Draw(canvas, chart.ChartXCenter(), chart.LeftAxis().CalcPosValue(value));
  else
    pointer_->Draw(canvas, chart.BottomAxis().CalcPosValue(value), chart.ChartYCenter());
}

}  // namespace quil

#include "snapshot/snapshot_look.h"

#include "app/data_view.h"
#include "app/form_file.h"
#include "chart/custom_chart.h"
#include "core/exceptions.h"
#include "series/surface/surface_series.h"

namespace quil {

namespace {

void ApplyView(TCustomChart& chart, const TSnapshotOptions& options) {
  TView3DOptions& view = chart.View3DOptions();
  // Rotation and elevation turn only a perspective view.
  if (options.Rotation || options.Elevation) view.SetOrthogonal(false);
  if (options.Rotation) view.SetRotationFloat(*options.Rotation);
  if (options.Elevation) view.SetElevationFloat(*options.Elevation);
  if (options.Zoom) view.SetZoomFloat(*options.Zoom);
}

bool AsksForSurfaceLook(const TSnapshotOptions& options) {
  return options.PaletteStyle || options.WireFrame || options.SmoothPalette;
}

void ApplySurfaceLook(TSurfaceSeries& series, const TSnapshotOptions& options) {
  if (options.PaletteStyle) {
    series.SetUseColorRange(false);
    series.SetUsePalette(true);
    series.SetPaletteStyle(*options.PaletteStyle);
  }
  if (options.WireFrame) series.SetWireFrame(true);
  if (options.SmoothPalette) series.SetSmoothPalette(true);
}

}  // namespace

void ApplySnapshotLook(TForm& form, const TSnapshotOptions& options) {
  auto* chart = dynamic_cast<TCustomChart*>(FirstChart(form));
  if (!chart) return;
  if (options.Title) chart->Title().SetText(*options.Title);
  ApplyView(*chart, options);
  if (!AsksForSurfaceLook(options)) return;
  auto* surface = dynamic_cast<TSurfaceSeries*>(DataSeries(form));
  if (!surface) throw EQuilError("The window's chart has no surface for the palette or frame options");
  ApplySurfaceLook(*surface, options);
}

}  // namespace quil

// The surface picture of the peer benchmark drawn by this library: z = sin(x) cos(y) on
// (N + 1) x (N + 1) points (N x N cells), x and y in [-pi, pi], coloured by height through the
// five-stop ramp #440154 #3b528b #21918c #5ec962 #fde725, in a 913 x 705 chart with the 3D box,
// axes, axis titles, a title and the palette legend as colour bar, written as PNG.
//
// usage: surface_png N [cold|warm] [OUT.png] [TQuilCanvas3D|TGDIPlusCanvas]
//
// Prints "peer=engine n=<N> ms=<ms> render_ms=<ms> png_ms=<ms>" ("peer=engine-warm" in warm
// mode). Timed inside the process, as the peers time themselves:
//   cold: the first chart of the process: creating it, giving it the points, drawing it and
//         writing the PNG file.
//   warm: one chart drawn and written first, untimed; then the view turns by 5 degrees and the
//         drawing and writing are timed again (someone rotating the chart with the mouse).
// Not timed: the library's start-up (the peers' imports) and computing the grid of values.

#include <cairo.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "app/library_startup.h"
#include "canvas/bitmap.h"
#include "canvas/canvas_classes.h"
#include "canvas/device_context.h"
#include "canvas/opaque_png.h"
#include "canvas/view3d_options.h"
#include "chart/rovede.h"
#include "engine/rovede_axis.h"
#include "engine/value_list.h"
#include "series/surface/surface_series.h"
#include "tools/legend_palette_tool.h"

namespace {

using namespace quil;
using TClock = std::chrono::steady_clock;

constexpr int kWidth = 913;
constexpr int kHeight = 705;
constexpr int kPaletteSteps = 256;

double Milliseconds(TClock::time_point from, TClock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// The peers' ramp, t in [0, 1].
TColor Ramp(double t) {
  static const int stops[5][3] = {{0x44, 0x01, 0x54}, {0x3b, 0x52, 0x8b}, {0x21, 0x91, 0x8c},
                                  {0x5e, 0xc9, 0x62}, {0xfd, 0xe7, 0x25}};
  const double u = std::clamp(t, 0.0, 1.0) * 4;
  const int k = std::min(3, static_cast<int>(u));
  const double f = u - k;
  int c[3];
  for (int i = 0; i < 3; ++i) c[i] = static_cast<int>(std::lround(stops[k][i] + (stops[k + 1][i] - stops[k][i]) * f));
  return RGBColor(c[0], c[1], c[2]);
}

struct TGrid {
  std::vector<double> Axis;  // the N + 1 coordinates of x (and y)
  std::vector<double> Z;     // row by row: Z[j * (N + 1) + i] = sin(Axis[i]) cos(Axis[j])
};

TGrid MakeGrid(int n) {
  TGrid g;
  for (int i = 0; i <= n; ++i) g.Axis.push_back(-std::numbers::pi + 2 * std::numbers::pi * i / n);
  g.Z.reserve(static_cast<std::size_t>(n + 1) * (n + 1));
  for (int j = 0; j <= n; ++j)
    for (int i = 0; i <= n; ++i) g.Z.push_back(std::sin(g.Axis[i]) * std::cos(g.Axis[j]));
  return g;
}

// The chart of the picture. The library's X is the peers' x, its depth (Z) their y, and its
// vertical Y their height z.
class TSurfacePicture {
 public:
  TSurfacePicture(int n, const TGrid& grid, const std::string& canvasClass) {
    chart_.SetBounds(0, 0, kWidth, kHeight);
    if (auto canvas = CreateCanvasByClassName(canvasClass)) chart_.SetInternalCanvas(std::move(canvas));
    // Straight into the picture: one image to fill instead of the canvas's buffer and a copy of
    // it (the same pixels; a fresh image costs its page faults on this kind of machine).
    chart_.Canvas().SetUseBuffer(false);
    chart_.Title().SetText({"Surface z = sin(x)*cos(y), " + std::to_string(n) + " x " + std::to_string(n) + " cells"});
    chart_.SetChart3DPercent(70);
    TView3DOptions& view = chart_.View3DOptions();
    view.SetOrthogonal(false);
    view.SetElevation(330);
    view.SetRotation(330);
    view.SetPerspective(0);
    view.SetZoom(70);
    view.SetVertOffset(20);
    chart_.DepthAxis().SetVisible(true);
    chart_.BottomAxis().Title().SetCaption("X");
    chart_.DepthAxis().Title().SetCaption("Y");
    chart_.LeftAxis().Title().SetCaption("Z");
    chart_.LeftAxis().SetAutomatic(false);
    chart_.LeftAxis().SetMinMax(-1, 1);
    chart_.LeftAxis().SetIncrement(0.5);
    chart_.BottomAxis().SetIncrement(1);
    chart_.DepthAxis().SetIncrement(1);
    // The palette legend shows the ramp beside the box, in this space, instead of the legend's
    // list of palette entries.
    chart_.SetMarginRight(12);
    chart_.Legend().SetVisible(false);

    series_.Pen().SetVisible(false);
    series_.SetIrregularGrid(true);
    series_.SetUseColorRange(false);
    series_.SetUsePalette(true);
    for (int i = 0; i < kPaletteSteps; ++i)
      series_.AddPalette(-1 + 2.0 * (i + 1) / kPaletteSteps, Ramp((i + 0.5) / kPaletteSteps));
    series_.SetParenrOvede(&chart_);
    bar_.SetParenrOvede(&chart_);
    bar_.SetSeries(&series_);
    bar_.Pen().SetVisible(false);
    bar_.SetLeft(kWidth - 105);
    bar_.SetTop(150);
    bar_.SetWidth(80);
    bar_.SetHeight(400);
    const std::size_t side = static_cast<std::size_t>(n) + 1;
    // The value lists take the whole grid in one step, as a caller that knows its size lets them.
    const int capacity = QuilDefaultCapacity;
    QuilDefaultCapacity = static_cast<int>(side * side);
    series_.BeginUpdate();
    for (std::size_t j = 0; j < side; ++j)
      for (std::size_t i = 0; i < side; ++i) series_.AddXYZ(grid.Axis[i], grid.Z[j * side + i], grid.Axis[j]);
    series_.EndUpdate();
    QuilDefaultCapacity = capacity;
  }
  ~TSurfacePicture() {
    bar_.SetParenrOvede(nullptr);
    series_.SetParenrOvede(nullptr);
  }

  TView3DOptions& View() { return chart_.View3DOptions(); }

  // Draws the chart into the destination through the panel's paint, as a window's paint does.
  void Paint() {
    const std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(destination_.Surface()), cairo_destroy);
    TCairoDeviceContext dc(cr.get());
    chart_.Invalidate();
    chart_.Paint(dc);
  }
  const TBitmap& Picture() const { return destination_; }

 private:
  ROvede chart_;
  TSurfaceSeries series_;
  TLegendPaletteTool bar_;
  TBitmap destination_{kWidth, kHeight};
};

int Run(int n, bool warm, const std::string& out, const std::string& canvasClass) {
  TLibraryStartup library;
  const TGrid grid = MakeGrid(n);
  std::unique_ptr<TSurfacePicture> picture;
  TClock::time_point start;
  if (warm) {
    picture = std::make_unique<TSurfacePicture>(n, grid, canvasClass);
    picture->Paint();
    SaveOpaquePNG(picture->Picture(), out);
    start = TClock::now();
    picture->View().SetRotation(picture->View().Rotation() + 5);
  } else {
    start = TClock::now();
    picture = std::make_unique<TSurfacePicture>(n, grid, canvasClass);
  }
  picture->Paint();
  const TClock::time_point drawn = TClock::now();
  SaveOpaquePNG(picture->Picture(), out);
  const TClock::time_point written = TClock::now();
  std::printf("peer=engine%s n=%d ms=%.1f render_ms=%.1f png_ms=%.1f\n", warm ? "-warm" : "", n,
              Milliseconds(start, written), Milliseconds(start, drawn), Milliseconds(drawn, written));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: surface_png N [cold|warm] [OUT.png] [TQuilCanvas3D|TGDIPlusCanvas]\n");
    return 2;
  }
  const int n = std::atoi(argv[1]);
  const std::string mode = argc > 2 ? argv[2] : "cold";
  if (n < 1 || (mode != "cold" && mode != "warm")) {
    std::fprintf(stderr, "surface_png: N must be at least 1 and the mode cold or warm\n");
    return 2;
  }
  const std::string out = argc > 3 ? argv[3] : "surface_n" + std::to_string(n) + ".png";
  const std::string canvas = argc > 4 ? argv[4] : "TQuilCanvas3D";
  try {
    return Run(n, mode == "warm", out, canvas);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "surface_png: %s\n", e.what());
    return 1;
  }
}

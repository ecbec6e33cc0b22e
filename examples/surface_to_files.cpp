// surface_to_files [NAME]: computes a surface and saves it as NAME.png and NAME.svg (default
// "surface"), without a display.
#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

#include "app/library_startup.h"
#include "chart/rovede.h"
#include "series/surface/surface_series.h"

int main(int argc, char** argv) {
  const std::string name = argc > 1 ? argv[1] : "surface";
  try {
    // Brings the library up (message texts, canvases, series classes) and down again at the end.
    const quil::TLibraryStartup library;

    quil::ROvede chart;
    chart.SetBounds(0, 0, 640, 480);
    chart.Title().SetText("sin(x) * cos(z)");

    // The series is declared after the chart, so it leaves the chart before the chart goes.
    quil::TSurfaceSeries surface;
    surface.SetParenrOvede(&chart);
    constexpr int kSide = 40;
    surface.BeginUpdate();
    for (int z = 0; z < kSide; ++z)
      for (int x = 0; x < kSide; ++x) {
        const double u = (x - kSide / 2.0) / 6.0, v = (z - kSide / 2.0) / 6.0;
        surface.AddXYZ(x, std::sin(u) * std::cos(v), z);
      }
    surface.EndUpdate();

    // The format follows the extension: PNG pixels, or SVG and PDF shapes and text.
    chart.SaveToFile(name + ".png");
    chart.SaveToFile(name + ".svg");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "surface_to_files: %s\n", e.what());
    return 1;
  }
  return 0;
}

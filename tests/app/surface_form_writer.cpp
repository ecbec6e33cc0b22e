// Writes the program's main window with its surface filled, as a description file that
// "quilchart --form FILE" opens: the window tests and the soak script drive a chart with data.
//   surface_form_writer OUT [N]     (an N x N grid of points, 30 when not given, 2 .. 1000)
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "app/form_file.h"
#include "app/library_startup.h"
#include "app/main_form.h"
#include "series/surface/surface_series.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: surface_form_writer OUT [N]\n");
    return 2;
  }
  const int n = argc == 3 ? std::atoi(argv[2]) : 30;
  if (n < 2 || n > 1000) {
    std::fprintf(stderr, "surface_form_writer: N must be 2 .. 1000\n");
    return 2;
  }
  try {
    const quil::TLibraryStartup library;
    auto form = quil::CreateMainForm();
    auto* series = dynamic_cast<quil::TSurfaceSeries*>(form->FindComponent("Series1"));
    if (!series) throw std::runtime_error("the main window has no surface \"Series1\"");
    series->BeginUpdate();
    for (int z = 0; z < n; ++z)
      for (int x = 0; x < n; ++x) {
        const double u = 6.0 * x / (n - 1) - 3, v = 6.0 * z / (n - 1) - 3;
        series->AddXYZ(x, 10 * std::sin(u) * std::cos(v) + u * v, z);
      }
    series->EndUpdate();
    quil::SaveFormFile(*form, argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "surface_form_writer: %s\n", e.what());
    return 1;
  }
  return 0;
}

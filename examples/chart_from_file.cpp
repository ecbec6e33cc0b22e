// chart_from_file FORM OUT.png|OUT.svg|OUT.pdf [WIDTH HEIGHT]: reads a saved window description
// (as `chart_snapshot --save-form` or a program's SaveFormFile writes it) and saves the chart it
// holds, at its own size or the size given.
#include <cstdio>
#include <exception>
#include <string>

#include "app/form_file.h"
#include "app/library_startup.h"
#include "panel/quil_panel.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: chart_from_file FORM OUT.png|OUT.svg|OUT.pdf [WIDTH HEIGHT]\n");
    return 2;
  }
  try {
    const quil::TLibraryStartup library;
    // The whole window is read, or nothing: a damaged file is an exception with its reason.
    const auto form = quil::LoadFormFile(argv[1]);
    auto* chart = dynamic_cast<quil::TCustomQuilPanel*>(quil::FirstChart(*form));
    if (!chart) {
      std::fprintf(stderr, "chart_from_file: %s holds no chart\n", argv[1]);
      return 1;
    }
    if (argc == 5)
      chart->SaveToFile(argv[2], std::stoi(argv[3]), std::stoi(argv[4]));
    else
      chart->SaveToFile(argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "chart_from_file: %s\n", e.what());
    return 1;
  }
  return 0;
}

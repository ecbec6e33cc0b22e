// Writes the seed corpus of the form reader's fuzz target into a folder: the main window's
// description and variants made by the writer (charts with points, titles, tools, palettes).
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/embedded_form.h"
#include "app/library_startup.h"
#include "app/main_form.h"
#include "chart/rovede.h"
#include "engine/rovede_axis.h"
#include "engine/themed_series.h"

namespace {

void Save(const std::string& folder, const std::string& name, const std::vector<uint8_t>& bytes) {
  std::ofstream out(folder + "/" + name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

quil::ROvede& AddChart(quil::TForm& form, const std::string& name) {
  auto& chart = quil::MakeOwned<quil::ROvede>(form);
  chart.SetName(name);
  chart.SetParent(&form);
  chart.SetBounds(10, 10, 150, 110);
  return chart;
}

quil::TThemedSeries& AddSeries(quil::TForm& form, quil::ROvede& chart, const std::string& name, int points) {
  auto& series = quil::MakeOwned<quil::TThemedSeries>(form);
  series.SetName(name);
  series.SetParenrOvede(&chart);
  for (int i = 0; i < points; ++i) series.AddXY(i, (i * 7) % 5, i % 2 ? "odd" : "", i == 2 ? quil::clRed : quil::clQuilColor);
  return series;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const quil::TLibraryStartup library;
  Save(folder, "main_window", {quil::embedded::TFORM1, quil::embedded::TFORM1 + quil::embedded::TFORM1_size});

  {
    quil::TForm1 form;
    form.SetName("Form1");
    auto& chart = AddChart(form, "Chart1");
    chart.Title().SetText("Seed\rtwo lines");
    chart.SetColorPaletteIndex(3);
    AddSeries(form, chart, "Series1", 6);
    Save(folder, "chart_with_points", quil::WriteFormDescription(form));
  }
  {
    quil::TForm1 form;
    form.SetName("Form1");
    auto& chart = AddChart(form, "Chart1");
    chart.SetColorPalette({quil::clRed, quil::clBlue, quil::clLime});
    chart.LeftAxis().SetAutomatic(false);
    chart.LeftAxis().SetMinMax(-5, 5);
    AddSeries(form, chart, "Series1", 3);
    AddSeries(form, chart, "Series2", 0).SetTitle("empty");
    auto& button = quil::MakeOwned<quil::TButton>(form);
    button.SetName("Button1");
    button.SetParent(&form);
    button.SetCaption("caf\xc3\xa9");
    Save(folder, "two_series_and_button", quil::WriteFormDescription(form));
  }
  return 0;
}
